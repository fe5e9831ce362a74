#include "codec/KeyboardModel.h"
#include "device/CommandClient.h"
#include "device/DeviceSession.h"
#include "device/DeviceTypes.h"
#include "device/Protocol.h"
#include "layout/KeyCap.h"
#include "layout/KeyPannel.h"
#include "layout/LayoutFile.h"
#include "settings/GeneralConfigDialog.h"
#include "support/ReplyRecorder.h"
#include "support/SimSession.h"
#include "support/TestFolder.h"
#include "support/TestLayouts.h"
#include "ui/Palette.h"

#include <QComboBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QToolButton>
#include <QtTest>

using Setting = KeyboardModel::Setting;

namespace {
constexpr tdu2 kPid = 0x0601;
// The keyboard answers a little later, as a real one does, so the page has finished with the
// click's own events when the reply arrives: Qt's event queue, which carries the receive thread's
// wake-up, is out of the thread checker's sight while both threads use it.
constexpr int kReplyDelayMs = 20;
const QString kLate = QStringLiteral("The keyboard answered late; read again to see its settings.");

// How a set command is answered.
enum class Answer { Done, Refused, ClaimedNotMade };

bool SameValue(const QVariant& held, const QVariant& expected)
{
    return expected.type() == QVariant::ByteArray ? held.toByteArray() == expected.toByteArray()
                                                  : held.toLongLong() == expected.toLongLong();
}
} // namespace
Q_DECLARE_METATYPE(Answer)

class TestGeneralConfigDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void withoutClient_commandButtonsSayDemo_data();
    void withoutClient_commandButtonsSayDemo();
    void readButtons_showKeyboardValues_data();
    void readButtons_showKeyboardValues();
    void badReplies_refusedOrReported_widgetsKept_data();
    void badReplies_refusedOrReported_widgetsKept();
    void setButtons_readBack_modelHoldsWhatKeyboardHolds_data();
    void setButtons_readBack_modelHoldsWhatKeyboardHolds();
    void ambiguousAnswer_setReadBack_readIgnored_data();
    void ambiguousAnswer_setReadBack_readIgnored();
    void setKeymapTypeUnanswered_typeUnknownModelForgottenTypeReadAgain_data();
    void setKeymapTypeUnanswered_typeUnknownModelForgottenTypeReadAgain();
    void keymapTypeChoice_onlyTypesWithALayout_data();
    void keymapTypeChoice_onlyTypesWithALayout();
    void wirelessFamilies_data();
    void wirelessFamilies();
    void indicator_selectAssignApplyRead();
    void indicator_largestGrid_sends147BytesInThreePackets();

private:
    // A page on a rows x cols keyboard of the given wireless family, with its own session on
    // the simulated keyboard (unless demo), whose clock the test moves.
    bool Open(int rows, int cols, int keyboardType = 0, bool demo = false);
    void Close();
    QWidget* Widget(const QString& name);
    // "widget.property" of a settings page widget.
    QVariant Property(const QString& at);
    bool SetProperty(const QString& at, const QVariant& value);
    void Click(const QString& name);
    // Waits until count replies have gone through the page.
    void WaitForReplies(int count);
    QStringList Statuses() const;
    QString Status() const;
    int Level() const;
    QList<int> Commands() const;

    std::unique_ptr<SimSession> m_sim;
    std::unique_ptr<KeyboardModel> m_model;
    std::unique_ptr<GeneralConfigDialog> m_page;
    std::unique_ptr<QSignalSpy> m_results;
    std::unique_ptr<ReplyRecorder> m_replies;
};

void TestGeneralConfigDialog::keymapTypeChoice_onlyTypesWithALayout_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("choosable");
    QTest::addColumn<bool>("asked");
    // files: one per keymap type: "grid", "broken" (not a layout), "" (none).
    QTest::newRow("every type has one, asked and sent")
        << QStringList {"grid", "grid", "grid", "grid"} << QStringLiteral("0123") << true;
    QTest::newRow("missing and broken layouts: not choosable, nothing sent")
        << QStringList {"grid", "", "broken", "grid"} << QStringLiteral("03") << false;
    QTest::newRow("one type alone has a layout") << QStringList {"", "grid", "", ""} << QStringLiteral("1") << false;
}

