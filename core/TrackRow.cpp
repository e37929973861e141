#include "core/TrackRow.h"

#include "core/TrackRules.h"
#include "explorer/ListingTexts.h"
#include "explorer/VxFileListTexts.h"
#include "platform/DirEnum.h"

namespace {

trackrules::NameSplit splitOf(const QByteArray& nameBytes)
{
    return trackrules::splitBaseName(trackrules::baseName(platform::displayName(nameBytes)));
}

} // namespace

QString TrackRow::caption() const
{
    return splitOf(nameBytes).number;
}

QString TrackRow::title() const
{
    return splitOf(nameBytes).title;
}

QString TrackRow::newTitle() const
{
    return dropsOldNumber ? trackrules::withoutOldNumber(title()) : title();
}

QString TrackRow::subItem(int index) const
{
    switch (index) {
    case Title:
        return title();
    case SizeText:
        return vxfilelist::sizeText(isFolder, size, texts->fileSize());
    case DateText:
        return texts->modifiedText(mtimeNsec);
    case Preview:
        return newName.isEmpty() ? QString::fromUtf16(trackrules::PreviewPlaceholder)
                                 : trackrules::previewName(newName, newTitle());
    default:
        return QString();
    }
}
