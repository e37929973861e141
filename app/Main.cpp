#include "app/Main.h"

#include "app/Dialog1.h"
#include "app/ExportCommands.h"
#include "app/GridLineDelegate.h"
#include "app/ListedFolderWatcher.h"
#include "app/MessageBoxes.h"
#include "app/Pictures.h"
#include "app/QtTranslations.h"
#include "app/RecoveryOffer.h"
#include "app/RenameRunCommands.h"
#include "app/SpinEdit.h"
#include "app/TrackListCommands.h"
#include "app/TrackListModel.h"
#include "core/NameEscape.h"
#include "core/Text.h"
#include "core/TrackOptionTexts.h"
#include "core/TrackPipeline.h"
#include "core/UndoTexts.h"
#include "core/rename/RenameRecovery.h"
#include "explorer/VxDirTreeCombo28.h"
#include "explorer/VxFilelistView28.h"
#include "platform/DirEnum.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QScopeGuard>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <exception>

namespace {

// The program's own settings beside ORVENFR.cfg, whose three lines stay as they are.
constexpr char DropOldNumbersKey[] = "TrackList/DropOldNumbers";

QSettings programSettings()
{
    return QSettings(QStringLiteral("ORVEN"), QStringLiteral("ORVENFR"));
}

QAction* addMenuAction(QMenu* menu, const char* name)
{
    QAction* action = menu->addAction(QString());
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QString notAFolderText(const QString& path)
{
    return text::entry(text::WindowMessageTexts, 0).arg(path);
}

// The file list and the folder picker hold paths as text, which cannot name such a folder.
QString notUtf8FolderText(const QString& path)
{
    return text::entry(text::WindowMessageTexts, 1).arg(path);
}

} // namespace

TForm1::TForm1(const SettingsFile& settings, QWidget* parent)
    : QMainWindow(parent), m_settings(settings)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("ORVEN File Vivider"));
    QFont windowFont(QStringLiteral("Arial"));
    windowFont.setPixelSize(13);
    setFont(windowFont);
    resize(640, 480);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());

    createMenus();
    createToolBar();
    createCentralControls();
    applyLayoutTexts();

    try {
        FormCreate();
    } catch (const std::exception& error) {
        // The window opens with what was done so far, as after any failed handler.
        messageboxes::showError(nullptr, QString::fromUtf8(error.what()));
    }
}

void TForm1::createMenus()
{
    m_file1 = menuBar()->addMenu(QString());
    m_file1->setObjectName(QStringLiteral("File1"));
    m_print1 = addMenuAction(m_file1, "Print1");
    m_export1 = addMenuAction(m_file1, "Export1");
    m_exportPdf1 = addMenuAction(m_file1, "ExportPdf1");
    m_file1->addSeparator()->setObjectName(QStringLiteral("N1"));
    m_exit1 = addMenuAction(m_file1, "Exit1");
    connect(m_exit1, &QAction::triggered, this, &TForm1::SpeedButton6Click);

    m_actions1 = menuBar()->addMenu(QString());
    m_actions1->setObjectName(QStringLiteral("Actions1"));
    m_createDir1 = addMenuAction(m_actions1, "CreateDir1");
    m_undoRename1 = addMenuAction(m_actions1, "UndoRename1");
    connect(m_undoRename1, &QAction::triggered, this, &TForm1::UndoRename1Click);
    // The history may have changed in another window or by the batch mode meanwhile.
    connect(m_actions1, &QMenu::aboutToShow, this, [this] { m_runs->updateUndoAction(); });

    connect(m_print1, &QAction::triggered, this, &TForm1::Print1Click);
    connect(m_export1, &QAction::triggered, this, &TForm1::Export1Click);
    connect(m_exportPdf1, &QAction::triggered, this, &TForm1::ExportPdf1Click);
    connect(m_createDir1, &QAction::triggered, this, &TForm1::SpeedButton1Click);

    m_language1 = menuBar()->addMenu(QString());
    m_language1->setObjectName(QStringLiteral("Language1"));
    m_languageGroup = new QActionGroup(this);
    m_languageGroup->setExclusive(true);
    m_english1 = addMenuAction(m_language1, "English1");
    m_french1 = addMenuAction(m_language1, "French1");
    for (QAction* item : {m_english1, m_french1}) {
        item->setCheckable(true);
        m_languageGroup->addAction(item);
    }
    m_french1->setChecked(true);
    connect(m_english1, &QAction::triggered, this, &TForm1::English1Click);
    connect(m_french1, &QAction::triggered, this, &TForm1::French1Click);

    m_help1 = menuBar()->addMenu(QString());
    m_help1->setObjectName(QStringLiteral("help1"));
    m_about1 = addMenuAction(m_help1, "about1");
    connect(m_about1, &QAction::triggered, this, &TForm1::about1Click);
}

