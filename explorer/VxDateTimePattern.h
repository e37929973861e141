#pragma once

#include "explorer/VxDateTimeFormat.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>

#include <vector>

// A pattern of the date and time pattern language, read once into a list of steps so that
// writing many dates with it costs no parsing: a folder listing writes one text per row.
//
// Letters are case-insensitive and a token is a run of one letter: d to dddd (day, short and
// long day name), m to mmmm (month, or minutes right after an hour token), y/yy and yyy/yyyy,
// h/hh (a 12-hour clock when an am/pm token follows before the next hour token), n/nn, s/ss,
// t/tt (the short and long time patterns), "AM/PM" (the letters as written), "AMPM" (the
// locale's designator). "/" and ":" are the locale's separators, quoted text is copied without
// its quotes and any other character as it stands.
class VxDateTimePattern
{
public:
    VxDateTimePattern(const QString& pattern, const VxFormatSettings& settings);

    QString format(const QDate& date, const QTime& time) const;

private:
    enum class Kind : quint8
    {
        Text,
        Day,
        ShortDayName,
        LongDayName,
        Month,
        ShortMonthName,
        LongMonthName,
        Year,
        Hour,
        Minute,
        Second,
        AmPm, // `text` before noon, `other` from noon on
    };

    struct Step
    {
        Kind kind = Kind::Text;
        quint8 width = 1;
        bool twelveHour = false;
        QString text;
        QString other;
    };

    void compile(QStringView pattern, const VxFormatSettings& settings, int depth);
    void addText(const QString& text);
    void addStep(Kind kind, int width, bool twelveHour = false);

    std::vector<Step> m_steps;
    QStringList m_shortDayNames;
    QStringList m_longDayNames;
    QStringList m_shortMonthNames;
    QStringList m_longMonthNames;
    qsizetype m_sizeHint = 0;
};
