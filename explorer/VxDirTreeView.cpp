#include "explorer/VxDirTreeView.h"

#include "explorer/VxDirTreeFolders.h"
#include "explorer/VxFileListTexts.h"
#include "explorer/VxPathUtils.h"
#include "explorer/VxShellUtils.h"
#include "platform/DirEnum.h"
#include "platform/Volumes.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/WaitCursor.h"

#include <QApplication>
#include <QMouseEvent>
#include <QStyledItemDelegate>

#include <algorithm>
#include <vector>

namespace {

const QString DrivesPath = QStringLiteral("Drives");

// Blocks repaints of the tree for as long as it lives.
class UpdateBracket
{
public:
    explicit UpdateBracket(QWidget* widget)
        : m_widget(widget), m_wasEnabled(widget->updatesEnabled())
    {
        m_widget->setUpdatesEnabled(false);
    }
    ~UpdateBracket() { m_widget->setUpdatesEnabled(m_wasEnabled); }
    UpdateBracket(const UpdateBracket&) = delete;
    UpdateBracket& operator=(const UpdateBracket&) = delete;

private:
    QWidget* m_widget;
    bool m_wasEnabled;
};

QByteArray joinBytes(const QByteArray& dir, const QByteArray& name)
{
    return dir.endsWith('/') ? dir + name : dir + '/' + name;
}

} // namespace

TVxDirTreeView::TVxDirTreeView(QWidget* combo) : QTreeWidget(combo)
{
    // A tool tip window floats over the form, is placed exactly where the combo asks (also by
    // compositors that place ordinary windows themselves) and never takes the focus.
    setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    setColumnCount(1);
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setRootIsDecorated(true);
    setIconSize(QSize(16, 16));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setExpandsOnDoubleClick(false);
    viewport()->setMouseTracking(true);
    // Moves without a button reach the frame only with tracking on, and while the frame holds
    // the grab they are how the pointer coming back inside is noticed.
    setMouseTracking(true);
    // The window is never active, yet its selection shows in the focused colours.
    QPalette colours = palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
    setPalette(colours);
    connect(this, &QTreeWidget::itemExpanded, this, &TVxDirTreeView::TreeExpanding);
    setEnabled(false);
    hide();
}

TVxDirTreeView::NodeKind TVxDirTreeView::nodeKind(const QTreeWidgetItem* node)
{
    return NodeKind(node->data(0, KindRole).toInt());
}

int TVxDirTreeView::imageIndexOf(const QTreeWidgetItem* node)
{
    return node ? node->data(0, ImageIndexRole).toInt() : -1;
}

void TVxDirTreeView::collapseWithDescendants(QTreeWidgetItem* node)
{
    for (int i = 0; i < node->childCount(); ++i)
        collapseWithDescendants(node->child(i));
    node->setExpanded(false);
}

QTreeWidgetItem* TVxDirTreeView::addNode(QTreeWidgetItem* parent, const QString& text,
                                         const QString& path, const QByteArray& pathBytes,
                                         NodeKind kind, int imageIndex, int selectedImageIndex)
{
    auto* node = new QTreeWidgetItem(QStringList(text));
    node->setData(0, PathRole, path);
    node->setData(0, PathBytesRole, pathBytes);
    node->setData(0, KindRole, int(kind));
    node->setData(0, ImageIndexRole, imageIndex);
    node->setData(0, SelectedImageIndexRole, selectedImageIndex);
    const platform::ImageList& images = platform::ImageList::instance();
    QIcon icon = images.icon(imageIndex);
    if (selectedImageIndex != imageIndex) {
        const QIcon open = images.icon(selectedImageIndex);
        for (const QSize& size : open.availableSizes())
            icon.addPixmap(open.pixmap(size), QIcon::Selected);
    }
    node->setIcon(0, icon);
    if (parent)
        parent->addChild(node);
    else
        addTopLevelItem(node);
    return node;
}

void TVxDirTreeView::BuildRoot()
{
    UpdateBracket bracket(this);
    clear();
    const int computerIcon = platform::ImageList::instance().computerIconIndex();
    QTreeWidgetItem* computer = addNode(nullptr, platform::computerName(), DrivesPath, QByteArray(),
                                        ComputerNode, computerIcon, computerIcon);
    computer->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    for (const platform::Volume& volume : platform::listVolumes()) {
        QTreeWidgetItem* drive =
            addNode(computer, vxfilelist::driveCaption(volume.mountPoint, volume.label),
                    volume.mountPoint, platform::encodePath(volume.mountPoint), DriveNode,
                    ShellSmallIconIndex(volume.mountPoint), ShellOpenIconIndex(volume.mountPoint));
        drive->setData(0, DriveTypeRole, int(volume.type));
        drive->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    }
}