void TForm1::createToolBar()
{
    auto* toolBar = new QToolBar(this);
    toolBar->setObjectName(QStringLiteral("ToolBar1"));
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    toolBar->setFixedHeight(41);
    toolBar->setIconSize(QSize(32, 32));
    toolBar->setContentsMargins(0, 0, 0, 0);
    toolBar->layout()->setSpacing(0);
    addToolBar(Qt::TopToolBarArea, toolBar);

    struct ToolButtonLayout
    {
        const char* name;
        int width;
        pictures::Tool picture;
        int hintEntry;
    };
    // Left to right; the hint table lists them in another order.
    const ToolButtonLayout buttons[] = {
        {"SpeedButton1", 39, pictures::Tool::Rename, 0},
        {"SpeedButton5", 39, pictures::Tool::MoveUp, 1},
        {"SpeedButton4", 40, pictures::Tool::MoveDown, 2},
        {"SpeedButton3", 40, pictures::Tool::MoveToTop, 3},
        {"SpeedButton2", 40, pictures::Tool::MoveToBottom, 4},
        {"SpeedButton7", 40, pictures::Tool::Print, 5},
        {"SpeedButton6", 40, pictures::Tool::Exit, 6},
    };
    for (const ToolButtonLayout& entry : buttons) {
        auto* button = new QToolButton(toolBar);
        button->setObjectName(QString::fromLatin1(entry.name));
        button->setFixedSize(entry.width, 37);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setIconSize(QSize(32, 32));
        button->setIcon(pictures::toolIcon(entry.picture));
        toolBar->addWidget(button);
        m_hintButtons[entry.hintEntry] = button;
    }
    connect(m_hintButtons[0], &QToolButton::clicked, this, &TForm1::SpeedButton1Click);
    connect(m_hintButtons[5], &QToolButton::clicked, this, &TForm1::Print1Click);
    connect(m_hintButtons[1], &QToolButton::clicked, this, &TForm1::SpeedButton5Click);
    connect(m_hintButtons[2], &QToolButton::clicked, this, &TForm1::SpeedButton4Click);
    connect(m_hintButtons[3], &QToolButton::clicked, this, &TForm1::SpeedButton3Click);
    connect(m_hintButtons[4], &QToolButton::clicked, this, &TForm1::SpeedButton2Click);
    connect(m_hintButtons[6], &QToolButton::clicked, this, &TForm1::SpeedButton6Click);

    auto* image1 = new QLabel(toolBar);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setFixedSize(150, 37);
    toolBar->addWidget(image1);
    auto* image2 = new QLabel(toolBar);
    image2->setObjectName(QStringLiteral("Image2"));
    image2->setFixedSize(200, 37);
    image2->setPixmap(pictures::banner());
    toolBar->addWidget(image2);
}

