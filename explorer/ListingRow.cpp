#include "explorer/ListingRow.h"

#include "explorer/ListingTexts.h"
#include "explorer/VxFileListRules.h"
#include "explorer/VxFileListTexts.h"
#include "platform/DirEnum.h"

namespace {

const QString& blankText()
{
    static const QString text = QStringLiteral(" ");
    return text;
}

const QString& kindText(ListingRow::Kind kind)
{
    static const QString dir = QStringLiteral("dir");
    static const QString file = QStringLiteral("file");
    return kind == ListingRow::Kind::File ? file : dir;
}

} // namespace

QString ListingRow::caption() const
{
    switch (kind) {
    case Kind::Drive:
        return fixedTexts.value(0);
    case Kind::Parent:
        return texts->parentDirCaption();
    case Kind::File:
    case Kind::Folder:
        break;
    }
    const QString name = platform::displayName(nameBytes);
    return texts->hideFileExt() ? vxfilelist::captionWithoutExtension(name) : name;
}

QString ListingRow::subItem(int index) const
{
    if (kind == Kind::Drive)
        return fixedTexts.value(index + 1);
    const bool parent = kind == Kind::Parent;
    switch (index) {
    case SizeItem:
        return parent ? blankText() : vxfilelist::sizeText(isFolder(), size, texts->fileSize());
    case TypeItem:
        return parent ? blankText() : typeText();
    case ModifiedItem:
        return parent ? blankText() : texts->modifiedText(mtimeNsec);
    case AttributesItem:
        return parent ? blankText() : vxfilelist::attributesText(attributes);
    case PathItem:
        return texts->folder() + (parent ? QStringLiteral("..") : platform::displayName(nameBytes));
    case KindItem:
        return kindText(kind);
    case TimeKeyItem:
        return vxfilelist::timeKeyText(mtimeNsec);
    default:
        return QString();
    }
}

QStringList ListingRow::subItems() const
{
    QStringList items;
    items.reserve(subItemCount());
    for (int index = 0; index < subItemCount(); ++index)
        items.append(subItem(index));
    return items;
}

QString ListingRow::typeText() const
{
    return kind == Kind::Drive ? fixedTexts.value(TypeItem + 1) : fixedTexts.value(0);
}

qint64 ListingRow::sizeKey() const
{
    if (isFolder() || kind == Kind::Drive)
        return 0;
    if (texts->fileSize() == fsByte)
        return size;
    // As the size text counts: 1 to 1023 bytes make 1 KB.
    return (size > 0 && size < 1024 ? 1024 : size) / 1024;
}
