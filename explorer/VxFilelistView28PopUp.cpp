#include "explorer/VxFilelistView28PopUp.h"

#include "explorer/VxConsts.h"
#include "explorer/VxFileListOperations.h"
#include "explorer/VxFileOpRules.h"
#include "explorer/VxFilelistView28.h"
#include "explorer/VxMenuPictures.h"
#include "explorer/VxSendToEntries.h"
#include "explorer/VxShellUtils.h"
#include "platform/ui/ImageList.h"

#include <QAction>

namespace {

using Picture = VxMenuPictures::Picture;

constexpr int SendToTag = 3;
constexpr int FirstSendToEntryTag = 34;
const QString SendToPrefix = QStringLiteral("Send_To");

struct MenuEntry
{
    const char* name;
    int tag;
    VxKey caption;
    Picture picture;
};

// Top-level items; a null name is a separator.
const MenuEntry TopItems[] = {
    {"ItemOpen", 1, VxKey::MenuOpen, Picture::Open},
    {"ItemView", 2, VxKey::MenuView, Picture::View},
    {nullptr, 0, VxKey::MenuOpen, Picture::Open},
    {"SubMenuSend", SendToTag, VxKey::MenuSendTo, Picture::SendTo},
    {nullptr, 0, VxKey::MenuOpen, Picture::Open},
    {"ItemOpCut", 4, VxKey::MenuCut, Picture::Cut},
    {"ItemOpCopy", 5, VxKey::MenuCopy, Picture::Copy},
    {"ItemOpPaste", 6, VxKey::MenuPaste, Picture::Paste},
    {nullptr, 0, VxKey::MenuOpen, Picture::Open},
    {"ItemRename", 7, VxKey::MenuRename, Picture::Rename},
    {"ItemDelete", 8, VxKey::MenuDelete, Picture::Delete},
    {nullptr, 0, VxKey::MenuOpen, Picture::Open},
    {"ItemProperty", 9, VxKey::MenuProperties, Picture::Attributes},
    {nullptr, 0, VxKey::MenuOpen, Picture::Open},
    {"ItemFolder", 10, VxKey::MenuNewFolder, Picture::NewFolder},
};

const MenuEntry SendItems[] = {
    {"Send_To0", 30, VxKey::MenuAnyFolder, Picture::AnyFolder},
    {"Send_To1", 31, VxKey::MenuClipboardContents, Picture::Clipboard},
    {"Send_To2", 32, VxKey::MenuClipboardFileName, Picture::Clipboard},
    {"Send_To3", 33, VxKey::MenuDesktopShortcut, Picture::Desktop},
};

// The entry number after "Send_To": at most two digits, -1 when there are none.
int entryNumber(const QString& name)
{
    const QString digits = name.mid(SendToPrefix.size(), 2);
    bool ok = false;
    const int number = digits.toInt(&ok);
    return ok && number >= 0 ? number : -1;
}

} // namespace

TVxFilelistView28PopUp::TVxFilelistView28PopUp(TVxFilelistView28* list)
    : QMenu(list), m_list(list), m_sendMenu(new QMenu(this))
{
    setObjectName(QStringLiteral("FilelistView28PopUp"));
    m_sendMenu->setObjectName(QStringLiteral("SubMenuSendMenu"));
    const TLanguage language = list->Language();
    const QPalette colours = list->palette();
    for (const MenuEntry& entry : TopItems) {
        if (!entry.name) {
            addSeparator();
            continue;
        }
        QAction* item =
            entry.tag == SendToTag ? addMenu(m_sendMenu) : addItem(this, QString(), entry.tag);
        if (entry.tag == SendToTag)
            item->setData(SendToTag);
        item->setObjectName(QString::fromLatin1(entry.name));
        item->setText(VxText(language, entry.caption));
        item->setIcon(VxMenuPictures::picture(entry.picture, colours));
    }
    for (const MenuEntry& entry : SendItems) {
        QAction* item = addItem(m_sendMenu, QString::fromLatin1(entry.name), entry.tag);
        item->setText(VxText(language, entry.caption));
        item->setIcon(VxMenuPictures::picture(entry.picture, colours));
    }
    addSendToEntries();
}

