#include "keymap/KeyCodeCombKeyPannel.h"
#include "keymap/KeyCodeDiadKeyPannel.h"
#include "keymap/KeyCodeLayerKeyPannel.h"
#include "keymap/KeymapDialog.h"
#include "keymap/KeymapLog.h"
#include "keymap/KeymapStore.h"
#include "layout/KeyCap.h"
#include "layout/KeyPannel.h"

#include "tst_keymapdialog_fixture.h"
#include "ui/Palette.h"

#include <QCheckBox>
#include <QLabel>
#include <QLoggingCategory>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace KeymapPageFixture;

namespace {
constexpr int kRows = 5;
constexpr int kCols = 15;

QStringList g_keymapMessages;

void CollectKeymapMessages(QtMsgType, const QMessageLogContext& context, const QString& message)
{
    if (QByteArray(context.category) == "driver.keymap") {
        g_keymapMessages.append(message);
    }
}
} // namespace

class TestKeymapDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void construction_opensKeymap1Layer1BasicPickerWithoutSelection();
    void widgets_carryTheirNamesAndCaptions_data();
    void widgets_carryTheirNamesAndCaptions();
    void commandButtons_haveIconAndToolTip_data();
    void commandButtons_haveIconAndToolTip();
    void pickerButtons_showTheirPageInListOrder_data();
    void pickerButtons_showTheirPageInListOrder();
    void pickerBar_showsButtonsInCaptionOrder();
    void navigationBars_areFlaggedForThePageStyle();

    void clickingKey_checksExactlyThatCapAndShowsItsTip();
    void selection_isRememberedPerLayer();
    void noSelection_editsChangeNothing_data();
    void noSelection_editsChangeNothing();

    void layerPicker_KM3_stores183AndShowsKM3();
    void combRightCtrlAlt_onA_gives0x5504_andApplyWithNoBoxRestores0x0004();
    void diadLayerLM3_onA_gives0x3204();
    void keymap3_alwaysOpensOnLayer1();

    void repaint_showsCodeAsCaptionIconOrItalics_data();
    void repaint_showsCodeAsCaptionIconOrItalics();
    void clear_storesEmptyOnLayer1AndSeeThroughAbove_data();
    void clear_storesEmptyOnLayer1AndSeeThroughAbove();
    void revert_restoresLayoutDefaultsOfCurrentKeymapOnly();
    void setupTwice_keepsOneConnectionPerCap();
    void repaintDebugLines_goToKeymapCategoryOnlyWhenEnabled();

private:
    KeyCap* Cap(int row, int col) const;
    void ClickCap(int row, int col);
    void ClickButton(const QString& name);
    KeyCap* PickerCap(KeyCodePannelBase* picker, const QString& text) const;
    template <typename Picker> Picker* FindPicker() const;
    tdu2 Code(int keymap, int layer, int row, int col) const;
    QString Tip() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<KeymapDialog> m_page;
};

void TestKeymapDialog::initTestCase()
{
    RegisterDeviceMetaTypes();
    QLoggingCategory::setFilterRules(QStringLiteral("driver.*.debug=false"));
}

void TestKeymapDialog::init()
{
    m_dir.reset(new QTemporaryDir());
    QVERIFY(m_dir->isValid());
    const QString path = m_dir->filePath("GRID_0.json");
    QVERIFY(WriteGridLayout(path, kRows, kCols));
    m_page = MakePage(path, "GRID_0");
    QVERIFY(m_page != nullptr);
    m_page->resize(1168, 715);
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
}

void TestKeymapDialog::cleanup()
{
    m_page.reset();
    m_dir.reset();
}

KeyCap* TestKeymapDialog::Cap(int row, int col) const
{
    return m_page->Pannel()->Cap(row, col);
}

void TestKeymapDialog::ClickCap(int row, int col)
{
    QTest::mouseClick(Cap(row, col)->Button(), Qt::LeftButton);
}

