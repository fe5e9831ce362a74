#include "keymap/KeyCodeBasicKeyPannel.h"
#include "keymap/KeyCodeCatalogue.h"
#include "keymap/KeyCodeCombKeyPannel.h"
#include "keymap/KeyCodeDescription.h"
#include "keymap/KeyCodeDiadKeyPannel.h"
#include "keymap/KeyCodeLayerKeyPannel.h"
#include "keymap/KeyCodeLedKeyPannel.h"
#include "keymap/KeyCodeMacroKeyPannel.h"
#include "keymap/KeyCodeMediaKeyPannel.h"
#include "keymap/KeycodeFuncKeyPannel.h"
#include "layout/KeyCap.h"

#include "tst_keymapdialog_fixture.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLoggingCategory>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <algorithm>
#include <functional>
#include <memory>

namespace {

QList<int> Range(int first, int last)
{
    QList<int> values;
    for (int v = first; v <= last; ++v) {
        values.append(v);
    }
    return values;
}

using PickerFactory = std::function<KeyCodePannelBase*()>;
} // namespace
Q_DECLARE_METATYPE(PickerFactory)
namespace {

// The picker's code signal, whatever its name.
const char* CodeSignal(KeyCodePannelBase* picker)
{
    if (qobject_cast<KeyCodeBasicKeyPannel*>(picker))
        return SIGNAL(BasicKeyPannelClicked(tdu2));
    if (qobject_cast<KeyCodeMediaKeyPannel*>(picker))
        return SIGNAL(MediaKeyPannelClicked(tdu2));
    if (qobject_cast<KeyCodeLayerKeyPannel*>(picker))
        return SIGNAL(LayerKeyPannelClicked(tdu2));
    if (qobject_cast<KeyCodeLedKeyPannel*>(picker))
        return SIGNAL(LedKeyPannelClicked(tdu2));
    if (qobject_cast<KeyCodeMacroKeyPannel*>(picker))
        return SIGNAL(MacroKeyPannelClicked(tdu2));
    if (qobject_cast<KeycodeFuncKeyPannel*>(picker))
        return SIGNAL(FuncKeyPannelClicked(tdu2));
    if (qobject_cast<KeyCodeDiadKeyPannel*>(picker))
        return SIGNAL(DiadKeyPannelClicked(tdu2));
    return SIGNAL(CombKeyPannelClicked(tdu2));
}

// Every cap of the picker that lies on the page shown, in the order they were made.
QList<KeyCap*> VisibleCaps(KeyCodePannelBase* picker)
{
    QList<KeyCap*> caps;
    for (KeyCap* cap : picker->Caps()) {
        if (cap->isVisible()) {
            caps.append(cap);
        }
    }
    return caps;
}

QList<int> ClickEveryCap(KeyCodePannelBase* picker)
{
    QSignalSpy spy(picker, CodeSignal(picker));
    // Walk the pages as a user would: show each one, then click what it shows.
    const QList<QToolButton*> nav = picker->NavButtons();
    const int pages = nav.isEmpty() ? 1 : nav.size();
    for (int page = 0; page < pages; ++page) {
        if (!nav.isEmpty()) {
            QTest::mouseClick(nav.at(page), Qt::LeftButton);
        }
        for (KeyCap* cap : VisibleCaps(picker)) {
            QTest::mouseClick(cap->Button(), Qt::LeftButton);
        }
    }
    QList<int> codes;
    for (const QList<QVariant>& args : spy) {
        codes.append(args.at(0).value<tdu2>());
    }
    return codes;
}

QCheckBox* Box(QWidget* picker, const char* name)
{
    return picker->findChild<QCheckBox*>(QString::fromLatin1(name));
}

} // namespace

class TestPickers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void everyCap_emitsItsOwnCode_andTheSetMatchesThePicker_data();
    void everyCap_emitsItsOwnCode_andTheSetMatchesThePicker();

    void caps_are44PixelKeysWithThePickersPointSize_data();
    void caps_are44PixelKeysWithThePickersPointSize();

    void everyCaption_fitsInsideItsCap();
    void caps_showTheirCodeAndDescribeIt_data();
    void caps_showTheirCodeAndDescribeIt();

    void navClicked_checksOnlyTheSenderAndShowsItsPage_data();
    void navClicked_checksOnlyTheSenderAndShowsItsPage();

    void apply_emitsModifierHighByteAndClearsBoxes_data();
    void apply_emitsModifierHighByteAndClearsBoxes();

    void switchingToAModifierPage_clearsItsBoxes_data();
    void switchingToAModifierPage_clearsItsBoxes();

    void diadLayerPage_explainsDualRoleKeys();

    void everyPickerPage_fitsThePickerAreaWithoutOverlap_data();
    void everyPickerPage_fitsThePickerAreaWithoutOverlap();
};

