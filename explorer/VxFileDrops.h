#pragma once

#include <QObject>
#include <QPointer>

class QDropEvent;
class QMimeData;
class QWidget;
class TVxFilelistView28;
class VxFileListOperations;

// Takes files dropped on a file list's window (the top-level window holding the list) from a
// file manager and hands them to the list's paste as a copy. It follows the list into whatever
// window it is put in. A drag that started inside this program is never a file drop, and
// nothing is taken while the list shows the volumes.
class VxFileDrops : public QObject
{
    Q_OBJECT

public:
    VxFileDrops(TVxFilelistView28* list, VxFileListOperations* operations);

    // True when `data` from `source` is files another program dropped.
    static bool isFileDrop(const QMimeData* data, const QObject* source);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void followWindow();
    bool acceptsDrop(const QDropEvent* event) const;

    TVxFilelistView28* m_list;
    VxFileListOperations* m_operations;
    QPointer<QWidget> m_window;
};
