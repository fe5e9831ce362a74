#include "keymap/KeyCodeCatalogue.h"

#include <QHash>
#include <QtTest>

#include <thread>
#include <vector>

namespace {

struct Expected
{
    bool hasCaption = false;
    QString caption;
    QString description;
    int kind = 0;
    int glyph = 0;
};

// The catalogue as the keyboard's documentation lists it, written out by range here so that a
// slip in the program's literal list shows up as a mismatch.
QHash<int, Expected> expectedCatalogue()
{
    QHash<int, Expected> table;
    auto text = [&](int code, const QString& caption, const QString& description) {
        Expected& e = table[code];
        e.hasCaption = true;
        e.caption = caption;
        e.description = description;
    };
    auto icon = [&](int code, const QString& description, int glyph) {
        Expected& e = table[code];
        e.description = description;
        e.kind = 1;
        e.glyph = glyph;
    };
    auto iconText = [&](int code, const QString& caption, const QString& description, int glyph) {
        text(code, caption, description);
        table[code].kind = 2;
        table[code].glyph = glyph;
    };

    text(0, QString(), QStringLiteral("空按键"));
    text(3, QString(), QStringLiteral("空按键"));
    for (int i = 0; i < 26; ++i) {
        const QChar letter(QLatin1Char(char('A' + i)));
        text(4 + i, QString(letter) + QLatin1Char('\n'), QStringLiteral("字母") + letter);
    }
    const QString shifted = QStringLiteral("!@#$%^&*()");
    for (int i = 0; i < 10; ++i) {
        const QString digit = QString::number((i + 1) % 10);
        const QString upper = shifted.at(i) == QLatin1Char('&') ? QStringLiteral("&&") : QString(shifted.at(i));
        text(30 + i, upper + QLatin1Char('\n') + digit, QStringLiteral("数字") + digit);
    }
    text(40, QStringLiteral("Enter\n"), QStringLiteral("回车键"));
    text(41, QStringLiteral("Esc\n"), QStringLiteral("退出键"));
    text(42, QStringLiteral("Back\nSpace"), QStringLiteral("退格键"));
    text(43, QStringLiteral("Tab\n"), QStringLiteral("跳格键"));
    text(44, QStringLiteral("Space\n"), QStringLiteral("空格键"));
    text(45, QStringLiteral("_\n-"), QStringLiteral("破折号/减号"));
    text(46, QStringLiteral("+\n="), QStringLiteral("加号/等号"));
    text(47, QStringLiteral("{\n["), QStringLiteral("左大括号/左中括号"));
    text(48, QStringLiteral("}\n]"), QStringLiteral("右大括号/右中括号"));
    text(49, QString(QChar(0x7C)) + QChar(0x0A) + QChar(0x5C), QStringLiteral("竖线/右斜杠"));
    text(51, QStringLiteral(":\n;"), QStringLiteral("冒号/分号"));
    text(52, QString(QChar(0x22)) + QChar(0x0A) + QChar(0x27), QStringLiteral("双引号/单引号"));
    text(53, QStringLiteral("~\n") + QChar(0x00B7), QStringLiteral("波浪号/着重号"));
    text(54, QStringLiteral("<\n,"), QStringLiteral("左书名号/逗号"));
    text(55, QStringLiteral(">\n."), QStringLiteral("右书名号/句号"));
    text(56, QStringLiteral("?\n/"), QStringLiteral("问号/左斜杠"));
    text(57, QStringLiteral("Caps\n"), QStringLiteral("大写锁定键"));
    for (int i = 1; i <= 12; ++i)
        text(57 + i, QStringLiteral("F%1\n").arg(i), QStringLiteral("功能键F%1").arg(i));
    text(70, QStringLiteral("Print\nScreen"), QStringLiteral("打印屏幕"));
    text(71, QStringLiteral("Scroll\nLock"), QStringLiteral("滚动条锁定"));
    text(72, QStringLiteral("Pause\nBreak"), QStringLiteral("暂停/中断键"));
    text(73, QStringLiteral("Insert\n"), QStringLiteral("插入/改写键"));
    text(74, QStringLiteral("Home\n"), QStringLiteral("起始键"));
    text(75, QStringLiteral("Page\nUp"), QStringLiteral("向上翻页键"));
    text(76, QStringLiteral("Delete\n"), QStringLiteral("删除键"));
    text(77, QStringLiteral("End\n"), QStringLiteral("结尾键"));
    text(78, QStringLiteral("Page\nDown"), QStringLiteral("向下翻页键"));
    icon(79, QStringLiteral("方向右"), 0xF105);
    icon(80, QStringLiteral("方向左"), 0xF104);
    icon(81, QStringLiteral("方向下"), 0xF107);
    icon(82, QStringLiteral("方向上"), 0xF106);
    text(83, QStringLiteral("Num\nLock"), QStringLiteral("数字锁定键"));
    text(84, QStringLiteral("/\n"), QStringLiteral("小键盘除号"));
    text(85, QStringLiteral("*\n"), QStringLiteral("小键盘乘号"));
    text(86, QStringLiteral("-\n"), QStringLiteral("小键盘减号"));
    text(87, QStringLiteral("+\n"), QStringLiteral("小键盘加号"));
    text(88, QStringLiteral("Enter\n"), QStringLiteral("小键盘回车键"));
    const QStringList padLower
        = {QStringLiteral("End"), QStringLiteral("↓"), QStringLiteral("PdDn"), QStringLiteral("←"), QString(),
            QStringLiteral("→"), QStringLiteral("Home"), QStringLiteral("↑"), QStringLiteral("PgUp")};
    for (int i = 1; i <= 9; ++i)
        text(
            88 + i, QString::number(i) + QLatin1Char('\n') + padLower.at(i - 1), QStringLiteral("小键盘数字%1").arg(i));
    text(98, QStringLiteral("0\nIns"), QStringLiteral("小键盘数字0"));
    text(99, QStringLiteral(".\nDel"), QStringLiteral("小键盘点号"));
    text(101, QStringLiteral("Menu\n"), QStringLiteral("MENU键"));
    for (int m = 1; m <= 32; ++m) {
        const int code = m <= 12 ? 103 + m : 191 + m;
        text(code, QStringLiteral("M%1\n").arg(m), QStringLiteral("宏定义%1").arg(m));
    }
    const QStringList ledCaps = {QStringLiteral("ONOFF"), QStringLiteral("NEXT"), QStringLiteral("PREV"),
        QStringLiteral("F++"), QStringLiteral("F--"), QStringLiteral("H++"), QStringLiteral("H--"),
        QStringLiteral("S++"), QStringLiteral("S--"), QStringLiteral("B++"), QStringLiteral("B--")};
    const QStringList ledTexts = {QStringLiteral("开启/关闭"), QStringLiteral("后一灯效"), QStringLiteral("前一灯效"),
        QStringLiteral("亮度增大或频率加快"), QStringLiteral("亮度减小或频率减慢"), QStringLiteral("色相增大"),
        QStringLiteral("色相减小"), QStringLiteral("饱和度增大"), QStringLiteral("饱和度减小"),
        QStringLiteral("亮度增大"), QStringLiteral("亮度减小")};
    for (int i = 0; i < 11; ++i) {
        // Hue, saturation and the second brightness pair work on RGB backlights only.
        const QString rgbOnly = i >= 5 ? QStringLiteral("(仅RGB有效)") : QString();
        text(135 + i, ledCaps.at(i) + QStringLiteral("\nLED"), QStringLiteral("背光灯") + ledTexts.at(i) + rgbOnly);
        text(193 + i, ledCaps.at(i) + QStringLiteral("\nBLED"), QStringLiteral("底灯") + ledTexts.at(i));
    }
    icon(154, QStringLiteral("静音"), 0xF026);
    icon(155, QStringLiteral("音量增大"), 0xF028);
    icon(156, QStringLiteral("音量减小"), 0xF027);
    icon(157, QStringLiteral("下一曲"), 0xF04E);
    icon(158, QStringLiteral("上一曲"), 0xF04A);
    icon(161, QStringLiteral("多媒体停止键"), 0xF04D);
    icon(162, QStringLiteral("多媒体播放暂停键"), 0xF051);
    icon(164, QStringLiteral("多媒体选择键"), 0xF001);
    icon(165, QStringLiteral("邮件"), 0xF003);
    icon(166, QStringLiteral("计算器"), 0xF1EC);
    icon(167, QStringLiteral("计算机"), 0xF108);
    icon(168, QStringLiteral("互联网搜索"), 0xF002);
    icon(169, QStringLiteral("互联网主页"), 0xF015);
    icon(170, QStringLiteral("互联网后退"), 0xF060);
    icon(171, QStringLiteral("互联网前进"), 0xF061);
    icon(172, QStringLiteral("互联网停止"), 0xF00D);
    icon(173, QStringLiteral("互联网刷新"), 0xF01E);
    icon(174, QStringLiteral("互联网收藏夹"), 0xF006);
    for (int layer = 2; layer <= 4; ++layer) {
        text(173 + layer, QStringLiteral("LM%1\n").arg(layer), QStringLiteral("瞬时开启层%1").arg(layer));
        text(176 + layer, QStringLiteral("LT%1\n").arg(layer), QStringLiteral("开启/关闭层%1").arg(layer));
    }
    for (int keymap = 1; keymap <= 4; ++keymap)
        text(180 + keymap, QStringLiteral("KM%1\n").arg(keymap), QStringLiteral("切换至配列%1").arg(keymap));
    const QString pairing = QStringLiteral("（单击切换设备,长按3s重新配对）");
    for (int host = 1; host <= 3; ++host) {
        iconText(
            185 + host, QStringLiteral("BLE%1").arg(host), QStringLiteral("蓝牙设备%1").arg(host) + pairing, 0xF293);
        iconText(188 + host, QStringLiteral("优联%1").arg(host), QStringLiteral("罗技优联设备%1").arg(host) + pairing,
            0xF09E);
    }
    iconText(192, QStringLiteral("2.4G"), QStringLiteral("2.4G设备") + pairing, 0xF09E);
    const QStringList modifierCaps
        = {QStringLiteral("Ctrl"), QStringLiteral("Shift"), QStringLiteral("Alt"), QStringLiteral("Win"),
            QStringLiteral("RCtrl"), QStringLiteral("RShift"), QStringLiteral("RAlt"), QStringLiteral("RWin")};
    const QStringList modifierTexts = {QStringLiteral("左控制键"), QStringLiteral("左上档键"),
        QStringLiteral("左换挡键"), QStringLiteral("左Win键"), QStringLiteral("右控制键"), QStringLiteral("右上档键"),
        QStringLiteral("右换挡键"), QStringLiteral("右Win键")};
    for (int i = 0; i < 8; ++i)
        text(224 + i, modifierCaps.at(i) + QLatin1Char('\n'), modifierTexts.at(i));
    icon(232, QStringLiteral("进入低功耗状态"), 0xF186);
    icon(233, QStringLiteral("显示电池电量"), 0xF241);
    return table;
}

} // namespace

class TestKeyCodeCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void tables_buildOnceWhenFirstUsedFromManyThreads();
    void tables_holdTheDocumentedNumberOfEntries();
    void everyPlainKey_matchesTheCatalogue_data();
    void everyPlainKey_matchesTheCatalogue();
    void lookups_ignoreTheHighByte_data();
    void lookups_ignoreTheHighByte();
    void keyTipText_namesKindAndModifiers_data();
    void keyTipText_namesKindAndModifiers();
    void bitFields_splitKindModifiersAndKey_data();
    void bitFields_splitKindModifiersAndKey();
    void modifierHighByte_followsThePickerArithmetic_data();
    void modifierHighByte_followsThePickerArithmetic();
    void applyHighByte_keepsThePlainKey_data();
    void applyHighByte_keepsThePlainKey();
    void layerCaps_emitLayerHighBytes();
};

void TestKeyCodeCatalogue::tables_holdTheDocumentedNumberOfEntries()
{
    QCOMPARE(KeyCodeCatalogue::CaptionCount(), 173);
    QCOMPARE(KeyCodeCatalogue::DescriptionCount(), 197);
    QCOMPARE(KeyCodeCatalogue::DisplayKindCount(), 197);
    QCOMPARE(KeyCodeCatalogue::GlyphCount(), 31);

    // The independent table must agree on the counts too, or it would not be a fair yardstick.
    const QHash<int, Expected> table = expectedCatalogue();
    int captions = 0;
    int glyphs = 0;
    for (const Expected& e : table) {
        captions += e.hasCaption ? 1 : 0;
        glyphs += e.glyph ? 1 : 0;
    }
    QCOMPARE(captions, 173);
    QCOMPARE(table.size(), 197);
    QCOMPARE(glyphs, 31);
}

