#pragma once

#include <QPixmap>

// The program's pictures, painted when first asked for: the seven 32 x 32 toolbar pictures,
// the toolbar's decorative banner and the about dialog's logo.
namespace pictures {

QPixmap rename();
QPixmap moveUp();
QPixmap moveDown();
QPixmap moveToTop();
QPixmap moveToBottom();
QPixmap print();
QPixmap exit();
QPixmap banner();    // 200 x 37, transparent background
QPixmap aboutLogo(); // 128 x 54, transparent background

} // namespace pictures
