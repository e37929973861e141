#include "explorer/VxConsts.h"
#include "explorer/VxDialogTexts.h"
#include "explorer/VxShellUtils.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/TestDir.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTest>

Q_DECLARE_METATYPE(TLanguage)
Q_DECLARE_METATYPE(VxKey)

namespace {

QByteArray bytes(const TestDir& dir, const QString& name)
{
    return QFile::encodeName(dir.filePath(name));
}

// Sets the list's language for the life of a test and puts the old one back.
class ListLanguageScope
{
public:
    explicit ListLanguageScope(TLanguage language) : m_old(ListLanguage)
    {
        ListLanguage = language;
    }
    ~ListLanguageScope() { ListLanguage = m_old; }
    ListLanguageScope(const ListLanguageScope&) = delete;
    ListLanguageScope& operator=(const ListLanguageScope&) = delete;

private:
    TLanguage m_old;
};

} // namespace

class TestOperationTexts : public QObject
{
    Q_OBJECT

private slots:
    void newKeysInFrenchAndEnglish_data();
    void newKeysInFrenchAndEnglish();
    void englishKeepsTheDialogsOwnWording();
    void otherLanguagesUseEnglish();
    void replaceQuestionInTheListLanguage_data();
    void replaceQuestionInTheListLanguage();
    void propertiesInTheListLanguage_data();
    void propertiesInTheListLanguage();
};

void TestOperationTexts::newKeysInFrenchAndEnglish_data()
{
    QTest::addColumn<VxKey>("key");
    for (int key = 73; key <= int(VxLastKey); ++key)
        QTest::addRow("key-%d", key) << VxKey(key);
}

void TestOperationTexts::newKeysInFrenchAndEnglish()
{
    QFETCH(VxKey, key);
    const QString english = VxText(lnEnglish, key);
    const QString french = VxText(lnFrench, key);
    QVERIFY(!english.isEmpty());
    QVERIFY(!french.isEmpty());
    QVERIFY2(french != english, qPrintable(english));
    // A placeholder lost in translation would drop the name or the reason.
    for (const QString& mark : {QStringLiteral("%1"), QStringLiteral("%2")})
        QCOMPARE(french.contains(mark), english.contains(mark));
    QCOMPARE(french.count(u'&'), english.count(u'&'));
}

void TestOperationTexts::englishKeepsTheDialogsOwnWording()
{
    using Op = platform::FileOperationTexts;
    const Op own;
    const Op english = VxFileOperationTexts(lnEnglish);
    const QString Op::*const opFields[] = {&Op::destinationsMismatch,
                                           &Op::movingLabel,
                                           &Op::copyingLabel,
                                           &Op::movingTitle,
                                           &Op::copyingTitle,
                                           &Op::cancel,
                                           &Op::insideSource,
                                           &Op::sameFile,
                                           &Op::fileExists,
                                           &Op::folderExists,
                                           &Op::unsupportedKind,
                                           &Op::confirmDeleteTitle,
                                           &Op::deleteForGood,
                                           &Op::confirmDeleteOne,
                                           &Op::confirmDeleteMany,
                                           &Op::confirmReplaceTitle,
                                           &Op::confirmReplace,
                                           &Op::yes,
                                           &Op::yesToAll,
                                           &Op::no,
                                           &Op::skip,
                                           &Op::errorMoveTitle,
                                           &Op::errorCopyTitle,
                                           &Op::errorDeleteTitle,
                                           &Op::errorRenameTitle,
                                           &Op::cannotMove,
                                           &Op::cannotCopy,
                                           &Op::cannotDelete,
                                           &Op::cannotRename};
    for (const auto field : opFields)
        QCOMPARE(english.*field, own.*field);

    using Prop = platform::PropertiesTexts;
    const Prop ownProp;
    const Prop englishProp = VxPropertiesTexts(lnEnglish);
    const QString Prop::*const propFields[] = {
        &Prop::title,    &Prop::name,        &Prop::type,      &Prop::location,    &Prop::size,
        &Prop::modified, &Prop::permissions, &Prop::sizeBytes, &Prop::folderCounts};
    for (const auto field : propFields)
        QCOMPARE(englishProp.*field, ownProp.*field);
}

