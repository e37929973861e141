#include "explorer/VxConsts.h"

#include <QLocale>
#include <QTest>

Q_DECLARE_METATYPE(TLanguage)
Q_DECLARE_METATYPE(VxKey)

namespace {

enum class Writer
{
    Tree,
    List,
    Both
};

const QList<TLanguage> AllLanguages = {
    lnEnglish,  lnChinese_Tra, lnChinese_Sim, lnDutch,     lnFrench, lnGerman, lnItalian,
    lnJapanese, lnPolish,      lnPortuguese,  lnSlovenian, lnSlovak, lnSpanish};

QList<VxKey> keysFrom(int first, int last)
{
    QList<VxKey> keys;
    for (int key = first; key <= last; ++key)
        keys.append(VxKey(key));
    return keys;
}

} // namespace

Q_DECLARE_METATYPE(Writer)

class TestVxConsts : public QObject
{
    Q_OBJECT

private slots:
    void sharedSlotsEmptyAtStart();
    void resolveLanguageId_data();
    void resolveLanguageId();
    void resolveKeepsAConcreteLanguage();
    void windowsLanguageId_data();
    void windowsLanguageId();
    void loadersFillTheirSlots_data();
    void loadersFillTheirSlots();
    void exactTexts_data();
    void exactTexts();
    void textSetsComplete_data();
    void textSetsComplete();
    void outOfRangeKeysAreEmpty();
};

// Must run first: it checks the state before any loader ran.
void TestVxConsts::sharedSlotsEmptyAtStart()
{
    QCOMPARE(TreeLanguage, lnSysDefault);
    QCOMPARE(ListLanguage, lnSysDefault);
    LoadTreeTexts();
    LoadListTexts();
    for (VxKey key : keysFrom(40, 72))
        QVERIFY2(VxSharedText(key).isEmpty(), qPrintable(QString::number(int(key))));
}

void TestVxConsts::resolveLanguageId_data()
{
    QTest::addColumn<int>("languageId");
    QTest::addColumn<TLanguage>("expected");
    QTest::newRow("chinese/taiwan-sub1") << 0x0404 << lnChinese_Tra;
    QTest::newRow("chinese/mainland-sub2") << 0x0804 << lnChinese_Sim;
    QTest::newRow("chinese/hongkong-sub3") << 0x0C04 << lnChinese_Tra;
    QTest::newRow("chinese/singapore-sub4") << 0x1004 << lnChinese_Tra;
    QTest::newRow("russian") << 0x0419 << lnEnglish;
    QTest::newRow("english/us") << 0x0409 << lnEnglish;
    QTest::newRow("neutral") << 0x0000 << lnEnglish;
    QTest::newRow("french/france") << 0x040C << lnFrench;
    QTest::newRow("french/canada") << 0x0C0C << lnFrench;
    QTest::newRow("german/austria") << 0x0C07 << lnGerman;
    QTest::newRow("spanish/mexico") << 0x080A << lnSpanish;
    QTest::newRow("italian") << 0x0410 << lnItalian;
    QTest::newRow("japanese") << 0x0411 << lnJapanese;
    QTest::newRow("dutch/belgium") << 0x0813 << lnDutch;
    QTest::newRow("polish") << 0x0415 << lnPolish;
    QTest::newRow("portuguese/brazil") << 0x0416 << lnPortuguese;
    QTest::newRow("slovak") << 0x041B << lnSlovak;
    QTest::newRow("slovenian") << 0x0424 << lnSlovenian;
    QTest::newRow("croatian-not-slovenian") << 0x041A << lnEnglish;
    QTest::newRow("primary-uses-10-bits") << 0x0424 + 0x0400 * 20 << lnSlovenian;
}

void TestVxConsts::resolveLanguageId()
{
    QFETCH(int, languageId);
    QFETCH(TLanguage, expected);
    QCOMPARE(ResolveLanguageId(quint16(languageId)), expected);
    QCOMPARE(ResolveLanguage(lnSysDefault, quint16(languageId)), expected);
}

void TestVxConsts::resolveKeepsAConcreteLanguage()
{
    QCOMPARE(ResolveLanguage(lnFrench, 0x0804), lnFrench);
    QCOMPARE(ResolveLanguage(lnEnglish, 0x040C), lnEnglish);
}