QString TVxDirTreeView::NodePath(const QTreeWidgetItem* node)
{
    const QString path = node ? node->data(0, PathRole).toString() : QString();
    return path.isEmpty() ? DrivesPath : path;
}

void TVxDirTreeView::AddSubFolders(const QByteArray& path, QTreeWidgetItem* parent)
{
    emit folderAboutToBeRead(path);
    std::vector<platform::DirEntry> entries;
    platform::enumerateDirectory(path, QByteArrayLiteral("*"), entries);
    const QString parentPath = platform::displayName(path);
    QList<QByteArray> names;
    for (const platform::DirEntry& entry : entries) {
        if (!IsSubFolderEntry(entry))
            continue;
        names.append(entry.name);
        const QByteArray childBytes = joinBytes(path, entry.name);
        const QString childPath = JoinDirAndName(parentPath, platform::displayName(entry.name));
        QTreeWidgetItem* child =
            addNode(parent, platform::displayName(entry.name), childPath, childBytes, FolderNode,
                    ShellSmallIconIndex(childPath), ShellOpenIconIndex(childPath));
        child->setChildIndicatorPolicy(HasSubFolders(childBytes)
                                           ? QTreeWidgetItem::ShowIndicator
                                           : QTreeWidgetItem::DontShowIndicatorWhenChildless);
    }
    emit folderRead(path, names);
}

void TVxDirTreeView::TreeExpanding(QTreeWidgetItem* node)
{
    if (!node || node->childCount() > 0)
        return;
    WaitCursor hourglass;
    UpdateBracket bracket(this);
    node->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
    AddSubFolders(node->data(0, PathBytesRole).toByteArray(), node);
    sortChildren(node);
}

void TVxDirTreeView::sortChildren(QTreeWidgetItem* node)
{
    QList<QTreeWidgetItem*> children = node->takeChildren();
    const dirtree::FolderNameOrder order;
    std::stable_sort(children.begin(), children.end(),
                     [&order](const QTreeWidgetItem* a, const QTreeWidgetItem* b) {
                         return order(a->text(0), b->text(0));
                     });
    node->addChildren(children);
}

void TVxDirTreeView::selectNode(QTreeWidgetItem* node)
{
    setCurrentItem(node);
    scrollToItem(node);
}

QTreeWidgetItem* TVxDirTreeView::driveNodeOf(const QString& path) const
{
    QTreeWidgetItem* computer = computerNode();
    if (!computer)
        return nullptr;
    QStringList mountPoints;
    for (int i = 0; i < computer->childCount(); ++i)
        mountPoints.append(computer->child(i)->data(0, PathRole).toString());
    const int index = dirtree::volumeIndexOf(mountPoints, path);
    return index < 0 ? nullptr : computer->child(index);
}

void TVxDirTreeView::SelectPath(const QString& path)
{
    UpdateBracket bracket(this);
    QTreeWidgetItem* computer = computerNode();
    if (!computer)
        return;
    if (computer->isExpanded())
        collapseWithDescendants(computer);
    if (path == DrivesPath) {
        selectNode(computer);
        return;
    }
    const QString folders = path.left(path.lastIndexOf(QLatin1Char('/')) + 1);
    QTreeWidgetItem* node = driveNodeOf(folders);
    if (!node)
        return;
    computer->setExpanded(true);
    selectNode(node);
    node->setExpanded(true);
    const QString mountPoint = node->data(0, PathRole).toString();
    for (const QString& segment : dirtree::pathSegments(folders.mid(mountPoint.size()))) {
        QStringList names;
        for (int i = 0; i < node->childCount(); ++i)
            names.append(node->child(i)->text(0));
        const int index = dirtree::segmentIndexOf(names, segment);
        if (index < 0)
            break;
        node = node->child(index);
        selectNode(node);
        node->setExpanded(true);
    }
}

