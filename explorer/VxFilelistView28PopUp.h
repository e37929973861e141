#pragma once

#include <QMenu>
#include <QPoint>
#include <QStringList>

class QAction;
class TVxFilelistView28;

// The context menu of a file list: open, view, send to, cut, copy, paste, rename, delete,
// properties and new folder, each enabled for the rows selected when it pops up. Every item
// carries a tag and an object name, and one handler dispatches on them. The Send To submenu
// ends with the entries of the user's Send To folder as they were when the menu was built.
class TVxFilelistView28PopUp : public QMenu
{
    Q_OBJECT

public:
    explicit TVxFilelistView28PopUp(TVxFilelistView28* list);

    // Sets the items' enabled states, then shows the menu 10 pixels right of and below `point`
    // (global coordinates). Nothing shows while the list shows the volumes.
    void Popup(const QPoint& point);

    // The link or desktop files of the Send To entries, in entry order.
    const QStringList& sendToTargets() const { return m_sendToTargets; }

private:
    QAction* addItem(QMenu* menu, const QString& name, int tag);
    void addSendToEntries();
    void updateEnabling();
    void dispatch(QAction* item);

    TVxFilelistView28* m_list;
    QMenu* m_sendMenu;
    QStringList m_sendToTargets;
};
