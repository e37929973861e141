#include "core/rename/UndoReport.h"

#include "core/UndoTexts.h"
#include "core/rename/RenameReport.h"

#include <QDateTime>
#include <QStringList>

namespace undoreport {

using renaming::UndoOutcome;

QString runTime(const renaming::RecordedRun& run)
{
    return QDateTime::fromMSecsSinceEpoch(run.finishedMsecs, Qt::UTC)
        .toLocalTime()
        .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString question(const renaming::RecordedRun& run)
{
    return undotexts::entry(undotexts::Question)
        .arg(runTime(run), QString::number(run.files.size()));
}

QString damagedText(renaming::RunHistory::Damage damage)
{
    using Damage = renaming::RunHistory::Damage;
    const undotexts::Entry what = damage == Damage::TooLarge  ? undotexts::DamageTooLarge
                                  : damage == Damage::BadName ? undotexts::DamageBadName
                                                              : undotexts::DamageUnreadable;
    return undotexts::entry(undotexts::HistoryDamaged).arg(undotexts::entry(what));
}

QString summary(const std::vector<UndoOutcome>& outcomes)
{
    int back = 0;
    int changed = 0;
    // Reasons in the order of their first file.
    QStringList reasons;
    QList<QStringList> names;
    for (const UndoOutcome& outcome : outcomes) {
        if (outcome.back) {
            ++back;
            changed += outcome.changed ? 1 : 0;
            continue;
        }
        qsizetype at = reasons.indexOf(outcome.reason);
        if (at < 0) {
            at = reasons.size();
            reasons << outcome.reason;
            names << QStringList();
        }
        names[at] << renamereport::displayName(outcome.name);
    }
    QString text = undotexts::entry(undotexts::BackCount)
                       .arg(QString::number(back), QString::number(outcomes.size()));
    if (changed > 0)
        text += QStringLiteral("\n\n") +
                undotexts::entry(undotexts::ChangedCount).arg(QString::number(changed));
    const qsizetype leftAlone = qsizetype(outcomes.size()) - back;
    if (leftAlone == 0)
        return text;
    text += QStringLiteral("\n\n") +
            undotexts::entry(undotexts::LeftAloneCount).arg(QString::number(leftAlone));
    for (qsizetype r = 0; r < reasons.size(); ++r)
        text += QStringLiteral("\n\n") + renamereport::reasonText(reasons[r], names[r]);
    return text + QStringLiteral("\n\n") + undotexts::entry(undotexts::DetailsHint);
}

QString details(const std::vector<UndoOutcome>& outcomes)
{
    QStringList lines;
    for (const UndoOutcome& outcome : outcomes) {
        const QString name = renamereport::displayName(outcome.name) + QStringLiteral(": ");
        if (!outcome.back)
            lines << name + outcome.reason;
        else if (outcome.changed)
            lines << name + undotexts::entry(undotexts::ChangedButBack);
    }
    return lines.join(u'\n');
}

} // namespace undoreport
