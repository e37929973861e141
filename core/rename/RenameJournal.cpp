#include "core/rename/RenameJournal.h"

#include "platform/SyncedFolder.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QIODevice>
#include <QtEndian>

#include <algorithm>

namespace renaming {

namespace {

// Version 2 adds each file's inode and the groups of swaps; a journal of version 1, left by an
// earlier version of the program, is still read.
const QByteArray kMagic = QByteArrayLiteral("ORVENRJ2");
const QByteArray kMagicVersion1 = QByteArrayLiteral("ORVENRJ1");
constexpr int kLengthSize = 4;
constexpr int kDigestSize = 16;
constexpr int kRecordSize = 12;
constexpr quint8 kMarkRecord = 1;
constexpr quint8 kPhaseRecord = 2;
constexpr quint8 kIntentRecord = 3;
constexpr quint8 kExchangeRecord = 4;
constexpr quint8 kExchangesRefusedRecord = 5;
constexpr int kMaxRows = 10000000;
constexpr int kMaxNameBytes = 255;
const QByteArray kTemporaryPrefix = QByteArrayLiteral(".orven-tmp-");

// Zeros, the usual remains of a write cut off by a power loss, never pass.
quint32 recordCheck(quint8 type, quint8 mark, quint8 extra, quint32 value)
{
    return ((quint32(type) << 24) | (quint32(mark) << 16) | (quint32(extra) << 8)) ^
           (value * 0x9E3779B1u) ^ 0xA5C3E1F7u;
}

bool isHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The run's part of a temporary name: ".orven-tmp-", one to eight hexadecimal digits and "-";
// empty when `name` is not a temporary name.
QByteArray temporaryPrefixOf(const QByteArray& name)
{
    if (!name.startsWith(kTemporaryPrefix))
        return QByteArray();
    qsizetype at = kTemporaryPrefix.size();
    const qsizetype hexStart = at;
    while (at < name.size() && isHexDigit(name[at]))
        ++at;
    const qsizetype hexDigits = at - hexStart;
    if (hexDigits < 1 || hexDigits > 8 || at >= name.size() || name[at] != '-')
        return QByteArray();
    const qsizetype prefixEnd = at + 1;
    if (prefixEnd >= name.size())
        return QByteArray();
    for (qsizetype k = prefixEnd; k < name.size(); ++k) {
        if (!isDigit(name[k]))
            return QByteArray();
    }
    return name.left(prefixEnd);
}

bool isPlace(quint8 value)
{
    return value <= quint8(RenamePlan::Place::New);
}

QByteArray encodePlan(const RenamePlan& plan)
{
    QByteArray payload;
    QDataStream out(&payload, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_4);
    out << qint32(plan.rows().size());
    for (const RenamePlanRow& row : plan.rows()) {
        out << row.oldName << row.newName << row.tempName << row.size << row.mtimeNsec
            << quint8(row.status) << row.inode;
    }
    out << qint32(plan.groups().size());
    for (const RenameGroup& group : plan.groups()) {
        out << group.cycle << group.exchange << qint32(group.rows.size());
        for (const int r : group.rows)
            out << qint32(r);
    }
    return payload;
}

// Every name is one name inside the folder, and the temporary names are all the run's own.
bool namesAreSafe(const std::vector<RenamePlanRow>& rows)
{
    QByteArray runPrefix;
    for (const RenamePlanRow& row : rows) {
        if (!RenameJournal::isPlainName(row.oldName) || !RenameJournal::isPlainName(row.newName))
            return false;
        if (row.tempName.isEmpty())
            continue;
        const QByteArray prefix = temporaryPrefixOf(row.tempName);
        if (prefix.isEmpty() || row.tempName.size() > kMaxNameBytes ||
            (!runPrefix.isEmpty() && prefix != runPrefix))
            return false;
        runPrefix = prefix;
    }
    return true;
}

// Reads a plan back, refusing anything a plan this program wrote could not hold.
bool decodePlan(const QByteArray& payload, bool version1, RenamePlan* plan)
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
        if (!version1)
            in >> row.inode;
        if (status > quint8(RenameStatus::Misplaced))
            return false;
        row.status = RenameStatus(status);
    }
    if (in.status() != QDataStream::Ok || !namesAreSafe(rows))
        return false;
    qint32 groupCount = 0;
    in >> groupCount;
    if (in.status() != QDataStream::Ok || groupCount < 0 || groupCount > rowCount)
        return false;
    std::vector<RenameGroup> groups(static_cast<size_t>(groupCount));
    std::vector<bool> used(rows.size(), false);
    for (RenameGroup& group : groups) {
        qint32 count = 0;
        in >> group.cycle;
        if (!version1)
            in >> group.exchange;
        in >> count;
        if (in.status() != QDataStream::Ok || count <= 0 || count > rowCount ||
            (group.exchange && (!group.cycle || count < 2)))
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
        // A swap is judged by the inodes found at the names: every file must have one.
        if (group.exchange && std::any_of(group.rows.begin(), group.rows.end(),
                                          [&rows](int r) { return rows[size_t(r)].inode == 0; }))
            return false;
    }
    if (in.status() != QDataStream::Ok || !in.atEnd())
        return false;
    *plan = RenamePlan(std::move(rows), std::move(groups));
    return true;
}

} // namespace

