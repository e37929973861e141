#include "app/RecoveryOffer.h"

#include "app/MessageBoxes.h"
#include "core/rename/RenameRecovery.h"
#include "core/rename/RenameReport.h"
#include "core/rename/RenameTexts.h"
#include "core/rename/RunRecorder.h"
#include "platform/ui/WaitCursor.h"

#include <QMessageBox>
#include <QPushButton>
#include <QScopedValueRollback>

#include <memory>

namespace recoveryoffer {

namespace {

using renaming::RenameJournal;
using renaming::RenameRecovery;

QPushButton* addButton(QMessageBox& box, const char* objectName, text::recovery::Entry caption,
                       QMessageBox::ButtonRole role)
{
    QPushButton* button = box.addButton(text::entry(text::RecoveryTexts, caption), role);
    button->setObjectName(QString::fromLatin1(objectName));
    return button;
}

QMessageBox* questionBox(QWidget* parent, const QString& text)
{
    auto* box =
        new QMessageBox(QMessageBox::Question, QString::fromUtf16(messageboxes::ConfirmationTitle),
                        text, QMessageBox::NoButton, parent);
    box->setObjectName(QStringLiteral("RecoveryOfferBox"));
    return box;
}

// The question for a journal nothing can be recovered from: one way out, or Later (the default).
bool askForWayOut(QWidget* parent, const RenameRecovery& recovery, const char* objectName,
                  text::recovery::Entry caption)
{
    std::unique_ptr<QMessageBox> box(
        questionBox(parent, renamereport::unusableJournalText(recovery)));
    QPushButton* wayOut = addButton(*box, objectName, caption, QMessageBox::DestructiveRole);
    QPushButton* later =
        addButton(*box, "LaterButton", text::recovery::LaterButton, QMessageBox::RejectRole);
    box->setDefaultButton(later);
    box->setEscapeButton(later);
    box->exec();
    return box->clickedButton() == wayOut;
}

// A journal cut off before its plan was whole: no file was renamed, so removing it is safe.
bool offerDiscard(QWidget* parent, RenameRecovery& recovery)
{
    if (!askForWayOut(parent, recovery, "RemoveJournalButton", text::recovery::RemoveJournalButton))
        return false;
    if (recovery.discardJournal())
        return true;
    messageboxes::showWarning(parent,
                              text::entry(text::RecoveryTexts, text::recovery::JournalNotRemoved));
    return false;
}

bool setAside(QWidget* parent, RenameRecovery& recovery)
{
    const int e = recovery.setAside();
    if (e == 0)
        return true;
    messageboxes::showWarning(parent, renamereport::setAsideFailedText(recovery, e));
    return false;
}

// A journal nothing can be done from: it can only be set aside, so the folder is free again.
bool offerSetAside(QWidget* parent, RenameRecovery& recovery)
{
    return askForWayOut(parent, recovery, "SetAsideButton", text::recovery::SetAsideButton) &&
           setAside(parent, recovery);
}

// Set while a question is open: folder and mount changes seen meanwhile come back to the
// offer through the window's event loop, and must not put a second question.
bool g_offerOpen = false;

} // namespace

bool offerRecovery(QWidget* parent, const QByteArray& folderPath)
{
    if (!RenameRecovery::hasJournal(folderPath))
        return true;
    if (g_offerOpen)
        return false;
    const QScopedValueRollback<bool> guard(g_offerOpen, true);
    RenameRecovery recovery(folderPath);
    RenameJournal::Load load;
    {
        WaitCursor wait;
        load = recovery.load();
    }
    switch (load) {
    case RenameJournal::Load::Missing:
        return true;
    case RenameJournal::Load::Busy:
        messageboxes::showWarning(parent,
                                  text::entry(text::RecoveryTexts, text::recovery::RunGoingOn)
                                      .arg(renamereport::displayName(folderPath)));
        return false;
    case RenameJournal::Load::Incomplete:
        return offerDiscard(parent, recovery);
    case RenameJournal::Load::Damaged:
        return offerSetAside(parent, recovery);
    case RenameJournal::Load::Ok:
        break;
    }

    // A journal this user's records do not list is acted on only when asked to explicitly.
    const bool own = recovery.isOwnRun();
    std::unique_ptr<QMessageBox> box(
        questionBox(parent, own ? renamereport::recoveryQuestion(recovery)
                                : renamereport::foreignJournalQuestion(recovery)));
    QPushButton* finish =
        addButton(*box, "FinishButton", text::recovery::FinishButton, QMessageBox::AcceptRole);
    QPushButton* rollBack =
        addButton(*box, "RollBackButton", text::recovery::RollBackButton, QMessageBox::ActionRole);
    QPushButton* aside = own ? nullptr
                             : addButton(*box, "SetAsideButton", text::recovery::SetAsideButton,
                                         QMessageBox::ActionRole);
    QPushButton* later =
        addButton(*box, "LaterButton", text::recovery::LaterButton, QMessageBox::RejectRole);
    box->setDefaultButton(own ? finish : later);
    box->setEscapeButton(later);
    box->exec();
    if (aside && box->clickedButton() == aside)
        return setAside(parent, recovery);
    if (box->clickedButton() != finish && box->clickedButton() != rollBack)
        return false;

    const RenameRecovery::Action action = box->clickedButton() == finish
                                              ? RenameRecovery::Action::Finish
                                              : RenameRecovery::Action::RollBack;
    {
        WaitCursor wait;
        recovery.carryOut(action);
    }
    QString report = renamereport::recoveryText(recovery, action);
    // Recorded once the run is settled for good: a journal left behind is recovered again.
    if (recovery.journalRemoved()) {
        if (const QString unrecorded = runrecorder::recordRecovery(recovery); !unrecorded.isEmpty())
            report += QStringLiteral("\n\n") + unrecorded;
    }
    messageboxes::showWarning(parent, report);
    return recovery.journalRemoved();
}

bool isOfferOpen()
{
    return g_offerOpen;
}

void offerPendingRecoveries(QWidget* parent)
{
    for (const QByteArray& folder : RenameRecovery::pendingFolders())
        offerRecovery(parent, folder);
}

} // namespace recoveryoffer
