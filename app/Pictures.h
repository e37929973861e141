#pragma once

#include <QIcon>
#include <QPixmap>

class QPalette;

// The program's pictures, painted in code for the pixel ratio of the screen they show on and in
// colours that stand out from the palette's window colour, light or dark: the seven 32 x 32
// toolbar pictures, the toolbar's decorative banner and the about dialog's logo.
namespace pictures {

enum class Tool
{
    Rename,
    MoveUp,
    MoveDown,
    MoveToTop,
    MoveToBottom,
    Print,
    Exit
};

// The picture at 32 x 32 device-independent pixels, painted for `devicePixelRatio`.
QPixmap tool(Tool picture, qreal devicePixelRatio, const QPalette& palette);
// An icon that paints the picture at the size and pixel ratio each use asks for, in the
// application's palette of that moment.
QIcon toolIcon(Tool picture);

// 200 x 37 and 128 x 54, transparent background, for the application's highest pixel ratio.
QPixmap banner();
QPixmap aboutLogo();

} // namespace pictures
