#pragma once

#include <QIcon>
#include <QImage>

// The picture of a file list's parent row, a folder with an arrow pointing up, in the large
// (36 x 31) and the small (16 x 16) size, and its place in the process-wide image list.
//
// The place is remembered in the user's settings ("ParentImgIdx"). A stored place is trusted
// only while the image there still is the parent picture, checked by comparing it with a fresh
// copy appended for the check; otherwise the picture is appended again and the new place stored.
class VxParentIcon
{
public:
    static QImage largeImage();
    static QImage smallImage();
    // Both sizes in one icon, so one image list index serves the large and the small list.
    static QIcon icon();

    // The index of the parent picture in the image list, appending it when the stored index
    // does not hold it.
    static int establishIndex();

    // True when both icons give the same pixels at the large size.
    static bool sameImage(const QIcon& a, const QIcon& b);
};