void TestGeneralConfigDialog::keymapTypeChoice_onlyTypesWithALayout()
{
    QFETCH(QStringList, files);
    QFETCH(QString, choosable);
    QFETCH(bool, asked);
    TestFolder folder;
    for (int type = 0; type < files.size(); type++) {
        if (!files.at(type).isEmpty())
            folder.Write(QStringLiteral("config/PFX_%1.json").arg(type),
                files.at(type) == QLatin1String("grid") ? TestLayouts::Grid(2, 3) : QByteArray("{\"keys\": 3"));
    }
    QVERIFY(Open(2, 3));
    QList<int> questions;
    m_page->SetKeymapTypeChoice(QStringLiteral("PFX"), [&questions](int type, const QString&) {
        questions << type;
        return true;
    });
    auto* box = qobject_cast<QComboBox*>(Widget(QStringLiteral("cbxKeymapType")));
    const auto* items = qobject_cast<QStandardItemModel*>(box->model());
    QString enabled;
    for (int type = 0; type < box->count(); type++) {
        if (items->item(type)->isEnabled())
            enabled += QString::number(type);
        // A type that cannot be chosen says why.
        QCOMPARE(items->item(type)->toolTip().isEmpty(), items->item(type)->isEnabled());
    }
    QCOMPARE(enabled, choosable);
    // Chosen anyway (the box takes any index from code): refused with the reason, unless choosable.
    box->setCurrentIndex(2);
    Click(QStringLiteral("btnSetKeymapType"));
    QCOMPARE(questions, asked ? QList<int> {2} : QList<int> {});
    QCOMPARE(Commands().contains(Protocol::kCmdSetKeymapType), asked);
    if (!asked)
        QVERIFY(Status().contains(QStringLiteral("PFX_2.json")));
}

void TestGeneralConfigDialog::initTestCase()
{
    RegisterDeviceMetaTypes();
}

void TestGeneralConfigDialog::cleanup()
{
    Close();
}

void TestGeneralConfigDialog::Close()
{
    m_results.reset();
    m_replies.reset();
    m_page.reset();
    m_model.reset();
    m_sim.reset();
}

