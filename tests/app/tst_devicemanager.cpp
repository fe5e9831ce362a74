#include "app/DeviceManager.h"
#include "app/MainDialog.h"
#include "device/Protocol.h"
#include "sim/SimBus.h"
#include "support/TestFolder.h"
#include "support/TestLayouts.h"
#include "ui/MessageBox.h"
#include "ui/Palette.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include <sys/stat.h>

using sim::SimBus;

namespace {
QByteArray Index(const QJsonArray& inst, const QJsonArray& demo)
{
    QJsonObject root {{"priver", 1}, {"subver", 3}, {"inst", inst}, {"demo", demo}};
    return QJsonDocument(root).toJson();
}

QJsonObject DemoEntry(int pid, const QString& prefix, const QString& name, const QStringList& types)
{
    QJsonObject entry = TestLayouts::Entry(pid, prefix, name);
    entry.insert("type", QJsonArray::fromStringList(types));
    return entry;
}
} // namespace

class TestDeviceManager : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void list_showsPluggedInstModelsThenDemoModelsInGray();
    void demoRow_enablesOnlyDemoAndOffersItsKeymapTypes();
    void demo_opensWithChosenKeymapType();
    void open_pluggedKeyboard_connects();
    void open_keyboardGoneSinceListing_offersDemoMode();
    void noIndex_emptyListAndVersionZero_data();
    void noIndex_emptyListAndVersionZero();
    void brokenIndex_keepsPreviousList();
    void refresh_picksUpNewlyPluggedKeyboard();
    void helpButtons_showTheirTexts();
    void hotplug_listFollowsKeyboardsAndKeepsSelection();

private:
    void WriteIndex(const QJsonArray& inst, const QJsonArray& demo);
    QListWidget* List(DeviceManager& manager);

    std::unique_ptr<TestFolder> m_folder;
};

void TestDeviceManager::init()
{
    SimBus::instance().reset();
    m_folder = std::make_unique<TestFolder>();
    m_folder->Write("config/FIRST_0.json", TestLayouts::Grid(2, 3));
    m_folder->Write("config/SECOND_0.json", TestLayouts::Grid(2, 3));
    m_folder->Write("config/TRY_0.json", TestLayouts::Grid(2, 3));
    m_folder->Write("config/TRY_1.json", TestLayouts::Grid(3, 4));
}

void TestDeviceManager::cleanup()
{
    m_folder.reset();
    SimBus::instance().reset();
}

void TestDeviceManager::WriteIndex(const QJsonArray& inst, const QJsonArray& demo)
{
    QVERIFY(m_folder->Write("config/index.json", Index(inst, demo)));
}

QListWidget* TestDeviceManager::List(DeviceManager& manager)
{
    return manager.findChild<QListWidget*>("listWidget");
}

void TestDeviceManager::list_showsPluggedInstModelsThenDemoModelsInGray()
{
    WriteIndex(
        {TestLayouts::Entry(0x0601, "FIRST", "First Board"), TestLayouts::Entry(0x0602, "SECOND", "Second Board")},
        {DemoEntry(0x0603, "TRY", "Try Board", {"Win", "Mac"})});
    SimBus::instance().plug(Protocol::kVendorId, 0x0602);
    DeviceManager manager;

    QListWidget* list = List(manager);
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->item(0)->text(), QStringLiteral("Second Board"));
    QCOMPARE(list->item(1)->text(), QStringLiteral("Try Board"));
    QCOMPARE(list->item(1)->foreground().color(), QColor(Palette::kDimText));
    QVERIFY(list->item(0)->foreground().color() != QColor(Palette::kDimText));
    QCOMPARE(list->currentRow(), 0);
    QVERIFY(manager.findChild<QPushButton*>("btnOpen")->isEnabled());
    QVERIFY(!manager.findChild<QPushButton*>("btnDemo")->isEnabled());
    QCOMPARE(manager.findChild<QLabel*>("lblKeymapVer")->text(), QStringLiteral("Keymap Ver:1.3"));
    QCOMPARE(manager.windowTitle(), QStringLiteral("Device Manager"));
    QVERIFY(!manager.windowIcon().isNull());
}

