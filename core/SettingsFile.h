#pragma once

#include "core/Text.h"

#include <QByteArray>
#include <QString>

// The settings file ORVENFR.cfg: three CR LF lines of which only the third, the language, is
// read. It lives beside the executable; when that folder cannot be written (an installed
// program) it lives in the user's configuration folder instead.
class SettingsFile
{
public:
    // Files longer than this are read only up to here.
    static constexpr qint64 MaxReadBytes = 64 * 1024;

    SettingsFile(const QString& besideExecutable, const QString& inUserConfig);

    // The two real places: beside the running executable and ORVEN/ in the user's
    // configuration folder.
    static SettingsFile standardLocations();

    // The file that is written: the one beside the executable when that can be written.
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