bool TestGeneralConfigDialog::Open(int rows, int cols, int keyboardType, bool demo)
{
    Close();
    m_page = std::make_unique<GeneralConfigDialog>();
    const LayoutDescription layout = LayoutFile::Parse(TestLayouts::Grid(rows, cols, 1, keyboardType));
    LayoutFile::FillPannel(m_page->ILedPannel(), layout, LayoutFile::PannelRole::Indicator);
    LayoutFile::FillPannel(m_page->LengthPannel(), layout, LayoutFile::PannelRole::Length);
    m_page->SetKeyboardType(layout.keyboardtype);
    for (const LayoutKey& key : layout.keys) {
        if (key.valid && key.iledflag)
            m_page->SetILedDefault(key.row, key.col, key.iledtype);
    }
    m_page->InitKeyPannels();
    m_page->resize(1294, 800);
    m_page->show();
    m_results = std::make_unique<QSignalSpy>(m_page.get(), &GeneralConfigDialog::ResultShow);
    if (demo)
        return true;

    m_sim = std::make_unique<SimSession>(kPid, rows, cols);
    if (!m_sim->opened)
        return false;
    // A type besides the layout's and the unknown one, so that both changes show.
    m_sim->keyboard->modify([](sim::KeyboardState& state) { state.keymapType = 1; });
    m_sim->session->SetKeyboardKeymapType(1);
    m_sim->session->SetLayoutKeymapType(1);
    m_sim->keyboard->setReplyDelayMs(kReplyDelayMs);
    m_model = std::make_unique<KeyboardModel>();
    m_page->SetClient(m_sim->session->NewClient(m_page.get()));
    m_page->SetModel(m_model.get());
    m_replies = std::make_unique<ReplyRecorder>();
    connect(m_sim->session->Device(), &HidDeviceHandle::OnRecCmd, m_replies.get(), &ReplyRecorder::Record);
    return true;
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

QStringList TestGeneralConfigDialog::Statuses() const
{
    QStringList texts;
    for (const QList<QVariant>& result : qAsConst(*m_results))
        texts.append(result.at(1).toString());
    return texts;
}

QString TestGeneralConfigDialog::Status() const
{
    return m_results->isEmpty() ? QString() : m_results->last().at(1).toString();
}

int TestGeneralConfigDialog::Level() const
{
    return m_results->isEmpty() ? -1 : m_results->last().at(0).toInt();
}

QList<int> TestGeneralConfigDialog::Commands() const
{
    QList<int> codes;
    for (const auto& command : m_sim->keyboard->receivedCommands())
        codes.append(command.first);
    return codes;
}

void TestGeneralConfigDialog::withoutClient_commandButtonsSayDemo_data()
{
    QTest::addColumn<QString>("button");
    for (const char* button :
        {"btnGetCurrFmVer", "btnDeviceSN", "btnGetBleCurrFmVer", "btnBleSN", "btnGetNkro", "btnSetNkro",
            "btnGetSleepTime", "btnSetSleepTime", "btnGetWakeupMode", "btnSetWakeupMode", "btnReadILedConfig",
            "btnSetILedConfig", "btnGetWirelessType", "btnSetWirelessType", "btnGetKeymapType", "btnSetKeymapType"})
        QTest::newRow(button) << QString(button);
}

void TestGeneralConfigDialog::withoutClient_commandButtonsSayDemo()
{
    QFETCH(QString, button);
    QVERIFY(Open(4, 12, 0, true));

    Click(button);

    QCOMPARE(Statuses(), QStringList {"Demo Mode,Please connect keyboard and try again."});
    QCOMPARE(Level(), int(Palette::kWarning));
}

void TestGeneralConfigDialog::readButtons_showKeyboardValues_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("shownAt");
    QTest::addColumn<QVariant>("shown");
    QTest::addColumn<QString>("status");
    QTest::addColumn<int>("setting");
    QTest::addColumn<qlonglong>("held");
    auto row = [](const char* name, const char* button, const char* at, const QVariant& shown, const QString& status,
                   int setting = -1, qlonglong held = 0) {
        QTest::newRow(name) << QString(button) << QString(at) << shown << status << setting << held;
    };
    row("version", "btnGetCurrFmVer", "lblCurrFmVer.text", "Ver: 1.2.10", "Success to Read Keyboard Version");
    row("serial keeps leading zeros", "btnDeviceSN", "ldtDeviceSN.text", "0AB03C5107E29D4410F3682B05C7",
        "Success to Read Keyboard SN");
    row("bluetooth version", "btnGetBleCurrFmVer", "lblCurrBleFmVer.text", "Ver: 3.1.4",
        "Success to Read Keyboard Bluetooth Version");
    row("bluetooth serial", "btnBleSN", "ldtBleSN.text", "019A5E00C3720FD8", "Success to Read Keyboard Bluetooth SN");
    row("nkro", "btnGetNkro", "rdbNKRO.checked", true, "Success to Read Keyboard NKRO Setting", int(Setting::Rollover),
        1);
    row("sleep beyond int clamps to 60000", "btnGetSleepTime", "spbSleepTime.value", 60000,
        "Success to Read Inactive Sleep Time", int(Setting::SleepTime), 0xFFFFFFFF);
    row("wakeup", "btnGetWakeupMode", "rdbWakeupAll.checked", true, "Success to Read Keyboard Wakeup Mode Setting",
        int(Setting::WakeupMode), 1);
    row("wireless type", "btnGetWirelessType", "cbxWirelessType.currentIndex", 2, QStringLiteral("读取无线类型成功"),
        int(Setting::WirelessType), 2);
    row("keymap type", "btnGetKeymapType", "cbxKeymapType.currentIndex", 3, "Success to Get Keymap Type",
        int(Setting::KeymapType), 3);
}

