#pragma once

#include "explorer/VxConsts.h"

#include <QLineEdit>
#include <QPixmap>
#include <QPointer>
#include <QString>

class TNewWindowProc;
class TVxDirTreeView;
class TVxFilelistView28;
class TVxSpeedButton;

namespace platform {
class ChangeNotifier;
}

// The folder picker: a read-only line that shows the icon and name of the chosen volume or
// folder, with a button that drops the directory tree down beneath it. The keyboard focus
// stays here while the tree is open, and this key handler moves the tree's selection; Enter
// or a click in the tree commits it. Committing stores SelectedPath, points the linked file
// list view at it and raises PathChange. Folder and volume changes on disk rebuild the tree.
class TVxDirTreeCombo28 : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(QString SelectedPath READ SelectedPath WRITE setSelectedPath)
    Q_PROPERTY(bool ExpandRoot READ ExpandRoot WRITE setExpandRoot)
    Q_PROPERTY(bool HideSelection READ HideSelection WRITE setHideSelection)
    Q_PROPERTY(QString About READ About WRITE setAbout)
    Q_PROPERTY(QPixmap Glyph READ Glyph WRITE setGlyph)
    Q_PROPERTY(int TreeHeight READ TreeHeight WRITE setTreeHeight)

public:
    // When the change notifications cannot be set up, the picker works without them and a
    // std::runtime_error saying why is thrown from the event loop's first pass, for the
    // application's error handler to report.
    explicit TVxDirTreeCombo28(QWidget* parent = nullptr);
    // The same with the mount table that mounted and unmounted volumes are read from.
    TVxDirTreeCombo28(QWidget* parent, const QString& mountTable);

    TVxSpeedButton* Btn() const { return m_btn; }
    TVxDirTreeView* Tree() const { return m_tree; }

    // Setting stores the path in the tree and points a linked file list view at it; the shown
    // text, the icon and the tree's selection stay, and PathChange is not raised.
    QString SelectedPath() const;
    void setSelectedPath(const QString& path);
    TVxFilelistView28* FileList() const { return m_fileList; }
    void setFileList(TVxFilelistView28* fileList);
    bool ExpandRoot() const;
    void setExpandRoot(bool value);
    bool HideSelection() const;
    void setHideSelection(bool value);
    QString About() const { return m_about; }
    void setAbout(const QString&) {}
    TLanguage Language() const { return m_language; }
    void setLanguage(TLanguage value);
    QPixmap Glyph() const { return m_glyph; }
    void setGlyph(const QPixmap& glyph);
    int TreeHeight() const { return m_treeHeight; }
    void setTreeHeight(int height) { m_treeHeight = height; }
    // The image list index of the icon painted at the left, -1 for none.
    int iconIndex() const { return m_iconIndex; }

    // Shows an existing folder: selects its node, takes its text and icon and raises
    // PathChange. Paths that are not absolute existing folders ("Drives") are ignored.
    void OpenPath(const QString& path);
    // Builds the tree again from its root; SelectedPath stays.
    void ResetTree();
    void ToggleDropDown();
    // True while the tree is rebuilt after a change notification: a PathChange raised then
    // shows the same folder again, nobody picked it.
    bool refreshingAfterChange() const { return m_refreshingAfterChange; }

signals:
    // A committed or re-opened path; `sender` is the tree for a click in it, else the combo.
    void PathChange(QObject* sender, const QString& path);
    // A key the combo passed on to the line edit's own handling.
    void KeyDown(QObject* sender, int key, Qt::KeyboardModifiers modifiers);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ShellChangeHandler();
    void UpdateEditRect();
    void commitClickedNode();
    void showSelectedNode();
    // Handles the arrow keys; false when the key must go no further.
    bool moveSelection(int& key);

    TVxSpeedButton* m_btn;
    TVxDirTreeView* m_tree;
    TNewWindowProc* m_wheel;
    platform::ChangeNotifier* m_notifier;
    QPointer<TVxFilelistView28> m_fileList;
    QString m_about;
    QPixmap m_glyph;
    TLanguage m_language = lnSysDefault;
    int m_treeHeight = 240;
    int m_iconIndex = -1;
    bool m_refreshingAfterChange = false;
};
