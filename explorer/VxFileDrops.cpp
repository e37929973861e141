#include "explorer/VxFileDrops.h"

#include "explorer/VxFileClipboardData.h"
#include "explorer/VxFileListOperations.h"
#include "explorer/VxFilelistView28.h"

#include <QDropEvent>
#include <QMimeData>

VxFileDrops::VxFileDrops(TVxFilelistView28* list, VxFileListOperations* operations)
    : QObject(operations), m_list(list), m_operations(operations)
{
    list->installEventFilter(this);
    followWindow();
}

bool VxFileDrops::isFileDrop(const QMimeData* data, const QObject* source)
{
    if (source || !data)
        return false;
    // Rows dragged out of this program's own lists carry their model's type.
    for (const QString& format : data->formats()) {
        if (format == u"application/x-qabstractitemmodeldatalist" ||
            format.startsWith(u"application/x-orven"))
            return false;
    }
    return !vxclipboard::localFiles(data).isEmpty();
}

void VxFileDrops::followWindow()
{
    QWidget* window = m_list->window();
    if (window == m_window)
        return;
    if (m_window && m_window != m_list)
        m_window->removeEventFilter(this);
    m_window = window;
    if (window != m_list)
        window->installEventFilter(this);
    window->setAcceptDrops(true);
}

bool VxFileDrops::acceptsDrop(const QDropEvent* event) const
{
    return !m_list->isDrivesLayout() && isFileDrop(event->mimeData(), event->source());
}

bool VxFileDrops::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ParentChange:
    case QEvent::Show:
        if (watched == m_list)
            followWindow();
        break;
    case QEvent::DragEnter:
    case QEvent::DragMove:
        if (watched == m_window) {
            auto* drag = static_cast<QDropEvent*>(event);
            if (!acceptsDrop(drag))
                return false;
            drag->setDropAction(Qt::CopyAction);
            drag->accept();
            return true;
        }
        break;
    case QEvent::Drop:
        if (watched == m_window) {
            auto* drop = static_cast<QDropEvent*>(event);
            if (!acceptsDrop(drop))
                return false;
            drop->setDropAction(Qt::CopyAction);
            drop->accept();
            // The copy may ask questions: it runs once the drop is over, so the program the
            // files came from is not kept waiting on them.
            QMetaObject::invokeMethod(
                m_operations,
                [operations = m_operations, paths = vxclipboard::localFiles(drop->mimeData())] {
                    operations->DropFiles(paths);
                },
                Qt::QueuedConnection);
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