void TestGeneralConfigDialog::readButtons_showKeyboardValues()
{
    QFETCH(QString, button);
    QFETCH(QString, shownAt);
    QFETCH(QVariant, shown);
    QFETCH(QString, status);
    QFETCH(int, setting);
    QFETCH(qlonglong, held);
    QVERIFY(Open(5, 14));
    m_sim->keyboard->modify([](sim::KeyboardState& state) {
        state.rollover = 1;
        state.wakeupMode = 1;
        state.sleepTime = 0xFFFFFFFF;
        state.wirelessType = 2;
        state.keymapType = 3;
    });
    QVERIFY(Property(shownAt) != shown);

    Click(button);

    QTRY_COMPARE(Status(), status);
    QCOMPARE(Level(), int(Palette::kSuccess));
    QCOMPARE(Property(shownAt), shown);
    if (setting >= 0)
        QCOMPARE(m_model->SettingValue(Setting(setting)).toLongLong(), held);
    if (Setting(setting) == Setting::KeymapType)
        QCOMPARE(int(m_sim->session->KeyboardKeymapType()), 3);
}

void TestGeneralConfigDialog::badReplies_refusedOrReported_widgetsKept_data()
{
    QTest::addColumn<int>("cmd");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QString>("keptAt");
    // Empty when the page says nothing.
    QTest::addColumn<QString>("status");
    QTest::addColumn<int>("level");
    // The button whose command the reply answers, clicked first.
    QTest::addColumn<QString>("button");
    auto row = [](const char* name, int cmd, const char* hex, const char* at, const QString& status, int level,
                   const char* button) {
        QTest::newRow(name) << cmd << QByteArray::fromHex(hex) << QString(at) << status << level << QString(button);
    };
    const int failure = Palette::kFailure;
    row("version 2 bytes", 0x02, "0102", "lblCurrFmVer.text", "Fail to Read Keyboard Version", failure,
        "btnGetCurrFmVer");
    row("serial 13 bytes", 0x0A, "0AB03C5107E29D4410F3682B05", "ldtDeviceSN.text", "Fail to Read Keyboard SN", failure,
        "btnDeviceSN");
    row("ble version ready, 2 bytes", 0x30, "000301", "lblCurrBleFmVer.text", "Fail to Read Keyboard Bluetooth Version",
        failure, "btnGetBleCurrFmVer");
    row("ble version not init", 0x30, "01030104", "lblCurrBleFmVer.text", "Keyboard Bluetooth Not Init",
        Palette::kWarning, "btnGetBleCurrFmVer");
    row("ble version not available", 0x30, "02", "lblCurrBleFmVer.text", "Keyboard Bluetooth Not Available", failure,
        "btnGetBleCurrFmVer");
    row("ble version unknown status: no message", 0x30, "03030104", "lblCurrBleFmVer.text", "", -1,
        "btnGetBleCurrFmVer");
    row("ble serial ready, 7 bytes", 0x31, "0001020304050607", "ldtBleSN.text", "Fail to Read Keyboard Bluetooth SN",
        failure, "btnBleSN");
    row("ble serial empty", 0x31, "", "ldtBleSN.text", "Fail to Read Keyboard Bluetooth SN", failure, "btnBleSN");
    row("ble serial not init", 0x31, "01", "ldtBleSN.text", "Keyboard Bluetooth Not Init", Palette::kWarning,
        "btnBleSN");
    row("sleep 3 bytes", 0x14, "b40000", "spbSleepTime.value", "Fail to Read Inactive Sleep Time", failure,
        "btnGetSleepTime");
    row("nkro empty", 0x07, "", "rdb6KRO.checked", "Fail to Read Keyboard NKRO Setting", failure, "btnGetNkro");
    row("nkro 2: kept, read", 0x07, "02", "rdb6KRO.checked", "Success to Read Keyboard NKRO Setting", Palette::kSuccess,
        "btnGetNkro");
    row("wakeup empty", 0x2A, "", "rdbWakeupEsc.checked", "Fail to Read Keyboard Wakeup Mode Setting", failure,
        "btnGetWakeupMode");
    row("wakeup 7: kept, read", 0x2A, "07", "rdbWakeupEsc.checked", "Success to Read Keyboard Wakeup Mode Setting",
        Palette::kSuccess, "btnGetWakeupMode");
    row("keymap type 4", 0x27, "04", "cbxKeymapType.currentIndex", "Fail to Get Keymap Type", failure,
        "btnGetKeymapType");
    row("wireless type empty", 0x25, "", "cbxWirelessType.currentIndex", QStringLiteral("读取无线类型失败"), failure,
        "btnGetWirelessType");
    row("nkro apply empty", 0x06, "", "rdb6KRO.checked", "Fail to Apply Keyboard NKRO Setting", failure, "btnSetNkro");
    row("sleep set 1", 0x13, "01", "spbSleepTime.value", "Fail to Set Inactive Sleep Time", failure, "btnSetSleepTime");
    row("wakeup apply 3", 0x29, "03", "rdbWakeupEsc.checked", "Fail to Apply Keyboard Wakeup Mode Setting", failure,
        "btnSetWakeupMode");
    row("indicator apply 1", 0x04, "01", "rdb6KRO.checked", "Fail to Apply Indicator Setting", failure,
        "btnSetILedConfig");
    row("wireless set 1", 0x24, "01", "cbxWirelessType.currentIndex", QStringLiteral("设置无线类型失败"), failure,
        "btnSetWirelessType");
    row("keymap type set empty", 0x26, "", "cbxKeymapType.currentIndex", "Fail to Set Keymap Type", failure,
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
    m_sim->keyboard->silenceNextReplies(1);
    Click(button);

    m_sim->keyboard->injectReply(tdu1(cmd), std::vector<std::uint8_t>(payload.begin(), payload.end()));
    WaitForReplies(1);

    QCOMPARE(Status(), status);
    QCOMPARE(Level(), level);
    QCOMPARE(Property(keptAt), before);
    // A set the keyboard refused is not read back.
    QCOMPARE(Commands().size(), 1);
}

void TestGeneralConfigDialog::setButtons_readBack_modelHoldsWhatKeyboardHolds_data()
{
    QTest::addColumn<QString>("setAt");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("cmd");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<int>("setting");
    // What the model holds afterwards; invalid when it knows nothing.
    QTest::addColumn<QVariant>("held");
    QTest::addColumn<QString>("status");
    auto row
        = [](const char* name, const char* at, const QVariant& value, const char* button, int cmd,
              const QByteArray& payload, Answer answer, Setting setting, const QVariant& held, const QString& status) {
              QTest::newRow(name) << QString(at) << value << QString(button) << cmd << payload << answer << int(setting)
                                  << held << status;
          };
    const QVariant unknown;
    row("sleep 180", "spbSleepTime.value", 180, "btnSetSleepTime", 0x13, QByteArray::fromHex("b4000000"), Answer::Done,
        Setting::SleepTime, 180, "Success to Set Inactive Sleep Time");
    row("sleep 60000", "spbSleepTime.value", 60000, "btnSetSleepTime", 0x13, QByteArray::fromHex("60ea0000"),
        Answer::Done, Setting::SleepTime, 60000, "Success to Set Inactive Sleep Time");
    row("sleep refused", "spbSleepTime.value", 600, "btnSetSleepTime", 0x13, QByteArray::fromHex("58020000"),
        Answer::Refused, Setting::SleepTime, unknown, "Fail to Set Inactive Sleep Time");
    row("sleep claimed, not made", "spbSleepTime.value", 600, "btnSetSleepTime", 0x13, QByteArray::fromHex("58020000"),
        Answer::ClaimedNotMade, Setting::SleepTime, 180, "The sleep time was set, but the keyboard holds another one.");
    row("nkro", "rdbNKRO.checked", true, "btnSetNkro", 0x06, QByteArray::fromHex("01"), Answer::Done, Setting::Rollover,
        1, "Success to Apply Keyboard NKRO Setting");
    row("6kro", "rdb6KRO.checked", true, "btnSetNkro", 0x06, QByteArray::fromHex("00"), Answer::Done, Setting::Rollover,
        0, "Success to Apply Keyboard NKRO Setting");
    row("nkro refused", "rdbNKRO.checked", true, "btnSetNkro", 0x06, QByteArray::fromHex("01"), Answer::Refused,
        Setting::Rollover, unknown, "Fail to Apply Keyboard NKRO Setting");
    row("nkro claimed, not made", "rdbNKRO.checked", true, "btnSetNkro", 0x06, QByteArray::fromHex("01"),
        Answer::ClaimedNotMade, Setting::Rollover, 0,
        "The NKRO setting was applied, but the keyboard holds another one.");
    row("wakeup all keys", "rdbWakeupAll.checked", true, "btnSetWakeupMode", 0x29, QByteArray::fromHex("01"),
        Answer::Done, Setting::WakeupMode, 1, "Success to Apply Keyboard Wakeup Mode Setting");
    row("wireless type 2", "cbxWirelessType.currentIndex", 2, "btnSetWirelessType", 0x24, QByteArray::fromHex("02"),
        Answer::Done, Setting::WirelessType, 2, QStringLiteral("设置无线类型成功"));
    row("keymap type 2", "cbxKeymapType.currentIndex", 2, "btnSetKeymapType", 0x26, QByteArray::fromHex("02"),
        Answer::Done, Setting::KeymapType, 2, "Success to Set Keymap Type");
    row("keymap type 1, as before", "cbxKeymapType.currentIndex", 1, "btnSetKeymapType", 0x26,
        QByteArray::fromHex("01"), Answer::Done, Setting::KeymapType, 1, "Success to Set Keymap Type");
    row("keymap type claimed, not made", "cbxKeymapType.currentIndex", 3, "btnSetKeymapType", 0x26,
        QByteArray::fromHex("03"), Answer::ClaimedNotMade, Setting::KeymapType, 1,
        "The keymap type was set, but the keyboard holds another one.");
    // The layout's own indicator assignment: the first key's LED shows Caps Lock.
    QByteArray block(5 * 14, '\0');
    block[0] = 1;
    row("indicators", "", QVariant(), "btnSetILedConfig", 0x04, block, Answer::Done, Setting::Indicators, block,
        "Success to Apply Indicator Setting");
    row("indicators claimed, not made", "", QVariant(), "btnSetILedConfig", 0x04, block, Answer::ClaimedNotMade,
        Setting::Indicators, QByteArray(5 * 14, '\0'),
        "The indicator setting was applied, but the keyboard holds another one.");
}

void TestGeneralConfigDialog::setButtons_readBack_modelHoldsWhatKeyboardHolds()
{
    QFETCH(QString, setAt);
    QFETCH(QVariant, value);
    QFETCH(QString, button);
    QFETCH(int, cmd);
    QFETCH(QByteArray, payload);
    QFETCH(Answer, answer);
    QFETCH(int, setting);
    QFETCH(QVariant, held);
    QFETCH(QString, status);
    QVERIFY(Open(5, 14));
    if (!setAt.isEmpty())
        QVERIFY(SetProperty(setAt, value));
    if (answer != Answer::Done)
        m_sim->keyboard->failNextStatus(answer == Answer::Refused ? 1 : Protocol::kStatusDone);
    QSignalSpy forgotten(m_model.get(), &KeyboardModel::Forgotten);

    Click(button);

    QTRY_COMPARE(Status(), status);
    QCOMPARE(Level(), int(answer == Answer::Done ? Palette::kSuccess : Palette::kFailure));
    const std::vector<sim::SimKeyboard::Command> sent = m_sim->keyboard->receivedCommands();
    QCOMPARE(int(sent.front().first), cmd);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(sent.front().second.data()), int(sent.front().second.size())),
        payload);
    // Only a set the keyboard says it made is read back, with the read command that follows it.
    QCOMPARE(Commands().size(), answer == Answer::Refused ? 1 : 2);
    if (answer != Answer::Refused)
        QCOMPARE(Commands().last(), cmd + 1);
    QCOMPARE(m_model->SettingKnown(Setting(setting)), held.isValid());
    QVERIFY2(!held.isValid() || SameValue(m_model->SettingValue(Setting(setting)), held),
        qPrintable(m_model->SettingValue(Setting(setting)).toString()));
    if (Setting(setting) == Setting::KeymapType) {
        QCOMPARE(int(m_sim->session->KeyboardKeymapType()), held.toInt());
        // What was known of the keyboard goes with a change of keymap type, and only then.
        QCOMPARE(forgotten.size(), held.toInt() != 1 ? 1 : 0);
    }
}

