#include "core/rename/RenameReport.h"

#include "core/Text.h"
#include "core/rename/RenameTexts.h"
#include "platform/SyncedFolder.h"

#include <QHash>

#include <algorithm>

namespace renamereport {

using namespace renaming;

namespace {

constexpr int kCompletedMessage = 2;
constexpr int kShownNames = 5;
constexpr int kNameChars = 60;

QString folderText(const RenameRecovery& recovery)
{
    return displayName(recovery.folderPath());
}

QString recoveryEntry(text::recovery::Entry k)
{
    return text::entry(text::RecoveryTexts, k);
}

QString filesText(int count)
{
    return count == 1 ? recoveryEntry(text::recovery::OneFile)
                      : recoveryEntry(text::recovery::ManyFiles).arg(count);
}

QString elsewhereText(int count)
{
    return count > 0 ? recoveryEntry(text::recovery::PlacesElsewhere).arg(count) : QString();
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
    const int failed = failedCount(results);
    if (failed == 0)
        return text::entry(text::MessageTexts, kCompletedMessage);
    const int total = int(results.size());
    const QString renamed = QString::number(total - failed);
    const bool cancelled =
        std::any_of(results.begin(), results.end(), [](const RenameRowResult& result) {
            return result.status == RenameStatus::Cancelled;
        });
    // After a cancel the count says it all for the rows it left; the other reasons follow.
    QString text =
        cancelled ? text::entry(text::CompletionTexts, text::completion::CancelledSummary)
                        .arg(renamed, QString::number(total))
                  : text::entry(text::MessageTexts, kCompletedMessage) + QStringLiteral("\n\n") +
                        text::entry(text::ReportTexts, 0)
                            .arg(renamed, QString::number(total), QString::number(failed));
    for (const ReasonGroup& group : groupByReason(results, rows.size())) {
        if (results[group.rows.front()].status == RenameStatus::Cancelled)
            continue;
        QStringList names;
        names.reserve(qsizetype(group.rows.size()));
        for (const size_t row : group.rows)
            names << displayName(rows[row].oldName);
        text += QStringLiteral("\n\n") + reasonText(group.reason, names);
    }
    text += QStringLiteral("\n\n") + text::entry(text::ReportTexts, 2);
    return text;
}

QString reasonText(const QString& reason, const QStringList& names)
{
    QString text = QStringLiteral("%1 (%2)").arg(reason).arg(names.size());
    for (qsizetype k = 0; k < names.size() && k < kShownNames; ++k)
        text += QStringLiteral("\n    ") + elidedName(names[k], kNameChars);
    if (names.size() > kShownNames)
        text += QStringLiteral("\n    ") +
                text::entry(text::ReportTexts, 1).arg(names.size() - kShownNames);
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
    using namespace text::recovery;
    return recoveryEntry(RunInterrupted).arg(folderText(recovery)) + QStringLiteral("\n\n") +
           recoveryEntry(PlacesNow).arg(filesText(recovery.countAtNew()),
                                        QString::number(recovery.countAtOld())) +
           elsewhereText(recovery.countElsewhere()) + QStringLiteral(".\n\n") +
           recoveryEntry(FinishOrRollBack);
}

QString recoveryText(const RenameRecovery& recovery, RenameRecovery::Action action)
{
    using namespace text::recovery;
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
                                  : recoveryEntry(NowNamed).arg(displayName(row.currentName));
        RenameRowResult result{row.status, row.sysError, row.currentName};
        lines << displayName(finish ? row.oldName : row.newName) + where + QStringLiteral(": ") +
                     result.text();
    }
    QString text = recoveryEntry(finish ? Finished : RolledBackRun).arg(filesText(placed));
    if (!lines.isEmpty()) {
        text += QStringLiteral("\n\n") +
                recoveryEntry(NotPlaced).arg(filesText(int(lines.size()))) + QLatin1Char('\n') +
                lines.join(QLatin1Char('\n'));
    }
    if (!recovery.journalRemoved())
        text += QStringLiteral("\n\n") + recoveryEntry(JournalStays);
    return text;
}

QString unusableJournalText(const RenameRecovery& recovery)
{
    using namespace text::recovery;
    const QString journal = displayName(RenameJournal::fileName());
    QString detail;
    if (!recovery.loadDetail().isEmpty())
        detail = QStringLiteral(" (%1)").arg(recovery.loadDetail());
    if (recovery.loadResult() == RenameJournal::Load::Incomplete)
        return recoveryEntry(InterruptedBeforeRenames).arg(folderText(recovery), detail, journal);
    QString text = recoveryEntry(JournalUnusable).arg(folderText(recovery), detail);
    const std::vector<QByteArray> temporary = recovery.temporaryNames();
    if (!temporary.empty()) {
        constexpr size_t kShown = 20;
        text += QStringLiteral("\n\n") +
                recoveryEntry(TemporaryNamesLeft).arg(filesText(int(temporary.size())));
        for (size_t i = 0; i < temporary.size() && i < kShown; ++i)
            text += QLatin1Char('\n') + displayName(temporary[i]);
        if (temporary.size() > kShown)
            text += QLatin1Char('\n') +
                    text::entry(text::ReportTexts, 1).arg(temporary.size() - kShown);
    }
    return text + QStringLiteral("\n\n") + recoveryEntry(SetAsideHint).arg(journal);
}

QString foreignJournalQuestion(const RenameRecovery& recovery)
{
    return recoveryEntry(text::recovery::ForeignJournal)
        .arg(folderText(recovery), filesText(recovery.plannedFiles()),
             QString::number(recovery.countAtNew()), QString::number(recovery.countAtOld()),
             elsewhereText(recovery.countElsewhere()));
}

QString setAsideFailedText(const RenameRecovery& recovery, int sysError)
{
    return recoveryEntry(text::recovery::SetAsideFailed)
        .arg(folderText(recovery), platform::sysErrorText(sysError));
}

QString journalKeptText(int finishError)
{
    if (finishError == 0)
        return QString();
    return text::entry(text::CompletionTexts, text::completion::JournalKept)
        .arg(platform::sysErrorText(finishError));
}

} // namespace renamereport