void TestPickers::initTestCase()
{
    RegisterDeviceMetaTypes();
    QLoggingCategory::setFilterRules(QStringLiteral("driver.*.debug=false"));
}

void TestPickers::everyCap_emitsItsOwnCode_andTheSetMatchesThePicker_data()
{
    QTest::addColumn<PickerFactory>("factory");
    QTest::addColumn<QList<int>>("expected");

    QTest::newRow("basic") << PickerFactory([] { return new KeyCodeBasicKeyPannel(); })
                           << (Range(4, 29) + Range(30, 39) + Range(58, 69) + QList<int> {40, 41, 42, 43, 44, 57, 101}
                                  + Range(224, 231) + Range(45, 49) + Range(51, 56) + Range(73, 78) + Range(79, 82)
                                  + Range(83, 99) + Range(70, 72));
    QTest::newRow("media") << PickerFactory([] { return new KeyCodeMediaKeyPannel(); })
                           << (Range(154, 158) + QList<int> {161, 162} + Range(164, 174));
    QTest::newRow("layer") << PickerFactory([] { return new KeyCodeLayerKeyPannel(); })
                           << (Range(178, 180) + Range(175, 177) + Range(181, 184));
    QTest::newRow("led") << PickerFactory([] { return new KeyCodeLedKeyPannel(); })
                         << (Range(135, 145) + Range(193, 203));
    QTest::newRow("macro") << PickerFactory([] { return new KeyCodeMacroKeyPannel(); })
                           << (Range(104, 115) + Range(204, 223));
    QTest::newRow("func") << PickerFactory([] { return new KeycodeFuncKeyPannel(); })
                          << (QList<int> {232, 233} + Range(186, 192));
    // Only the layer page of the dual-role picker has caps; they stand for high bytes.
    QTest::newRow("diad layer") << PickerFactory([] { return new KeyCodeDiadKeyPannel(); })
                                << QList<int> {0x3100, 0x3200, 0x3300};
}

void TestPickers::everyCap_emitsItsOwnCode_andTheSetMatchesThePicker()
{
    QFETCH(PickerFactory, factory);
    QFETCH(QList<int>, expected);

    std::unique_ptr<KeyCodePannelBase> picker(factory());
    picker->show();
    QVERIFY(QTest::qWaitForWindowExposed(picker.get()));

    const QList<int> emitted = ClickEveryCap(picker.get());
    // One emission per cap, each a different code.
    QCOMPARE(emitted.size(), picker->Caps().size());
    QCOMPARE(emitted.size(), QSet<int>(emitted.begin(), emitted.end()).size());

    QList<int> emittedSorted = emitted;
    QList<int> expectedSorted = expected;
    std::sort(emittedSorted.begin(), emittedSorted.end());
    std::sort(expectedSorted.begin(), expectedSorted.end());
    QCOMPARE(emittedSorted, expectedSorted);
}

void TestPickers::caps_are44PixelKeysWithThePickersPointSize_data()
{
    QTest::addColumn<PickerFactory>("factory");
    QTest::addColumn<int>("minPoint");
    QTest::addColumn<int>("maxPoint");

    QTest::newRow("basic") << PickerFactory([] { return new KeyCodeBasicKeyPannel(); }) << 9 << 11;
    QTest::newRow("media") << PickerFactory([] { return new KeyCodeMediaKeyPannel(); }) << 12 << 12;
    QTest::newRow("layer") << PickerFactory([] { return new KeyCodeLayerKeyPannel(); }) << 9 << 9;
    QTest::newRow("led") << PickerFactory([] { return new KeyCodeLedKeyPannel(); }) << 9 << 9;
    QTest::newRow("macro") << PickerFactory([] { return new KeyCodeMacroKeyPannel(); }) << 11 << 11;
    QTest::newRow("func") << PickerFactory([] { return new KeycodeFuncKeyPannel(); }) << 10 << 10;
    QTest::newRow("diad") << PickerFactory([] { return new KeyCodeDiadKeyPannel(); }) << 9 << 9;
}