void TestGeneralConfigDialog::ambiguousAnswer_setReadBack_readIgnored_data()
{
    QTest::addColumn<int>("cmd");
    QTest::addColumn<QList<int>>("sent");
    QTest::newRow("set: read back at once")
        << int(Protocol::kCmdSetSleepTime) << QList<int> {Protocol::kCmdReadSleepTime};
    QTest::newRow("read: its own answer is awaited") << int(Protocol::kCmdReadSleepTime) << QList<int>();
}

void TestGeneralConfigDialog::ambiguousAnswer_setReadBack_readIgnored()
{
    QFETCH(int, cmd);
    QFETCH(QList<int>, sent);
    QVERIFY(Open(5, 14));
    m_sim->keyboard->modify([](sim::KeyboardState& state) { state.sleepTime = 600; });
    auto* client = m_page->findChild<CommandClient*>();
    QVERIFY(client);

    // An answer that may be an earlier command's, as the session hands it on.
    emit client->Ambiguous(tdu1(cmd), QVariant::fromValue(SettingsTransfer::Request {tdu1(cmd), 600u, false}));

    QTRY_COMPARE(m_model->SettingKnown(Setting::SleepTime), !sent.isEmpty());
    QCOMPARE(Commands(), sent);
    QCOMPARE(m_model->SettingValue(Setting::SleepTime).toInt(), sent.isEmpty() ? 0 : 600);
    QCOMPARE(Status(), sent.isEmpty() ? QString() : QStringLiteral("Success to Set Inactive Sleep Time"));
}

