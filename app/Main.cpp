#include "app/Main.h"

#include "app/Dialog1.h"
#include "app/GridLineDelegate.h"
#include "app/MessageBoxes.h"
#include "app/Pictures.h"
#include "app/SpinEdit.h"
#include "app/Text.h"
#include "app/TrackListCommands.h"
#include "app/TrackListModel.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <exception>

namespace {

QAction* addMenuAction(QMenu* menu, const char* name)
{
    QAction* action = menu->addAction(QString());
    action->setObjectName(QString::fromLatin1(name));
    return action;
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
    m_file1->addSeparator()->setObjectName(QStringLiteral("N1"));
    m_exit1 = addMenuAction(m_file1, "Exit1");
    connect(m_exit1, &QAction::triggered, this, &TForm1::SpeedButton6Click);

    m_actions1 = menuBar()->addMenu(QString());
    m_actions1->setObjectName(QStringLiteral("Actions1"));
    m_createDir1 = addMenuAction(m_actions1, "CreateDir1");

    // The commands behind these items are not part of this window yet.
    m_print1->setEnabled(false);
    m_export1->setEnabled(false);
    m_createDir1->setEnabled(false);

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

    struct ButtonSpec
    {
        const char* name;
        int width;
        QPixmap (*picture)();
        int hintEntry;
    };
    // Left to right; the hint table lists them in another order.
    const ButtonSpec buttons[] = {
        {"SpeedButton1", 39, &pictures::rename, 0},
        {"SpeedButton5", 39, &pictures::moveUp, 1},
        {"SpeedButton4", 40, &pictures::moveDown, 2},
        {"SpeedButton3", 40, &pictures::moveToTop, 3},
        {"SpeedButton2", 40, &pictures::moveToBottom, 4},
        {"SpeedButton7", 40, &pictures::print, 5},
        {"SpeedButton6", 40, &pictures::exit, 6},
    };
    for (const ButtonSpec& spec : buttons) {
        auto* button = new QToolButton(toolBar);
        button->setObjectName(QString::fromLatin1(spec.name));
        button->setFixedSize(spec.width, 37);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setIconSize(QSize(32, 32));
        button->setIcon(QIcon(spec.picture()));
        toolBar->addWidget(button);
        m_hintButtons[spec.hintEntry] = button;
    }
    // The rename run and print are not part of this window yet.
    m_hintButtons[0]->setEnabled(false);
    m_hintButtons[5]->setEnabled(false);
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
    layout->addWidget(m_groupBox1);

    // The folder picker's place below the Operation group.
    m_comboPlace = new QWidget(central);
    m_comboPlace->setObjectName(QStringLiteral("DirTreeComboPlace"));
    m_comboPlace->setFixedHeight(20);
    auto* comboLayout = new QVBoxLayout(m_comboPlace);
    comboLayout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_comboPlace);

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
    m_listView1->header()->setStretchLastSection(false);
    layout->addWidget(m_listView1, 1);
    connect(m_listView1->header(), &QHeaderView::sectionClicked, this,
            &TForm1::ListView1ColumnClick);

    m_commands = new TrackListCommands(m_model, m_listView1, m_spinEdit1, m_spinEdit2, this);
    connect(m_spinEdit1, &SpinEdit::changed, this, &TForm1::SpinEdit1Change);
    connect(m_spinEdit2, &SpinEdit::changed, this, &TForm1::SpinEdit2Change);

    auto* statusBar = new QStatusBar(this);
    statusBar->setObjectName(QStringLiteral("StatusBar1"));
    statusBar->setFixedHeight(26);
    setStatusBar(statusBar);

    m_richEdit1 = new QTextEdit(central);
    m_richEdit1->setObjectName(QStringLiteral("RichEdit1"));
    m_richEdit1->setVisible(false);

    m_saveDialog2 = new QFileDialog(this);
    m_saveDialog2->setObjectName(QStringLiteral("SaveDialog2"));
    m_saveDialog2->setAcceptMode(QFileDialog::AcceptSave);
    m_saveDialog2->setFileMode(QFileDialog::AnyFile);
    m_saveDialog2->setNameFilter(QStringLiteral("DB text (*.txt)"));
    m_saveDialog2->setDefaultSuffix(QStringLiteral("txt"));
    m_saveDialog2->setOption(QFileDialog::DontConfirmOverwrite);

    QWidget::setTabOrder(m_listView1, m_spinEdit1);
    QWidget::setTabOrder(m_spinEdit1, m_spinEdit2);
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
    m_exit1->setText(text::entry(text::FileMenuTexts, 3));
    m_actions1->setTitle(text::entry(text::ActionsTexts, 0));
    m_createDir1->setText(text::entry(text::ActionsTexts, 1));
    m_language1->setTitle(text::entry(text::LanguageTexts, 0));
    m_english1->setText(text::entry(text::LanguageTexts, 1));
    m_french1->setText(text::entry(text::LanguageTexts, 2));
    m_help1->setTitle(text::entry(text::HelpTexts, 0));
    m_about1->setText(text::entry(text::HelpTexts, 1));

    m_commands->applyColumnCaptions();

    m_groupBox1->setTitle(text::entry(text::OperationTexts, 0));
    m_label1->setText(text::entry(text::OperationTexts, 1));
    m_label2->setText(text::entry(text::OperationTexts, 2));
    m_label1->adjustSize();
    m_label2->adjustSize();
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
    m_commands->RebuildTrackList();
    m_commands->UpdatePreview();
}

void TForm1::SpinEdit1Change()
{
    m_commands->UpdatePreview();
}

void TForm1::SpinEdit2Change()
{
    m_commands->UpdatePreview();
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