void TestVxConsts::windowsLanguageId_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("expected");
    QTest::newRow("zh_TW") << u"zh_TW"_qs << 0x0404;
    QTest::newRow("zh_CN") << u"zh_CN"_qs << 0x0804;
    QTest::newRow("zh_HK") << u"zh_HK"_qs << 0x0C04;
    QTest::newRow("ru_RU") << u"ru_RU"_qs << 0x0419;
    QTest::newRow("en_US") << u"en_US"_qs << 0x0409;
    QTest::newRow("fr_FR") << u"fr_FR"_qs << 0x040C;
    QTest::newRow("de_DE") << u"de_DE"_qs << 0x0407;
    QTest::newRow("sl_SI") << u"sl_SI"_qs << 0x0424;
    QTest::newRow("sk_SK") << u"sk_SK"_qs << 0x041B;
    QTest::newRow("pt_BR") << u"pt_BR"_qs << 0x0416;
    QTest::newRow("C") << u"C"_qs << 0x0409;
}

void TestVxConsts::windowsLanguageId()
{
    QFETCH(QString, locale);
    QFETCH(int, expected);
    QCOMPARE(int(WindowsLanguageId(QLocale(locale))), expected);
}

void TestVxConsts::loadersFillTheirSlots_data()
{
    QTest::addColumn<VxKey>("key");
    QTest::addColumn<Writer>("writer");
    const Writer writers[] = {Writer::Tree, Writer::Tree, Writer::Both, Writer::Both, Writer::Tree,
                              Writer::Tree, Writer::List, Writer::List, Writer::List, Writer::List,
                              Writer::List, Writer::List, Writer::Both, Writer::Both, Writer::Both,
                              Writer::Both, Writer::Both, Writer::Tree, Writer::Tree, Writer::Tree,
                              Writer::Both, Writer::Tree, Writer::Tree, Writer::Tree, Writer::Tree,
                              Writer::List, Writer::List, Writer::List, Writer::List, Writer::List,
                              Writer::List, Writer::Tree, Writer::Tree};
    int slot = 0;
    for (VxKey key : keysFrom(40, 72)) {
        const QByteArray name = "key-" + QByteArray::number(int(key));
        QTest::newRow(name.constData()) << key << writers[slot++];
    }
}

void TestVxConsts::loadersFillTheirSlots()
{
    QFETCH(VxKey, key);
    QFETCH(Writer, writer);

    TreeLanguage = lnGerman;
    LoadTreeTexts();
    ListLanguage = lnFrench;
    LoadListTexts();
    TreeLanguage = lnEnglish;
    LoadTreeTexts();
    const TLanguage afterTree = writer == Writer::List ? lnFrench : lnEnglish;
    QCOMPARE(VxSharedText(key), VxText(afterTree, key));

    ListLanguage = lnSpanish;
    LoadListTexts();
    const TLanguage afterList = writer == Writer::Tree ? lnEnglish : lnSpanish;
    QCOMPARE(VxSharedText(key), VxText(afterList, key));

    // A loader without a concrete language leaves every slot as it was.
    ListLanguage = lnSysDefault;
    LoadListTexts();
    TreeLanguage = lnSysDefault;
    LoadTreeTexts();
    QCOMPARE(VxSharedText(key), VxText(afterList, key));
}

