#pragma once

#include <QByteArray>
#include <QObject>

class ListedFolderWatcher;
class QAction;
class QWidget;
class SpinEdit;
class TOKBottomDlg1;
class TVxDirTreeCombo28;
class TVxFilelistView28;
class TrackListCommands;
class TrackListModel;

// The main window's controls the run commands work on; the window owns them all.
struct RenameRunControls
{
    TrackListModel* model;
    TrackListCommands* commands;
    SpinEdit* start;
    SpinEdit* increment;
    TVxFilelistView28* fileList;
    TVxDirTreeCombo28* folderPicker;
    ListedFolderWatcher* folderWatcher;
    QAction* undoAction;
    QWidget* window;
};

// The commands that rename files on disk: the rename run of the track list, the undo of the
// folder's last run, and the settling of a run that was cut off. The folder watcher is held
// while one of them works; afterwards the folder is read again and the rows follow it.
class RenameRunCommands : public QObject
{
    Q_OBJECT

public:
    explicit RenameRunCommands(const RenameRunControls& controls);

    void setProgressDialog(TOKBottomDlg1* dialog) { m_progressDialog = dialog; }

    // Asks, then renames every row to its preview name and reports what was done.
    void renameTracks();
    // Actions > Undo last rename: the folder's last recorded run is taken back.
    void undoLastRun();
    // Enabled when the folder shown has a recorded run that can be undone.
    void updateUndoAction();
    // The rows rebuilt from the file list view's folder, whose names are read with them.
    void rebuildFromFileList();

private:
    // A run cut off in the folder is settled before anything else is renamed there.
    void settlePendingRun(const QByteArray& folder);
    // After a run or an undo: the folder read again, the rows in number order with previews.
    void showFolderAfterRun();

    RenameRunControls m_controls;
    TOKBottomDlg1* m_progressDialog = nullptr;
};