void TestPickers::caps_are44PixelKeysWithThePickersPointSize()
{
    QFETCH(PickerFactory, factory);
    QFETCH(int, minPoint);
    QFETCH(int, maxPoint);

    std::unique_ptr<KeyCodePannelBase> picker(factory());
    QVERIFY(!picker->Caps().isEmpty());
    for (KeyCap* cap : picker->Caps()) {
        QCOMPARE(cap->size(), QSize(44, 44));
        QCOMPARE(cap->KeyWidth(), tdu2(100));
        QCOMPARE(cap->KeyHeight(), tdu2(100));
        QCOMPARE(cap->Button()->isCheckable(), false);
        if (!cap->Button()->text().isEmpty()) {
            const int point = cap->Button()->font().pointSize();
            QVERIFY2(point >= minPoint && point <= maxPoint, qPrintable(cap->Button()->text()));
        } else {
            // Icon caps size their glyph from the point size: (size + 2) square.
            const int edge = cap->Button()->iconSize().width();
            QVERIFY2(edge >= minPoint + 2 && edge <= maxPoint + 2, qPrintable(cap->toolTip()));
        }
    }
}

void TestPickers::everyCaption_fitsInsideItsCap()
{
    const QList<KeyCodePannelBase*> pickers {new KeyCodeBasicKeyPannel(), new KeyCodeMediaKeyPannel(),
        new KeyCodeLayerKeyPannel(), new KeyCodeLedKeyPannel(), new KeyCodeMacroKeyPannel(), new KeycodeFuncKeyPannel(),
        new KeyCodeDiadKeyPannel()};
    int texts = 0;
    for (KeyCodePannelBase* picker : pickers) {
        for (KeyCap* cap : picker->Caps()) {
            QToolButton* button = cap->Button();
            const QFontMetrics metrics(button->font());
            for (QString line : button->text().split('\n')) {
                line.replace("&&", "&");
                // Inside the one-pixel border on either side.
                QVERIFY2(metrics.horizontalAdvance(line) <= button->width() - 2,
                    qPrintable(picker->objectName() + ": " + line));
                texts += line.isEmpty() ? 0 : 1;
            }
        }
    }
    qDeleteAll(pickers);
    QVERIFY(texts > 100);
}

void TestPickers::caps_showTheirCodeAndDescribeIt_data()
{
    QTest::addColumn<PickerFactory>("factory");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("hasIcon");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<int>("mark");

    const int plain = int(KeyCap::RoleMark::None);
    QTest::newRow("letter A") << PickerFactory([] { return new KeyCodeBasicKeyPannel(); }) << 0 << "A\n"
                              << false << QString::fromUtf8("字母A") << plain;
    QTest::newRow("mute is an icon") << PickerFactory([] { return new KeyCodeMediaKeyPannel(); }) << 0 << "" << true
                                     << QString::fromUtf8("静音") << plain;
    QTest::newRow("KM3") << PickerFactory([] { return new KeyCodeLayerKeyPannel(); }) << 8 << "KM3\n"
                         << false << QString::fromUtf8("切换至配列3") << plain;
    QTest::newRow("BLE1 icon and caption")
        << PickerFactory([] { return new KeycodeFuncKeyPannel(); }) << 2 << "BLE1" << true
        << QString::fromUtf8("蓝牙设备1（单击切换设备,长按3s重新配对）") << plain;
    // Stands for the dual-role layer 3 high byte: says what it makes of the key it is applied to.
    QTest::newRow("diad LM3") << PickerFactory([] { return new KeyCodeDiadKeyPannel(); }) << 1 << "LM3\n"
                              << false << KeyCodeDescription::OfHighByte(KeyCodeCatalogue::kDualRoleLayer3)
                              << int(KeyCap::RoleMark::DualRole);
}

