#include "explorer/VxFilelistView28PopUp.h"

#include "explorer/VxFilelistView28.h"

TVxFilelistView28PopUp::TVxFilelistView28PopUp(TVxFilelistView28* list) : QMenu(list), m_list(list)
{
}

void TVxFilelistView28PopUp::Popup(const QPoint&) {}
