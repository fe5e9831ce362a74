#include "app/MainDialog.h"
#include "device/Protocol.h"
#include "layout/KeyCap.h"
#include "layout/KeyPannel.h"
#include "settings/GeneralConfigDialog.h"
#include "sim/SimBus.h"
#include "support/ReplyRecorder.h"
#include "support/TestFolder.h"
#include "support/TestLayouts.h"
#include "ui/Palette.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QtTest>

using sim::SimBus;

namespace {
constexpr tdu2 kPid = 0x0601;
// The keyboard answers a little later, as a real one does, so the window has finished with the
// click's own events when the reply arrives: Qt's event queue, which carries the receive thread's
// wake-up, is out of the thread checker's sight while both threads use it.
constexpr int kReplyDelayMs = 20;
const QString kLayoutMismatch = QStringLiteral(
    "The keyboard now uses keymap type %1, but this window shows the layout of type 0: keymaps and indicators are "
    "neither written nor read until the program is started again to load that layout.");
} // namespace

class TestGeneralConfigDialog : public QObject
{
    Q_OBJECT

private slots:
    void cleanupTestCase();

    void readButtons_showKeyboardValues_data();
    void readButtons_showKeyboardValues();
    void badReplies_refusedOrReported_widgetsKept_data();
    void badReplies_refusedOrReported_widgetsKept();
    void applyButtons_sendTheirPayload_data();
    void applyButtons_sendTheirPayload();
    void wirelessFamilies_data();
    void wirelessFamilies();
    void indicator_selectAssignApplyRead();
    void indicator_largestGrid_sends147BytesInThreePackets();

private:
    // A window on a rows x cols keyboard of the given wireless family. The rows of one test share
    // their window, which costs more to build than most rows take to run.
    bool Open(int rows, int cols, int keyboardType = 0);
    void Close();
    QWidget* Widget(const QString& name);
    // "widget.property" of a settings page widget.
    QVariant Property(const QString& at);
    bool SetProperty(const QString& at, const QVariant& value);
    void Click(const QString& name);
    // Waits until the reply injected last has gone through the pages.
    void WaitForReplies(int count);
    QString Status() const;
    int Level() const;

    std::unique_ptr<TestFolder> m_folder;
    std::shared_ptr<sim::SimKeyboard> m_keyboard;
    std::unique_ptr<MainDialog> m_window;
    GeneralConfigDialog* m_page = nullptr;
    QLabel* m_status = nullptr;
    std::unique_ptr<ReplyRecorder> m_replies;
    QString m_openFor;
};

void TestGeneralConfigDialog::cleanupTestCase()
{
    Close();
}

void TestGeneralConfigDialog::Close()
{
    m_replies.reset();
    m_window.reset();
    m_keyboard.reset();
    m_folder.reset();
    SimBus::instance().reset();
    m_openFor.clear();
}

bool TestGeneralConfigDialog::Open(int rows, int cols, int keyboardType)
{
    const QString key = QStringLiteral("%1 %2x%3 %4")
                            .arg(QLatin1String(QTest::currentTestFunction()))
                            .arg(rows)
                            .arg(cols)
                            .arg(keyboardType);
    if (m_window && key == m_openFor) {
        m_keyboard->clearFaults();
        m_keyboard->setReplyDelayMs(kReplyDelayMs);
        m_keyboard->clearLog();
        m_replies->replies.clear();
        return true;
    }
    Close();
    m_folder = std::make_unique<TestFolder>();
    if (!m_folder->Write("config/PFX_0.json", TestLayouts::Grid(rows, cols, 1, keyboardType)))
        return false;
    m_keyboard = SimBus::instance().plug(Protocol::kVendorId, kPid, rows, cols);
    m_keyboard->setReplyDelayMs(kReplyDelayMs);
    m_window = std::make_unique<MainDialog>(nullptr, false, kPid, 0);
    m_window->SetWindowSize(1294, 800);
    m_window->SetDeviceNames(QStringLiteral("PFX"), QStringLiteral("Test Board"));
    if (!m_window->Connect())
        return false;
    m_window->Setup();
    m_window->show();
    // The keymap shown at open is read from the keyboard first.
    if (!QTest::qWaitFor([this] { return m_window->AwaitedReplies() == 0; }))
        return false;
    m_page = m_window->GeneralPage();
    m_status = m_window->findChild<QLabel*>("lblStatus");
    m_replies = std::make_unique<ReplyRecorder>();
    connect(m_window->Device(), &HidDeviceHandle::OnRecCmd, m_replies.get(), &ReplyRecorder::Record);
    QTest::mouseClick(m_window->findChild<QToolButton*>("tbtn4"), Qt::LeftButton);
    m_openFor = key;
    return m_page->isVisible();
}