RenameJournal::RenameJournal(qint64 maxBytes) : m_maxBytes(maxBytes) {}

QByteArray RenameJournal::fileName()
{
    return QByteArrayLiteral(".orven-rename-journal");
}

bool RenameJournal::isPlainName(const QByteArray& name)
{
    return !name.isEmpty() && name.size() <= kMaxNameBytes && name != "." && name != ".." &&
           !name.contains('/') && !name.contains('\0') && name != fileName();
}

bool RenameJournal::isTemporaryName(const QByteArray& name)
{
    return !temporaryPrefixOf(name).isEmpty();
}

int RenameJournal::create(const platform::SyncedFolder& folder, const RenamePlan& plan)
{
    const QByteArray payload = encodePlan(plan);
    QByteArray bytes = kMagic;
    bytes.resize(kMagic.size() + kLengthSize);
    qToBigEndian(quint32(payload.size()), bytes.data() + kMagic.size());
    bytes += payload;
    bytes += QCryptographicHash::hash(payload, QCryptographicHash::Md5);

    // Room for every record the run and a recovery after it can append: an intent per rename
    // both ways, two marks per group and the phase ends.
    const qint64 records = 2 * qint64(plan.totalSteps()) + 2 * qint64(plan.groups().size()) + 64;
    if (bytes.size() + records * kRecordSize > m_maxBytes)
        return platform::errorNumber(platform::FileError::TooLarge);

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
    m_lastIntent = Intent();
    m_exchangesEnd = 0;
    m_groupsDone = 0;
    m_recordsDamaged = false;
    return 0;
}

RenameJournal::Load RenameJournal::open(const platform::SyncedFolder& folder, QString* detail)
{
    QString problem;
    const int e = m_file.openLocked(folder, fileName());
    const platform::FileError kind = platform::fileErrorOf(e);
    if (kind == platform::FileError::NotFound)
        return Load::Missing;
    if (kind == platform::FileError::Busy)
        return Load::Busy;
    if (kind == platform::FileError::SymbolicLink)
        problem = QStringLiteral("it is a symbolic link, not a file");
    else if (kind == platform::FileError::Invalid)
        problem = QStringLiteral("it is not a regular file");
    else if (e != 0)
        problem = platform::sysErrorText(e);
    else if (m_file.size() > m_maxBytes)
        problem = QStringLiteral("it is larger than any journal this program writes");

    QByteArray bytes;
    if (problem.isEmpty()) {
        const int readError = m_file.readAll(&bytes);
        if (readError != 0)
            problem = platform::sysErrorText(readError);
    }
    const Load load = problem.isEmpty() ? parse(bytes, &problem) : Load::Damaged;
    if (detail)
        *detail = problem;
    if (load != Load::Ok)
        m_file.close();
    return load;
}

RenameJournal::Load RenameJournal::parse(const QByteArray& bytes, QString* detail)
{
    const int headerSize = kMagic.size() + kLengthSize;
    if (bytes.size() < kMagic.size())
        return kMagic.startsWith(bytes) || kMagicVersion1.startsWith(bytes) ? Load::Incomplete
                                                                            : Load::Damaged;
    const bool version1 = bytes.startsWith(kMagicVersion1);
    if (!bytes.startsWith(kMagic) && !version1)
        return Load::Damaged;
    if (bytes.size() < headerSize)
        return Load::Incomplete;
    const qint64 payloadSize = qFromBigEndian<quint32>(bytes.constData() + kMagic.size());
    const qint64 planEnd = headerSize + payloadSize + kDigestSize;
    if (bytes.size() < planEnd)
        return Load::Incomplete;
    const QByteArray payload = bytes.mid(headerSize, payloadSize);
    if (QCryptographicHash::hash(payload, QCryptographicHash::Md5) !=
        bytes.mid(headerSize + payloadSize, kDigestSize))
        return Load::Damaged;
    if (!decodePlan(payload, version1, &m_plan)) {
        *detail = QStringLiteral("its plan holds names this program never writes");
        return Load::Damaged;
    }
    readRecords(bytes, planEnd);
    return Load::Ok;
}

