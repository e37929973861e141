#pragma once

#include <QtGlobal>

// What a file list's shortcut keys may do; the ordinal is the bit number in TVxListViewActions.
enum TVxListViewAction : quint8
{
    vaCopy,
    vaPaste,
    vaCut,
    vaOpen,
    vaView,
    vaNewFolder,
    vaSelectAll,
    vaDelete,
    vaBack,
    vaRename,
    vaFindFile,
    vaRefresh
};

// A set of TVxListViewAction in 16 bits, of which the low twelve are used.
class TVxListViewActions
{
public:
    static constexpr quint16 AllBits = 0x0fff;

    constexpr TVxListViewActions() = default;
    static constexpr TVxListViewActions all() { return fromBits(AllBits); }
    static constexpr TVxListViewActions fromBits(quint16 bits)
    {
        TVxListViewActions actions;
        actions.m_bits = quint16(bits & AllBits);
        return actions;
    }

    constexpr bool contains(TVxListViewAction action) const { return (m_bits >> action) & 1u; }
    constexpr void include(TVxListViewAction action) { m_bits = quint16(m_bits | (1u << action)); }
    constexpr void exclude(TVxListViewAction action) { m_bits = quint16(m_bits & ~(1u << action)); }
    constexpr quint16 bits() const { return m_bits; }

    friend constexpr bool operator==(TVxListViewActions a, TVxListViewActions b)
    {
        return a.m_bits == b.m_bits;
    }
    friend constexpr bool operator!=(TVxListViewActions a, TVxListViewActions b)
    {
        return a.m_bits != b.m_bits;
    }

private:
    quint16 m_bits = 0;
};

// Which key does what in a file list: twelve shortcut values, whether Enter and a double-click
// open the selected row, and which shortcut actions are enabled. A shortcut value is the key's
// one-byte virtual-key code plus 0x2000 for Shift, 0x4000 for Ctrl and 0x8000 for Alt, the
// form the window layout stores. Copying copies every value.
struct TVxFileListShortCuts
{
    static constexpr quint16 ShiftBit = 0x2000;
    static constexpr quint16 CtrlBit = 0x4000;
    static constexpr quint16 AltBit = 0x8000;

    // The shortcut value of a Qt key (Qt::Key) with its modifiers (Qt::KeyboardModifiers); 0
    // for a key without a one-byte virtual-key code.
    static quint16 shortCutOf(int qtKey, int qtModifiers);

    quint16 scCopy = CtrlBit | 'C';
    quint16 scPaste = CtrlBit | 'V';
    quint16 scCut = CtrlBit | 'X';
    quint16 scOpen = CtrlBit | 'O';
    quint16 scView = CtrlBit | 'F';
    quint16 scNewFolder = CtrlBit | 'N';
    quint16 scSelectAll = CtrlBit | 'A';
    quint16 scDelete = 46;
    quint16 scBack = 8;
    quint16 scRename = 113;
    quint16 scFindFile = 114;
    quint16 scRefresh = 116;
    bool OpenWithEnter = true;
    bool DblClickToOpen = true;
    TVxListViewActions Actions = TVxListViewActions::all();
};
