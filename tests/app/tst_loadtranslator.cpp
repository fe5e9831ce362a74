#include "app/LoadTranslator.h"
#include "support/TestFolder.h"

#include <QCoreApplication>
#include <QTranslator>
#include <QtTest>

namespace {
QStringList g_debugLines;

void CaptureDebug(QtMsgType, const QMessageLogContext&, const QString& message)
{
    g_debugLines.append(message);
}
} // namespace

class TestLoadTranslator : public QObject
{
    Q_OBJECT

private slots:
    void translationFile_followsLocale_data();
    void translationFile_followsLocale();
    void emptyLangFolder_keepsSourceTexts();
    void chineseFile_translatesTheDeviceManager();
    void chineseLocale_alsoTranslatesQtsOwnTexts();
};

void TestLoadTranslator::translationFile_followsLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("file");
    QTest::newRow("zh_CN") << "zh_CN"
                           << "./Lang/Lang_Chinese";
    QTest::newRow("zh_cn") << "zh_cn"
                           << "./Lang/Lang_Chinese";
    QTest::newRow("zh_TW") << "zh_TW"
                           << "./Lang/Lang_Chinese";
    QTest::newRow("en_US") << "en_US"
                           << "./Lang/Lang_English";
    QTest::newRow("de_DE") << "de_DE"
                           << "./Lang/Lang_English";
    QTest::newRow("C") << "C"
                       << "./Lang/Lang_English";
}

void TestLoadTranslator::translationFile_followsLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, file);
    QCOMPARE(TranslationFileForLocale(locale), file);
}

void TestLoadTranslator::emptyLangFolder_keepsSourceTexts()
{
    TestFolder folder;
    g_debugLines.clear();
    QLoggingCategory::setFilterRules(QStringLiteral("driver.*.debug=true"));
    const QtMessageHandler previous = qInstallMessageHandler(CaptureDebug);
    LoadTranslator();
    qInstallMessageHandler(previous);

    QVERIFY(g_debugLines.contains(QStringLiteral("locale \"%1\"").arg(QLocale::system().name())));
    QVERIFY(!g_debugLines.contains(QStringLiteral("qm load success")));
    QCOMPARE(QCoreApplication::translate("DeviceManager", "Device Manager"), QStringLiteral("Device Manager"));
}

void TestLoadTranslator::chineseFile_translatesTheDeviceManager()
{
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(DRIVER_LANG_DIR "/Lang_Chinese")));
    const QString title = translator.translate("DeviceManager", "Device Manager");
    QVERIFY(!title.isEmpty());
    QVERIFY(title != QStringLiteral("Device Manager"));
    QTranslator english;
    QVERIFY(english.load(QStringLiteral(DRIVER_LANG_DIR "/Lang_English")));
}

void TestLoadTranslator::chineseLocale_alsoTranslatesQtsOwnTexts()
{
    // A standard button and a file dialog label.
    const char* const texts[][2] = {{"QPlatformTheme", "Cancel"}, {"QFileDialog", "Look in:"}};
    for (const auto& text : texts)
        QCOMPARE(QCoreApplication::translate(text[0], text[1]), QString::fromLatin1(text[1]));
    TestFolder folder;
    // Even without the program's own file, Qt's dialogs follow the Chinese locale.
    LoadTranslator(QStringLiteral("zh_TW"));
    for (const auto& text : texts) {
        const QString translated = QCoreApplication::translate(text[0], text[1]);
        QVERIFY2(
            translated.contains(QRegularExpression(QStringLiteral("[\\x{4e00}-\\x{9fff}]"))), qPrintable(translated));
    }
}

QTEST_GUILESS_MAIN(TestLoadTranslator)
#include "tst_loadtranslator.moc"
