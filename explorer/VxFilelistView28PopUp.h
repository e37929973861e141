#pragma once

#include <QMenu>
#include <QPoint>
#include <QStringList>

class TVxFilelistView28;

// The context menu of a file list: open, view, send to, cut, copy, paste, rename, delete,
// properties and new folder, each enabled for the rows selected when it pops up.
class TVxFilelistView28PopUp : public QMenu
{
    Q_OBJECT

public:
    explicit TVxFilelistView28PopUp(TVxFilelistView28* list);

    // Sets the items' enabled states, then shows the menu 10 pixels right of and below `point`.
    void Popup(const QPoint& point);

private:
    TVxFilelistView28* m_list;
};
