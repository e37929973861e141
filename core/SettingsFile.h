#pragma once

#include "core/Text.h"

#include <QByteArray>
#include <QString>

// The settings file ORVENFR.cfg: three CR LF lines of which only the third, the language, is
// read. A program run from the folder it was built in keeps it beside itself; an installed one
// (under /usr or /opt), or one whose folder cannot be written, keeps it in the user's
// configuration folder.
class SettingsFile
{
public:
    // Files longer than this are read only up to here.
    static constexpr qint64 MaxReadBytes = 64 * 1024;

    // An empty `besideExecutable` leaves the user's configuration folder as the only place.
    SettingsFile(const QString& besideExecutable, const QString& inUserConfig);

    // The places for a program in `programFolder`: beside it, unless it lies under a system
    // prefix, and ORVEN/ in `configFolder`.
    static SettingsFile forProgramFolder(const QString& programFolder, const QString& configFolder);
    // The places for the running executable and the user's configuration folder.
    static SettingsFile standardLocations();

    // The file that is written: the one beside the executable when there is one and it can be
    // written.
    QString writePath() const;
    // The file that is read: the written one when it exists, else the other one when it exists;
    // empty when neither does.
    QString readPath() const;

    // Writes the three lines for `language`; throws InOutError.
    void save(text::LanguageIndex language) const;
    // Reads the language, writing an English file first when there is none; throws InOutError.
    text::LanguageIndex load() const;

    // The language a file's bytes select: English only for a third line that is exactly
    // "English". A CR ends a line (a LF right after it is skipped), a LF alone does not, the
    // byte 26 ends the file, and a missing line reads as empty.
    static text::LanguageIndex languageFromBytes(const QByteArray& bytes);
    static QByteArray bytesForLanguage(text::LanguageIndex language);

private:
    QString m_besideExecutable;
    QString m_inUserConfig;
};
