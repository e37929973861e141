#pragma once

#include <QByteArray>

class QWidget;

// Asks the user what to do with a rename run that was interrupted, does it with the hourglass
// showing, and tells how it went. The main window calls it at start-up and whenever a folder
// is opened.
namespace recoveryoffer {

// For the folder's journal, if it has one: Finish (the default), Roll back or Later for a run
// of this user's; Finish, Roll back, Set aside or Later (the default) for a journal from
// elsewhere; Set aside or Later for one that cannot be used; Remove journal or Later for one
// cut off before any file was renamed. True when the folder has no journal left, so it can be
// renamed again. While a question is open, a second call answers false at once.
bool offerRecovery(QWidget* parent, const QByteArray& folderPath);
// True while offerRecovery's question or its work is under way.
bool isOfferOpen();
// offerRecovery for every folder the state folder remembers as holding an unfinished run.
void offerPendingRecoveries(QWidget* parent);

} // namespace recoveryoffer