void TestKeymapDialog::ClickButton(const QString& name)
{
    QToolButton* button = Button(m_page.get(), name);
    QVERIFY2(button != nullptr, qPrintable(name));
    QTest::mouseClick(button, Qt::LeftButton);
}

KeyCap* TestKeymapDialog::PickerCap(KeyCodePannelBase* picker, const QString& text) const
{
    for (KeyCap* cap : picker->Caps()) {
        if (cap->Button()->text() == text) {
            return cap;
        }
    }
    return nullptr;
}

template <typename Picker> Picker* TestKeymapDialog::FindPicker() const
{
    return m_page->findChild<Picker*>();
}

tdu2 TestKeymapDialog::Code(int keymap, int layer, int row, int col) const
{
    return m_page->Store()->KeymapCode(keymap, layer, row, col);
}

QString TestKeymapDialog::Tip() const
{
    return m_page->findChild<QLabel*>("lblKeyPannelTip")->text();
}

void TestKeymapDialog::construction_opensKeymap1Layer1BasicPickerWithoutSelection()
{
    QVERIFY(Button(m_page.get(), "tbtnKeymap0")->isChecked());
    QVERIFY(Button(m_page.get(), "tbtnLayer0")->isChecked());
    QVERIFY(Button(m_page.get(), "tbtnBasicKey")->isChecked());
    for (const char* other : {"tbtnKeymap1", "tbtnKeymap2", "tbtnKeymap3", "tbtnLayer1", "tbtnLayer2", "tbtnLayer3",
             "tbtnLayerKey", "tbtnFuncKey"}) {
        QVERIFY2(!Button(m_page.get(), other)->isChecked(), other);
    }
    QCOMPARE(
        m_page->findChild<QStackedWidget*>("skwKeyCode")->currentWidget()->objectName(), QStringLiteral("skwBaseKey"));
    QCOMPARE(m_page->Store()->CurrentKeymap(), 0);
    QCOMPARE(m_page->Store()->CurrentLayer(), 0);
    QVERIFY(CheckedCaps(m_page->Pannel()).isEmpty());
    QVERIFY(Tip().isEmpty());
    // The panel shows layer 1 of keymap 1 straight away.
    QCOMPARE(Cap(0, 0)->Button()->text(), QStringLiteral("A\n"));
    QCOMPARE(Cap(0, 1)->Button()->text(), QStringLiteral("B\n"));
}

void TestKeymapDialog::widgets_carryTheirNamesAndCaptions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");

    const char* const table[][2] = {
        {"tbtnLayer0", "1st Layer"},
        {"tbtnLayer1", "2nd Layer"},
        {"tbtnLayer2", "3rd Layer"},
        {"tbtnLayer3", "4th Layer"},
        {"tbtnUpLoad", "Upload"},
        {"tbtnDownLoad", "Download"},
        {"tbtnLoad", "Open"},
        {"tbtnSave", "Save"},
        {"tbtnRevert", "Default"},
        {"tbtnClear", "Clear"},
        {"tbtnKeymap0", "1st Keymap"},
        {"tbtnKeymap1", "2nd Keymap"},
        {"tbtnKeymap2", "3rd Keymap"},
        {"tbtnKeymap3", "4th Keymap"},
        {"tbtnBasicKey", "Basic Key"},
        {"tbtnLayerKey", "Layer Key"},
        {"tbtnLedKey", "Led Key"},
        {"tbtnMediaKey", "Media Key"},
        {"tbtnMacroKey", "Macro Key"},
        {"tbtnDiadKey", "Diad Key"},
        {"tbtnCombKey", "Comb Key"},
        {"tbtnFuncKey", "Func Key"},
    };
    for (const auto& row : table) {
        QTest::newRow(row[0]) << row[0] << row[1];
    }
}

void TestKeymapDialog::widgets_carryTheirNamesAndCaptions()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QToolButton* button = Button(m_page.get(), name);
    QVERIFY(button != nullptr);
    QCOMPARE(button->text(), caption);
    QVERIFY(button->isVisible());
}