QWidget* TestGeneralConfigDialog::Widget(const QString& name)
{
    // Shows the widget's page through its navigation button first.
    auto* pages = m_page->findChild<QStackedWidget*>("skwGeneralConfig");
    QWidget* widget = m_page->findChild<QWidget*>(name);
    QWidget* page = widget;
    while (page && page->parentWidget() != pages)
        page = page->parentWidget();
    const QStringList navigation {"tbtnDevice", "tbtnGeneral", "tbtnILedConfig", "tbtnHide"};
    QTest::mouseClick(m_page->findChild<QToolButton*>(navigation.value(pages->indexOf(page))), Qt::LeftButton);
    return widget;
}

QVariant TestGeneralConfigDialog::Property(const QString& at)
{
    return Widget(at.section(QLatin1Char('.'), 0, 0))->property(qPrintable(at.section(QLatin1Char('.'), 1)));
}

bool TestGeneralConfigDialog::SetProperty(const QString& at, const QVariant& value)
{
    return Widget(at.section(QLatin1Char('.'), 0, 0))->setProperty(qPrintable(at.section(QLatin1Char('.'), 1)), value);
}

void TestGeneralConfigDialog::Click(const QString& name)
{
    auto* button = qobject_cast<QAbstractButton*>(Widget(name));
    QVERIFY2(button && button->isVisible(), qPrintable(name));
    QTest::mouseClick(button, Qt::LeftButton);
}

void TestGeneralConfigDialog::WaitForReplies(int count)
{
    QTRY_COMPARE(m_replies->replies.size(), count);
}

QString TestGeneralConfigDialog::Status() const
{
    return m_status->text();
}

int TestGeneralConfigDialog::Level() const
{
    const QColor color = m_status->palette().color(QPalette::WindowText);
    return color == Palette::StatusColor(Palette::kSuccess) ? 0
        : color == Palette::StatusColor(Palette::kFailure)  ? 1
                                                            : 2;
}

void TestGeneralConfigDialog::readButtons_showKeyboardValues_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("shownAt");
    QTest::addColumn<QVariant>("shown");
    QTest::addColumn<QString>("status");
    QTest::addColumn<int>("level");
    auto row
        = [](const char* name, const char* button, const char* at, const QVariant& shown, const QString& status,
              int level = 0) { QTest::newRow(name) << QString(button) << QString(at) << shown << status << level; };
    row("version", "btnGetCurrFmVer", "lblCurrFmVer.text", "Ver: 1.2.10", "Success to Read Keyboard Version");
    row("serial keeps leading zeros", "btnDeviceSN", "ldtDeviceSN.text", "0AB03C5107E29D4410F3682B05C7",
        "Success to Read Keyboard SN");
    row("bluetooth version", "btnGetBleCurrFmVer", "lblCurrBleFmVer.text", "Ver: 3.1.4",
        "Success to Read Keyboard Bluetooth Version");
    row("bluetooth serial", "btnBleSN", "ldtBleSN.text", "019A5E00C3720FD8", "Success to Read Keyboard Bluetooth SN");
    row("nkro", "btnGetNkro", "rdbNKRO.checked", true, "Success to Read Keyboard NKRO Setting");
    row("sleep beyond int clamps to 60000", "btnGetSleepTime", "spbSleepTime.value", 60000,
        "Success to Read Inactive Sleep Time");
    row("wakeup", "btnGetWakeupMode", "rdbWakeupAll.checked", true, "Success to Read Keyboard Wakeup Mode Setting");
    row("wireless type", "btnGetWirelessType", "cbxWirelessType.currentIndex", 2, QStringLiteral("读取无线类型成功"));
    // The window's layout is of type 0: it says what that means for keymaps and indicators.
    row("keymap type", "btnGetKeymapType", "cbxKeymapType.currentIndex", 3, kLayoutMismatch.arg(3), 2);
}

