#include "app/RenameReport.h"

#include "app/Text.h"

#include <QStringList>

namespace renamereport {

using namespace renaming;

namespace {

constexpr int kCompletedMessage = 2;

QString folderText(const RenameRecovery& recovery)
{
    return displayName(recovery.folderPath());
}

QString filesText(int count)
{
    return count == 1 ? QStringLiteral("1 file") : QStringLiteral("%1 files").arg(count);
}

} // namespace

QString displayName(const QByteArray& name)
{
    return QString::fromUtf8(name);
}

QString completionSummary(const std::vector<RenameRowResult>& results)
{
    QString text = text::entry(text::MessageTexts, kCompletedMessage);
    int failed = 0;
    for (const RenameRowResult& result : results) {
        if (!isSuccess(result.status))
            ++failed;
    }
    if (failed == 0)
        return text;
    text += QStringLiteral("\n\n");
    if (text::languageIndex() == text::French)
        text +=
            failed == 1
                ? QStringLiteral("1 fichier n'a pas \u00E9t\u00E9 renomm\u00E9 :")
                : QStringLiteral("%1 fichiers n'ont pas \u00E9t\u00E9 renomm\u00E9s :").arg(failed);
    else
        text += failed == 1 ? QStringLiteral("1 file was not renamed:")
                            : QStringLiteral("%1 files were not renamed:").arg(failed);
    return text;
}

QString completionDetails(const std::vector<RenameRequest>& rows,
                          const std::vector<RenameRowResult>& results)
{
    QStringList lines;
    for (size_t i = 0; i < results.size() && i < rows.size(); ++i) {
        if (!isSuccess(results[i].status))
            lines << displayName(rows[i].oldName) + QStringLiteral(": ") + results[i].text();
    }
    return lines.join(QLatin1Char('\n'));
}

QString completionText(const std::vector<RenameRequest>& rows,
                       const std::vector<RenameRowResult>& results)
{
    const QString summary = completionSummary(results);
    const QString details = completionDetails(rows, results);
    return details.isEmpty() ? summary : summary + QLatin1Char('\n') + details;
}

QString recoveryQuestion(const RenameRecovery& recovery)
{
    QString text = QStringLiteral("A rename run in the folder %1 was interrupted.\n\n")
                       .arg(folderText(recovery));
    text += QStringLiteral("%1 under the new name, %2 under the old name")
                .arg(filesText(recovery.countAtNew()), QString::number(recovery.countAtOld()));
    if (recovery.countElsewhere() > 0)
        text += QStringLiteral(", %1 elsewhere").arg(recovery.countElsewhere());
    text += QStringLiteral(".\n\nFinish the run (every file under its new name), or roll it "
                           "back (every file under its old name)?");
    return text;
}

QString recoveryText(const RenameRecovery& recovery, RenameRecovery::Action action)
{
    const bool finish = action == RenameRecovery::Action::Finish;
    const RenameStatus goal = finish ? RenameStatus::Renamed : RenameStatus::Unchanged;
    QStringList lines;
    int placed = 0;
    for (const RenameRecovery::Row& row : recovery.rows()) {
        if (row.status == goal) {
            ++placed;
            continue;
        }
        const QString where = row.currentName.isEmpty()
                                  ? QString()
                                  : QStringLiteral(" (now %1)").arg(displayName(row.currentName));
        RenameRowResult result{row.status, row.sysError, row.currentName};
        lines << displayName(finish ? row.oldName : row.newName) + where + QStringLiteral(": ") +
                     result.text();
    }
    QString text = finish ? QStringLiteral("The interrupted rename run was finished: %1 under "
                                           "the new name.")
                          : QStringLiteral("The interrupted rename run was rolled back: %1 "
                                           "under the old name.");
    text = text.arg(filesText(placed));
    if (!lines.isEmpty()) {
        text += QStringLiteral("\n\n%1 could not be placed:\n").arg(filesText(int(lines.size())));
        text += lines.join(QLatin1Char('\n'));
    }
    if (!recovery.journalRemoved())
        text += QStringLiteral("\n\nThe run's journal stays in the folder, so that this can be "
                               "tried again.");
    return text;
}

QString unusableJournalText(const RenameRecovery& recovery)
{
    QString text;
    if (recovery.loadResult() == RenameJournal::Load::Incomplete) {
        text = QStringLiteral("A rename run in the folder %1 was interrupted before it renamed "
                              "any file.");
    } else {
        text = QStringLiteral("The journal of an interrupted rename run in the folder %1 is "
                              "damaged, so the run can be neither finished nor rolled back. "
                              "No file was touched.");
    }
    text = text.arg(folderText(recovery));
    if (!recovery.loadDetail().isEmpty())
        text += QStringLiteral(" (%1)").arg(recovery.loadDetail());
    text += QStringLiteral("\n\nThe journal is the hidden file %1 in that folder; the folder "
                           "cannot be renamed again until it is removed.")
                .arg(displayName(RenameJournal::fileName()));
    return text;
}

} // namespace renamereport