void TVxDirTreeView::CommitSelection()
{
    m_lastCommitted =
        m_selectedPath == DrivesPath ? m_selectedPath : EnsureTrailingBackslash(m_selectedPath);
    QTreeWidgetItem* node = selectedNode();
    if (!node && computerNode()) {
        node = computerNode();
        setCurrentItem(node);
    }
    if (!node)
        return;
    const QString path = NodePath(node);
    m_selectedPath = node == computerNode() ? DrivesPath : path;
    if (nodeKind(node) == DriveNode) {
        const auto type = platform::DriveType(node->data(0, DriveTypeRole).toInt());
        if (type == platform::DriveType::Removable || type == platform::DriveType::CDRom) {
            // The warning is modal; the grab must not keep its clicks from it.
            releaseMouse();
            if (!CheckDriveReady(path, true)) {
                SelectPath(m_lastCommitted);
                m_selectedPath = m_lastCommitted;
                return;
            }
        }
    }
    m_lastCommitted = m_selectedPath;
}

void TVxDirTreeView::setExpandRoot(bool value)
{
    m_expandRoot = value;
    if (m_expandRoot && computerNode())
        computerNode()->setExpanded(true);
}

void TVxDirTreeView::DropDown(const QRect& geometry)
{
    setGeometry(geometry);
    setEnabled(true);
    show();
    raise();
    m_mouseInside = false;
    captureMouse();
}

void TVxDirTreeView::CloseUp()
{
    if (isEnabled() && parentWidget())
        parentWidget()->setFocus();
    hideDropDown();
}

void TVxDirTreeView::hideDropDown()
{
    releaseMouse();
    m_mouseInside = false;
    setEnabled(false);
    hide();
}

void TVxDirTreeView::captureMouse()
{
    if (isVisible())
        grabMouse();
}

QTreeWidgetItem* TVxDirTreeView::iconOrLabelAt(const QPoint& pos) const
{
    const QModelIndex index = indexAt(pos);
    if (!index.isValid())
        return nullptr;
    // The item's rectangle starts after the indentation and the expand button and runs to the
    // right edge; only the part its icon and text fill counts.
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QRect item = visualRect(index);
    const int filled = itemDelegateForIndex(index)->sizeHint(option, index).width();
    const QRect hit(item.left(), item.top(), std::min(filled, item.width()), item.height());
    return hit.contains(pos) ? itemFromIndex(index) : nullptr;
}

bool TVxDirTreeView::handleGrabbedMouse(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (rect().contains(pos)) {
        // Back inside: the tree takes ordinary mouse events again.
        releaseMouse();
        m_mouseInside = true;
        const QPoint inViewport = viewport()->mapFrom(this, pos);
        if (!viewport()->rect().contains(inViewport))
            return true;
        QMouseEvent forwarded(event->type(), inViewport, event->globalPosition(), event->button(),
                              event->buttons(), event->modifiers());
        QCoreApplication::sendEvent(viewport(), &forwarded);
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress)
        CloseUp();
    return true;
}

bool TVxDirTreeView::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        // Only the grab sends mouse events to the frame itself; the viewport gets the others.
        if (QWidget::mouseGrabber() == this)
            return handleGrabbedMouse(static_cast<QMouseEvent*>(event));
        break;
    default:
        break;
    }
    return QTreeWidget::event(event);
}

void TVxDirTreeView::enterEvent(QEnterEvent* event)
{
    QTreeWidget::enterEvent(event);
    m_mouseInside = true;
    releaseMouse();
}

void TVxDirTreeView::leaveEvent(QEvent* event)
{
    QTreeWidget::leaveEvent(event);
    m_mouseInside = false;
    if (isVisible())
        captureMouse();
    else
        releaseMouse();
}

void TVxDirTreeView::mouseMoveEvent(QMouseEvent* event)
{
    QTreeWidget::mouseMoveEvent(event);
    if (!m_mouseInside || !isEnabled())
        return;
    if (QTreeWidgetItem* node = iconOrLabelAt(event->position().toPoint()))
        setCurrentItem(node);
}

void TVxDirTreeView::mousePressEvent(QMouseEvent* event)
{
    QTreeWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    if (parentWidget())
        parentWidget()->setFocus();
    QTreeWidgetItem* node = iconOrLabelAt(event->position().toPoint());
    if (!node)
        return;
    setCurrentItem(node);
    CommitSelection();
    emit NodeCommitted();
    CloseUp();
}