void TestDeviceManager::demoRow_enablesOnlyDemoAndOffersItsKeymapTypes()
{
    WriteIndex({TestLayouts::Entry(0x0602, "SECOND", "Second Board")},
        {DemoEntry(0x0603, "TRY", "Try Board", {"Win", "Mac"})});
    SimBus::instance().plug(Protocol::kVendorId, 0x0602);
    DeviceManager manager;

    List(manager)->setCurrentRow(1);
    QVERIFY(!manager.findChild<QPushButton*>("btnOpen")->isEnabled());
    QVERIFY(manager.findChild<QPushButton*>("btnDemo")->isEnabled());
    auto* types = manager.findChild<QComboBox*>("cbxDeviceMap");
    QCOMPARE(types->count(), 2);
    QCOMPARE(types->itemText(0), QStringLiteral("Win"));
    QCOMPARE(types->itemText(1), QStringLiteral("Mac"));

    // Open only acts on a connected row.
    QTest::mouseClick(manager.findChild<QPushButton*>("btnOpen"), Qt::LeftButton);
    QVERIFY(!manager.LastMainWindow());
}

void TestDeviceManager::demo_opensWithChosenKeymapType()
{
    WriteIndex({}, {DemoEntry(0x0603, "TRY", "Try Board", {"Win", "Mac"})});
    DeviceManager manager;
    manager.show();
    manager.findChild<QComboBox*>("cbxDeviceMap")->setCurrentIndex(1);

    QTest::mouseClick(manager.findChild<QPushButton*>("btnDemo"), Qt::LeftButton);

    MainDialog* window = manager.LastMainWindow();
    QVERIFY(window);
    QVERIFY(window->IsDemoMode());
    QCOMPARE(int(window->KeymapType()), 1);
    QCOMPARE(window->LayoutName(), QStringLiteral("TRY_1"));
    QVERIFY(window->isVisible());
    QVERIFY(!manager.isVisible());
    QCOMPARE(window->size(), QSize(1280, 800).boundedTo(window->screen()->availableGeometry().size()));
}

void TestDeviceManager::open_pluggedKeyboard_connects()
{
    WriteIndex({TestLayouts::Entry(0x0601, "FIRST", "First Board")}, {});
    const auto keyboard = SimBus::instance().plug(Protocol::kVendorId, 0x0601, 2, 3);
    DeviceManager manager;

    QTest::mouseClick(manager.findChild<QPushButton*>("btnOpen"), Qt::LeftButton);

    MainDialog* window = manager.LastMainWindow();
    QVERIFY(window);
    QVERIFY(!window->IsDemoMode());
    QVERIFY(window->Device()->IsReceiving());
    // The keymap type, then the keymap shown.
    QCOMPARE(int(keyboard->receivedCommands().size()), 2);
    QCOMPARE(int(keyboard->receivedCommands().front().first), int(Protocol::kCmdReadKeymapType));
    QCOMPARE(int(keyboard->receivedCommands().back().first), int(Protocol::kCmdReadKeymap1));
}

void TestDeviceManager::open_keyboardGoneSinceListing_offersDemoMode()
{
    WriteIndex({TestLayouts::Entry(0x0601, "FIRST", "First Board")}, {});
    SimBus::instance().plug(Protocol::kVendorId, 0x0601);
    DeviceManager manager;
    QCOMPARE(manager.FoundCount(), 1);
    SimBus::instance().unplug(Protocol::kVendorId, 0x0601);

    MessageBox::SetNextAnswer(QMessageBox::Ignore);
    QTest::mouseClick(manager.findChild<QPushButton*>("btnOpen"), Qt::LeftButton);

    QCOMPARE(MessageBox::LastTitle(), QStringLiteral("No Device Found"));
    QVERIFY(MessageBox::LastText().startsWith(QStringLiteral("First Board not found,Please reconnect")));
    MainDialog* window = manager.LastMainWindow();
    QVERIFY(window);
    QVERIFY(window->IsDemoMode());
}

void TestDeviceManager::noIndex_emptyListAndVersionZero_data()
{
    QTest::addColumn<QString>("index");
    QTest::newRow("missing") << "";
    // Neither may block the start or read without end.
    QTest::newRow("named pipe") << "fifo";
    QTest::newRow("link to /dev/zero") << "/dev/zero";
}

void TestDeviceManager::noIndex_emptyListAndVersionZero()
{
    QFETCH(QString, index);
    const QString path = m_folder->Path("config/index.json");
    if (index == QLatin1String("fifo"))
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (!index.isEmpty())
        QVERIFY(QFile::link(index, path));
    DeviceManager manager;
    QCOMPARE(List(manager)->count(), 0);
    QCOMPARE(manager.findChild<QLabel*>("lblKeymapVer")->text(), QStringLiteral("Keymap Ver:0.0"));
    QVERIFY(!manager.findChild<QPushButton*>("btnOpen")->isEnabled());
    QVERIFY(!manager.findChild<QPushButton*>("btnDemo")->isEnabled());
    QTest::mouseClick(manager.findChild<QPushButton*>("btnDemo"), Qt::LeftButton);
    manager.findChild<QPushButton*>("btnOpen")->click();
    QVERIFY(!manager.LastMainWindow());
}

