#pragma once

#include "platform/SyncedFolder.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <vector>

namespace renaming {

// One file of a recorded run: the names it had before and after, and what its new name held
// just after the run.
struct RecordedFile
{
    QByteArray oldName;
    QByteArray newName;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 mtimeNsec = 0;
};

struct RecordedRun
{
    enum class State : quint8
    {
        Done = 0,
        // An undo of the run was about to start: a recovery that settles the folder's journal
        // settles the undo, it records no new run.
        Undoing = 1,
        // Undone; the files it holds are those the undo left alone.
        Undone = 2,
    };

    qint64 finishedMsecs = 0; // UTC, since 1970
    State state = State::Done;
    std::vector<RecordedFile> files;
};

// The rename runs of one folder, oldest first, kept in the user's data folder (never in the
// music folder) so that a run can be taken back later, after a restart too. One file per
// folder, named after a hash of the folder's path and holding the folder's device and inode
// numbers: a folder moved since has no history, and another folder that took its path does
// not get it. The file is replaced durably as a whole; read back, it is untrusted: bounded in
// size, every name one name inside the folder, and a checksum over the whole, so a damaged
// history is refused rather than acted on.
class RunHistory
{
public:
    enum class Load
    {
        Ok,
        Missing, // nothing recorded for this folder
        Damaged,
    };

    // What a damaged history is refused for.
    enum class Damage
    {
        None,
        TooLarge,
        Unreadable, // cut off, altered, or not a history at all
        BadName,    // a name that is not one name inside the folder
    };

    // The runs a history keeps at least (undone runs go first when it grows).
    static constexpr int kKeptRuns = 20;
    static constexpr qint64 kMaxBytes = qint64(64) << 20;

    explicit RunHistory(const QByteArray& folderPath);

    static QString historyDir();
    // The file that holds the folder's history (it may not exist).
    QString filePath() const;

    Load load();
    Damage damage() const { return m_damage; }

    std::vector<RecordedRun>& runs() { return m_runs; }
    const std::vector<RecordedRun>& runs() const { return m_runs; }
    // The newest run that is not undone, -1 when there is none.
    int lastUndoable() const;
    // Adds a run as the newest, dropping the oldest beyond what is kept.
    void add(RecordedRun run);

    // Writes the history durably (removes its file when no run is left); 0 or the system's
    // error, TooLarge when even the newest run alone would outgrow the limit.
    int save();
    // Renames a damaged history beside itself so a new one can begin; 0 or the system's error.
    int setAside(QString* asidePath);

private:
    QByteArray fileName() const;
    QByteArray encode() const;
    Damage parse(const QByteArray& bytes);

    QByteArray m_folderPath;
    platform::FolderIdentity m_identity;
    int m_identityError = 0;
    std::vector<RecordedRun> m_runs;
    Damage m_damage = Damage::None;
};

} // namespace renaming
