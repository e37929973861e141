#pragma once

#include "explorer/VxDateTimePattern.h"
#include "explorer/VxFileListTypes.h"

#include <QByteArray>
#include <QString>
#include <QTimeZone>

#include <array>

// What the texts of one folder pass are written with, as the file list view's properties and
// the time zone were when the folder was read: its rows share one of these and write their
// texts from it when asked, so a setting changed since the pass (a date format, the size unit,
// the zone) shows only after the next re-read, as it did when rows held their texts.
class ListingTexts
{
public:
    struct Options
    {
        QString folder; // ends with "/", begins every full path
        QString parentDirCaption;
        bool hideFileExt = false;
        TFileSize fileSize = fsKB;
        QString datePattern;
        QString timePattern;
    };

    explicit ListingTexts(const Options& options);

    const QString& folder() const { return m_options.folder; }
    const QString& parentDirCaption() const { return m_options.parentDirCaption; }
    bool hideFileExt() const { return m_options.hideFileExt; }
    TFileSize fileSize() const { return m_options.fileSize; }

    // The modified text of a time (nanoseconds since 1970 UTC) by the pass's patterns and zone.
    QString modifiedText(qint64 mtimeNsec) const;

private:
    QString localText(qint64 seconds) const;

    Options m_options;
    VxDateTimePattern m_pattern;
    QByteArray m_zoneVariable;
    QTimeZone m_zone;

    // Files often share their second, and a painted page asks for neighbouring rows: a few
    // recent texts are kept, indexed by the second.
    struct Slot
    {
        bool filled = false;
        qint64 seconds = 0;
        QString text;
    };
    mutable std::array<Slot, 64> m_slots;
};
