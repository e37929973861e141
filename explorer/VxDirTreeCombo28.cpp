#include "explorer/VxDirTreeCombo28.h"

#include "explorer/NewWindowProc.h"
#include "explorer/VxDirTreeView.h"
#include "explorer/VxFilelistView28.h"
#include "explorer/VxHintTiming.h"
#include "explorer/VxPathUtils.h"
#include "explorer/VxSpeedButton.h"
#include "platform/ChangeNotifier.h"
#include "platform/ui/ImageList.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QScreen>

#include <stdexcept>

namespace {

constexpr int ButtonWidth = 17;
constexpr int IconSize = 16;

const QString Version = QStringLiteral("Version 2.8.8.1");

// The three ways setting up the change notifications can fail, in the words the error box
// shows.
QString registrationFailure(platform::ChangeNotifier::Status status)
{
    switch (status) {
    case platform::ChangeNotifier::Status::MountTableMissing:
        return QStringLiteral("Unable to load Shell32.dll");
    case platform::ChangeNotifier::Status::MountTableUnreadable:
        return QStringLiteral("Unable to link to function SHChangeNotifyRegister");
    case platform::ChangeNotifier::Status::FolderWatchRefused:
        return QStringLiteral("Unable to register SHChangeNotify");
    case platform::ChangeNotifier::Status::Ready:
        break;
    }
    return QString();
}

} // namespace

TVxDirTreeCombo28::TVxDirTreeCombo28(QWidget* parent)
    : TVxDirTreeCombo28(parent, platform::ChangeNotifier::defaultMountTable())
{
}

TVxDirTreeCombo28::TVxDirTreeCombo28(QWidget* parent, const QString& mountTable)
    : QLineEdit(parent), m_btn(new TVxSpeedButton(this)), m_tree(new TVxDirTreeView(this)),
      m_wheel(new TNewWindowProc(this, this)),
      m_notifier(new platform::ChangeNotifier(this, mountTable))
{
    const QString failure = registrationFailure(m_notifier->status());
    if (!failure.isEmpty()) {
        // Thrown from the event loop, where the application's error handler shows it, rather
        // than from here, where it would stop the window being built. The notifier that failed
        // stays and reports nothing: the picker works, without change notifications.
        QMetaObject::invokeMethod(
            this, [failure] { throw std::runtime_error(failure.toStdString()); },
            Qt::QueuedConnection);
    }

    resize(216, 21);
    setReadOnly(true);
    setCursor(Qt::ArrowCursor);
    setContextMenuPolicy(Qt::PreventContextMenu);
    new VxHintTiming(this);

    m_btn->setObjectName(QStringLiteral("Btn"));
    m_btn->setArrowType(Qt::DownArrow);
    connect(m_btn, &QToolButton::clicked, this, &TVxDirTreeCombo28::ToggleDropDown);

    m_tree->setObjectName(QStringLiteral("Tree"));
    m_wheel->watch(m_tree);
    m_wheel->watch(m_tree->viewport());
    connect(m_tree, &TVxDirTreeView::NodeCommitted, this, &TVxDirTreeCombo28::commitClickedNode);
    connect(m_tree, &TVxDirTreeView::folderAboutToBeRead, m_notifier,
            &platform::ChangeNotifier::watchFolder);
    connect(m_tree, &TVxDirTreeView::folderRead, m_notifier,
            &platform::ChangeNotifier::setKnownSubfolders);
    connect(m_notifier, &platform::ChangeNotifier::foldersChanged, this,
            &TVxDirTreeCombo28::ShellChangeHandler);
    connect(m_notifier, &platform::ChangeNotifier::volumesChanged, this,
            &TVxDirTreeCombo28::ShellChangeHandler);

    m_tree->BuildRoot();
    m_tree->setExpandRoot(true);
    if (!m_tree->selectedNode() && m_tree->computerNode()) {
        m_iconIndex = TVxDirTreeView::imageIndexOf(m_tree->computerNode());
        setText(m_tree->computerNode()->text(0));
        m_tree->setSelectedPath(QStringLiteral("Drives"));
    }

    m_about = Version;
    setLanguage(lnSysDefault);
    LoadTreeTexts();
    UpdateEditRect();
}

QString TVxDirTreeCombo28::SelectedPath() const
{
    return m_tree->SelectedPath();
}

