#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// Moves a file or folder (a path as the file system's bytes) into the freedesktop trash: the
// user's trash under the data location when the entry lives on the same volume, else the
// volume's own .Trash/<uid> or .Trash-<uid>. The trashinfo record is written first, and the
// entry is moved with a rename that never replaces anything, so nothing is copied and nothing
// in the trash is overwritten. Returns false with the system's message in `error` when the
// entry did not reach the trash; `trashedAs` (when given) receives its path in the trash.
// `noTrash` (when given) tells whether it failed because no trash can be used for the entry's
// volume (none exists there and none can be made), so the caller may offer to delete for good.
bool moveToTrash(const QByteArray& path, QString* error = nullptr, QByteArray* trashedAs = nullptr,
                 bool* noTrash = nullptr);

// The user's trash folder (holding files/ and info/); not created here.
QByteArray homeTrashPath();

} // namespace platform
