#pragma once

#include <QString>

namespace platform {

enum class SpecialFolder
{
    Desktop,
    Favorites,
    NetHood,
    Documents,
    Programs,
    SendTo,
    StartMenu,
    StartUp,
    SystemPrograms,  // where the system's programs live
    SystemLibraries, // where the system's libraries live
};

// The folder's path without a trailing separator; empty for a folder this platform has no
// counterpart of (favourites, network neighbourhood). SendTo is ORVEN/SendTo under the user's
// data location; nothing is created.
QString specialFolderPath(SpecialFolder folder);

} // namespace platform
