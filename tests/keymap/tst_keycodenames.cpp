#include "keymap/KeyCodeAliases.h"
#include "keymap/KeyCodeCatalogue.h"
#include "keymap/KeyCodeDescription.h"
#include "keymap/KeyCodePannelBase.h"
#include "keymap/KeyCodeSearchPannel.h"
#include "layout/KeyCap.h"
#include "layout/KeyPannel.h"
#include "layout/LayoutFile.h"
#include "support/TestLayouts.h"

#include <QAccessible>
#include <QToolButton>
#include <QtTest>

namespace {
// The catalogue's own words for a plain key; the sentences are built from them.
QString Named(int key)
{
    return KeyCodeCatalogue::KeyDescription(tdu2(key));
}
} // namespace

// What a code is said to do (the caps' tool tips) and the other names the keycode search knows.
class TestKeyCodeNames : public QObject
{
    Q_OBJECT

private slots:
    void description_namesRoleModifiersLayerAndKey_data();
    void description_namesRoleModifiersLayerAndKey();
    void description_neverLeavesACodeUnexplained();
    void aliases_findTheirKeyAsAWholeName_data();
    void aliases_findTheirKeyAsAWholeName();
    void aliasTable_readsWholeAndNamesOnlyKnownKeys();
    void cap_isANamedButtonForScreenReaders_data();
    void cap_isANamedButtonForScreenReaders();
};

void TestKeyCodeNames::description_namesRoleModifiersLayerAndKey_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("highByte");
    // Each must be said, in this order: what is held before what is tapped, modifiers in bit order.
    QTest::addColumn<QStringList>("says");
    QTest::addColumn<QStringList>("saysNot");

    QTest::newRow("plain key: its description") << 0x0004 << false << QStringList {Named(4)} << QStringList {"0x"};
    QTest::newRow("macro 13 played") << 0x00CC << false << QStringList {"13"} << QStringList {"12", "0x"};
    QTest::newRow("dual left shift, A") << 0x1204 << false << QStringList {Named(225), Named(4)}
                                        << QStringList {Named(229), Named(224)};
    QTest::newRow("dual right win, Esc") << 0x2829 << false << QStringList {Named(231), Named(41)}
                                         << QStringList {Named(227)};
    QTest::newRow("dual layer 3, A") << 0x3204 << false << QStringList {"3", Named(4)} << QStringList {"2", "4"};
    QTest::newRow("combination ctrl shift A")
        << 0x4304 << false << QStringList {Named(224), Named(225), Named(4)} << QStringList {Named(228), Named(226)};
    QTest::newRow("combination right ctrl alt Del")
        << 0x554C << false << QStringList {Named(228), Named(230), Named(76)} << QStringList {Named(224), Named(229)};
    QTest::newRow("no layer 1 to hold") << 0x3004 << false << QStringList {"0x3004"} << QStringList {Named(4)};
    QTest::newRow("unknown kind") << 0x7004 << false << QStringList {"0x7004"} << QStringList {Named(4)};
    QTest::newRow("picker's layer 2 high byte")
        << 0x3100 << true << QStringList {"2"} << QStringList {"3", "4", Named(0)};
}

void TestKeyCodeNames::description_namesRoleModifiersLayerAndKey()
{
    QFETCH(int, code);
    QFETCH(bool, highByte);
    QFETCH(QStringList, says);
    QFETCH(QStringList, saysNot);
    const QString text = highByte ? KeyCodeDescription::OfHighByte(tdu2(code)) : KeyCodeDescription::Of(tdu2(code));
    int from = 0;
    for (const QString& part : says) {
        const int at = text.indexOf(part, from, Qt::CaseInsensitive);
        QVERIFY2(at >= 0, qPrintable(text + " / " + part));
        from = at + part.size();
    }
    for (const QString& part : saysNot)
        QVERIFY2(!text.contains(part, Qt::CaseInsensitive), qPrintable(text + " / " + part));
}

void TestKeyCodeNames::description_neverLeavesACodeUnexplained()
{
    for (int code = 0; code <= 0xFFFF; ++code)
        QVERIFY2(!KeyCodeDescription::Of(tdu2(code)).trimmed().isEmpty(), qPrintable(QString::number(code, 16)));
}

