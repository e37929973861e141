#include "explorer/VxFileListKeys.h"

#include "explorer/VxDirTreeCombo28.h"
#include "explorer/VxDirTreeView.h"
#include "explorer/VxFileListMessages.h"
#include "explorer/VxFileListOperations.h"
#include "explorer/VxFileListRules.h"
#include "explorer/VxFileListShortCuts.h"
#include "explorer/VxFilelistView28.h"
#include "explorer/VxFilelistView28PopUp.h"
#include "explorer/VxPathUtils.h"
#include "platform/DirEnum.h"
#include "platform/SyncedFolder.h"

namespace {

const Qt::KeyboardModifiers kModifierKeys =
    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;

} // namespace

VxFileListKeys::VxFileListKeys(TVxFilelistView28* list) : m_list(list) {}

bool VxFileListKeys::KeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    const TVxFileListShortCuts& keys = m_list->ShortCuts();
    const TVxListViewActions actions = keys.Actions;
    const quint16 shortCut = TVxFileListShortCuts::shortCutOf(key, int(modifiers));
    VxFileListOperations& operations = m_list->operations();
    auto pressed = [&](quint16 value, TVxListViewAction action) {
        return shortCut != 0 && shortCut == value && actions.contains(action);
    };

    if (m_list->selectedRow() >= 0) {
        if (pressed(keys.scCopy, vaCopy))
            operations.Copy();
        if (pressed(keys.scCut, vaCut))
            operations.Cut();
        if (pressed(keys.scOpen, vaOpen))
            operations.Open();
        if (pressed(keys.scView, vaView))
            operations.View();
        if (pressed(keys.scDelete, vaDelete))
            operations.Delete();
        if (pressed(keys.scRename, vaRename))
            m_list->StartRename();
        if (pressed(keys.scPaste, vaPaste) && operations.canPaste())
            operations.Paste();
        if (pressed(keys.scNewFolder, vaNewFolder) &&
            !vxfilelist::isDrivesText(m_list->Directory()))
            operations.NewFolder();
    }
    if (pressed(keys.scBack, vaBack))
        m_list->GoToParentFolder();
    if (pressed(keys.scFindFile, vaFindFile))
        operations.Find();
    if (pressed(keys.scRefresh, vaRefresh))
        Refresh();
    if (pressed(keys.scSelectAll, vaSelectAll) && m_list->rowCount() > 0)
        m_list->selectAll();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && actions.contains(vaOpen) &&
        keys.OpenWithEnter)
        operations.Open();
    if ((modifiers & kModifierKeys) == Qt::ShiftModifier && key == Qt::Key_Delete &&
        !PermanentDelete())
        return false;

    auto* combo = qobject_cast<TVxDirTreeCombo28*>(m_list->DirTreeCombo());
    if (key == Qt::Key_F4) {
        if (!combo)
            return false;
        combo->ToggleDropDown();
    }
    if (key == Qt::Key_Escape) {
        if (!combo)
            return false;
        if (combo->Tree()->isDroppedDown()) {
            combo->Tree()->hideDropDown();
            combo->Tree()->lower();
        }
    }
    if (key == Qt::Key_Menu ||
        (key == Qt::Key_F10 && (modifiers & kModifierKeys) == Qt::ShiftModifier)) {
        ShowContextMenu();
        return false;
    }
    return true;
}

bool VxFileListKeys::PermanentDelete()
{
    if (m_list->selectedRow() < 0)
        return false;
    const QByteArray folderPath =
        platform::encodePath(EnsureTrailingBackslash(m_list->Directory()));
    const platform::SyncedFolder folder(folderPath);
    const QList<int> selected = m_list->selectedRows();
    const QVector<ListingRow> rows = m_list->rows();
    for (const int row : selected) {
        const ListingRow& listed = rows.at(row);
        if (listed.isFolder() || listed.kind == ListingRow::Kind::Drive) {
            m_list->UpdateFileList();
            return false;
        }
        const QString question =
            QStringLiteral("Are you sure you want to permanently delete file\r  \"") +
            listed.caption() + QStringLiteral("\"?");
        if (vxfilelistmessages::confirm(question)) {
            const int error =
                folder.isOpen() ? folder.remove(listed.nameBytes) : folder.openError();
            if (error != 0)
                vxfilelistmessages::error(u'"' + platform::displayName(listed.nameBytes) +
                                          QStringLiteral("\"\n") + platform::sysErrorText(error));
        }
        m_list->selectionModel()->select(m_list->model()->index(row, 0),
                                         QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
    }
    m_list->UpdateFileList();
    return true;
}

void VxFileListKeys::Refresh()
{
    m_list->reportNextUnreadable();
    m_list->UpdateFileList();
    auto* combo = qobject_cast<TVxDirTreeCombo28*>(m_list->DirTreeCombo());
    if (combo)
        m_list->ShowInDirTreeCombo(combo->Tree()->SelectedPath(), true);
}

void VxFileListKeys::ShowContextMenu()
{
    if (!m_list->PopUpMenuEnabled() || !m_list->popupMenu() ||
        vxfilelist::isDrivesText(m_list->Directory()))
        return;
    const int row = m_list->selectedRow();
    const QRect area = row >= 0 ? m_list->visualRect(m_list->model()->index(row, 0)) : QRect();
    const QPoint local = area.isValid() ? area.center() : QPoint(0, 0);
    m_list->popupMenu()->Popup(m_list->viewport()->mapToGlobal(local));
}