void TestKeymapDialog::commandButtons_haveIconAndToolTip_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("toolTip");

    QTest::newRow("upload") << "tbtnUpLoad"
                            << "Write Keymap to Keyboard";
    QTest::newRow("download") << "tbtnDownLoad"
                              << "Read Keymap from Keyboard";
    QTest::newRow("save") << "tbtnSave"
                          << "Save Keymap to Local";
    QTest::newRow("open") << "tbtnLoad"
                          << "Load Keymap from Local";
    QTest::newRow("default") << "tbtnRevert"
                             << "Revert to Default Keymap";
    QTest::newRow("clear") << "tbtnClear"
                           << "Set Current Key Null";
}

void TestKeymapDialog::commandButtons_haveIconAndToolTip()
{
    QFETCH(QString, name);
    QFETCH(QString, toolTip);
    QToolButton* button = Button(m_page.get(), name);
    QCOMPARE(button->toolTip(), toolTip);
    QVERIFY(!button->icon().isNull());
    QCOMPARE(button->iconSize(), QSize(20, 20));
    QCOMPARE(button->icon().availableSizes().value(0), QSize(20, 20));
    // The glyph is drawn in the page's text colour.
    const QImage image = button->icon().pixmap(20, 20).toImage();
    bool coloured = false;
    for (int y = 0; y < image.height() && !coloured; ++y) {
        for (int x = 0; x < image.width() && !coloured; ++x) {
            const QColor pixel = image.pixelColor(x, y);
            coloured = pixel.alpha() == 255 && pixel.rgb() == QColor(Palette::kText).rgb();
        }
    }
    QVERIFY(coloured);
}

void TestKeymapDialog::pickerButtons_showTheirPageInListOrder_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("picker");

    QTest::newRow("basic") << "tbtnBasicKey" << 0 << "skwBaseKey"
                           << "KeyCodeBasicKeyPannel";
    QTest::newRow("layer") << "tbtnLayerKey" << 1 << "skwLayerKey"
                           << "KeyCodeLayerKeyPannel";
    QTest::newRow("led") << "tbtnLedKey" << 2 << "skwLedKey"
                         << "KeyCodeLedKeyPannel";
    QTest::newRow("media") << "tbtnMediaKey" << 3 << "skwMediaKey"
                           << "KeyCodeMediaKeyPannel";
    QTest::newRow("comb") << "tbtnCombKey" << 4 << "skwCombKey"
                          << "KeyCodeCombKeyPannel";
    QTest::newRow("diad") << "tbtnDiadKey" << 5 << "skwDiadKey"
                          << "KeyCodeDiadKeyPannel";
    QTest::newRow("macro") << "tbtnMacroKey" << 6 << "skwMacroKey"
                           << "KeyCodeMacroKeyPannel";
    QTest::newRow("func") << "tbtnFuncKey" << 7 << "skwFuncKey"
                          << "KeycodeFuncKeyPannel";
}

void TestKeymapDialog::pickerButtons_showTheirPageInListOrder()
{
    QFETCH(QString, button);
    QFETCH(int, index);
    QFETCH(QString, page);
    QFETCH(QString, picker);

    QStackedWidget* pages = m_page->findChild<QStackedWidget*>("skwKeyCode");
    QCOMPARE(pages->count(), 8);
    QCOMPARE(pages->widget(index)->objectName(), page);

    // Start from a page other than the target so the click has to move.
    ClickButton(index == 7 ? "tbtnBasicKey" : "tbtnFuncKey");
    ClickButton(button);
    QCOMPARE(pages->currentIndex(), index);
    QVERIFY(pages->currentWidget()->findChild<QWidget*>(picker) != nullptr);
    QVERIFY(pages->currentWidget()->findChild<QWidget*>(picker)->isVisible());
    for (QToolButton* other : m_page->findChild<QWidget*>("wdgNavKeyCode")->findChildren<QToolButton*>()) {
        QCOMPARE(other->isChecked(), other->objectName() == button);
    }
}