void TestGeneralConfigDialog::readButtons_showKeyboardValues()
{
    QFETCH(QString, button);
    QFETCH(QString, shownAt);
    QFETCH(QVariant, shown);
    QFETCH(QString, status);
    QFETCH(int, level);
    QVERIFY(Open(5, 14));
    m_keyboard->modify([](sim::KeyboardState& state) {
        state.rollover = 1;
        state.wakeupMode = 1;
        state.sleepTime = 0xFFFFFFFF;
        state.wirelessType = 2;
        state.keymapType = 3;
    });
    QVERIFY(Property(shownAt) != shown);

    Click(button);

    QTRY_COMPARE(Status(), status);
    QCOMPARE(Level(), level);
    QCOMPARE(Property(shownAt), shown);
}

void TestGeneralConfigDialog::badReplies_refusedOrReported_widgetsKept_data()
{
    QTest::addColumn<int>("cmd");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QString>("keptAt");
    QTest::addColumn<QString>("status");
    QTest::addColumn<int>("level");
    // The button whose command the reply answers, clicked first.
    QTest::addColumn<QString>("button");
    auto row = [](const char* name, int cmd, const char* hex, const char* at, const QString& status, int level,
                   const char* button) {
        QTest::newRow(name) << cmd << QByteArray::fromHex(hex) << QString(at) << status << level << QString(button);
    };
    row("version 2 bytes", 0x02, "0102", "lblCurrFmVer.text", "Fail to Read Keyboard Version", 1, "btnGetCurrFmVer");
    row("serial 13 bytes", 0x0A, "0AB03C5107E29D4410F3682B05", "ldtDeviceSN.text", "Fail to Read Keyboard SN", 1,
        "btnDeviceSN");
    row("ble version ready, 2 bytes", 0x30, "000301", "lblCurrBleFmVer.text", "Fail to Read Keyboard Bluetooth Version",
        1, "btnGetBleCurrFmVer");
    row("ble version not init", 0x30, "01030104", "lblCurrBleFmVer.text", "Keyboard Bluetooth Not Init", 2,
        "btnGetBleCurrFmVer");
    row("ble version not available", 0x30, "02", "lblCurrBleFmVer.text", "Keyboard Bluetooth Not Available", 1,
        "btnGetBleCurrFmVer");
    row("ble version unknown status: no message", 0x30, "03030104", "lblCurrBleFmVer.text", "before", 0,
        "btnGetBleCurrFmVer");
    row("ble serial ready, 7 bytes", 0x31, "0001020304050607", "ldtBleSN.text", "Fail to Read Keyboard Bluetooth SN", 1,
        "btnBleSN");
    row("ble serial empty", 0x31, "", "ldtBleSN.text", "Fail to Read Keyboard Bluetooth SN", 1, "btnBleSN");
    row("ble serial not init", 0x31, "01", "ldtBleSN.text", "Keyboard Bluetooth Not Init", 2, "btnBleSN");
    row("sleep 3 bytes", 0x14, "b40000", "spbSleepTime.value", "Fail to Read Inactive Sleep Time", 1,
        "btnGetSleepTime");
    row("nkro empty", 0x07, "", "rdb6KRO.checked", "Fail to Read Keyboard NKRO Setting", 1, "btnGetNkro");
    row("nkro 2: kept, read", 0x07, "02", "rdb6KRO.checked", "Success to Read Keyboard NKRO Setting", 0, "btnGetNkro");
    row("wakeup empty", 0x2A, "", "rdbWakeupEsc.checked", "Fail to Read Keyboard Wakeup Mode Setting", 1,
        "btnGetWakeupMode");
    row("wakeup 7: kept, read", 0x2A, "07", "rdbWakeupEsc.checked", "Success to Read Keyboard Wakeup Mode Setting", 0,
        "btnGetWakeupMode");
    row("keymap type 4", 0x27, "04", "cbxKeymapType.currentIndex", "Fail to Get Keymap Type", 1, "btnGetKeymapType");
    row("wireless type empty", 0x25, "", "cbxWirelessType.currentIndex", QStringLiteral("读取无线类型失败"), 1,
        "btnGetWirelessType");
    row("nkro apply empty", 0x06, "", "rdb6KRO.checked", "Fail to Apply Keyboard NKRO Setting", 1, "btnSetNkro");
    row("sleep set 1", 0x13, "01", "spbSleepTime.value", "Fail to Set Inactive Sleep Time", 1, "btnSetSleepTime");
    row("wakeup apply 3", 0x29, "03", "rdbWakeupEsc.checked", "Fail to Apply Keyboard Wakeup Mode Setting", 1,
        "btnSetWakeupMode");
    row("indicator apply 1", 0x04, "01", "rdb6KRO.checked", "Fail to Apply Indicator Setting", 1, "btnSetILedConfig");
    row("wireless set 1", 0x24, "01", "cbxWirelessType.currentIndex", QStringLiteral("设置无线类型失败"), 1,
        "btnSetWirelessType");
    row("keymap type set empty", 0x26, "", "cbxKeymapType.currentIndex", "Fail to Set Keymap Type", 1,
        "btnSetKeymapType");
}