void TForm1::createCentralControls()
{
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("ClientArea"));
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    setCentralWidget(central);

    m_groupBox1 = new QGroupBox(central);
    m_groupBox1->setObjectName(QStringLiteral("GroupBox1"));
    m_groupBox1->setFixedHeight(68);
    m_label1 = new QLabel(m_groupBox1);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->move(8, 16);
    m_spinEdit1 = new SpinEdit(0, 99999, m_groupBox1);
    m_spinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    m_spinEdit1->setGeometry(8, 32, 121, 26);
    m_label2 = new QLabel(m_groupBox1);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->move(160, 16);
    m_spinEdit2 = new SpinEdit(1, 99999, m_groupBox1);
    m_spinEdit2->setObjectName(QStringLiteral("SpinEdit2"));
    m_spinEdit2->setGeometry(160, 32, 121, 26);
    m_oldNumberBox = new QCheckBox(m_groupBox1);
    m_oldNumberBox->setObjectName(QStringLiteral("OldNumberBox"));
    m_oldNumberBox->move(304, 35);
    layout->addWidget(m_groupBox1);

    m_vxDirTreeCombo281 = new TVxDirTreeCombo28(central);
    m_vxDirTreeCombo281->setObjectName(QStringLiteral("VxDirTreeCombo281"));
    m_vxDirTreeCombo281->setFixedHeight(20);
    m_vxDirTreeCombo281->setTreeHeight(240);
    m_vxDirTreeCombo281->setLanguage(lnFrench);
    layout->addWidget(m_vxDirTreeCombo281);

    m_model = new TrackListModel(this);
    m_listView1 = new QTreeView(central);
    m_listView1->setObjectName(QStringLiteral("ListView1"));
    m_listView1->setModel(m_model);
    m_listView1->setItemDelegate(new GridLineDelegate(m_listView1));
    m_listView1->setRootIsDecorated(false);
    m_listView1->setItemsExpandable(false);
    m_listView1->setUniformRowHeights(true);
    m_listView1->setAllColumnsShowFocus(true);
    m_listView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_listView1->setSelectionMode(QAbstractItemView::SingleSelection);
    m_listView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_listView1->setSortingEnabled(false);
    m_listView1->header()->setSectionsClickable(true);
    m_listView1->header()->setSectionsMovable(false);
    // Preview, the last column, takes the width the window has beyond the columns.
    m_listView1->header()->setStretchLastSection(true);
    layout->addWidget(m_listView1, 1);
    connect(m_listView1->header(), &QHeaderView::sectionClicked, this,
            &TForm1::ListView1ColumnClick);

    // The folder reader sits under the track list, where it is never seen.
    m_vxFilelistView281 = new TVxFilelistView28(central);
    m_vxFilelistView281->setObjectName(QStringLiteral("VxFilelistView281"));
    m_vxFilelistView281->setGeometry(8, 143, 25, 34);
    m_vxFilelistView281->setMask(QStringLiteral("*.mp3"));
    m_vxFilelistView281->setFileType({ftReadOnly, ftHidden, ftSystem, ftArchive});
    m_vxFilelistView281->setShowFolders(false);
    m_vxFilelistView281->setParentDirEnabled(false);
    m_vxFilelistView281->setParentDirCaption(QStringLiteral(" Parent"));
    m_vxFilelistView281->setTimeFormat(tfShortFormat);
    m_vxFilelistView281->setColWidth_Size(50);
    m_vxFilelistView281->setColWidth_Type(0);
    m_vxFilelistView281->setColWidth_Mod(125);
    m_vxFilelistView281->setLanguage(lnEnglish);
    m_vxFilelistView281->setDirectory(QStringLiteral("Drives"));
    m_vxFilelistView281->setDirTreeCombo(m_vxDirTreeCombo281);
    m_vxFilelistView281->lower();
    m_vxDirTreeCombo281->setFileList(m_vxFilelistView281);
    m_vxDirTreeCombo281->setSelectedPath(QStringLiteral("Drives"));
    connect(m_vxDirTreeCombo281, &TVxDirTreeCombo28::PathChange, this,
            &TForm1::VxDirTreeCombo281PathChange);

    m_commands = new TrackListCommands(m_model, m_listView1, m_spinEdit1, m_spinEdit2, this);
    TVxFilelistView28* fileList = m_vxFilelistView281;
    m_commands->setListingSource(
        {[fileList] { return fileList->rows(); },
         [fileList](int column) { fileList->ColumnClickSort(column); },
         [fileList]() -> const std::vector<QByteArray>& { return fileList->folderNames(); }});
    m_folderWatcher = new ListedFolderWatcher(this);
    m_folderWatcher->setObjectName(QStringLiteral("ListedFolderWatcher"));
    m_folderWatcher->setBusyCheck(&recoveryoffer::isOfferOpen);
    connect(m_folderWatcher, &ListedFolderWatcher::changed, this, &TForm1::followListedFolder);
    m_runs =
        new RenameRunCommands({m_model, m_commands, m_spinEdit1, m_spinEdit2, m_vxFilelistView281,
                               m_vxDirTreeCombo281, m_folderWatcher, m_undoRename1, this});
    connect(m_spinEdit1, &SpinEdit::changed, this, &TForm1::SpinEdit1Change);
    connect(m_spinEdit2, &SpinEdit::changed, this, &TForm1::SpinEdit2Change);
    connect(m_oldNumberBox, &QCheckBox::toggled, this, &TForm1::OldNumberBoxClick);

    auto* statusBar = new QStatusBar(this);
    statusBar->setObjectName(QStringLiteral("StatusBar1"));
    statusBar->setFixedHeight(26);
    setStatusBar(statusBar);

    m_richEdit1 = new QTextEdit(central);
    m_richEdit1->setObjectName(QStringLiteral("RichEdit1"));
    m_richEdit1->setVisible(false);

    m_export = new ExportCommands(m_model, m_commands, m_vxFilelistView281, m_richEdit1, this);

    QWidget::setTabOrder(m_listView1, m_spinEdit1);
    QWidget::setTabOrder(m_spinEdit1, m_spinEdit2);
    QWidget::setTabOrder(m_spinEdit2, m_vxDirTreeCombo281);
    QWidget::setTabOrder(m_vxDirTreeCombo281, m_vxFilelistView281);
}