void TestKeymapDialog::pickerBar_showsButtonsInCaptionOrder()
{
    const QStringList order {"tbtnBasicKey", "tbtnLayerKey", "tbtnLedKey", "tbtnMediaKey", "tbtnMacroKey",
        "tbtnDiadKey", "tbtnCombKey", "tbtnFuncKey"};
    for (int i = 1; i < order.size(); ++i) {
        QVERIFY2(Button(m_page.get(), order.at(i - 1))->geometry().right()
                < Button(m_page.get(), order.at(i))->geometry().left(),
            qPrintable(order.at(i)));
    }
}

void TestKeymapDialog::navigationBars_areFlaggedForThePageStyle()
{
    QCOMPARE(m_page->findChild<QWidget*>("wdgNavLayer")->property("flag").toString(), QStringLiteral("left"));
    QCOMPARE(m_page->findChild<QWidget*>("wdgNavKeymap")->property("flag").toString(), QStringLiteral("left"));
    QCOMPARE(m_page->findChild<QWidget*>("wdgNavFunc")->property("flag").toString(), QStringLiteral("func"));
    QCOMPARE(m_page->findChild<QWidget*>("wdgNavKeyCode")->property("flag").toString(), QStringLiteral("keycode"));
    const QString style = m_page->styleSheet();
    for (const char* colour :
        {Palette::kLightText, Palette::kBackground, Palette::kDarkBackground, Palette::kText, Palette::kAccent}) {
        QVERIFY2(style.contains(QLatin1String(colour)), colour);
    }
    // The separators are near-black lines.
    for (const char* name : {"wdgLeftSpilter", "wdgLeftSpilter2", "wdgSpilter2"}) {
        QWidget* line = m_page->findChild<QWidget*>(name);
        QVERIFY2(line != nullptr && line->isVisible(), name);
        const QImage image = line->grab().toImage();
        QCOMPARE(image.pixelColor(image.width() / 2, image.height() / 2), QColor("#090909"));
    }
}

void TestKeymapDialog::clickingKey_checksExactlyThatCapAndShowsItsTip()
{
    ClickCap(0, 0);
    QCOMPARE(CheckedCaps(m_page->Pannel()), QList<int> {0});
    QCOMPARE(Tip(), QString::fromUtf8("字母A"));

    ClickCap(2, 3);
    QCOMPARE(CheckedCaps(m_page->Pannel()), QList<int> {203});
    // Cell (2, 3) is index 33: letter 4 + 33 % 26 = 11, "H".
    QCOMPARE(Tip(), QString::fromUtf8("字母H"));

    // Clicking the selected key again keeps it selected.
    ClickCap(2, 3);
    QCOMPARE(CheckedCaps(m_page->Pannel()), QList<int> {203});
}

void TestKeymapDialog::selection_isRememberedPerLayer()
{
    ClickButton("tbtnLayer1");
    ClickCap(1, 4);
    QCOMPARE(CheckedCaps(m_page->Pannel()), QList<int> {104});

    ClickButton("tbtnLayer2");
    QVERIFY(CheckedCaps(m_page->Pannel()).isEmpty());
    QVERIFY(Tip().isEmpty());
    ClickCap(3, 3);

    ClickButton("tbtnLayer1");
    QCOMPARE(CheckedCaps(m_page->Pannel()), QList<int> {104});
    // Layer 2 holds digits: cell (1, 4) is index 19, digit code 30 + 9 = 39, "0".
    QCOMPARE(Tip(), QString::fromUtf8("数字0"));

    ClickButton("tbtnLayer2");
    QCOMPARE(CheckedCaps(m_page->Pannel()), QList<int> {303});
}

void TestKeymapDialog::noSelection_editsChangeNothing_data()
{
    QTest::addColumn<int>("action");
    QTest::newRow("plain pick") << 0;
    QTest::newRow("combination apply") << 1;
    QTest::newRow("dual-role layer") << 2;
    QTest::newRow("clear") << 3;
}

