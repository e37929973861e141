#include "app/RecoveryOffer.h"

#include "app/MessageBoxes.h"
#include "app/RenameRecovery.h"
#include "app/RenameReport.h"
#include "platform/WaitCursor.h"

#include <QMessageBox>
#include <QPushButton>

#include <memory>

namespace recoveryoffer {

namespace {

using renaming::RenameJournal;
using renaming::RenameRecovery;

QPushButton* addButton(QMessageBox& box, const char* objectName, const QString& text,
                       QMessageBox::ButtonRole role)
{
    QPushButton* button = box.addButton(text, role);
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

bool offerDiscard(QWidget* parent, RenameRecovery& recovery)
{
    std::unique_ptr<QMessageBox> box(
        questionBox(parent, renamereport::unusableJournalText(recovery)));
    QPushButton* discard = addButton(*box, "RemoveJournalButton", QStringLiteral("&Remove journal"),
                                     QMessageBox::DestructiveRole);
    QPushButton* later =
        addButton(*box, "LaterButton", QStringLiteral("&Later"), QMessageBox::RejectRole);
    box->setDefaultButton(later);
    box->setEscapeButton(later);
    box->exec();
    if (box->clickedButton() != discard)
        return false;
    if (recovery.discardJournal())
        return true;
    messageboxes::showWarning(parent, QStringLiteral("The journal could not be removed."));
    return false;
}

} // namespace

bool offerRecovery(QWidget* parent, const QByteArray& folderPath)
{
    if (!RenameRecovery::hasJournal(folderPath))
        return true;
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
        messageboxes::showWarning(parent, QStringLiteral("A rename run is going on in the folder "
                                                         "%1; wait until it has ended.")
                                              .arg(renamereport::displayName(folderPath)));
        return false;
    case RenameJournal::Load::Incomplete:
    case RenameJournal::Load::Damaged:
        return offerDiscard(parent, recovery);
    case RenameJournal::Load::Ok:
        break;
    }

    std::unique_ptr<QMessageBox> box(questionBox(parent, renamereport::recoveryQuestion(recovery)));
    QPushButton* finish =
        addButton(*box, "FinishButton", QStringLiteral("&Finish"), QMessageBox::AcceptRole);
    QPushButton* rollBack =
        addButton(*box, "RollBackButton", QStringLiteral("&Roll back"), QMessageBox::ActionRole);
    QPushButton* later =
        addButton(*box, "LaterButton", QStringLiteral("&Later"), QMessageBox::RejectRole);
    box->setDefaultButton(finish);
    box->setEscapeButton(later);
    box->exec();
    if (box->clickedButton() != finish && box->clickedButton() != rollBack)
        return false;

    const RenameRecovery::Action action = box->clickedButton() == finish
                                              ? RenameRecovery::Action::Finish
                                              : RenameRecovery::Action::RollBack;
    {
        WaitCursor wait;
        recovery.carryOut(action);
    }
    messageboxes::showWarning(parent, renamereport::recoveryText(recovery, action));
    return recovery.journalRemoved();
}

void offerPendingRecoveries(QWidget* parent)
{
    for (const QByteArray& folder : RenameRecovery::pendingFolders())
        offerRecovery(parent, folder);
}

} // namespace recoveryoffer