void TestPickers::caps_showTheirCodeAndDescribeIt()
{
    QFETCH(PickerFactory, factory);
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(bool, hasIcon);
    QFETCH(QString, toolTip);
    QFETCH(int, mark);

    std::unique_ptr<KeyCodePannelBase> picker(factory());
    KeyCap* cap = picker->Caps().at(index);
    QCOMPARE(cap->Button()->text(), text);
    QCOMPARE(!cap->Button()->icon().isNull(), hasIcon);
    QCOMPARE(cap->toolTip(), toolTip);
    QCOMPARE(int(cap->ShownRoleMark()), mark);
    // Picker caps show plain codes, never in italics.
    QCOMPARE(cap->Button()->font().italic(), false);
}

void TestPickers::navClicked_checksOnlyTheSenderAndShowsItsPage_data()
{
    QTest::addColumn<PickerFactory>("factory");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QString>("stack");

    QTest::newRow("basic") << PickerFactory([] { return new KeyCodeBasicKeyPannel(); })
                           << QStringList {"tbtnBasicCharKeyCode", "tbtnBasicNumKeyCode", "tbtnBasicFuncKeyCode",
                                  "tbtnBasicCtrlKeyCode", "tbtnBasicSymbolKeyCode", "tbtnBasicEditKeyCode",
                                  "tbtnBasicDirKeyCode", "tbtnBasicPadKeyCode", "tbtnBasicSysKeyCode"}
                           << QStringList {"Character", "Numeral", "Function", "Ctrl", "Symbol", "Edit", "Direction",
                                  "Pad", "System"}
                           << "skwBasicKeyCode";
    QTest::newRow("led") << PickerFactory([] { return new KeyCodeLedKeyPannel(); })
                         << QStringList {"tbtnLedKeyCode", "tbtnBLedKeyCode"} << QStringList {"Back Led", "Bottom Led"}
                         << "skwLedKeyCode";
    QTest::newRow("diad") << PickerFactory([] { return new KeyCodeDiadKeyPannel(); })
                          << QStringList {"tbtnLModDiadKey", "tbtnRModDiadKey", "tbtnLayerDiadKey"}
                          << QStringList {"Left Mod", "Right Mod", "Layer"} << "skwDiadKeyCode";
    QTest::newRow("comb") << PickerFactory([] { return new KeyCodeCombKeyPannel(); })
                          << QStringList {"tbtnLModCombKey", "tbtnRModCombKey"} << QStringList {"Left Mod", "Right Mod"}
                          << "skwCombKeyCode";
}

void TestPickers::navClicked_checksOnlyTheSenderAndShowsItsPage()
{
    QFETCH(PickerFactory, factory);
    QFETCH(QStringList, buttons);
    QFETCH(QStringList, captions);
    QFETCH(QString, stack);

    std::unique_ptr<KeyCodePannelBase> picker(factory());
    picker->show();
    QStackedWidget* pages = picker->findChild<QStackedWidget*>(stack);
    QVERIFY(pages != nullptr);
    QCOMPARE(pages->count(), buttons.size());
    QCOMPARE(pages->currentIndex(), 0);

    // Walk backwards so every click moves away from the page shown before.
    for (int i = buttons.size() - 1; i >= 0; --i) {
        QToolButton* button = KeymapPageFixture::Button(picker.get(), buttons.at(i));
        QVERIFY2(button != nullptr, qPrintable(buttons.at(i)));
        QCOMPARE(button->text(), captions.at(i));
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(pages->currentIndex(), i);
        for (int j = 0; j < buttons.size(); ++j) {
            QCOMPARE(KeymapPageFixture::Button(picker.get(), buttons.at(j))->isChecked(), i == j);
        }
    }
    // A second click on the shown page keeps it checked.
    QToolButton* first = KeymapPageFixture::Button(picker.get(), buttons.first());
    QTest::mouseClick(first, Qt::LeftButton);
    QTest::mouseClick(first, Qt::LeftButton);
    QVERIFY(first->isChecked());
    QCOMPARE(pages->currentIndex(), 0);
}