void TestKeyCodeCatalogue::everyPlainKey_matchesTheCatalogue_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("description");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("glyph");

    const QHash<int, Expected> table = expectedCatalogue();
    for (int code = 0; code < 256; ++code) {
        const Expected e = table.value(code);
        QTest::addRow("key %d", code) << code << e.caption << e.description << e.kind << e.glyph;
    }
}

void TestKeyCodeCatalogue::everyPlainKey_matchesTheCatalogue()
{
    QFETCH(int, code);
    QFETCH(QString, caption);
    QFETCH(QString, description);
    QFETCH(int, kind);
    QFETCH(int, glyph);

    const tdu2 key = static_cast<tdu2>(code);
    QCOMPARE(KeyCodeCatalogue::KeyCaption(key), caption);
    QCOMPARE(KeyCodeCatalogue::KeyDescription(key), description);
    QCOMPARE(KeyCodeCatalogue::KeyDisplayKind(key), kind);
    QCOMPARE(int(KeyCodeCatalogue::KeyGlyph(key)), glyph);
    QVERIFY(!KeyCodeCatalogue::IsItalic(key));
}

void TestKeyCodeCatalogue::lookups_ignoreTheHighByte_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("description");
    QTest::addColumn<int>("kind");

    QTest::newRow("stray bits on comma") << 0x0136 << QStringLiteral("<\n,") << QStringLiteral("左书名号/逗号") << 0;
    QTest::newRow("dual-role A") << 0x1904 << QStringLiteral("A\n") << QStringLiteral("字母A") << 0;
    QTest::newRow("combination mute") << 0x5F9A << QString() << QStringLiteral("静音") << 1;
    QTest::newRow("layer BLE2") << 0x32BB << QStringLiteral("BLE2")
                                << QStringLiteral("蓝牙设备2（单击切换设备,长按3s重新配对）") << 2;
    QTest::newRow("lowest italic code") << 0x0100 << QString() << QStringLiteral("空按键") << 0;
    QTest::newRow("unknown 185") << 0x00B9 << QString() << QString() << 0;
    QTest::newRow("unknown 185 with kind") << 0x21B9 << QString() << QString() << 0;
}