void TestGeneralConfigDialog::badReplies_refusedOrReported_widgetsKept()
{
    QFETCH(int, cmd);
    QFETCH(QByteArray, payload);
    QFETCH(QString, keptAt);
    QFETCH(QString, status);
    QFETCH(int, level);
    QFETCH(QString, button);
    QVERIFY(Open(5, 14));
    const QVariant before = Property(keptAt);
    m_keyboard->silenceNextReplies(1);
    Click(button);
    m_window->ResultShow(0, QStringLiteral("before"));

    m_keyboard->injectReply(tdu1(cmd), std::vector<std::uint8_t>(payload.begin(), payload.end()));
    WaitForReplies(1);

    QCOMPARE(Status(), status);
    QCOMPARE(Level(), level);
    QCOMPARE(Property(keptAt), before);
}

void TestGeneralConfigDialog::applyButtons_sendTheirPayload_data()
{
    QTest::addColumn<QString>("setAt");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("cmd");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<int>("failStatus");
    QTest::addColumn<QString>("status");
    auto row = [](const char* name, const char* at, const QVariant& value, const char* button, int cmd, const char* hex,
                   int failStatus, const QString& status) {
        QTest::newRow(name) << QString(at) << value << QString(button) << cmd << QByteArray::fromHex(hex) << failStatus
                            << status;
    };
    row("sleep 180", "spbSleepTime.value", 180, "btnSetSleepTime", 0x13, "b4000000", -1,
        "Success to Set Inactive Sleep Time");
    row("sleep 60000", "spbSleepTime.value", 60000, "btnSetSleepTime", 0x13, "60ea0000", -1,
        "Success to Set Inactive Sleep Time");
    row("sleep refused", "spbSleepTime.value", 600, "btnSetSleepTime", 0x13, "58020000", 1,
        "Fail to Set Inactive Sleep Time");
    row("nkro", "rdbNKRO.checked", true, "btnSetNkro", 0x06, "01", -1, "Success to Apply Keyboard NKRO Setting");
    row("6kro", "rdb6KRO.checked", true, "btnSetNkro", 0x06, "00", -1, "Success to Apply Keyboard NKRO Setting");
    row("nkro refused", "rdbNKRO.checked", true, "btnSetNkro", 0x06, "01", 2, "Fail to Apply Keyboard NKRO Setting");
    row("wakeup all keys", "rdbWakeupAll.checked", true, "btnSetWakeupMode", 0x29, "01", -1,
        "Success to Apply Keyboard Wakeup Mode Setting");
    row("wireless type 2", "cbxWirelessType.currentIndex", 2, "btnSetWirelessType", 0x24, "02", -1,
        QStringLiteral("设置无线类型成功"));
    // Another type than the window's layout: the window says what it no longer sends.
    row("keymap type 64 left shift", "cbxKeymapType.currentIndex", 2, "btnSetKeymapType", 0x26, "02", -1,
        kLayoutMismatch.arg(2));
    row("keymap type 0", "cbxKeymapType.currentIndex", 0, "btnSetKeymapType", 0x26, "00", -1,
        "Success to Set Keymap Type");
}

