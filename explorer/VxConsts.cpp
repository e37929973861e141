#include "explorer/VxConsts.h"

#include "explorer/VxConstsTextSets.h"

#include <QLocale>

#include <array>

TLanguage TreeLanguage = lnSysDefault;
TLanguage ListLanguage = lnSysDefault;

namespace {

constexpr int FirstSharedKey = 40;
constexpr int SharedCount = vxconsts::TextCount - FirstSharedKey + 1;

enum class Loader
{
    Tree,
    List,
    Both
};

// Which loader writes each shared slot, in slot order (keys 40 to 72).
constexpr std::array<Loader, SharedCount> SlotLoaders = {
    Loader::Tree, // DriveLabel
    Loader::Tree, // FolderQuote
    Loader::Both, // ErrorPrefix
    Loader::Both, // FileWord
    Loader::Tree, // FromLabel
    Loader::Tree, // ToLabel
    Loader::List, // CancelCaption
    Loader::List, // BrowseCaption
    Loader::List, // ReadOnlyCaption
    Loader::List, // ArchiveCaption
    Loader::List, // HiddenCaption
    Loader::List, // SystemCaption
    Loader::Both, // CannotPrefix
    Loader::Both, // SpecifyDirectory
    Loader::Both, // InvalidDriveId
    Loader::Both, // DriveNotReady
    Loader::Both, // AlreadyExists
    Loader::Tree, // InvalidDirName
    Loader::Tree, // ConfirmRenameFolder
    Loader::Tree, // CannotAddDrives
    Loader::Both, // NewFolderName
    Loader::Tree, // InvalidFolderChars
    Loader::Tree, // NotFound
    Loader::Tree, // FilesIn
    Loader::Tree, // FileOpFailed
    Loader::List, // ItsReadOnly
    Loader::List, // NoFileSelected
    Loader::List, // SendToAnyFolder
    Loader::List, // EnterSendToPath
    Loader::List, // ShortcutSaveFailed
    Loader::List, // SetAttributesTitle
    Loader::Tree, // TreeSizeTitle
    Loader::Tree, // AndSubFolders
};

std::array<QString, SharedCount>& sharedSlots()
{
    static std::array<QString, SharedCount> table;
    return table;
}

const char* const* textSet(TLanguage language)
{
    switch (language) {
    case lnEnglish:
        return vxconsts::EnglishTexts;
    case lnChinese_Tra:
        return vxconsts::ChineseTraditionalTexts;
    case lnChinese_Sim:
        return vxconsts::ChineseSimplifiedTexts;
    case lnDutch:
        return vxconsts::DutchTexts;
    case lnFrench:
        return vxconsts::FrenchTexts;
    case lnGerman:
        return vxconsts::GermanTexts;
    case lnItalian:
        return vxconsts::ItalianTexts;
    case lnJapanese:
        return vxconsts::JapaneseTexts;
    case lnPolish:
        return vxconsts::PolishTexts;
    case lnPortuguese:
        return vxconsts::PortugueseTexts;
    case lnSlovenian:
        return vxconsts::SlovenianTexts;
    case lnSlovak:
        return vxconsts::SlovakTexts;
    case lnSpanish:
        return vxconsts::SpanishTexts;
    case lnSysDefault:
        break;
    }
    return nullptr;
}

void loadSlots(TLanguage language, Loader loader)
{
    const char* const* texts = textSet(language);
    if (!texts)
        return;
    auto& table = sharedSlots();
    for (int slot = 0; slot < SharedCount; ++slot) {
        if (SlotLoaders[slot] == loader || SlotLoaders[slot] == Loader::Both)
            table[slot] = QString::fromUtf8(texts[FirstSharedKey - 1 + slot]);
    }
}

// Windows primary language numbers of the languages that have a text set, plus the ones a
// test or a user is likely to meet.
struct LanguageNumber
{
    QLocale::Language language;
    quint16 primary;
};

constexpr LanguageNumber PrimaryLanguages[] = {
    {QLocale::Arabic, 0x01},     {QLocale::Bulgarian, 0x02},
    {QLocale::Catalan, 0x03},    {QLocale::Chinese, 0x04},
    {QLocale::Czech, 0x05},      {QLocale::Danish, 0x06},
    {QLocale::German, 0x07},     {QLocale::Greek, 0x08},
    {QLocale::English, 0x09},    {QLocale::Spanish, 0x0A},
    {QLocale::Finnish, 0x0B},    {QLocale::French, 0x0C},
    {QLocale::Hebrew, 0x0D},     {QLocale::Hungarian, 0x0E},
    {QLocale::Icelandic, 0x0F},  {QLocale::Italian, 0x10},
    {QLocale::Japanese, 0x11},   {QLocale::Korean, 0x12},
    {QLocale::Dutch, 0x13},      {QLocale::NorwegianBokmal, 0x14},
    {QLocale::Polish, 0x15},     {QLocale::Portuguese, 0x16},
    {QLocale::Romanian, 0x18},   {QLocale::Russian, 0x19},
    {QLocale::Croatian, 0x1A},   {QLocale::Slovak, 0x1B},
    {QLocale::Albanian, 0x1C},   {QLocale::Swedish, 0x1D},
    {QLocale::Thai, 0x1E},       {QLocale::Turkish, 0x1F},
    {QLocale::Indonesian, 0x21}, {QLocale::Ukrainian, 0x22},
    {QLocale::Belarusian, 0x23}, {QLocale::Slovenian, 0x24},
    {QLocale::Estonian, 0x25},   {QLocale::Latvian, 0x26},
    {QLocale::Lithuanian, 0x27}, {QLocale::Vietnamese, 0x2A},
};

constexpr quint16 LangEnglishUS = 0x0409;

quint16 makeLanguageId(quint16 primary, quint16 sub)
{
    return quint16((sub << 10) | primary);
}

// The Chinese sublanguages: 1 Taiwan, 2 mainland, 3 Hong Kong, 4 Singapore, 5 Macao.
quint16 chineseSublanguage(const QLocale& locale)
{
    switch (locale.territory()) {
    case QLocale::Taiwan:
        return 1;
    case QLocale::China:
        return 2;
    case QLocale::HongKong:
        return 3;
    case QLocale::Singapore:
        return 4;
    case QLocale::Macao:
        return 5;
    default:
        break;
    }
    return locale.script() == QLocale::TraditionalHanScript ? 1 : 2;
}

} // namespace