void TestKeyCodeCatalogue::lookups_ignoreTheHighByte()
{
    QFETCH(int, code);
    QFETCH(QString, caption);
    QFETCH(QString, description);
    QFETCH(int, kind);

    const tdu2 value = static_cast<tdu2>(code);
    QCOMPARE(KeyCodeCatalogue::KeyCaption(value), caption);
    QCOMPARE(KeyCodeCatalogue::KeyDescription(value), description);
    QCOMPARE(KeyCodeCatalogue::KeyDisplayKind(value), kind);
    QCOMPARE(KeyCodeCatalogue::IsItalic(value), code >= 256);
}

void TestKeyCodeCatalogue::keyTipText_namesKindAndModifiers_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("tip");

    const QString dual = QStringLiteral("二合一按键:");
    const QString comb = QStringLiteral("组合按键:");
    QTest::newRow("plain A") << 0x0004 << QStringLiteral("字母A");
    QTest::newRow("plain empty key") << 0x0000 << QStringLiteral("空按键");
    QTest::newRow("plain unknown") << 0x00B9 << QString();
    QTest::newRow("stray bits read as plain") << 0x0136 << QStringLiteral("左书名号/逗号");
    QTest::newRow("dual left ctrl+win") << 0x1904 << dual + QStringLiteral("LCtrl LWin");
    QTest::newRow("dual left all") << 0x1F04 << dual + QStringLiteral("LCtrl LShift LAlt LWin");
    QTest::newRow("dual left shift+alt") << 0x1604 << dual + QStringLiteral("LShift LAlt ");
    QTest::newRow("dual left none") << 0x1004 << dual;
    QTest::newRow("dual right ctrl") << 0x2104 << dual + QStringLiteral("RCtrl ");
    QTest::newRow("dual right win") << 0x2804 << dual + QStringLiteral("RWin");
    QTest::newRow("dual layer 2") << 0x3104 << dual + QStringLiteral("LM2");
    QTest::newRow("dual layer 3") << 0x3204 << dual + QStringLiteral("LM3");
    QTest::newRow("dual layer 4") << 0x3304 << dual + QStringLiteral("LM4");
    QTest::newRow("dual layer field 0") << 0x3004 << QString();
    QTest::newRow("dual layer field 4") << 0x3404 << QString();
    QTest::newRow("dual layer field 15") << 0x3F04 << QString();
    QTest::newRow("comb left shift") << 0x4204 << comb + QStringLiteral("LShift ");
    QTest::newRow("comb left ctrl+alt+win") << 0x4D04 << comb + QStringLiteral("LCtrl LAlt LWin");
    QTest::newRow("comb right ctrl+alt") << 0x5504 << comb + QStringLiteral("RCtrl RAlt ");
    QTest::newRow("comb right ctrl+shift") << 0x5304 << comb + QStringLiteral("RCtrl RShift ");
    QTest::newRow("kind 6") << 0x6104 << QString();
    QTest::newRow("kind 15") << 0xFF04 << QString();
}

