#include "app/RenameJournal.h"

#include "platform/SyncedFolder.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QIODevice>
#include <QtEndian>

#include <cerrno>

namespace renaming {

namespace {

const QByteArray kMagic = QByteArrayLiteral("ORVENRJ1");
constexpr int kLengthSize = 4;
constexpr int kDigestSize = 16;
constexpr int kRecordSize = 12;
constexpr quint8 kMarkRecord = 1;
constexpr quint8 kPhaseRecord = 2;
constexpr int kMaxRows = 10000000;

// Zeros, the usual remains of a write cut off by a power loss, never pass.
quint32 recordCheck(quint8 type, quint8 mark, quint32 value)
{
    return ((quint32(type) << 24) | (quint32(mark) << 16)) ^ (value * 0x9E3779B1u) ^ 0xA5C3E1F7u;
}

QByteArray encodePlan(const RenamePlan& plan)
{
    QByteArray payload;
    QDataStream out(&payload, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_4);
    out << qint32(plan.rows().size());
    for (const RenamePlanRow& row : plan.rows()) {
        out << row.oldName << row.newName << row.tempName << row.size << row.mtimeNsec
            << quint8(row.status);
    }
    out << qint32(plan.groups().size());
    for (const RenameGroup& group : plan.groups()) {
        out << group.cycle << qint32(group.rows.size());
        for (const int r : group.rows)
            out << qint32(r);
    }
    return payload;
}

// Reads a plan back, refusing anything a plan this program wrote could not hold.
bool decodePlan(const QByteArray& payload, RenamePlan* plan)
{
    QDataStream in(payload);
    in.setVersion(QDataStream::Qt_6_4);
    qint32 rowCount = 0;
    in >> rowCount;
    if (rowCount < 0 || rowCount > kMaxRows)
        return false;
    std::vector<RenamePlanRow> rows(static_cast<size_t>(rowCount));
    for (RenamePlanRow& row : rows) {
        quint8 status = 0;
        in >> row.oldName >> row.newName >> row.tempName >> row.size >> row.mtimeNsec >> status;
        if (status > quint8(RenameStatus::Misplaced))
            return false;
        row.status = RenameStatus(status);
    }
    qint32 groupCount = 0;
    in >> groupCount;
    if (in.status() != QDataStream::Ok || groupCount < 0 || groupCount > rowCount)
        return false;
    std::vector<RenameGroup> groups(static_cast<size_t>(groupCount));
    std::vector<bool> used(rows.size(), false);
    for (RenameGroup& group : groups) {
        qint32 count = 0;
        in >> group.cycle >> count;
        if (in.status() != QDataStream::Ok || count <= 0 || count > rowCount)
            return false;
        for (qint32 k = 0; k < count; ++k) {
            qint32 r = -1;
            in >> r;
            if (in.status() != QDataStream::Ok || r < 0 || r >= rowCount || used[size_t(r)])
                return false;
            used[size_t(r)] = true;
            const RenamePlanRow& row = rows[size_t(r)];
            if (row.oldName.isEmpty() || row.newName.isEmpty())
                return false;
            group.rows.push_back(r);
        }
        if (group.cycle && rows[size_t(group.rows[0])].tempName.isEmpty())
            return false;
    }
    if (in.status() != QDataStream::Ok || !in.atEnd())
        return false;
    *plan = RenamePlan(std::move(rows), std::move(groups));
    return true;
}

} // namespace

QByteArray RenameJournal::fileName()
{
    return QByteArrayLiteral(".orven-rename-journal");
}

int RenameJournal::create(const platform::SyncedFolder& folder, const RenamePlan& plan)
{
    const QByteArray payload = encodePlan(plan);
    QByteArray bytes = kMagic;
    bytes.resize(kMagic.size() + kLengthSize);
    qToBigEndian(quint32(payload.size()), bytes.data() + kMagic.size());
    bytes += payload;
    bytes += QCryptographicHash::hash(payload, QCryptographicHash::Md5);

    int e = m_file.createExclusive(folder, fileName());
    if (e != 0)
        return e;
    e = m_file.append(bytes);
    if (e == 0)
        e = m_file.sync();
    if (e == 0)
        e = folder.sync();
    if (e != 0) {
        // Nothing was renamed yet: the half-written journal is ours to drop.
        m_file.close();
        folder.remove(fileName());
        return e;
    }
    m_plan = plan;
    m_marks.assign(plan.groups().size(), Mark::None);
    m_groupsDone = 0;
    return 0;
}

RenameJournal::Load RenameJournal::open(const platform::SyncedFolder& folder, QString* detail)
{
    const int e = m_file.openLocked(folder, fileName());
    if (e == ENOENT)
        return Load::Missing;
    if (e == EBUSY)
        return Load::Busy;
    QByteArray bytes;
    const int readError = e != 0 ? e : m_file.readAll(&bytes);
    if (readError != 0) {
        if (detail)
            *detail = platform::sysErrorText(readError);
        m_file.close();
        return Load::Damaged;
    }
    const Load load = parse(bytes);
    if (load != Load::Ok)
        m_file.close();
    return load;
}

RenameJournal::Load RenameJournal::parse(const QByteArray& bytes)
{
    const int headerSize = kMagic.size() + kLengthSize;
    if (bytes.size() < kMagic.size())
        return kMagic.startsWith(bytes) ? Load::Incomplete : Load::Damaged;
    if (!bytes.startsWith(kMagic))
        return Load::Damaged;
    if (bytes.size() < headerSize)
        return Load::Incomplete;
    const qint64 payloadSize = qFromBigEndian<quint32>(bytes.constData() + kMagic.size());
    const qint64 planEnd = headerSize + payloadSize + kDigestSize;
    if (bytes.size() < planEnd)
        return Load::Incomplete;
    const QByteArray payload = bytes.mid(headerSize, payloadSize);
    if (QCryptographicHash::hash(payload, QCryptographicHash::Md5) !=
            bytes.mid(headerSize + payloadSize, kDigestSize) ||
        !decodePlan(payload, &m_plan))
        return Load::Damaged;

    const int groupCount = int(m_plan.groups().size());
    m_marks.assign(size_t(groupCount), Mark::None);
    m_groupsDone = 0;
    for (qint64 at = planEnd; at + kRecordSize <= bytes.size(); at += kRecordSize) {
        const char* record = bytes.constData() + at;
        const quint8 type = quint8(record[0]);
        const quint8 mark = quint8(record[1]);
        const quint32 value = qFromBigEndian<quint32>(record + 4);
        const bool last = at + 2 * kRecordSize > bytes.size();
        if (qFromBigEndian<quint32>(record + 8) != recordCheck(type, mark, value)) {
            // Only the record being written when the power went may be garbage.
            if (last)
                break;
            return Load::Damaged;
        }
        if (type == kMarkRecord && value < quint32(groupCount) &&
            (mark == quint8(Mark::Closing) || mark == quint8(Mark::Reverting)))
            m_marks[value] = Mark(mark);
        else if (type == kPhaseRecord && value <= quint32(groupCount))
            m_groupsDone = qMax(m_groupsDone, int(value));
        else
            return Load::Damaged;
    }
    return Load::Ok;
}

int RenameJournal::appendRecord(quint8 type, quint8 mark, quint32 value)
{
    char record[kRecordSize] = {};
    record[0] = char(type);
    record[1] = char(mark);
    qToBigEndian(value, record + 4);
    qToBigEndian(recordCheck(type, mark, value), record + 8);
    return m_file.append(QByteArray(record, kRecordSize));
}

int RenameJournal::mark(int group, Mark mark)
{
    m_marks[size_t(group)] = mark;
    return appendRecord(kMarkRecord, quint8(mark), quint32(group));
}

int RenameJournal::endPhase(int groupsDone)
{
    const int e = appendRecord(kPhaseRecord, 0, quint32(groupsDone));
    if (e != 0)
        return e;
    m_groupsDone = groupsDone;
    return m_file.sync();
}

int RenameJournal::remove(const platform::SyncedFolder& folder)
{
    m_file.close();
    const int e = folder.remove(fileName());
    if (e != 0 && e != ENOENT)
        return e;
    return folder.sync();
}

} // namespace renaming