void TestPickers::apply_emitsModifierHighByteAndClearsBoxes_data()
{
    QTest::addColumn<PickerFactory>("factory");
    QTest::addColumn<QString>("navButton");
    QTest::addColumn<QString>("applyButton");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<int>("expected");

    const PickerFactory diad = [] { return new KeyCodeDiadKeyPannel(); };
    const PickerFactory comb = [] { return new KeyCodeCombKeyPannel(); };
    QTest::newRow("diad left ctrl") << diad << "tbtnLModDiadKey"
                                    << "tbtnLModSet" << QStringList {"ckbLCtrl"} << 0x1100;
    QTest::newRow("diad left ctrl win") << diad << "tbtnLModDiadKey"
                                        << "tbtnLModSet" << QStringList {"ckbLCtrl", "ckbLWin"} << 0x1900;
    QTest::newRow("diad right all") << diad << "tbtnRModDiadKey"
                                    << "tbtnRModSet" << QStringList {"ckbRCtrl", "ckbRShift", "ckbRAlt", "ckbRWin"}
                                    << 0x2F00;
    QTest::newRow("diad left none") << diad << "tbtnLModDiadKey"
                                    << "tbtnLModSet" << QStringList {} << 0;
    QTest::newRow("comb left shift") << comb << "tbtnLModCombKey"
                                     << "tbtnLModSet" << QStringList {"ckbLShift"} << 0x4200;
    QTest::newRow("comb right ctrl alt") << comb << "tbtnRModCombKey"
                                         << "tbtnRModSet" << QStringList {"ckbRCtrl", "ckbRAlt"} << 0x5500;
    QTest::newRow("comb right none") << comb << "tbtnRModCombKey"
                                     << "tbtnRModSet" << QStringList {} << 0;
}

void TestPickers::apply_emitsModifierHighByteAndClearsBoxes()
{
    QFETCH(PickerFactory, factory);
    QFETCH(QString, navButton);
    QFETCH(QString, applyButton);
    QFETCH(QStringList, boxes);
    QFETCH(int, expected);

    std::unique_ptr<KeyCodePannelBase> picker(factory());
    picker->show();
    QVERIFY(QTest::qWaitForWindowExposed(picker.get()));
    QTest::mouseClick(KeymapPageFixture::Button(picker.get(), navButton), Qt::LeftButton);

    for (const QString& name : boxes) {
        QCheckBox* box = picker->findChild<QCheckBox*>(name);
        QVERIFY2(box != nullptr && box->isVisible(), qPrintable(name));
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, box->rect().center());
        QVERIFY(box->isChecked());
    }

    QSignalSpy spy(picker.get(), CodeSignal(picker.get()));
    QToolButton* apply = nullptr;
    for (QToolButton* candidate : picker->findChildren<QToolButton*>(applyButton)) {
        if (candidate->isVisible()) {
            apply = candidate;
        }
    }
    QVERIFY(apply != nullptr);
    QCOMPARE(apply->text(), QStringLiteral("Apply"));
    QTest::mouseClick(apply, Qt::LeftButton);

    QCOMPARE(spy.count(), 1);
    QCOMPARE(int(spy.at(0).at(0).value<tdu2>()), expected);
    for (QCheckBox* box : picker->findChildren<QCheckBox*>()) {
        QVERIFY2(!box->isChecked(), qPrintable(box->objectName()));
    }
}

void TestPickers::switchingToAModifierPage_clearsItsBoxes_data()
{
    QTest::addColumn<PickerFactory>("factory");
    QTest::addColumn<QString>("prefix");

    QTest::newRow("diad") << PickerFactory([] { return new KeyCodeDiadKeyPannel(); }) << "DiadKey";
    QTest::newRow("comb") << PickerFactory([] { return new KeyCodeCombKeyPannel(); }) << "CombKey";
}

void TestPickers::switchingToAModifierPage_clearsItsBoxes()
{
    QFETCH(PickerFactory, factory);
    QFETCH(QString, prefix);

    std::unique_ptr<KeyCodePannelBase> picker(factory());
    picker->show();
    QToolButton* left = KeymapPageFixture::Button(picker.get(), "tbtnLMod" + prefix);
    QToolButton* right = KeymapPageFixture::Button(picker.get(), "tbtnRMod" + prefix);

    Box(picker.get(), "ckbLShift")->setChecked(true);
    Box(picker.get(), "ckbRAlt")->setChecked(true);
    QTest::mouseClick(right, Qt::LeftButton);
    // Only the side being opened is cleared.
    QVERIFY(!Box(picker.get(), "ckbRAlt")->isChecked());
    QVERIFY(Box(picker.get(), "ckbLShift")->isChecked());

    Box(picker.get(), "ckbRWin")->setChecked(true);
    QTest::mouseClick(left, Qt::LeftButton);
    QVERIFY(!Box(picker.get(), "ckbLShift")->isChecked());
    QVERIFY(Box(picker.get(), "ckbRWin")->isChecked());
}