void TestKeyCodeCatalogue::keyTipText_namesKindAndModifiers()
{
    QFETCH(int, code);
    QFETCH(QString, tip);
    QCOMPARE(KeyCodeCatalogue::KeyTipText(static_cast<tdu2>(code)), tip);
}

void TestKeyCodeCatalogue::bitFields_splitKindModifiersAndKey_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("key");

    QTest::newRow("A") << 0x0004 << 0 << 0 << 4;
    QTest::newRow("left ctrl A dual") << 0x1104 << 1 << 1 << 4;
    QTest::newRow("right ctrl+shift A comb") << 0x5304 << 5 << 3 << 4;
    QTest::newRow("layer 3 A") << 0x3204 << 3 << 2 << 4;
    QTest::newRow("all bits") << 0xFFFF << 15 << 15 << 255;
}

void TestKeyCodeCatalogue::bitFields_splitKindModifiersAndKey()
{
    QFETCH(int, code);
    QFETCH(int, kind);
    QFETCH(int, modifiers);
    QFETCH(int, key);

    const tdu2 value = static_cast<tdu2>(code);
    QCOMPARE(KeyCodeCatalogue::CodeKind(value), kind);
    QCOMPARE(KeyCodeCatalogue::CodeModifiers(value), modifiers);
    QCOMPARE(int(KeyCodeCatalogue::CodeKey(value)), key);
}