void TVxDirTreeCombo28::setSelectedPath(const QString& path)
{
    // Folder names differ by letter case on this platform, so the comparison keeps it.
    if (path != m_tree->SelectedPath())
        m_tree->setSelectedPath(path);
    if (m_fileList)
        m_fileList->setDirectory(m_tree->SelectedPath());
}

void TVxDirTreeCombo28::setFileList(TVxFilelistView28* fileList)
{
    m_fileList = fileList;
    if (m_fileList && !SelectedPath().isEmpty()) {
        m_fileList->setDirectory(SelectedPath());
        m_fileList->UpdateFileList();
    }
}

bool TVxDirTreeCombo28::ExpandRoot() const
{
    return m_tree->ExpandRoot();
}

void TVxDirTreeCombo28::setExpandRoot(bool value)
{
    m_tree->setExpandRoot(value);
}

bool TVxDirTreeCombo28::HideSelection() const
{
    return m_tree->HideSelection();
}

void TVxDirTreeCombo28::setHideSelection(bool value)
{
    m_tree->setHideSelection(value);
}

void TVxDirTreeCombo28::setLanguage(TLanguage value)
{
    const TLanguage resolved = ResolveLanguage(value, UserDefaultLanguageId());
    if (resolved == m_language)
        return;
    m_language = resolved;
    TreeLanguage = resolved;
    LoadTreeTexts();
}

void TVxDirTreeCombo28::setGlyph(const QPixmap& glyph)
{
    if (glyph.isNull())
        return;
    m_glyph = glyph;
    m_btn->setArrowType(Qt::NoArrow);
    m_btn->setIcon(QIcon(m_glyph));
}

void TVxDirTreeCombo28::UpdateEditRect()
{
    const bool hasIcon = m_iconIndex >= 0 && m_iconIndex < platform::ImageList::instance().count();
    setTextMargins(hasIcon ? 23 : 0, 0, m_btn->width() + 2, 0);
}

void TVxDirTreeCombo28::showSelectedNode()
{
    QTreeWidgetItem* node = m_tree->selectedNode();
    if (!node)
        return;
    m_iconIndex = TVxDirTreeView::imageIndexOf(node);
    setText(node->text(0));
    UpdateEditRect();
    update();
}

void TVxDirTreeCombo28::commitClickedNode()
{
    setSelectedPath(m_tree->SelectedPath());
    showSelectedNode();
    emit PathChange(m_tree, SelectedPath());
}

void TVxDirTreeCombo28::OpenPath(const QString& path)
{
    // "Drives" and any other relative text would otherwise be looked up in the current folder.
    if (!QDir::isAbsolutePath(path) || !QFileInfo(path).isDir())
        return;
    const QString folder = EnsureTrailingBackslash(path);
    m_tree->SelectPath(folder);
    showSelectedNode();
    if (m_tree->SelectedPath() != folder)
        m_tree->setSelectedPath(folder);
    emit PathChange(this, m_tree->SelectedPath());
}

void TVxDirTreeCombo28::ResetTree()
{
    const bool updates = m_tree->updatesEnabled();
    m_tree->setUpdatesEnabled(false);
    m_tree->setCurrentItem(nullptr);
    m_tree->clear();
    m_notifier->clearFolders();
    m_tree->BuildRoot();
    m_tree->setUpdatesEnabled(updates);
}

void TVxDirTreeCombo28::ToggleDropDown()
{
    setFocus();
    QPoint topLeft = mapToGlobal(QPoint(0, height()));
    if (const QScreen* display = screen()) {
        const QRect area = display->geometry();
        if (area.y() + area.height() < topLeft.y() + m_treeHeight)
            topLeft = mapToGlobal(QPoint(0, -m_treeHeight));
    }
    if (m_tree->isDroppedDown()) {
        m_tree->lower();
        m_tree->CloseUp();
        return;
    }
    m_tree->DropDown(QRect(topLeft, QSize(width(), m_treeHeight)));
}

void TVxDirTreeCombo28::ShellChangeHandler()
{
    const QScopedValueRollback<bool> refreshing(m_refreshingAfterChange, true);
    const QString path = SelectedPath();
    const bool updates = updatesEnabled();
    setUpdatesEnabled(false);
    ResetTree();
    if (m_tree->computerNode() && !m_tree->computerNode()->isExpanded())
        m_tree->computerNode()->setExpanded(true);
    if (!path.isEmpty())
        OpenPath(path);
    if (m_fileList) {
        m_fileList->setDirectory(path);
        m_fileList->UpdateFileList();
    }
    setUpdatesEnabled(updates);
}

