#pragma once

// The pictures of the documentation, made by the program itself on a folder tree it creates
// in a temporary folder, so nothing of the machine it runs on shows: the main window at the
// screen's scale (main-scale1.png, and main-scale2.png from a second run at QT_SCALE_FACTOR=2)
// and in a dark palette (main-dark.png), written to $SCREENSHOT_DIR (default: docs).
namespace documentationshots {

int run(int argc, char* argv[]);

} // namespace documentationshots