void TForm1::applyLayoutTexts()
{
    m_file1->setTitle(QStringLiteral("&Fichier"));
    m_print1->setText(QStringLiteral("&Print"));
    m_export1->setText(QStringLiteral("&Export"));
    m_exit1->setText(QStringLiteral("&Quitter"));
    m_actions1->setTitle(QStringLiteral("A&ctions"));
    m_createDir1->setText(QStringLiteral("&Créer les répertoires"));
    m_language1->setTitle(QStringLiteral("&Langue"));
    m_english1->setText(QStringLiteral("&English"));
    m_french1->setText(QStringLiteral("&Français"));
    m_help1->setTitle(QStringLiteral("&Aide"));
    m_about1->setText(QStringLiteral("&A propos..."));
    m_hintButtons[0]->setToolTip(QStringLiteral("Créer les répertoires"));
    for (int entry = 1; entry < 7; ++entry)
        m_hintButtons[entry]->setToolTip(QStringLiteral("Quitter"));
    m_groupBox1->setTitle(QStringLiteral(" Opération "));
    m_label1->setText(QStringLiteral("Démarrer à :"));
    m_label2->setText(QStringLiteral("Incrémenter de : "));
    m_label1->adjustSize();
    m_label2->adjustSize();
}

void TForm1::FormCreate()
{
    m_english1->setChecked(true);
    text::setLanguageIndex(text::English);
    LoadSettings();
    m_model->addColumns();
    for (int column = 0; column < TrackListModel::ColumnCount; ++column)
        m_listView1->setColumnWidth(column, TrackListModel::ColumnWidths[column]);
    ApplyLanguage();
    m_commands->setSortMarker(0);
}

