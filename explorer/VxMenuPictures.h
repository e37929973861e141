#pragma once

#include <QIcon>
#include <QPalette>

// The thirteen pictures of the file list's context menu. Each is the icon theme's picture for
// the command when the theme has one, else a drawing in the palette's text colour with one
// accent colour, so it reads on light and dark palettes alike.
class VxMenuPictures
{
public:
    enum class Picture
    {
        Open,
        View,
        SendTo,
        Cut,
        Copy,
        Paste,
        Rename,
        Delete,
        Attributes,
        NewFolder,
        AnyFolder,
        Clipboard,
        Desktop
    };

    static QIcon picture(Picture picture, const QPalette& palette);
    // The drawing alone, whatever the theme holds.
    static QIcon drawn(Picture picture, const QPalette& palette);
};