bool TVxDirTreeCombo28::moveSelection(int& key)
{
    QTreeWidgetItem* first = m_tree->computerNode();
    if (!first)
        return false;
    QTreeWidgetItem* selected = m_tree->selectedNode();
    if (!selected) {
        selected = first;
        m_tree->selectNode(selected);
        selected->setExpanded(true);
    }
    switch (key) {
    case Qt::Key_Right:
        selected->setExpanded(true);
        return true;
    case Qt::Key_Left: {
        if (selected->isExpanded())
            TVxDirTreeView::collapseWithDescendants(selected);
        QTreeWidgetItem* parent = selected->parent();
        const int index = parent ? parent->indexOfChild(selected) : -1;
        QTreeWidgetItem* previousSibling = index > 0 ? parent->child(index - 1) : nullptr;
        QTreeWidgetItem* above = m_tree->itemAbove(selected);
        if (previousSibling == first || above == first || selected == first || !above)
            return false;
        m_tree->selectNode(above);
        return true;
    }
    case Qt::Key_Down: {
        if (!m_tree->isDroppedDown()) {
            ToggleDropDown();
            key = Qt::Key_F4;
            return true;
        }
        QTreeWidgetItem* below = m_tree->itemBelow(selected);
        if (!below)
            return false;
        m_tree->selectNode(below);
        return true;
    }
    case Qt::Key_Up: {
        QTreeWidgetItem* above = m_tree->itemAbove(selected);
        if (selected == first || !above)
            return false;
        m_tree->selectNode(above);
        return true;
    }
    default:
        return true;
    }
}

void TVxDirTreeCombo28::keyPressEvent(QKeyEvent* event)
{
    int key = event->key();
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_tree->CommitSelection();
        setSelectedPath(m_tree->SelectedPath());
        emit PathChange(this, SelectedPath());
        if (m_tree->isVisible())
            setFocus();
        m_tree->lower();
        m_tree->hideDropDown();
        showSelectedNode();
        break;
    case Qt::Key_Escape:
        if (m_tree->isDroppedDown()) {
            setFocus();
            m_tree->hideDropDown();
        }
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (!moveSelection(key)) {
            event->accept();
            return;
        }
        break;
    case Qt::Key_F4:
        ToggleDropDown();
        break;
    case Qt::Key_F5:
        ResetTree();
        OpenPath(m_tree->SelectedPath());
        if (m_fileList) {
            m_fileList->reportNextUnreadable();
            m_fileList->UpdateFileList();
        }
        break;
    default:
        break;
    }
    emit KeyDown(this, key, event->modifiers());
    if (key == event->key()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QKeyEvent replaced(QEvent::KeyPress, key, event->modifiers());
    QLineEdit::keyPressEvent(&replaced);
    event->setAccepted(replaced.isAccepted());
}

void TVxDirTreeCombo28::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void TVxDirTreeCombo28::focusOutEvent(QFocusEvent* event)
{
    if (m_tree->isDroppedDown())
        m_tree->hideDropDown();
    QLineEdit::focusOutEvent(event);
}

void TVxDirTreeCombo28::enterEvent(QEnterEvent* event)
{
    QLineEdit::enterEvent(event);
    if (m_tree->isVisible()) {
        setToolTip(QString());
        return;
    }
    // A tool tip breaks lines at "\n"; a carriage return alone would show on one line.
    setToolTip(m_tree->selectedNode()
                   ? QStringLiteral("SelectedPath =") + QLatin1Char('\n') + SelectedPath()
                   : QStringLiteral("Selected = nil"));
}

void TVxDirTreeCombo28::leaveEvent(QEvent* event)
{
    QLineEdit::leaveEvent(event);
    setToolTip(QString());
}

void TVxDirTreeCombo28::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    const platform::ImageList& images = platform::ImageList::instance();
    if (m_iconIndex < 0 || m_iconIndex >= images.count())
        return;
    QPainter painter(this);
    images.icon(m_iconIndex)
        .paint(&painter, QRect(5, height() / 2 - IconSize / 2, IconSize, IconSize));
}

void TVxDirTreeCombo28::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    m_btn->setGeometry(width() - ButtonWidth - 2, 2, ButtonWidth, height() - 4);
    UpdateEditRect();
}