void TestKeyCodeCatalogue::modifierHighByte_followsThePickerArithmetic_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("ctrl");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<bool>("alt");
    QTest::addColumn<bool>("win");
    QTest::addColumn<int>("highByte");

    QTest::newRow("nothing checked") << 1 << false << false << false << false << 0x0000;
    QTest::newRow("nothing checked comb right") << 5 << false << false << false << false << 0x0000;
    QTest::newRow("dual left ctrl") << 1 << true << false << false << false << 0x1100;
    QTest::newRow("dual left ctrl+win") << 1 << true << false << false << true << 0x1900;
    QTest::newRow("dual right all") << 2 << true << true << true << true << 0x2F00;
    QTest::newRow("comb left shift+alt") << 4 << false << true << true << false << 0x4600;
    QTest::newRow("comb right ctrl+alt") << 5 << true << false << true << false << 0x5500;
    QTest::newRow("comb right ctrl+shift") << 5 << true << true << false << false << 0x5300;
}

void TestKeyCodeCatalogue::modifierHighByte_followsThePickerArithmetic()
{
    QFETCH(int, kind);
    QFETCH(bool, ctrl);
    QFETCH(bool, shift);
    QFETCH(bool, alt);
    QFETCH(bool, win);
    QFETCH(int, highByte);
    QCOMPARE(int(KeyCodeCatalogue::ModifierHighByte(kind, ctrl, shift, alt, win)), highByte);
}

void TestKeyCodeCatalogue::applyHighByte_keepsThePlainKey_data()
{
    QTest::addColumn<int>("oldCode");
    QTest::addColumn<int>("highByte");
    QTest::addColumn<int>("newCode");

    QTest::newRow("dual left ctrl+win on A") << 0x0004 << 0x1900 << 0x1904;
    QTest::newRow("nothing checked strips dual") << 0x1904 << 0x0000 << 0x0004;
    QTest::newRow("nothing checked strips comb") << 0x5504 << 0x0000 << 0x0004;
    QTest::newRow("comb replaces dual") << 0x1904 << 0x5500 << 0x5504;
    QTest::newRow("layer 3 on A") << 0x0004 << 0x3200 << 0x3204;
    QTest::newRow("stray bits dropped") << 0x0136 << 0x4100 << 0x4136;
}

void TestKeyCodeCatalogue::applyHighByte_keepsThePlainKey()
{
    QFETCH(int, oldCode);
    QFETCH(int, highByte);
    QFETCH(int, newCode);
    QCOMPARE(int(KeyCodeCatalogue::ApplyHighByte(static_cast<tdu2>(oldCode), static_cast<tdu2>(highByte))), newCode);
}

void TestKeyCodeCatalogue::layerCaps_emitLayerHighBytes()
{
    QCOMPARE(int(KeyCodeCatalogue::kDualRoleLayer2), 0x3100);
    QCOMPARE(int(KeyCodeCatalogue::kDualRoleLayer3), 0x3200);
    QCOMPARE(int(KeyCodeCatalogue::kDualRoleLayer4), 0x3300);
    QCOMPARE(KeyCodeCatalogue::KeyTipText(KeyCodeCatalogue::ApplyHighByte(0x0004, KeyCodeCatalogue::kDualRoleLayer4)),
        QStringLiteral("二合一按键:LM4"));
}

void TestKeyCodeCatalogue::tables_buildOnceWhenFirstUsedFromManyThreads()
{
    // Runs first, so the tables are built while eight threads ask for them at once.
    const QHash<int, Expected> table = expectedCatalogue();
    // Plain threads, joined: their end is then visible to the thread checker as well.
    std::vector<std::thread> threads;
    QAtomicInt mismatches;
    for (int t = 0; t < 8; ++t) {
        threads.emplace_back([&table, &mismatches] {
            for (int code = 0; code < 256; ++code) {
                const Expected e = table.value(code);
                const tdu2 key = static_cast<tdu2>(code);
                if (KeyCodeCatalogue::KeyCaption(key) != e.caption
                    || KeyCodeCatalogue::KeyDescription(key) != e.description
                    || KeyCodeCatalogue::KeyGlyph(key) != e.glyph)
                    mismatches.ref();
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    QCOMPARE(mismatches.loadRelaxed(), 0);
    QCOMPARE(KeyCodeCatalogue::DescriptionCount(), 197);
}

QTEST_GUILESS_MAIN(TestKeyCodeCatalogue)
#include "tst_keycodecatalogue.moc"
