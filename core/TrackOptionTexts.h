#pragma once

#include "core/Text.h"

// The texts of the track list's options and of the playlist export, in the layout of the
// interface text tables.
namespace text {

extern const Table OldNumberTexts; // the Operation group's check box, not saved ("%1" file)
// save dialog's file type, write failure ("%1" file, "%2" reason), name with a line break ("%1"),
// the reason for a path that names a folder
extern const Table PlaylistTexts;

} // namespace text