QAction* TVxFilelistView28PopUp::addItem(QMenu* menu, const QString& name, int tag)
{
    QAction* item = menu->addAction(QString());
    item->setObjectName(name);
    item->setData(tag);
    connect(item, &QAction::triggered, this, [this, item] { dispatch(item); });
    return item;
}

void TVxFilelistView28PopUp::addSendToEntries()
{
    m_sendToTargets.clear();
    const QString folder = SpecialFolderPath(sfSendTo);
    int number = 4;
    for (const VxSendToEntry& entry : vxsendto::readEntries(folder)) {
        // Entry numbers are read back from two digits.
        if (number > 99)
            break;
        QAction* item = addItem(m_sendMenu, SendToPrefix + QString::number(number),
                                number - 4 + FirstSendToEntryTag);
        item->setText(entry.displayName);
        item->setIcon(platform::ImageList::instance().icon(ShellSmallIconIndex(entry.path)));
        m_sendToTargets.append(entry.path);
        ++number;
    }
}

void TVxFilelistView28PopUp::updateEnabling()
{
    const QList<int> selection = m_list->selectedRows();
    const bool selected = !selection.isEmpty();
    const bool single = selection.size() == 1;
    const QString path =
        selected ? m_list->rows()[selection.front()].subItem(ListingRow::PathItem) : QString();
    const auto enable = [this](const char* name, bool enabled) {
        for (QAction* item : findChildren<QAction*>(QString::fromLatin1(name)))
            item->setEnabled(enabled);
    };
    enable("ItemOpen", selected);
    enable("ItemView", selected && vxfileops::isViewExtension(path));
    enable("SubMenuSend", selected);
    enable("ItemOpCut", selected);
    enable("ItemOpCopy", selected);
    enable("ItemOpPaste", m_list->operations().canPaste());
    enable("ItemRename", single);
    enable("ItemDelete", selected);
    enable("ItemProperty", selected);
    enable("ItemFolder", !m_list->isDrivesLayout());
    enable("Send_To0", selected);
    enable("Send_To1", single && vxfileops::isContentsExtension(path));
    enable("Send_To2", selected);
    enable("Send_To3", selected);
}

void TVxFilelistView28PopUp::Popup(const QPoint& point)
{
    if (m_list->isDrivesLayout())
        return;
    updateEnabling();
    popup(point + QPoint(10, 10));
}

void TVxFilelistView28PopUp::dispatch(QAction* item)
{
    const QString name = item->objectName();
    const int tag = item->data().toInt();
    if (name.isEmpty() || tag == 0)
        return;
    VxFileListOperations& operations = m_list->operations();
    switch (tag) {
    case 1:
        operations.Open();
        return;
    case 2:
        operations.View();
        return;
    case 4:
        operations.Cut();
        return;
    case 5:
        operations.Copy();
        return;
    case 6:
        operations.Paste();
        return;
    case 7:
        m_list->StartRename();
        return;
    case 8:
        operations.Delete();
        return;
    case 9:
        operations.Properties();
        return;
    case 10:
        operations.NewFolder();
        return;
    default:
        break;
    }
    if (!name.startsWith(SendToPrefix))
        return;
    const int number = entryNumber(name);
    switch (number) {
    case -1:
        return;
    case 0:
        operations.SendToAnyFolder();
        return;
    case 1:
        operations.CopyContentsToClipboard();
        return;
    case 2:
        operations.CopyNamesToClipboard();
        return;
    case 3:
        operations.CreateDesktopShortcut();
        return;
    default:
        if (number - 4 < m_sendToTargets.size())
            operations.SendThroughShortcut(m_sendToTargets[number - 4]);
        return;
    }
}