void TForm1::LoadSettings()
{
    m_oldNumberBox->setChecked(programSettings().value(QLatin1String(DropOldNumbersKey)).toBool());
    const text::LanguageIndex language = m_settings.load();
    (language == text::English ? m_english1 : m_french1)->setChecked(true);
    text::setLanguageIndex(language);
}

void TForm1::SaveSettings()
{
    m_settings.save(text::languageIndex());
}

void TForm1::ApplyLanguage()
{
    for (int entry = 0; entry < 7; ++entry)
        m_hintButtons[entry]->setToolTip(text::entry(text::HintTexts, entry));

    m_file1->setTitle(text::entry(text::FileMenuTexts, 0));
    m_print1->setText(text::entry(text::FileMenuTexts, 1));
    m_export1->setText(text::entry(text::FileMenuTexts, 2));
    m_exportPdf1->setText(text::entry(text::PdfExportTexts, 0));
    m_export->applyLanguage();
    m_exit1->setText(text::entry(text::FileMenuTexts, 3));
    m_actions1->setTitle(text::entry(text::ActionsTexts, 0));
    m_createDir1->setText(text::entry(text::ActionsTexts, 1));
    m_undoRename1->setText(undotexts::entry(undotexts::MenuItem));
    m_language1->setTitle(text::entry(text::LanguageTexts, 0));
    m_english1->setText(text::entry(text::LanguageTexts, 1));
    m_french1->setText(text::entry(text::LanguageTexts, 2));
    m_help1->setTitle(text::entry(text::HelpTexts, 0));
    m_about1->setText(text::entry(text::HelpTexts, 1));

    m_vxFilelistView281->setLanguage(text::languageIndex() == text::French ? lnFrench : lnEnglish);
    m_commands->applyColumnCaptions();

    m_groupBox1->setTitle(text::entry(text::OperationTexts, 0));
    m_label1->setText(text::entry(text::OperationTexts, 1));
    m_label2->setText(text::entry(text::OperationTexts, 2));
    m_label1->adjustSize();
    m_label2->adjustSize();
    m_oldNumberBox->setText(text::entry(text::OldNumberTexts, 0));
    m_oldNumberBox->adjustSize();
    // Without the catalogue Qt's dialogs stay English; the program works on.
    qttranslations::apply(text::languageIndex());
}

void TForm1::closeEvent(QCloseEvent* event)
{
    FormClose();
    event->accept();
}

void TForm1::FormClose()
{
    try {
        SaveSettings();
    } catch (const std::exception& error) {
        // Reported, and the window closes anyway: a folder that stays read-only must not keep
        // the program from ending.
        messageboxes::showError(this, QString::fromUtf8(error.what()));
    }
}

void TForm1::VxDirTreeCombo281PathChange(QObject* sender, const QString& path)
{
    // The rows come from the file list view, which the combo has already pointed at the path.
    Q_UNUSED(sender)
    Q_UNUSED(path)
    // The picker shows its folder again after a change anywhere in its tree; nobody picked
    // anything, and the listed folder's own changes come through the folder watcher.
    if (m_vxDirTreeCombo281->refreshingAfterChange())
        return;
    // A run that was cut off in this folder is settled before its files are listed.
    const QByteArray folder = platform::encodePath(m_vxFilelistView281->Directory());
    if (!m_vxFilelistView281->isDrivesLayout() && renaming::RenameRecovery::hasJournal(folder)) {
        m_folderWatcher->hold();
        const auto release = qScopeGuard([this] { m_folderWatcher->release(); });
        recoveryoffer::offerRecovery(this, folder);
        m_vxFilelistView281->UpdateFileList();
    }
    m_runs->rebuildFromFileList();
    m_commands->UpdatePreview();
}

