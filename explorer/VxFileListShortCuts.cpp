#include "explorer/VxFileListShortCuts.h"

#include <Qt>

namespace {

// The virtual-key code of a Qt key; 0 when the key has none in one byte.
quint16 virtualKeyOf(int key)
{
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return quint16(key);
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return quint16(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return quint16(0x70 + (key - Qt::Key_F1));
    switch (key) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Pause:
        return 19;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return 46;
    case Qt::Key_Menu:
        return 93;
    default:
        return 0;
    }
}

} // namespace

quint16 TVxFileListShortCuts::shortCutOf(int qtKey, int qtModifiers)
{
    const quint16 code = virtualKeyOf(qtKey);
    if (code == 0)
        return 0;
    quint16 value = code;
    if (qtModifiers & Qt::ShiftModifier)
        value |= ShiftBit;
    if (qtModifiers & Qt::ControlModifier)
        value |= CtrlBit;
    if (qtModifiers & Qt::AltModifier)
        value |= AltBit;
    return value;
}