void TestVxConsts::exactTexts_data()
{
    QTest::addColumn<TLanguage>("language");
    QTest::addColumn<VxKey>("key");
    QTest::addColumn<QString>("expected");
    QTest::newRow("fr/file-word-two-trailing-blanks")
        << lnFrench << VxKey::FileWord << u" le fichier  "_qs;
    QTest::newRow("en/file-word") << lnEnglish << VxKey::FileWord << u" file "_qs;
    QTest::newRow("fr/drive-not-ready-lecteurou")
        << lnFrench << VxKey::DriveNotReady
        << u"Il n'y a pas de disque dans le lecteurou le lecteur n'est pas prêt."_qs;
    QTest::newRow("fr/folder-quote") << lnFrench << VxKey::FolderQuote << u"Dossier \""_qs;
    QTest::newRow("en/folder-quote") << lnEnglish << VxKey::FolderQuote << u"Folder \""_qs;
    QTest::newRow("fr/already-exists-quote-first")
        << lnFrench << VxKey::AlreadyExists << u"\" existe déjà !"_qs;
    QTest::newRow("en/already-exists")
        << lnEnglish << VxKey::AlreadyExists << u"already exists !"_qs;
    QTest::newRow("fr/to-label") << lnFrench << VxKey::ToLabel << u"à     : "_qs;
    QTest::newRow("en/from-label") << lnEnglish << VxKey::FromLabel << u"From  : "_qs;
    QTest::newRow("fr/clipboard-file-name-double-blank")
        << lnFrench << VxKey::MenuClipboardFileName << u"Nom du fichier  dans le Presse-Papier"_qs;
    QTest::newRow("fr/col-modified") << lnFrench << VxKey::ColModified << u"Date"_qs;
    QTest::newRow("en/cannot-prefix") << lnEnglish << VxKey::CannotPrefix << u"ERROR - Can't "_qs;
    QTest::newRow("fr/cannot-prefix")
        << lnFrench << VxKey::CannotPrefix << u"ERREUR - Impossible de "_qs;
    QTest::newRow("fr/menu-cut") << lnFrench << VxKey::MenuCut << u"C&ouper"_qs;
    QTest::newRow("fr/tree-menu-cut") << lnFrench << VxKey::TreeMenuCut << u"Cou&per"_qs;
    QTest::newRow("en/new-folder-menu")
        << lnEnglish << VxKey::MenuNewFolder << u"&New Folder..."_qs;
    QTest::newRow("fr/and-sub-folders")
        << lnFrench << VxKey::AndSubFolders << u"et de tous ses sous-dossiers "_qs;
    QTest::newRow("fr/shortcut-save-failed")
        << lnFrench << VxKey::ShortcutSaveFailed
        << u"Erreur - Fichier protégé.L'enregistrement à échoué"_qs;
    QTest::newRow("en/first-key") << lnEnglish << VxKey::ColName << u"Name"_qs;
    QTest::newRow("fr/last-key") << lnFrench << VxKey::AndSubFolders
                                 << u"et de tous ses sous-dossiers "_qs;
}

void TestVxConsts::exactTexts()
{
    QFETCH(TLanguage, language);
    QFETCH(VxKey, key);
    QFETCH(QString, expected);
    QCOMPARE(VxText(language, key), expected);
}

void TestVxConsts::textSetsComplete_data()
{
    QTest::addColumn<TLanguage>("language");
    for (TLanguage language : AllLanguages) {
        const QByteArray name = "language-" + QByteArray::number(int(language));
        QTest::newRow(name.constData()) << language;
    }
}

// Every language has all 72 texts; the texts that are glued to others keep the blanks at their
// ends, and a menu caption keeps exactly one accelerator where the English one has one.
void TestVxConsts::textSetsComplete()
{
    QFETCH(TLanguage, language);
    int differentFromEnglish = 0;
    for (VxKey key : keysFrom(1, 72)) {
        const QString text = VxText(language, key);
        const QString english = VxText(lnEnglish, key);
        const QByteArray where = QByteArray::number(int(key)) + ": " + text.toUtf8();
        QVERIFY2(!text.isEmpty(), where.constData());
        QVERIFY2(text.endsWith(u' ') == english.endsWith(u' '), where.constData());
        QVERIFY2(text.startsWith(u' ') == english.startsWith(u' '), where.constData());
        if (english.contains(u'&'))
            QVERIFY2(text.count(u'&') == 1, where.constData());
        if (text != english)
            ++differentFromEnglish;
    }
    if (language != lnEnglish)
        QVERIFY(differentFromEnglish > 36);
}

void TestVxConsts::outOfRangeKeysAreEmpty()
{
    QVERIFY(VxText(lnSysDefault, VxKey::ColName).isEmpty());
    QVERIFY(VxText(lnEnglish, VxKey(0)).isEmpty());
    QVERIFY(VxText(lnEnglish, VxKey(int(VxLastKey) + 1)).isEmpty());
    QVERIFY(VxSharedText(VxKey::TreeMenuProperty).isEmpty());
    QVERIFY(VxSharedText(VxKey::OpConfirmReplace).isEmpty());
}

QTEST_GUILESS_MAIN(TestVxConsts)
#include "tst_vxconsts.moc"