void TestKeymapDialog::noSelection_editsChangeNothing()
{
    QFETCH(int, action);
    const KeymapStore::KeymapCodes before = m_page->Store()->KeymapCopy(0);

    switch (action) {
    case 0:
        ClickButton("tbtnLayerKey");
        QTest::mouseClick(PickerCap(FindPicker<KeyCodeLayerKeyPannel>(), "KM3\n")->Button(), Qt::LeftButton);
        break;
    case 1: {
        ClickButton("tbtnCombKey");
        auto* comb = FindPicker<KeyCodeCombKeyPannel>();
        comb->findChild<QCheckBox*>("ckbLCtrl")->setChecked(true);
        QTest::mouseClick(comb->findChild<QToolButton*>("tbtnLModSet"), Qt::LeftButton);
        break;
    }
    case 2: {
        ClickButton("tbtnDiadKey");
        auto* diad = FindPicker<KeyCodeDiadKeyPannel>();
        QTest::mouseClick(Button(diad, "tbtnLayerDiadKey"), Qt::LeftButton);
        QTest::mouseClick(PickerCap(diad, "LM2\n")->Button(), Qt::LeftButton);
        break;
    }
    default:
        ClickButton("tbtnClear");
        break;
    }

    QVERIFY(m_page->Store()->KeymapCopy(0) == before);
    QVERIFY(CheckedCaps(m_page->Pannel()).isEmpty());
    QVERIFY(Tip().isEmpty());
}

void TestKeymapDialog::layerPicker_KM3_stores183AndShowsKM3()
{
    ClickCap(1, 1);
    ClickButton("tbtnLayerKey");
    KeyCap* km3 = PickerCap(FindPicker<KeyCodeLayerKeyPannel>(), "KM3\n");
    QVERIFY(km3 != nullptr);
    QTest::mouseClick(km3->Button(), Qt::LeftButton);

    QCOMPARE(Code(0, 0, 1, 1), tdu2(183));
    QCOMPARE(Cap(1, 1)->Button()->text(), QStringLiteral("KM3\n"));
    QCOMPARE(Cap(1, 1)->Button()->font().italic(), false);
    QCOMPARE(Tip(), QString::fromUtf8("切换至配列3"));
    QCOMPARE(CheckedCaps(m_page->Pannel()), QList<int> {101});
    // Only the selected key of the shown keymap and layer changed.
    QCOMPARE(Code(1, 0, 1, 1), GridCode(0, 1, 1, kCols));
    QCOMPARE(Code(0, 1, 1, 1), GridCode(1, 1, 1, kCols));
}

void TestKeymapDialog::combRightCtrlAlt_onA_gives0x5504_andApplyWithNoBoxRestores0x0004()
{
    ClickCap(0, 0);
    QCOMPARE(Code(0, 0, 0, 0), tdu2(0x0004));
    ClickButton("tbtnCombKey");
    auto* comb = FindPicker<KeyCodeCombKeyPannel>();
    QTest::mouseClick(Button(comb, "tbtnRModCombKey"), Qt::LeftButton);
    for (const char* name : {"ckbRCtrl", "ckbRAlt"}) {
        QCheckBox* box = comb->findChild<QCheckBox*>(name);
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, box->rect().center());
    }
    QTest::mouseClick(comb->findChild<QToolButton*>("tbtnRModSet"), Qt::LeftButton);

    QCOMPARE(Code(0, 0, 0, 0), tdu2(0x5504));
    QCOMPARE(Tip(), QString::fromUtf8("组合按键:RCtrl RAlt "));
    QCOMPARE(Cap(0, 0)->Button()->text(), QStringLiteral("A\n"));
    QVERIFY(Cap(0, 0)->Button()->font().italic());

    QTest::mouseClick(comb->findChild<QToolButton*>("tbtnRModSet"), Qt::LeftButton);
    QCOMPARE(Code(0, 0, 0, 0), tdu2(0x0004));
    QCOMPARE(Tip(), QString::fromUtf8("字母A"));
    QVERIFY(!Cap(0, 0)->Button()->font().italic());
}

