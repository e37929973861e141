#pragma once

#include <Qt>

class TVxFilelistView28;

// The key commands of a file list: the shortcut actions of its ShortCuts settings, Enter,
// Shift+Delete (delete for good, file by file, after a question), F4 and Escape for a linked
// tree combo, and the context menu keys.
class VxFileListKeys
{
public:
    explicit VxFileListKeys(TVxFilelistView28* list);

    // Runs the commands of a key pressed in the list; false when the key must get no default
    // handling.
    bool KeyDown(int key, Qt::KeyboardModifiers modifiers);

private:
    // Deletes the selected files one by one, each after a question, and stops at the first
    // folder; false when the key must get no default handling.
    bool PermanentDelete();
    void Refresh();
    void ShowContextMenu();

    TVxFilelistView28* m_list;
};
