#include "core/rename/RunHistory.h"

#include "core/rename/PendingRuns.h"
#include "core/rename/RenameJournal.h"
#include "platform/SyncedFile.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <algorithm>

namespace renaming {

namespace {

const QByteArray kHeader = QByteArrayLiteral("ORVENRH1");
const QByteArray kSuffix = QByteArrayLiteral(".history");
// Undone runs are dropped first, so at least kKeptRuns runs that can be undone stay.
constexpr size_t kMaxRecords = 2 * RunHistory::kKeptRuns;

QByteArray checksum(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

// Reads the fields of one line: its tag and a fixed number of words.
class LineReader
{
public:
    explicit LineReader(const QList<QByteArray>& lines) : m_lines(lines) {}

    bool next(const char* tag, qsizetype words, QList<QByteArray>* out)
    {
        if (m_at >= m_lines.size())
            return false;
        *out = m_lines.at(m_at++).split(' ');
        return out->size() == words + 1 && out->constFirst() == tag;
    }
    bool atEnd() const { return m_at == m_lines.size(); }
    qsizetype remaining() const { return m_lines.size() - m_at; }

private:
    QList<QByteArray> m_lines;
    qsizetype m_at = 0;
};

bool toUnsigned(const QByteArray& word, quint64* value)
{
    bool ok = false;
    *value = word.toULongLong(&ok);
    return ok;
}

bool toSigned(const QByteArray& word, qint64* value)
{
    bool ok = false;
    *value = word.toLongLong(&ok);
    return ok;
}

bool toName(const QByteArray& hex, QByteArray* name)
{
    *name = QByteArray::fromHex(hex);
    // fromHex skips what is not a digit: only a faithful round trip counts.
    return name->toHex() == hex.toLower() && RenameJournal::isPlainName(*name);
}

} // namespace

RunHistory::RunHistory(const QByteArray& folderPath) : m_folderPath(absoluteFolderPath(folderPath))
{
    const platform::SyncedFolder folder(m_folderPath);
    m_identityError = folder.isOpen() ? folder.identity(&m_identity) : folder.openError();
}

QString RunHistory::historyDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/rename-history");
}

QByteArray RunHistory::fileName() const
{
    return QCryptographicHash::hash(m_folderPath, QCryptographicHash::Sha1).toHex() + kSuffix;
}

QString RunHistory::filePath() const
{
    return historyDir() + u'/' + QString::fromLatin1(fileName());
}

RunHistory::Load RunHistory::load()
{
    m_runs.clear();
    m_damage = Damage::None;
    QFile file(filePath());
    if (m_identityError != 0 || !file.exists())
        return Load::Missing;
    if (file.size() > kMaxBytes) {
        m_damage = Damage::TooLarge;
        return Load::Damaged;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        m_damage = Damage::Unreadable;
        return Load::Damaged;
    }
    m_damage = parse(file.read(kMaxBytes + 1));
    if (m_damage != Damage::None) {
        m_runs.clear();
        return Load::Damaged;
    }
    // The folder now at this path is another one: its history is not this one.
    return m_runs.empty() ? Load::Missing : Load::Ok;
}

RunHistory::Damage RunHistory::parse(const QByteArray& bytes)
{
    if (bytes.size() > kMaxBytes || !bytes.endsWith('\n'))
        return Damage::Unreadable;
    const qsizetype sumAt = bytes.lastIndexOf('\n', bytes.size() - 2) + 1;
    if (bytes.mid(sumAt) != "S " + checksum(bytes.left(sumAt)) + '\n')
        return Damage::Unreadable;
    LineReader lines(bytes.left(sumAt).chopped(1).split('\n'));
    QList<QByteArray> words;
    quint64 device = 0;
    quint64 inode = 0;
    if (!lines.next(kHeader.constData(), 0, &words) || !lines.next("D", 2, &words) ||
        !toUnsigned(words[1], &device) || !toUnsigned(words[2], &inode) ||
        !lines.next("P", 1, &words))
        return Damage::Unreadable;
    const bool sameFolder = device == m_identity.device && inode == m_identity.inode &&
                            QByteArray::fromHex(words[1]) == m_folderPath;
    while (!lines.atEnd()) {
        RecordedRun run;
        quint64 state = 0;
        quint64 count = 0;
        if (!lines.next("R", 3, &words) || !toSigned(words[1], &run.finishedMsecs) ||
            !toUnsigned(words[2], &state) || state > quint64(RecordedRun::State::Undone) ||
            !toUnsigned(words[3], &count) || count > quint64(lines.remaining()))
            return Damage::Unreadable;
        run.state = RecordedRun::State(state);
        run.files.resize(size_t(count));
        for (RecordedFile& recorded : run.files) {
            quint64 size = 0;
            if (!lines.next("F", 5, &words) || !toUnsigned(words[3], &recorded.inode) ||
                !toUnsigned(words[4], &size) || !toSigned(words[5], &recorded.mtimeNsec))
                return Damage::Unreadable;
            recorded.size = qint64(size);
            if (!toName(words[1], &recorded.oldName) || !toName(words[2], &recorded.newName))
                return Damage::BadName;
        }
        m_runs.push_back(std::move(run));
    }
    if (!sameFolder)
        m_runs.clear();
    return Damage::None;
}

QByteArray RunHistory::encode() const
{
    QByteArray bytes = kHeader + '\n';
    bytes += "D " + QByteArray::number(m_identity.device) + ' ' +
             QByteArray::number(m_identity.inode) + '\n';
    bytes += "P " + m_folderPath.toHex() + '\n';
    for (const RecordedRun& run : m_runs) {
        bytes += "R " + QByteArray::number(run.finishedMsecs) + ' ' +
                 QByteArray::number(int(run.state)) + ' ' +
                 QByteArray::number(qulonglong(run.files.size())) + '\n';
        for (const RecordedFile& recorded : run.files) {
            bytes += "F " + recorded.oldName.toHex() + ' ' + recorded.newName.toHex() + ' ' +
                     QByteArray::number(recorded.inode) + ' ' + QByteArray::number(recorded.size) +
                     ' ' + QByteArray::number(recorded.mtimeNsec) + '\n';
        }
    }
    return bytes + "S " + checksum(bytes) + '\n';
}

int RunHistory::lastUndoable() const
{
    for (int i = int(m_runs.size()) - 1; i >= 0; --i) {
        if (m_runs[size_t(i)].state != RecordedRun::State::Undone)
            return i;
    }
    return -1;
}

void RunHistory::add(RecordedRun run)
{
    m_runs.push_back(std::move(run));
    while (m_runs.size() > kMaxRecords) {
        const auto undone = std::find_if(m_runs.begin(), m_runs.end(), [](const RecordedRun& r) {
            return r.state == RecordedRun::State::Undone;
        });
        m_runs.erase(undone != m_runs.end() ? undone : m_runs.begin());
    }
}

int RunHistory::save()
{
    if (m_identityError != 0)
        return m_identityError;
    if (m_runs.empty()) {
        QFile::remove(filePath());
        return 0;
    }
    QByteArray bytes = encode();
    while (bytes.size() > kMaxBytes && m_runs.size() > 1) {
        m_runs.erase(m_runs.begin());
        bytes = encode();
    }
    if (bytes.size() > kMaxBytes)
        return platform::errorNumber(platform::FileError::TooLarge);
    if (!QDir().mkpath(historyDir()))
        return platform::errorNumber(platform::FileError::AccessDenied);
    const platform::SyncedFolder dir(QFile::encodeName(historyDir()));
    if (!dir.isOpen())
        return dir.openError();
    return platform::SyncedFile::writeDurably(dir, fileName(), bytes);
}

int RunHistory::setAside(QString* asidePath)
{
    const platform::SyncedFolder dir(QFile::encodeName(historyDir()));
    if (!dir.isOpen())
        return dir.openError();
    const QByteArray aside =
        fileName() + ".damaged-" +
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmsszzz")).toLatin1();
    const int e = dir.rename(fileName(), aside);
    if (e == 0)
        *asidePath = historyDir() + u'/' + QString::fromLatin1(aside);
    return e;
}

} // namespace renaming