void TestGeneralConfigDialog::setKeymapTypeUnanswered_typeUnknownModelForgottenTypeReadAgain_data()
{
    QTest::addColumn<bool>("late");
    QTest::newRow("answered late") << true;
    QTest::newRow("never answered") << false;
}

void TestGeneralConfigDialog::setKeymapTypeUnanswered_typeUnknownModelForgottenTypeReadAgain()
{
    QFETCH(bool, late);
    QVERIFY(Open(5, 14));
    m_model->SetSetting(Setting::Rollover, 1);
    QSignalSpy types(m_sim->session.get(), &DeviceSession::KeyboardKeymapTypeChanged);
    QSignalSpy forgotten(m_model.get(), &KeyboardModel::Forgotten);
    QVERIFY(SetProperty("cbxKeymapType.currentIndex", 3));
    if (!late)
        m_sim->keyboard->silenceNextReplies(1);

    Click("btnSetKeymapType");
    // The deadline passes before the page could see any answer.
    m_sim->PassDeadlines();

    QCOMPARE(int(m_sim->session->KeyboardKeymapType()), int(DeviceSession::kUnknownKeymapType));
    QVERIFY(!m_model->SettingKnown(Setting::Rollover));
    QVERIFY(!forgotten.isEmpty() && !types.isEmpty());
    QCOMPARE(forgotten.first().at(0).value<KeyboardModel::Reason>(), KeyboardModel::Reason::KeymapTypeChanged);
    // The keyboard carried the change out: read again, its type is known again.
    QTRY_COMPARE(int(m_sim->session->KeyboardKeymapType()), 3);
    QCOMPARE(m_model->SettingValue(Setting::KeymapType).toInt(), 3);
    QCOMPARE(Commands().mid(0, 2), (QList<int> {Protocol::kCmdSetKeymapType, Protocol::kCmdReadKeymapType}));
    QCOMPARE(types.first().at(0).toInt(), int(DeviceSession::kUnknownKeymapType));
    QCOMPARE(types.last().at(0).toInt(), 3);
    QCOMPARE(Statuses().contains(kLate), late);
}