void TForm1::openStartFolder(const QByteArray& path)
{
    if (!QByteArrayView(path).isValidUtf8()) {
        messageboxes::showWarning(this, notUtf8FolderText(nameescape::escaped(path)));
        return;
    }
    const QString text = QString::fromUtf8(path);
    const QFileInfo folder(text);
    if (!folder.isDir()) {
        messageboxes::showWarning(this, notAFolderText(text));
        return;
    }
    // As after a pick in the tree: the reader first, then the combo, whose event rebuilds the list.
    m_vxFilelistView281->setDirectory(folder.absoluteFilePath());
    m_vxDirTreeCombo281->OpenPath(folder.absoluteFilePath());
}

void TForm1::followListedFolder()
{
    const QByteArray folder = m_commands->folder();
    if (folder.isEmpty())
        return;
    // Re-reading the file list lets events through; a change seen meanwhile comes after.
    m_folderWatcher->hold();
    const auto release = qScopeGuard([this] { m_folderWatcher->release(); });
    QVector<ListingRow> listing;
    const bool read = trackpipeline::readListing(folder, &listing);
    // The Size and Date headers sort the file list's rows: they must be the folder's rows now.
    m_vxFilelistView281->UpdateFileList();
    if (read)
        m_commands->followListing(listing);
    else
        m_commands->followUnreadableFolder();
}

void TForm1::SpinEdit1Change()
{
    m_commands->UpdatePreview();
}

void TForm1::SpinEdit2Change()
{
    m_commands->UpdatePreview();
}

void TForm1::setProgressDialog(TOKBottomDlg1* dialog)
{
    m_runs->setProgressDialog(dialog);
}

void TForm1::SpeedButton1Click()
{
    m_runs->renameTracks();
}

void TForm1::UndoRename1Click()
{
    m_runs->undoLastRun();
}

void TForm1::SpeedButton2Click()
{
    m_commands->moveToBottom();
}

void TForm1::SpeedButton3Click()
{
    m_commands->moveToTop();
}

void TForm1::SpeedButton4Click()
{
    m_commands->moveDown();
}

void TForm1::SpeedButton5Click()
{
    m_commands->moveUp();
}

void TForm1::SpeedButton6Click()
{
    close();
}

void TForm1::ListView1ColumnClick(int column)
{
    m_commands->ListView1ColumnClick(column);
}

void TForm1::Print1Click()
{
    m_export->print();
}

void TForm1::Export1Click()
{
    m_export->exportText();
}

void TForm1::ExportPlaylist(const QString& fileName)
{
    m_export->exportPlaylist(fileName);
}

void TForm1::OldNumberBoxClick(bool checked)
{
    m_commands->setOldNumber(checked ? trackrules::OldNumber::Drop : trackrules::OldNumber::Keep);
    QSettings settings = programSettings();
    // Loading the settings sets the box too: nothing to write then.
    if (settings.value(QLatin1String(DropOldNumbersKey)).toBool() == checked)
        return;
    settings.setValue(QLatin1String(DropOldNumbersKey), checked);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        messageboxes::showError(this, text::entry(text::OldNumberTexts, 1)
                                          .arg(QDir::toNativeSeparators(settings.fileName())));
}

void TForm1::ExportTrackList(const QString& fileName)
{
    m_export->exportTrackList(fileName);
}

void TForm1::ExportPdf1Click()
{
    m_export->exportPdf();
}

void TForm1::ExportTrackListPdf(const QString& fileName)
{
    m_export->exportTrackListPdf(fileName);
}

void TForm1::English1Click()
{
    m_english1->setChecked(true);
    text::setLanguageIndex(text::English);
    ApplyLanguage();
}

void TForm1::French1Click()
{
    m_french1->setChecked(true);
    text::setLanguageIndex(text::French);
    ApplyLanguage();
}

void TForm1::about1Click()
{
    if (m_aboutDialog)
        m_aboutDialog->exec();
}
