#include "core/rename/RenameReport.h"

#include "core/Text.h"
#include "platform/SyncedFolder.h"

#include <QHash>
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

int failedCount(const std::vector<RenameRowResult>& results)
{
    int failed = 0;
    for (const RenameRowResult& result : results) {
        if (!isSuccess(result.status))
            ++failed;
    }
    return failed;
}

// A reason and the rows that failed for it, in the order of their first row.
struct ReasonGroup
{
    QString reason;
    std::vector<size_t> rows;
};

std::vector<ReasonGroup> groupByReason(const std::vector<RenameRowResult>& results, size_t rows)
{
    std::vector<ReasonGroup> groups;
    QHash<QString, size_t> groupOf;
    for (size_t i = 0; i < results.size() && i < rows; ++i) {
        if (isSuccess(results[i].status))
            continue;
        const QString reason = results[i].text();
        const auto found = groupOf.constFind(reason);
        if (found == groupOf.constEnd()) {
            groupOf.insert(reason, groups.size());
            groups.push_back({reason, {i}});
        } else {
            groups[found.value()].rows.push_back(i);
        }
    }
    return groups;
}

} // namespace

QString displayName(const QByteArray& name)
{
    return QString::fromUtf8(name);
}

QString elidedName(const QString& name, int maxChars)
{
    if (name.size() <= maxChars)
        return name;
    const QChar ellipsis(0x2026);
    qsizetype head = (maxChars - 1) * 2 / 3;
    qsizetype tail = maxChars - 1 - head;
    // A character outside the Basic Multilingual Plane is two code units: keep it whole.
    if (head > 0 && name.at(head - 1).isHighSurrogate())
        --head;
    if (tail > 0 && name.at(name.size() - tail).isLowSurrogate())
        --tail;
    return name.left(head) + ellipsis + name.right(tail);
}

QString completionSummary(const std::vector<RenameRequest>& rows,
                          const std::vector<RenameRowResult>& results)
{
    constexpr int kShownNames = 5;
    constexpr int kNameChars = 60;
    QString text = text::entry(text::MessageTexts, kCompletedMessage);
    const int failed = failedCount(results);
    if (failed == 0)
        return text;
    const int total = int(results.size());
    text += QStringLiteral("\n\n") + text::entry(text::ReportTexts, 0)
                                         .arg(QString::number(total - failed),
                                              QString::number(total), QString::number(failed));
    for (const ReasonGroup& group : groupByReason(results, rows.size())) {
        text += QStringLiteral("\n\n%1 (%2)").arg(group.reason).arg(group.rows.size());
        for (size_t k = 0; k < group.rows.size() && k < size_t(kShownNames); ++k)
            text += QStringLiteral("\n    ") +
                    elidedName(displayName(rows[group.rows[k]].oldName), kNameChars);
        if (group.rows.size() > size_t(kShownNames))
            text += QStringLiteral("\n    ") +
                    text::entry(text::ReportTexts, 1).arg(group.rows.size() - kShownNames);
    }
    text += QStringLiteral("\n\n") + text::entry(text::ReportTexts, 2);
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
    const QString journal = displayName(RenameJournal::fileName());
    QString detail;
    if (!recovery.loadDetail().isEmpty())
        detail = QStringLiteral(" (%1)").arg(recovery.loadDetail());
    if (recovery.loadResult() == RenameJournal::Load::Incomplete) {
        return QStringLiteral("A rename run in the folder %1 was interrupted before it renamed "
                              "any file.%2\n\nThe journal is the hidden file %3 in that folder; "
                              "the folder cannot be renamed again until it is removed.")
            .arg(folderText(recovery), detail, journal);
    }
    QString text = QStringLiteral("The journal of a rename run in the folder %1 cannot be "
                                  "used%2, so the run can be neither finished nor rolled back "
                                  "from it. Files of the folder may have been renamed before "
                                  "the run stopped; nothing is renamed from this journal.")
                       .arg(folderText(recovery), detail);
    const std::vector<QByteArray> temporary = recovery.temporaryNames();
    if (!temporary.empty()) {
        constexpr size_t kShown = 20;
        text += QStringLiteral("\n\n%1 of the folder carry a temporary name of a rename run; "
                               "give them their names by hand:")
                    .arg(filesText(int(temporary.size())));
        for (size_t i = 0; i < temporary.size() && i < kShown; ++i)
            text += QLatin1Char('\n') + displayName(temporary[i]);
        if (temporary.size() > kShown)
            text += QStringLiteral("\n(and %1 more)").arg(temporary.size() - kShown);
    }
    text += QStringLiteral("\n\nSet the journal aside to rename in this folder again: it stays "
                           "in the folder, renamed to %1.set-aside- followed by the date and "
                           "time.")
                .arg(journal);
    return text;
}

QString foreignJournalQuestion(const RenameRecovery& recovery)
{
    return QStringLiteral(
               "The folder %1 holds the journal of an interrupted rename run that this program "
               "did not start here: it may come from another user, from another computer (a "
               "volume moved while a run was going on), or have been put there.\n\nIt would "
               "rename %2 inside this folder (%3 under the new name now, %4 under the old "
               "name%5).\n\nFinish or roll back that run only if you know where it comes from; "
               "otherwise set the journal aside (it stays in the folder under another name) "
               "or leave it for later. Nothing is renamed unless you choose to.")
        .arg(folderText(recovery), filesText(recovery.plannedFiles()),
             QString::number(recovery.countAtNew()), QString::number(recovery.countAtOld()),
             recovery.countElsewhere() > 0
                 ? QStringLiteral(", %1 elsewhere").arg(recovery.countElsewhere())
                 : QString());
}

QString setAsideFailedText(const RenameRecovery& recovery, int sysError)
{
    return QStringLiteral("The journal in the folder %1 could not be set aside (%2).")
        .arg(folderText(recovery), platform::sysErrorText(sysError));
}

QString journalKeptText(int finishError)
{
    if (finishError == 0)
        return QString();
    return QStringLiteral("The end of the run could not be made safe (%1): its journal stays in "
                          "the folder, and opening the folder again offers to finish it.")
        .arg(platform::sysErrorText(finishError));
}

} // namespace renamereport