void TestOperationTexts::otherLanguagesUseEnglish()
{
    QCOMPARE(VxText(lnGerman, VxKey::OpConfirmReplace), VxText(lnEnglish, VxKey::OpConfirmReplace));
    QCOMPARE(VxFileOperationTexts(lnSysDefault).confirmReplace,
             platform::FileOperationTexts().confirmReplace);
}

void TestOperationTexts::replaceQuestionInTheListLanguage_data()
{
    QTest::addColumn<TLanguage>("language");
    QTest::addColumn<QString>("no");
    QTest::addColumn<QString>("seen");
    QTest::newRow("french") << lnFrench << QStringLiteral("&Non")
                            << QStringLiteral("Confirmer le remplacement du fichier|Ce dossier "
                                              "contient déjà un fichier nommé \"song.mp3\".\n\n"
                                              "Voulez-vous remplacer le fichier existant ?");
    QTest::newRow("english") << lnEnglish << QStringLiteral("&No")
                             << QStringLiteral("Confirm File Replace|This folder already contains "
                                               "a file named \"song.mp3\".\n\n"
                                               "Do you want to replace the existing file?");
    QTest::newRow("unset-is-english") << lnSysDefault << QStringLiteral("&No")
                                      << QStringLiteral("Confirm File Replace|This folder already "
                                                        "contains a file named \"song.mp3\".\n\n"
                                                        "Do you want to replace the existing "
                                                        "file?");
}

void TestOperationTexts::replaceQuestionInTheListLanguage()
{
    QFETCH(TLanguage, language);
    QFETCH(QString, no);
    QFETCH(QString, seen);
    const ListLanguageScope scope(language);
    TestDir dir;
    QVERIFY(dir.createFile(QStringLiteral("a/song.mp3"), "new"));
    QVERIFY(dir.createFile(QStringLiteral("b/song.mp3"), "old"));
    ModalAnswerer answerer;
    // Pressing the button by its worded text proves the buttons speak the language too.
    answerer.answer(no);
    QVERIFY(!RunShellFileOperation(2, QList<QByteArray>{bytes(dir, QStringLiteral("a/song.mp3"))},
                                   QList<QByteArray>{bytes(dir, QStringLiteral("b/song.mp3"))}));
    QCOMPARE(answerer.seen, QStringList{seen});
    QVERIFY(!answerer.unexpected);
    QCOMPARE(dir.read(QStringLiteral("b/song.mp3")), QByteArray("old"));
}

void TestOperationTexts::propertiesInTheListLanguage_data()
{
    QTest::addColumn<TLanguage>("language");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("size");
    QTest::newRow("french") << lnFrench << QStringLiteral("Propriétés de song.mp3")
                            << QStringLiteral("5 octets");
    QTest::newRow("english") << lnEnglish << QStringLiteral("song.mp3 Properties")
                             << QStringLiteral("5 bytes");
}

void TestOperationTexts::propertiesInTheListLanguage()
{
    QFETCH(TLanguage, language);
    QFETCH(QString, title);
    QFETCH(QString, size);
    const ListLanguageScope scope(language);
    TestDir dir;
    QVERIFY(dir.createFile(QStringLiteral("song.mp3"), "music"));
    ShowShellProperties(dir.filePath(QStringLiteral("song.mp3")));
    QDialog* dialog = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == QLatin1String("PropertiesDialog") && top->isVisible())
            dialog = qobject_cast<QDialog*>(top);
    }
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), title);
    const auto* value = dialog->findChild<QLabel*>(QStringLiteral("SizeValue"));
    QVERIFY(value);
    QVERIFY2(value->text().contains(size), qPrintable(value->text()));
    dialog->close();
}

QTEST_MAIN(TestOperationTexts)
#include "tst_operationtexts.moc"
