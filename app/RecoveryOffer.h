#pragma once

#include <QByteArray>

class QWidget;

// Asks the user what to do with a rename run that was interrupted, does it with the hourglass
// showing, and tells how it went. The main window calls it at start-up and whenever a folder
// is opened.
namespace recoveryoffer {

// For the folder's journal, if it has one: Finish, Roll back or Later (a journal that cannot
// be used: Remove journal or Later). True when the folder has no journal left, so it can be
// renamed again.
bool offerRecovery(QWidget* parent, const QByteArray& folderPath);
// offerRecovery for every folder the state folder remembers as holding an unfinished run.
void offerPendingRecoveries(QWidget* parent);

} // namespace recoveryoffer