void TestKeymapDialog::diadLayerLM3_onA_gives0x3204()
{
    ClickCap(0, 0);
    ClickButton("tbtnDiadKey");
    auto* diad = FindPicker<KeyCodeDiadKeyPannel>();
    QTest::mouseClick(Button(diad, "tbtnLayerDiadKey"), Qt::LeftButton);
    QTest::mouseClick(PickerCap(diad, "LM3\n")->Button(), Qt::LeftButton);

    QCOMPARE(Code(0, 0, 0, 0), tdu2(0x3204));
    QCOMPARE(Tip(), QString::fromUtf8("二合一按键:LM3"));

    // Another layer replaces the layer field rather than mixing with it.
    QTest::mouseClick(PickerCap(diad, "LM2\n")->Button(), Qt::LeftButton);
    QCOMPARE(Code(0, 0, 0, 0), tdu2(0x3104));
}

void TestKeymapDialog::keymap3_alwaysOpensOnLayer1()
{
    ClickButton("tbtnKeymap2");
    ClickButton("tbtnLayer3");
    ClickButton("tbtnKeymap0");
    ClickButton("tbtnLayer2");
    QCOMPARE(m_page->Store()->CurrentLayer(), 2);

    ClickButton("tbtnKeymap2");
    QCOMPARE(m_page->Store()->CurrentKeymap(), 2);
    QCOMPARE(m_page->Store()->CurrentLayer(), 0);
    QVERIFY(Button(m_page.get(), "tbtnLayer0")->isChecked());
    QVERIFY(!Button(m_page.get(), "tbtnLayer2")->isChecked());
    QVERIFY(!Button(m_page.get(), "tbtnLayer3")->isChecked());
    QVERIFY(Button(m_page.get(), "tbtnKeymap2")->isChecked());
    QVERIFY(!Button(m_page.get(), "tbtnKeymap0")->isChecked());
    QCOMPARE(Cap(0, 0)->Button()->text(), QStringLiteral("A\n"));
}

void TestKeymapDialog::repaint_showsCodeAsCaptionIconOrItalics_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<bool>("icon");
    QTest::addColumn<QString>("tip");

    QTest::newRow("plain A") << 0x0004 << "A\n" << false << false << QString::fromUtf8("字母A");
    QTest::newRow("dual-role left ctrl A") << 0x1104 << "A\n"
                                           << true << false << QString::fromUtf8("二合一按键:LCtrl ");
    QTest::newRow("stray modifier bits") << 0x0136 << "<\n," << true << false << QString::fromUtf8("左书名号/逗号");
    QTest::newRow("right arrow icon") << 79 << "" << false << true << QString::fromUtf8("方向右");
    QTest::newRow("BLE1 icon over caption")
        << 186 << "BLE1" << false << true << QString::fromUtf8("蓝牙设备1（单击切换设备,长按3s重新配对）");
    QTest::newRow("layer field 4 has no tip") << 0x3404 << "A\n" << true << false << QString();
    QTest::newRow("combination right ctrl shift") << 0x5304 << "A\n"
                                                  << true << false << QString::fromUtf8("组合按键:RCtrl RShift ");
    QTest::newRow("unknown code") << 185 << "" << false << false << QString();
}

void TestKeymapDialog::repaint_showsCodeAsCaptionIconOrItalics()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    QFETCH(bool, italic);
    QFETCH(bool, icon);
    QFETCH(QString, tip);

    QCOMPARE(m_page->SetKeymapCode(0, 0, 1, 2, static_cast<tdu2>(code)), 1);
    ClickCap(1, 2);
    QToolButton* button = Cap(1, 2)->Button();
    QCOMPARE(button->text(), text);
    QCOMPARE(!button->icon().isNull(), icon);
    if (!text.isEmpty()) {
        QCOMPARE(button->font().italic(), italic);
    }
    QCOMPARE(Tip(), tip);
    QCOMPARE(CheckedCaps(m_page->Pannel()), QList<int> {102});
}

