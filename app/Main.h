#pragma once

#include "core/SettingsFile.h"

#include <QMainWindow>

class QAction;
class QActionGroup;
class QCheckBox;
class ExportCommands;
class ListedFolderWatcher;
class QGroupBox;
class QLabel;
class QMenu;
class RenameRunCommands;
class QTextEdit;
class QToolButton;
class QTreeView;
class SpinEdit;
class TOKBottomDlg;
class TOKBottomDlg1;
class TVxDirTreeCombo28;
class TVxFilelistView28;
class TrackListCommands;
class TrackListModel;

// The main window: toolbar, menus, the Operation group with the start and increment boxes,
// the folder picker, the track list and the hidden file list view that reads the folder.
// Its handlers wire the controls to the track-list, export and rename-run commands, the texts
// and the settings file.
class TForm1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit TForm1(const SettingsFile& settings = SettingsFile::standardLocations(),
                    QWidget* parent = nullptr);

    // The about dialog is created after the window and lives as long.
    void setAboutDialog(TOKBottomDlg* dialog) { m_aboutDialog = dialog; }
    void setProgressDialog(TOKBottomDlg1* dialog);
    TVxDirTreeCombo28* VxDirTreeCombo281() const { return m_vxDirTreeCombo281; }
    TVxFilelistView28* VxFilelistView281() const { return m_vxFilelistView281; }

    TrackListCommands* trackListCommands() const { return m_commands; }
    TrackListModel* trackListModel() const { return m_model; }

    void FormCreate();
    void LoadSettings();
    void SaveSettings();
    void ApplyLanguage();

    void VxDirTreeCombo281PathChange(QObject* sender, const QString& path);
    void SpinEdit1Change();
    void SpinEdit2Change();
    // Shows a folder given on the command line (the file system's bytes) as if it had been
    // picked; a path that is not a folder, or that is not valid UTF-8, is reported and the
    // window stays at "Drives".
    void openStartFolder(const QByteArray& path);
    void SpeedButton1Click();
    // Actions > Undo last rename: the folder's last recorded run is taken back.
    void UndoRename1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void SpeedButton5Click();
    void SpeedButton6Click();
    void ListView1ColumnClick(int column);
    void Print1Click();
    void Export1Click();
    // Writes the track list's export file; a failure is reported in the error box.
    void ExportTrackList(const QString& fileName);
    // Writes the rows' playlist; a failure is reported in the error box.
    void ExportPlaylist(const QString& fileName);
    // The option is remembered in the program's settings at once.
    void OldNumberBoxClick(bool checked);
    void ExportPdf1Click();
    // Writes the pages Print would send to a PDF file; a failure is reported in the error box.
    void ExportTrackListPdf(const QString& fileName);
    void English1Click();
    void French1Click();
    void about1Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createMenus();
    void createToolBar();
    void createCentralControls();
    void applyLayoutTexts();
    void FormClose();
    // The rows follow a change in the listed folder, keeping the order the user made.
    void followListedFolder();

    SettingsFile m_settings;
    TOKBottomDlg* m_aboutDialog = nullptr;

    QMenu* m_file1 = nullptr;
    QMenu* m_actions1 = nullptr;
    QMenu* m_language1 = nullptr;
    QMenu* m_help1 = nullptr;
    QAction* m_print1 = nullptr;
    QAction* m_export1 = nullptr;
    QAction* m_exportPdf1 = nullptr;
    QAction* m_exit1 = nullptr;
    QAction* m_createDir1 = nullptr;
    QAction* m_undoRename1 = nullptr;
    QAction* m_english1 = nullptr;
    QAction* m_french1 = nullptr;
    QAction* m_about1 = nullptr;
    QActionGroup* m_languageGroup = nullptr;

    // Toolbar buttons in the order of the hint table: 1, 5, 4, 3, 2, 7, 6.
    QToolButton* m_hintButtons[7] = {};

    QGroupBox* m_groupBox1 = nullptr;
    QLabel* m_label1 = nullptr;
    QLabel* m_label2 = nullptr;
    SpinEdit* m_spinEdit1 = nullptr;
    SpinEdit* m_spinEdit2 = nullptr;
    QCheckBox* m_oldNumberBox = nullptr;
    TVxDirTreeCombo28* m_vxDirTreeCombo281 = nullptr;
    TVxFilelistView28* m_vxFilelistView281 = nullptr;
    QTreeView* m_listView1 = nullptr;
    TrackListModel* m_model = nullptr;
    TrackListCommands* m_commands = nullptr;
    ListedFolderWatcher* m_folderWatcher = nullptr;
    QTextEdit* m_richEdit1 = nullptr;
    ExportCommands* m_export = nullptr;
    RenameRunCommands* m_runs = nullptr;
};
