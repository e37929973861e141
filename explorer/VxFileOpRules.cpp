#include "explorer/VxFileOpRules.h"

#include "explorer/VxPathUtils.h"

#include <QFileInfo>
#include <QStringList>

namespace vxfileops {

namespace {

// Text and source files, documents, pictures, then the two web page types last: everything
// but those two can also go to the clipboard as contents.
const QStringList& viewExtensions()
{
    static const QStringList extensions = {
        QStringLiteral(".C"),   QStringLiteral(".CPP"),  QStringLiteral(".DPK"),
        QStringLiteral(".DPR"), QStringLiteral(".H"),    QStringLiteral(".HPP"),
        QStringLiteral(".BPK"), QStringLiteral(".BPR"),  QStringLiteral(".INF"),
        QStringLiteral(".INI"), QStringLiteral(".PAS"),  QStringLiteral(".PRG"),
        QStringLiteral(".TXT"), QStringLiteral(".DOC"),  QStringLiteral(".RTF"),
        QStringLiteral(".WRI"), QStringLiteral(".BMP"),  QStringLiteral(".GIF"),
        QStringLiteral(".JPG"), QStringLiteral(".TIFF"), QStringLiteral(".PNG"),
        QStringLiteral(".WMF"), QStringLiteral(".ICO"),  QStringLiteral(".HTML"),
        QStringLiteral(".HTM")};
    return extensions;
}

constexpr int FirstImage = 16;
constexpr int FirstWebPage = 23;

int viewIndex(const QString& path)
{
    const QString extension = upperExtension(path);
    return extension.isEmpty() ? -1 : int(viewExtensions().indexOf(extension));
}

} // namespace

QString upperExtension(const QString& path)
{
    const QString name = path.mid(path.lastIndexOf(u'/') + 1);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot).toUpper();
}

bool isViewExtension(const QString& path)
{
    return viewIndex(path) >= 0;
}

bool isContentsExtension(const QString& path)
{
    const int index = viewIndex(path);
    return index >= 0 && index < FirstWebPage;
}

bool isImageExtension(const QString& path)
{
    const int index = viewIndex(path);
    return index >= FirstImage && index < FirstWebPage;
}

QString nextNewFolderPath(const QString& folder, const QString& base)
{
    for (int number = 1;; ++number) {
        const QString name = number == 1 ? base : base + u'(' + QString::number(number) + u')';
        const QString path = JoinDirAndName(folder, name);
        const QFileInfo info(path);
        if (!info.exists() && !info.isSymLink())
            return path;
    }
}

} // namespace vxfileops