// The plan is whole; the records after it are read up to the first that does not check, so
// that a journal whose tail was damaged can still be finished or rolled back.
void RenameJournal::readRecords(const QByteArray& bytes, qint64 from)
{
    const int groupCount = int(m_plan.groups().size());
    const int rowCount = int(m_plan.rows().size());
    m_marks.assign(size_t(groupCount), Mark::None);
    m_lastIntent = Intent();
    m_exchangesEnd = 0;
    m_groupsDone = 0;
    m_recordsDamaged = false;
    for (qint64 at = from; at + kRecordSize <= bytes.size(); at += kRecordSize) {
        const char* record = bytes.constData() + at;
        const quint8 type = quint8(record[0]);
        const quint8 mark = quint8(record[1]);
        const quint8 extra = quint8(record[2]);
        const quint32 value = qFromBigEndian<quint32>(record + 4);
        const bool last = at + 2 * kRecordSize > bytes.size();
        const bool checks =
            qFromBigEndian<quint32>(record + 8) == recordCheck(type, mark, extra, value);
        if (checks && type == kMarkRecord && value < quint32(groupCount) &&
            (mark == quint8(Mark::Closing) || mark == quint8(Mark::Reverting))) {
            m_marks[value] = Mark(mark);
        } else if (checks && type == kPhaseRecord && value <= quint32(groupCount)) {
            m_groupsDone = qMax(m_groupsDone, int(value));
        } else if (checks && type == kIntentRecord && value < quint32(rowCount) &&
                   m_plan.rows()[value].group >= 0 && isPlace(mark) && isPlace(extra) &&
                   mark != extra) {
            m_lastIntent = {int(value), RenamePlan::Place(mark), RenamePlan::Place(extra)};
        } else if (checks && type == kExchangeRecord &&
                   qint64(value) + ((mark << 8) | extra) <= groupCount) {
            m_exchangesEnd = qMax(m_exchangesEnd, int(value) + ((mark << 8) | extra));
        } else if (checks && type == kExchangesRefusedRecord && value < quint32(groupCount)) {
            m_plan.dropExchangesFrom(int(value));
        } else {
            // Only the record being written when the power went may be garbage.
            m_recordsDamaged = !last;
            return;
        }
    }
}

bool RenameJournal::lastIntent(Intent* intent) const
{
    if (m_lastIntent.row < 0)
        return false;
    *intent = m_lastIntent;
    return true;
}

namespace {

QByteArray encodeRecord(quint8 type, quint8 mark, quint8 extra, quint32 value)
{
    char record[kRecordSize] = {};
    record[0] = char(type);
    record[1] = char(mark);
    record[2] = char(extra);
    qToBigEndian(value, record + 4);
    qToBigEndian(recordCheck(type, mark, extra, value), record + 8);
    return QByteArray(record, kRecordSize);
}

} // namespace

int RenameJournal::appendRecord(quint8 type, quint8 mark, quint8 extra, quint32 value, bool durable)
{
    const int e = m_file.append(encodeRecord(type, mark, extra, value));
    return e == 0 && durable ? m_file.sync() : e;
}

int RenameJournal::markAll(const std::vector<int>& groups, Mark mark)
{
    QByteArray records;
    records.reserve(qsizetype(groups.size()) * kRecordSize);
    for (const int g : groups)
        records += encodeRecord(kMarkRecord, quint8(mark), 0, quint32(g));
    int e = m_file.append(records);
    if (e == 0)
        e = m_file.sync();
    if (e != 0)
        return e;
    for (const int g : groups)
        m_marks[size_t(g)] = mark;
    return 0;
}

int RenameJournal::mark(int group, Mark mark)
{
    const int e = appendRecord(kMarkRecord, quint8(mark), 0, quint32(group), true);
    if (e == 0)
        m_marks[size_t(group)] = mark;
    return e;
}

int RenameJournal::recordIntent(const Intent& intent)
{
    const int e = appendRecord(kIntentRecord, quint8(intent.from), quint8(intent.to),
                               quint32(intent.row), true);
    if (e == 0)
        m_lastIntent = intent;
    return e;
}

int RenameJournal::recordExchanges(int firstGroup, int count)
{
    const int e = appendRecord(kExchangeRecord, quint8(count >> 8), quint8(count & 0xFF),
                               quint32(firstGroup), true);
    if (e == 0)
        m_exchangesEnd = qMax(m_exchangesEnd, firstGroup + count);
    return e;
}

int RenameJournal::refuseExchangesFrom(int group)
{
    const int e = appendRecord(kExchangesRefusedRecord, 0, 0, quint32(group), true);
    if (e == 0)
        m_plan.dropExchangesFrom(group);
    return e;
}

int RenameJournal::endPhase(int groupsDone)
{
    const int e = appendRecord(kPhaseRecord, 0, 0, quint32(groupsDone), true);
    if (e != 0)
        return e;
    m_groupsDone = groupsDone;
    return 0;
}

int RenameJournal::remove(const platform::SyncedFolder& folder)
{
    m_file.close();
    const int e = folder.remove(fileName());
    if (e != 0 && platform::fileErrorOf(e) != platform::FileError::NotFound)
        return e;
    return folder.sync();
}

} // namespace renaming