void TestGeneralConfigDialog::applyButtons_sendTheirPayload()
{
    QFETCH(QString, setAt);
    QFETCH(QVariant, value);
    QFETCH(QString, button);
    QFETCH(int, cmd);
    QFETCH(QByteArray, payload);
    QFETCH(int, failStatus);
    QFETCH(QString, status);
    QVERIFY(Open(5, 14));
    QVERIFY(SetProperty(setAt, value));
    if (failStatus >= 0)
        m_keyboard->failNextStatus(tdu1(failStatus));
    m_keyboard->clearLog();

    Click(button);

    QTRY_COMPARE(Status(), status);
    QCOMPARE(Level(), failStatus >= 0 ? 1 : status.startsWith(kLayoutMismatch.left(20)) ? 2 : 0);
    QCOMPARE(int(m_keyboard->receivedCommands().size()), 1);
    QCOMPARE(int(m_keyboard->receivedCommands().front().first), cmd);
    const std::vector<std::uint8_t> sent = m_keyboard->receivedCommands().front().second;
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(sent.data()), int(sent.size())).toHex(), payload.toHex());
    QCOMPARE(Property(setAt), value);
}

void TestGeneralConfigDialog::wirelessFamilies_data()
{
    QTest::addColumn<int>("family");
    QTest::addColumn<int>("reply");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("bluetoothShown");

    QTest::newRow("family 0 reads 2") << 0 << 2 << QStringLiteral("蓝牙优联模块") << QStringLiteral("读取无线类型成功")
                                      << true;
    // An empty selection: the one before stays.
    QTest::newRow("family 0 refuses 3") << 0 << 3 << QString() << QStringLiteral("读取无线类型失败") << true;
    QTest::newRow("family 1 reads 3") << 1 << 3 << QStringLiteral("USB-BLE-LOGI三模")
                                      << QStringLiteral("读取无线类型成功") << false;
    QTest::newRow("family 1 refuses 4") << 1 << 4 << QString() << QStringLiteral("读取无线类型失败") << false;
    QTest::newRow("family 2 keeps the form's list")
        << 2 << 1 << QStringLiteral("不启用") << QStringLiteral("before") << true;
}

void TestGeneralConfigDialog::wirelessFamilies()
{
    QFETCH(int, family);
    QFETCH(int, reply);
    QFETCH(QString, selected);
    QFETCH(QString, status);
    QFETCH(bool, bluetoothShown);
    QVERIFY(Open(4, 12, family));
    QCOMPARE(int(m_page->KeyboardType()), family);
    m_keyboard->modify([reply](sim::KeyboardState& state) { state.wirelessType = tdu1(reply); });
    m_window->ResultShow(0, QStringLiteral("before"));
    auto* types = qobject_cast<QComboBox*>(Widget("cbxWirelessType"));
    const QString before = types->currentText();

    Click("btnGetWirelessType");
    WaitForReplies(1);

    QCOMPARE(Status(), status);
    QCOMPARE(types->currentText(), selected.isEmpty() ? before : selected);
    for (const char* name : {"gpbBleVersion", "btnBleSN", "ldtBleSN"})
        QCOMPARE(Widget(name)->isVisible(), bluetoothShown);
    // Nothing tells the Bluetooth module's latest version: the button and its labels are hidden.
    for (const char* name : {"btnGetBleNewFmVer", "lblNewBleFmVer", "lblFirmwareDesc_2"})
        QVERIFY(!Widget(name)->isVisible());
}