void TestGeneralConfigDialog::wirelessFamilies_data()
{
    QTest::addColumn<int>("family");
    QTest::addColumn<int>("reply");
    QTest::addColumn<QString>("selected");
    // Empty when the page says nothing.
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("bluetoothShown");

    QTest::newRow("family 0 reads 2") << 0 << 2 << QStringLiteral("蓝牙优联模块") << QStringLiteral("读取无线类型成功")
                                      << true;
    // An empty selection: the one before stays.
    QTest::newRow("family 0 refuses 3") << 0 << 3 << QString() << QStringLiteral("读取无线类型失败") << true;
    QTest::newRow("family 1 reads 3") << 1 << 3 << QStringLiteral("USB-BLE-LOGI三模")
                                      << QStringLiteral("读取无线类型成功") << false;
    QTest::newRow("family 1 refuses 4") << 1 << 4 << QString() << QStringLiteral("读取无线类型失败") << false;
    QTest::newRow("family 2 keeps the form's list") << 2 << 1 << QStringLiteral("不启用") << QString() << true;
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
    m_sim->keyboard->modify([reply](sim::KeyboardState& state) { state.wirelessType = tdu1(reply); });
    auto* types = qobject_cast<QComboBox*>(Widget("cbxWirelessType"));
    const QString before = types->currentText();

    Click("btnGetWirelessType");
    WaitForReplies(1);

    QCOMPARE(Status(), status);
    QCOMPARE(types->currentText(), selected.isEmpty() ? before : selected);
    QCOMPARE(m_model->SettingKnown(Setting::WirelessType), !selected.isEmpty() && !status.isEmpty());
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

    m_sim->keyboard->modify([](sim::KeyboardState& state) { state.iled[0][0] = 9; });
    Click("btnSetILedConfig");
    QTRY_COMPARE(Status(), QStringLiteral("Success to Apply Indicator Setting"));
    QCOMPARE(int(m_sim->keyboard->receivedCommands().front().second.size()), 48);
    QCOMPARE(int(m_sim->keyboard->state().iled[0][0]), 0);

    // A code the page does not know shows nothing but goes back as it came.
    m_sim->keyboard->modify([](sim::KeyboardState& state) {
        state.iled[0][0] = 25;
        state.iled[3][11] = 7;
    });
    Click("btnReadILedConfig");
    QTRY_COMPARE(Status(), QStringLiteral("Success to Read Indicator Setting"));
    QCOMPARE(caption(0, 0), QString());
    QCOMPARE(int(m_page->ILedCode(0, 0)), 25);
    QCOMPARE(int(m_page->ILedCode(3, 11)), 7);
    QVERIFY(pannel->Cap(0, 0)->Button()->isChecked());

    m_sim->keyboard->modify([](sim::KeyboardState& state) { state.iled[0][0] = 0; });
    m_sim->keyboard->clearLog();
    m_results->clear();
    Click("btnSetILedConfig");
    QTRY_COMPARE(Status(), QStringLiteral("Success to Apply Indicator Setting"));
    const std::vector<std::uint8_t> sent = m_sim->keyboard->receivedCommands().front().second;
    QCOMPARE(int(sent.front()), 25);
    QCOMPARE(int(sent.back()), 7);

    // A block one byte short is refused whole.
    m_sim->keyboard->modify([](sim::KeyboardState& state) { state.iled[0][0] = 3; });
    m_sim->keyboard->truncateNextReply(47);
    Click("btnReadILedConfig");
    QTRY_COMPARE(Status(), QStringLiteral("Fail to Read Indicator Setting"));
    QCOMPARE(Level(), int(Palette::kFailure));
    QCOMPARE(int(m_page->ILedCode(0, 0)), 25);
    QCOMPARE(m_model->SettingValue(Setting::Indicators).toByteArray().at(0), char(25));
}

void TestGeneralConfigDialog::indicator_largestGrid_sends147BytesInThreePackets()
{
    QVERIFY(Open(Protocol::kMaxRows, Protocol::kMaxCols));
    Click("btnSetILedConfig");
    QTRY_COMPARE(Status(), QStringLiteral("Success to Apply Indicator Setting"));
    const std::vector<sim::Report> reports = m_sim->keyboard->writtenReports();
    QCOMPARE(
        int(std::count_if(reports.begin(), reports.end(),
            [](const sim::Report& report) { return report[Protocol::kOffsetCmd] == Protocol::kCmdWriteILedConfig; })),
        3);
    QCOMPARE(int(m_sim->keyboard->receivedCommands().front().second.size()), 147);
    QCOMPARE(int(m_sim->keyboard->state().iled[0][0]), 1);
    QCOMPARE(m_model->SettingValue(Setting::Indicators).toByteArray().size(), 147);
}

QTEST_MAIN(TestGeneralConfigDialog)
#include "tst_generalconfigdialog.moc"