void TestKeymapDialog::clear_storesEmptyOnLayer1AndSeeThroughAbove_data()
{
    QTest::addColumn<QString>("layerButton");
    QTest::addColumn<int>("layer");
    QTest::addColumn<int>("expected");

    QTest::newRow("layer 1") << "tbtnLayer0" << 0 << 0;
    QTest::newRow("layer 2") << "tbtnLayer1" << 1 << 3;
    QTest::newRow("layer 3") << "tbtnLayer2" << 2 << 3;
}

void TestKeymapDialog::clear_storesEmptyOnLayer1AndSeeThroughAbove()
{
    QFETCH(QString, layerButton);
    QFETCH(int, layer);
    QFETCH(int, expected);

    ClickButton("tbtnKeymap1");
    ClickButton(layerButton);
    ClickCap(2, 2);
    QVERIFY(!Cap(2, 2)->Button()->text().isEmpty());
    ClickButton("tbtnClear");

    QCOMPARE(int(Code(1, layer, 2, 2)), expected);
    QCOMPARE(Cap(2, 2)->Button()->text(), QString());
    QCOMPARE(Tip(), QString::fromUtf8("空按键"));
    QCOMPARE(Code(0, layer, 2, 2), GridCode(layer, 2, 2, kCols));
}

void TestKeymapDialog::revert_restoresLayoutDefaultsOfCurrentKeymapOnly()
{
    // Edit keymap 2 on two layers and keymap 1 on one.
    ClickButton("tbtnKeymap1");
    ClickCap(0, 0);
    ClickButton("tbtnClear");
    ClickButton("tbtnLayer3");
    ClickCap(4, 4);
    ClickButton("tbtnLayerKey");
    QTest::mouseClick(PickerCap(FindPicker<KeyCodeLayerKeyPannel>(), "KM1\n")->Button(), Qt::LeftButton);
    ClickButton("tbtnKeymap0");
    ClickCap(3, 3);
    QTest::mouseClick(PickerCap(FindPicker<KeyCodeLayerKeyPannel>(), "KM2\n")->Button(), Qt::LeftButton);

    ClickButton("tbtnKeymap1");
    ClickButton("tbtnRevert");

    for (int layer = 0; layer < 4; ++layer) {
        for (int row = 0; row < kRows; ++row) {
            for (int col = 0; col < kCols; ++col) {
                QCOMPARE(Code(1, layer, row, col), GridCode(layer, row, col, kCols));
            }
        }
    }
    QCOMPARE(Code(0, 0, 3, 3), tdu2(182));
    QCOMPARE(Cap(0, 0)->Button()->text(), QStringLiteral("A\n"));
}

void TestKeymapDialog::setupTwice_keepsOneConnectionPerCap()
{
    m_page->SetupPannel();
    QSignalSpy spy(m_page->Pannel(), &KeyPannel::KeyCapClicked);
    ClickCap(0, 0);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(m_page->findChildren<KeyPannel*>().size(), 1);
    QCOMPARE(CheckedCaps(m_page->Pannel()), QList<int> {0});
}

void TestKeymapDialog::repaintDebugLines_goToKeymapCategoryOnlyWhenEnabled()
{
    g_keymapMessages.clear();
    QtMessageHandler previous = qInstallMessageHandler(CollectKeymapMessages);
    // Switch the category itself, whatever rules the environment sets.
    QLoggingCategory& category = const_cast<QLoggingCategory&>(lcKeymap());
    category.setEnabled(QtDebugMsg, false);
    ClickCap(0, 0);
    const QStringList whileOff = g_keymapMessages;

    category.setEnabled(QtDebugMsg, true);
    ClickCap(0, 1);
    category.setEnabled(QtDebugMsg, false);
    qInstallMessageHandler(previous);

    QVERIFY(whileOff.isEmpty());
    QVERIFY(g_keymapMessages.contains(QStringLiteral("DiadCode 5")));
    // One caption line per text cap of the panel.
    QVERIFY(g_keymapMessages.contains(QStringLiteral("\"B\\n\"")));
}

QTEST_MAIN(TestKeymapDialog)
#include "tst_keymapdialog.moc"