void TestDeviceManager::brokenIndex_keepsPreviousList()
{
    WriteIndex({}, {DemoEntry(0x0603, "TRY", "Try Board", {"Win"})});
    DeviceManager manager;
    QCOMPARE(List(manager)->count(), 1);
    QVERIFY(m_folder->Write("config/index.json", "{ \"demo\": [ broken"));
    QTest::mouseClick(manager.findChild<QPushButton*>("btnRefresh"), Qt::LeftButton);
    QCOMPARE(List(manager)->count(), 1);
    QCOMPARE(List(manager)->item(0)->text(), QStringLiteral("Try Board"));
}

void TestDeviceManager::refresh_picksUpNewlyPluggedKeyboard()
{
    WriteIndex({TestLayouts::Entry(0x0601, "FIRST", "First Board")}, {DemoEntry(0x0603, "TRY", "Try Board", {"Win"})});
    DeviceManager manager;
    QCOMPARE(List(manager)->count(), 1);
    // A keyboard with many HID interfaces is one keyboard.
    SimBus::instance().plug(Protocol::kVendorId, 0x0601, 5, 15, 256);
    QTest::mouseClick(manager.findChild<QPushButton*>("btnRefresh"), Qt::LeftButton);
    QCOMPARE(List(manager)->count(), 2);
    QCOMPARE(List(manager)->item(0)->text(), QStringLiteral("First Board"));
}

void TestDeviceManager::helpButtons_showTheirTexts()
{
    DeviceManager manager;
    MessageBox::SetNextAnswer(QMessageBox::Ok);
    QTest::mouseClick(manager.findChild<QPushButton*>("btnQA1"), Qt::LeftButton);
    QCOMPARE(MessageBox::LastTitle(), QStringLiteral("Can't Find Device?"));
    QVERIFY(MessageBox::LastText().startsWith(QStringLiteral("First, Ensure your PC can reach internet")));
    MessageBox::SetNextAnswer(QMessageBox::Ok);
    QTest::mouseClick(manager.findChild<QPushButton*>("btnQA2"), Qt::LeftButton);
    QCOMPARE(MessageBox::LastTitle(), QStringLiteral("Can't Open Device?"));
    // Linux help: the device node, not the Windows control panel.
    QVERIFY(MessageBox::LastText().contains(QStringLiteral("/dev/hidraw")));
    QVERIFY(!MessageBox::LastText().contains(QStringLiteral("Control Pannel")));
    // The same way to grant access as when a keyboard is present but refused.
    QVERIFY(MessageBox::LastText().endsWith(MainDialog::GrantAccessHelp()));
}

void TestDeviceManager::hotplug_listFollowsKeyboardsAndKeepsSelection()
{
    WriteIndex(
        {TestLayouts::Entry(0x0601, "FIRST", "First Board"), TestLayouts::Entry(0x0602, "SECOND", "Second Board")},
        {DemoEntry(0x0603, "TRY", "Try Board", {"Win", "Mac"})});
    SimBus::instance().plug(Protocol::kVendorId, 0x0602, 5, 15, 3);
    DeviceManager manager;
    manager.show();
    QListWidget* list = List(manager);
    QCOMPARE(list->count(), 2);
    list->setCurrentRow(1);

    // A keyboard of the index comes; the demo entry the user chose stays chosen.
    SimBus::instance().plug(Protocol::kVendorId, 0x0601);
    QTRY_COMPARE(list->count(), 3);
    QCOMPARE(list->item(0)->text(), QStringLiteral("First Board"));
    QCOMPARE(list->currentItem()->text(), QStringLiteral("Try Board"));
    QVERIFY(manager.findChild<QPushButton*>("btnDemo")->isEnabled());

    // The chosen keyboard goes; the other one is chosen and can be opened.
    list->setCurrentRow(0);
    SimBus::instance().unplug(Protocol::kVendorId, 0x0601);
    QTRY_COMPARE(list->count(), 2);
    QCOMPARE(list->item(0)->text(), QStringLiteral("Second Board"));
    QCOMPARE(list->currentRow(), 0);
    QVERIFY(manager.findChild<QPushButton*>("btnOpen")->isEnabled());

    // A keyboard that is not in the index changes nothing; a hidden window stops looking.
    SimBus::instance().plug(Protocol::kVendorId, 0x0777);
    manager.hide();
    SimBus::instance().unplug(Protocol::kVendorId, 0x0602);
    QTest::qWait(DeviceManager::kHotplugIntervalMs * 2);
    QCOMPARE(list->count(), 2);
}

QTEST_MAIN(TestDeviceManager)
#include "tst_devicemanager.moc"