void TestKeyCodeNames::aliases_findTheirKeyAsAWholeName_data()
{
    QTest::addColumn<QString>("name");
    // Every plain code the name finds whole, caption, description or alias.
    QTest::addColumn<QVector<int>>("codes");
    QTest::newRow("Esc") << "Esc" << QVector<int> {41};
    QTest::newRow("PgUp") << "PgUp" << QVector<int> {75};
    QTest::newRow("PgDn") << "pgdn" << QVector<int> {78};
    QTest::newRow("Del") << "Del" << QVector<int> {76};
    QTest::newRow("Bksp") << "Bksp" << QVector<int> {42};
    QTest::newRow("Enter: main and keypad") << "Enter" << QVector<int> {40, 88};
    QTest::newRow("LCtrl") << "LCtrl" << QVector<int> {224};
    QTest::newRow("Cmd") << "Cmd" << QVector<int> {227};
    QTest::newRow("KC_A") << "KC_A" << QVector<int> {4};
    QTest::newRow("KC_LSFT") << "KC_LSFT" << QVector<int> {225};
    QTest::newRow("MO(1): layer 2 while held") << "MO(1)" << QVector<int> {175};
    QTest::newRow("VolUp") << "VolUp" << QVector<int> {155};
    QTest::newRow("RGB_TOG: both lights") << "RGB_TOG" << QVector<int> {135, 193};
}

void TestKeyCodeNames::aliases_findTheirKeyAsAWholeName()
{
    QFETCH(QString, name);
    QFETCH(QVector<int>, codes);
    QVector<int> found;
    for (int code = 0; code <= 0xFF; ++code) {
        if (KeyCodeSearchPannel::MatchOf(tdu2(code), name) == KeyCodeSearchPannel::WholeMatch)
            found.append(code);
    }
    QCOMPARE(found, codes);
}

void TestKeyCodeNames::aliasTable_readsWholeAndNamesOnlyKnownKeys()
{
    QCOMPARE(KeyCodeAliases::Problems(), QStringList());
    const QVector<tdu2> codes = KeyCodeAliases::Codes();
    QVERIFY(codes.size() > 100);
    for (tdu2 code : codes) {
        // The keys the search offers: described ones other than the two empty keys.
        const bool offered
            = code <= 0xFF && !KeyCodeCatalogue::KeyDescription(code).isEmpty() && code != 0 && code != 3;
        QVERIFY2(offered, qPrintable(QString::number(code, 16)));
        QVERIFY(!KeyCodeAliases::Of(code).isEmpty());
    }
}

void TestKeyCodeNames::cap_isANamedButtonForScreenReaders_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::newRow("plain key") << 0x0004 << Named(4) << QString();
    QTest::newRow("dual-role") << 0x1104 << Named(4) << "Dual-role key";
    QTest::newRow("combination") << 0x4304 << Named(4) << "Combination key";
    QTest::newRow("macro") << 0x00CC << Named(0xCC) << "Macro key";
    QTest::newRow("layer") << 0x00AF << Named(0xAF) << "Layer key";
}

void TestKeyCodeNames::cap_isANamedButtonForScreenReaders()
{
    QFETCH(int, code);
    QFETCH(QString, name);
    QFETCH(QString, kind);
    KeyPannel pannel;
    LayoutFile::FillPannel(&pannel, LayoutFile::Parse(TestLayouts::Grid(2, 3)), LayoutFile::PannelRole::Keymap);
    pannel.BuildPannel();
    pannel.show();
    QToolButton* button = pannel.Cap(1, 2)->Button();
    KeyCodePannelBase::ShowCode(pannel.Cap(1, 2), tdu2(code));
    QAccessibleInterface* cap = QAccessible::queryAccessibleInterface(button);
    QVERIFY(cap);
    // A button a screen reader can press; one that stays chosen is told as checked.
    QVERIFY2(cap->role() == QAccessible::Button || cap->role() == QAccessible::CheckBox,
        qPrintable(QString::number(cap->role())));
    QVERIFY(cap->actionInterface() && !cap->actionInterface()->actionNames().isEmpty());
    // Its name, then where it is; its sort, then what it does.
    QCOMPARE(cap->text(QAccessible::Name), name + QStringLiteral(", row 2, key 3"));
    const QString description = cap->text(QAccessible::Description);
    QVERIFY2(description.endsWith(KeyCodeDescription::Of(tdu2(code))), qPrintable(description));
    QCOMPARE(description.startsWith(kind + QStringLiteral(": ")), !kind.isEmpty());
    // A node of the picture's tree, as a screen reader walks it.
    QAccessibleInterface* node = cap;
    while (node && node->object() != &pannel)
        node = node->parent();
    QVERIFY(node);
}

QTEST_MAIN(TestKeyCodeNames)
#include "tst_keycodenames.moc"