void TestGeneralConfigDialog::indicator_selectAssignApplyRead()
{
    QVERIFY(Open(4, 12));
    KeyPannel* pannel = m_page->ILedPannel();
    auto caption = [pannel](int row, int col) { return pannel->Cap(row, col)->Button()->text(); };
    auto clickKey = [this, pannel](int row, int col) {
        Widget("wdgILedKeyPannel");
        QTest::mouseClick(pannel->Cap(row, col)->Button(), Qt::LeftButton);
    };
    // The layout gives the key at (0, 0) an LED that starts as the Caps Lock indicator.
    QCOMPARE(int(m_page->ILedCode(0, 0)), 1);
    QCOMPARE(caption(0, 0), QStringLiteral("Caps\nLock"));

    // Nothing selected, then a key without LED: the function buttons do nothing.
    Click("btnILedLayer1");
    clickKey(0, 1);
    Click("btnILedLayer1");
    QCOMPARE(int(m_page->ILedCode(0, 0)), 1);
    QCOMPARE(int(m_page->ILedCode(0, 1)), 0);

    clickKey(0, 0);
    Click("btnILedLayer1");
    QCOMPARE(int(m_page->ILedCode(0, 0)), 5);
    QCOMPARE(caption(0, 0), QStringLiteral("Layer2\n"));
    QVERIFY(pannel->Cap(0, 0)->Button()->isChecked());

    // A key without LED leaves the selection where it was.
    clickKey(0, 1);
    Click("btnILedClear");
    QCOMPARE(int(m_page->ILedCode(0, 0)), 0);
    QCOMPARE(caption(0, 0), QString());
    QVERIFY(pannel->Cap(0, 0)->Button()->isChecked());

    m_keyboard->modify([](sim::KeyboardState& state) { state.iled[0][0] = 9; });
    m_keyboard->clearLog();
    Click("btnSetILedConfig");
    QTRY_COMPARE(Status(), QStringLiteral("Success to Apply Indicator Setting"));
    QCOMPARE(int(m_keyboard->receivedCommands().front().second.size()), 48);
    QCOMPARE(int(m_keyboard->state().iled[0][0]), 0);

    // A code the page does not know shows nothing but goes back as it came.
    m_keyboard->modify([](sim::KeyboardState& state) {
        state.iled[0][0] = 25;
        state.iled[3][11] = 7;
    });
    Click("btnReadILedConfig");
    QTRY_COMPARE(Status(), QStringLiteral("Success to Read Indicator Setting"));
    QCOMPARE(caption(0, 0), QString());
    QCOMPARE(int(m_page->ILedCode(0, 0)), 25);
    QCOMPARE(int(m_page->ILedCode(3, 11)), 7);
    QVERIFY(pannel->Cap(0, 0)->Button()->isChecked());

    m_keyboard->modify([](sim::KeyboardState& state) { state.iled[0][0] = 0; });
    m_keyboard->clearLog();
    Click("btnSetILedConfig");
    QTRY_COMPARE(Status(), QStringLiteral("Success to Apply Indicator Setting"));
    const std::vector<std::uint8_t> sent = m_keyboard->receivedCommands().front().second;
    QCOMPARE(int(sent.front()), 25);
    QCOMPARE(int(sent.back()), 7);

    // A block one byte short is refused whole.
    m_keyboard->modify([](sim::KeyboardState& state) { state.iled[0][0] = 3; });
    m_keyboard->truncateNextReply(47);
    Click("btnReadILedConfig");
    QTRY_COMPARE(Status(), QStringLiteral("Fail to Read Indicator Setting"));
    QCOMPARE(Level(), 1);
    QCOMPARE(int(m_page->ILedCode(0, 0)), 25);
}

void TestGeneralConfigDialog::indicator_largestGrid_sends147BytesInThreePackets()
{
    QVERIFY(Open(Protocol::kMaxRows, Protocol::kMaxCols));
    m_keyboard->clearLog();
    Click("btnSetILedConfig");
    QTRY_COMPARE(Status(), QStringLiteral("Success to Apply Indicator Setting"));
    QCOMPARE(int(m_keyboard->writtenReports().size()), 3);
    QCOMPARE(int(m_keyboard->receivedCommands().front().second.size()), 147);
    QCOMPARE(int(m_keyboard->state().iled[0][0]), 1);

    Click("btnReadILedConfig");
    QTRY_COMPARE(Status(), QStringLiteral("Success to Read Indicator Setting"));
}

QTEST_MAIN(TestGeneralConfigDialog)
#include "tst_generalconfigdialog.moc"