QString VxText(TLanguage language, VxKey key)
{
    const int index = int(key) - 1;
    const char* const* texts = textSet(language);
    if (!texts || index < 0 || index >= vxconsts::TextCount + vxconsts::OwnTextCount)
        return QString();
    if (index < vxconsts::TextCount)
        return QString::fromUtf8(texts[index]);
    const char* const* own =
        language == lnFrench ? vxconsts::FrenchOwnTexts : vxconsts::EnglishOwnTexts;
    return QString::fromUtf8(own[index - vxconsts::TextCount]);
}

QString VxSharedText(VxKey key)
{
    const int slot = int(key) - FirstSharedKey;
    if (slot < 0 || slot >= SharedCount)
        return QString();
    return sharedSlots()[slot];
}

void LoadTreeTexts()
{
    loadSlots(TreeLanguage, Loader::Tree);
}

void LoadListTexts()
{
    loadSlots(ListLanguage, Loader::List);
}

TLanguage ResolveLanguageId(quint16 languageId)
{
    const quint16 primary = languageId & 0x3FF;
    const quint16 sub = languageId >> 10;
    switch (primary) {
    case 0x04:
        return sub == 2 ? lnChinese_Sim : lnChinese_Tra;
    case 0x07:
        return lnGerman;
    case 0x0A:
        return lnSpanish;
    case 0x0C:
        return lnFrench;
    case 0x10:
        return lnItalian;
    case 0x11:
        return lnJapanese;
    case 0x13:
        return lnDutch;
    case 0x15:
        return lnPolish;
    case 0x16:
        return lnPortuguese;
    case 0x1B:
        return lnSlovak;
    case 0x24:
        return lnSlovenian;
    default:
        break;
    }
    return lnEnglish;
}

TLanguage ResolveLanguage(TLanguage value, quint16 languageId)
{
    return value != lnSysDefault ? value : ResolveLanguageId(languageId);
}

quint16 WindowsLanguageId(const QLocale& locale)
{
    if (locale.language() == QLocale::Chinese)
        return makeLanguageId(0x04, chineseSublanguage(locale));
    for (const LanguageNumber& entry : PrimaryLanguages) {
        if (entry.language == locale.language())
            return makeLanguageId(entry.primary, 1);
    }
    return LangEnglishUS;
}

quint16 UserDefaultLanguageId()
{
    return WindowsLanguageId(QLocale::system());
}

quint16 SystemDefaultLanguageId()
{
    return WindowsLanguageId(QLocale::system());
}
