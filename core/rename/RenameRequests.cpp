#include "core/rename/RenameRequests.h"

#include "core/TrackRules.h"

namespace renamerequests {

namespace {

// The length of the UTF-8 sequence at `pos`; 1 for a byte that starts no valid sequence.
int sequenceLength(const QByteArray& bytes, qsizetype pos)
{
    const auto lead = static_cast<unsigned char>(bytes.at(pos));
    const int length = lead >= 0xF0 && lead < 0xF8   ? 4
                       : lead >= 0xE0 && lead < 0xF0 ? 3
                       : lead >= 0xC0 && lead < 0xE0 ? 2
                                                     : 1;
    if (pos + length > bytes.size())
        return 1;
    for (int i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(bytes.at(pos + i)) & 0xC0) != 0x80)
            return 1;
    }
    return length;
}

} // namespace

QByteArray titleBytes(const QByteArray& nameBytes)
{
    const qsizetype dot = nameBytes.lastIndexOf('.');
    const QByteArray base = dot < 0 ? nameBytes : nameBytes.left(dot);
    // A number is ASCII, so its characters are its bytes: read one byte per character, and a
    // byte above 0x7F, which no number holds, ends it as any other character would.
    const qsizetype length = trackrules::numberLength(QString::fromLatin1(base));
    if (length == 0)
        return base;
    if (base.size() <= length)
        return QByteArray();
    return base.mid(length + sequenceLength(base, length));
}

QByteArray newNameBytes(qint64 number, const QByteArray& oldNameBytes,
                        trackrules::OldNumber oldNumber)
{
    const trackrules::NumberText text(number);
    const QLatin1String numberText = text.view();
    QByteArray title = titleBytes(oldNameBytes);
    // The old number is ASCII: its length in characters is its length in bytes.
    if (oldNumber == trackrules::OldNumber::Drop)
        title.remove(0, trackrules::oldNumberLength(QString::fromUtf8(title)));
    QByteArray name;
    name.reserve(numberText.size() + 1 + title.size() + 4);
    name.append(numberText.data(), numberText.size()).append(' ').append(title).append(".mp3");
    return name;
}

void numberRows(QVector<TrackRow>* rows, qint64 start, qint64 increment,
                trackrules::OldNumber oldNumber)
{
    for (qsizetype i = 0; i < rows->size(); ++i) {
        TrackRow& row = (*rows)[i];
        row.newName = newNameBytes(trackrules::previewNumber(start, increment, i + 1),
                                   row.nameBytes, oldNumber);
        row.dropsOldNumber = oldNumber == trackrules::OldNumber::Drop;
    }
}

std::vector<renaming::RenameRequest> requestsOf(const QVector<TrackRow>& rows)
{
    std::vector<renaming::RenameRequest> requests;
    requests.reserve(size_t(rows.size()));
    for (const TrackRow& row : rows)
        requests.push_back({row.nameBytes, row.newName, row.size, row.mtimeNsec});
    return requests;
}

std::vector<renaming::RenameRequest> requestsOf(const QVector<TrackRow>& rows, qint64 start,
                                                qint64 increment, trackrules::OldNumber oldNumber)
{
    QVector<TrackRow> numbered = rows;
    numberRows(&numbered, start, increment, oldNumber);
    return requestsOf(numbered);
}

QByteArray previewBytes(const TrackRow& row)
{
    return row.newName.chopped(4);
}

} // namespace renamerequests