void TestPickers::diadLayerPage_explainsDualRoleKeys()
{
    KeyCodeDiadKeyPannel picker;
    picker.show();
    QTest::mouseClick(KeymapPageFixture::Button(&picker, "tbtnLayerDiadKey"), Qt::LeftButton);
    QWidget* page = picker.findChild<QWidget*>("skwLayer");
    QVERIFY(page != nullptr && page->isVisible());
    bool found = false;
    for (QLabel* label : page->findChildren<QLabel*>()) {
        found = found || (label->isVisible() && label->text() == QString::fromUtf8("二合一按键，长按或组合按键实现"));
    }
    QVERIFY(found);
    QCOMPARE(VisibleCaps(&picker).size(), 3);
}

void TestPickers::everyPickerPage_fitsThePickerAreaWithoutOverlap_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QSize>("windowSize");

    // The shipped models, in the window size their device index entries give.
    QTest::newRow("60%") << QFINDTESTDATA("../../config/NOVA_0.json") << QSize(1294, 800);
    QTest::newRow("65%") << QFINDTESTDATA("../../config/NOVA65_0.json") << QSize(1294, 800);
    QTest::newRow("40%") << QFINDTESTDATA("../../config/NOVA40_0.json") << QSize(1294, 800);
}

void TestPickers::everyPickerPage_fitsThePickerAreaWithoutOverlap()
{
    QFETCH(QString, layout);
    QFETCH(QSize, windowSize);
    QVERIFY2(!layout.isEmpty(), "shipped layout not found");

    std::unique_ptr<KeymapDialog> page = KeymapPageFixture::MakePage(layout, "FIT");
    QVERIFY(page != nullptr);
    // The main window gives its page what its navigation column, title and status line leave.
    page->resize(windowSize.width() - 126, windowSize.height() - 85);
    page->show();
    QVERIFY(QTest::qWaitForWindowExposed(page.get()));

    QStackedWidget* area = page->findChild<QStackedWidget*>("skwKeyCode");
    const QRect areaRect(area->mapTo(page.get(), QPoint(0, 0)), area->size());
    QVERIFY(QRect(QPoint(0, 0), page->size()).contains(areaRect));

    const QStringList pickerButtons {"tbtnBasicKey", "tbtnLayerKey", "tbtnLedKey", "tbtnMediaKey", "tbtnMacroKey",
        "tbtnDiadKey", "tbtnCombKey", "tbtnFuncKey"};
    for (const QString& name : pickerButtons) {
        QTest::mouseClick(KeymapPageFixture::Button(page.get(), name), Qt::LeftButton);
        KeyCodePannelBase* picker = qobject_cast<KeyCodePannelBase*>(
            area->currentWidget()->findChild<KeyCodePannelBase*>(QString(), Qt::FindDirectChildrenOnly));
        QVERIFY(picker != nullptr);
        const QList<QToolButton*> nav = picker->NavButtons();
        const int pages = nav.isEmpty() ? 1 : nav.size();
        for (int p = 0; p < pages; ++p) {
            if (!nav.isEmpty()) {
                QTest::mouseClick(nav.at(p), Qt::LeftButton);
            }
            // Every visible control of the picker lies inside the area and clear of the others.
            QList<QPair<QString, QRect>> placed;
            for (QWidget* child : picker->findChildren<QWidget*>()) {
                const bool control = qobject_cast<KeyCap*>(child) || qobject_cast<QCheckBox*>(child)
                    || (qobject_cast<QToolButton*>(child) && !qobject_cast<KeyCap*>(child->parent()))
                    || qobject_cast<QLabel*>(child);
                if (!control || !child->isVisible()) {
                    continue;
                }
                const QRect rect(child->mapTo(page.get(), QPoint(0, 0)), child->size());
                const QString what = child->objectName() + " on " + name + " page " + QString::number(p);
                QVERIFY2(areaRect.contains(rect), qPrintable(what + " is cut off"));
                for (const auto& other : qAsConst(placed)) {
                    QVERIFY2(!other.second.intersects(rect), qPrintable(what + " overlaps " + other.first));
                }
                placed.append({what, rect});
            }
            QVERIFY(!placed.isEmpty());
        }
    }
}

QTEST_MAIN(TestPickers)
#include "tst_pickers.moc"
