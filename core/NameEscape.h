#pragma once

#include <QByteArray>
#include <QString>

// File names as one line of text for the batch mode's output, so every printed name stays on
// its line and in its column whatever bytes it holds, and can be told from any other name.
namespace nameescape {

// The bytes as text: a tab, a line feed and a backslash become "\t", "\n" and "\\"; any other
// control byte (below 0x20, and 0x7F) and any byte that is not part of a valid UTF-8 sequence
// become "\xHH"; every valid UTF-8 sequence stays as it is.
QString escaped(const QByteArray& bytes);

} // namespace nameescape
