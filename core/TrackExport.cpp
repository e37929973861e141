#include "core/TrackExport.h"

#include "core/Text.h"

#include <QDir>
#include <QSaveFile>

namespace trackexport {

namespace {

// Code points of the Windows-1252 bytes 0x80 to 0x9F; 0 where the code page has no character.
constexpr char16_t HighBytes[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

constexpr char Utf8ByteOrderMark[] = "\xEF\xBB\xBF";

int windows1252Byte(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < 32; ++i) {
        if (HighBytes[i] == u)
            return 0x80 + i;
    }
    return -1;
}

// A file name may hold line breaks; inside a line they would split the row in two.
QString singleLine(QString text)
{
    return text.replace(u'\r', u' ').replace(u'\n', u' ');
}

} // namespace

bool encodeWindows1252(const QString& text, QByteArray* bytes)
{
    QByteArray encoded;
    encoded.reserve(text.size());
    for (const QChar c : text) {
        const int byte = windows1252Byte(c.unicode());
        if (byte < 0)
            return false;
        encoded.append(char(byte));
    }
    *bytes = encoded;
    return true;
}

QByteArray ExportBytes(const QList<TrackLine>& lines)
{
    QString text;
    for (const TrackLine& line : lines)
        text += singleLine(line.caption) + u';' + singleLine(line.title) + QStringLiteral("\r\n");
    QByteArray bytes;
    if (encodeWindows1252(text, &bytes))
        return bytes;
    return QByteArray(Utf8ByteOrderMark) + text.toUtf8();
}

ExportResult ExportTrackList(const QString& fileName, const QList<TrackLine>& lines)
{
    const QByteArray bytes = ExportBytes(lines);
    QSaveFile file(fileName);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return {};
    return {false, text::entry(text::FileErrorTexts, 0)
                       .arg(QDir::toNativeSeparators(fileName), file.errorString())};
}

} // namespace trackexport
