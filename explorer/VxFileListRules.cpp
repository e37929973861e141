#include "explorer/VxFileListRules.h"

#include <QLocale>

namespace vxfilelist {

bool sameDirectoryText(const QString& value, const QString& stored)
{
    const QLocale locale;
    return QString::localeAwareCompare(locale.toLower(value), locale.toLower(stored)) == 0;
}

bool isDrivesText(const QString& value)
{
    return value.toUpper() == QLatin1String("DRIVES");
}

QStringList maskPatterns(const QString& mask)
{
    qsizetype begin = 0;
    qsizetype end = mask.size();
    while (begin < end && mask.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && mask.at(end - 1) == QLatin1Char(' '))
        --end;
    const QString trimmed = mask.mid(begin, end - begin);
    if (trimmed.isEmpty())
        return {QStringLiteral("*.*")};
    QStringList patterns = trimmed.split(QLatin1Char(';'));
    // "a;b;" ends with a separator, not with an empty pattern.
    if (patterns.size() > 1 && patterns.last().isEmpty())
        patterns.removeLast();
    return patterns;
}

QString trimControls(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= u' ')
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= u' ')
        --end;
    return text.mid(begin, end - begin);
}

QString parentCaptionFor(const QString& value, const QString& stored)
{
    const QString trimmed = trimControls(value);
    const QLocale locale;
    if (QString::localeAwareCompare(locale.toLower(trimmed),
                                    locale.toLower(trimControls(stored))) == 0)
        return stored;
    return QLatin1Char(' ') + trimmed;
}

QString captionWithoutExtension(const QString& name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? name : name.left(dot);
}

QByteArray caseKey(const QByteArray& name)
{
    const QString text = QString::fromUtf8(name);
    if (text.toUtf8() == name)
        return text.toCaseFolded().toUtf8();
    QByteArray folded = name;
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    }
    return folded;
}

bool sameNameIgnoringCase(const QByteArray& a, const QByteArray& b)
{
    return caseKey(a) == caseKey(b);
}

NameProblem newNameProblem(const QByteArray& name, int nameMax)
{
    if (name.isEmpty())
        return NameProblem::Empty;
    if (name == "." || name == "..")
        return NameProblem::DotName;
    if (name.contains('/'))
        return NameProblem::Separator;
    if (name.contains('\0'))
        return NameProblem::Nul;
    if (name.size() > nameMax)
        return NameProblem::TooLong;
    return NameProblem::None;
}

} // namespace vxfilelist
