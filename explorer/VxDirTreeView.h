#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTreeWidget>

class QTreeWidgetItem;

// The directory tree that drops down under the directory tree combo: the computer node, one
// node per mounted volume under it, and folders read lazily when a node is expanded for the
// first time. It is a top-level tool window owned by the combo and never takes the keyboard
// focus: the combo's key handler moves its selection. The tree takes the mouse instead: while
// the pointer is outside it holds the mouse grab, so that a click anywhere closes it, it
// selects the node under the pointer, and a click on a node's icon or label commits that node.
//
// Each node keeps its path in its data (PathRole as text, PathBytesRole as the file system's
// bytes) so that folders whose names are not valid UTF-8 can still be read.
class TVxDirTreeView : public QTreeWidget
{
    Q_OBJECT

public:
    enum NodeKind
    {
        ComputerNode,
        DriveNode,
        FolderNode
    };

    enum Role
    {
        PathRole = Qt::UserRole,
        PathBytesRole,
        KindRole,
        DriveTypeRole,
        ImageIndexRole,
        SelectedImageIndexRole
    };

    explicit TVxDirTreeView(QWidget* combo);

    // Clears all nodes and builds the computer node with one node per volume.
    void BuildRoot();
    // The path of a node: "Drives" for the computer node, the mount point for a volume, the
    // folder's path without a trailing "/" otherwise.
    static QString NodePath(const QTreeWidgetItem* node);
    // Adds one child per subfolder of `path` under `parent`, unsorted.
    void AddSubFolders(const QByteArray& path, QTreeWidgetItem* parent);
    // Reads a node's folders the first time it expands; nodes that have children are left.
    void TreeExpanding(QTreeWidgetItem* node);
    // Selects and expands the nodes along a path that ends with "/", as far as they exist.
    // "Drives" selects the computer node.
    void SelectPath(const QString& path);
    // Turns the selected node (the computer node when none is) into SelectedPath; a removable
    // or optical volume that is not ready is refused and the last committed path comes back.
    void CommitSelection();
    // Hides the drop-down, lets the mouse go and hands the focus back to the combo.
    void CloseUp();
    // The same without touching the focus, for a combo that is losing it.
    void hideDropDown();
    // Shows the drop-down at `geometry` (screen coordinates) and takes the mouse.
    void DropDown(const QRect& geometry);
    bool isDroppedDown() const { return isEnabled(); }

    QString SelectedPath() const { return m_selectedPath; }
    void setSelectedPath(const QString& path) { m_selectedPath = path; }
    bool ExpandRoot() const { return m_expandRoot; }
    void setExpandRoot(bool value);
    // Kept for the combo's property; the tree always paints its selection as focused, so the
    // selection shows whichever way it is set.
    bool HideSelection() const { return m_hideSelection; }
    void setHideSelection(bool value) { m_hideSelection = value; }

    QTreeWidgetItem* selectedNode() const { return currentItem(); }
    QTreeWidgetItem* computerNode() const { return topLevelItem(0); }
    static NodeKind nodeKind(const QTreeWidgetItem* node);
    static int imageIndexOf(const QTreeWidgetItem* node);
    static void collapseWithDescendants(QTreeWidgetItem* node);
    // Makes `node` the selected node and scrolls it into view.
    void selectNode(QTreeWidgetItem* node);

signals:
    // A click on a node's icon or label committed it; the drop-down closes right after.
    void NodeCommitted();
    // Around every read of a folder, so that changes to it can be followed.
    void folderAboutToBeRead(const QByteArray& path);
    void folderRead(const QByteArray& path, const QList<QByteArray>& subfolders);

protected:
    bool event(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QTreeWidgetItem* addNode(QTreeWidgetItem* parent, const QString& text, const QString& path,
                             const QByteArray& pathBytes, NodeKind kind, int imageIndex,
                             int selectedImageIndex);
    void sortChildren(QTreeWidgetItem* node);
    QTreeWidgetItem* driveNodeOf(const QString& path) const;
    // The node whose icon or label is at `pos` (viewport coordinates), or none.
    QTreeWidgetItem* iconOrLabelAt(const QPoint& pos) const;
    bool handleGrabbedMouse(QMouseEvent* event);
    void captureMouse();

    QString m_selectedPath;
    QString m_lastCommitted;
    bool m_expandRoot = true;
    bool m_hideSelection = true;
    bool m_mouseInside = false;
};
