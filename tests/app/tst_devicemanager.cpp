#include "app/DeviceManager.h"
#include "app/MainDialog.h"
#include "device/Protocol.h"
#include "sim/SimBus.h"
#include "support/TestFolder.h"
#include "support/TestLayouts.h"
#include "ui/MessageBox.h"

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

    void list_pluggedKeyboardsThenDemoModelsUnderHeadings_data();
    void list_pluggedKeyboardsThenDemoModelsUnderHeadings();
    void keyboardNames_tellKeyboardsOfOneModelApart_data();
    void keyboardNames_tellKeyboardsOfOneModelApart();
    void row_enablesItsButtonAndTheKeymapTypesWhereTheyApply_data();
    void row_enablesItsButtonAndTheKeymapTypesWhereTheyApply();
    void demo_opensWithChosenKeymapType();
    void open_pluggedKeyboard_connects();
    void open_secondKeyboardOfAModel_talksToThatKeyboard();
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
    // The rows, "-" for those that open nothing (headings, the note under an empty one).
    static QString Rows(QListWidget* list);

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

QString TestDeviceManager::Rows(QListWidget* list)
{
    QStringList rows;
    for (int row = 0; row < list->count(); row++) {
        const bool opens = list->item(row)->flags() & Qt::ItemIsSelectable;
        rows.append(opens ? list->item(row)->text() : QStringLiteral("-"));
    }
    return rows.join(QLatin1Char('|'));
}

void TestDeviceManager::list_pluggedKeyboardsThenDemoModelsUnderHeadings_data()
{
    QTest::addColumn<QList<int>>("plugged");
    QTest::addColumn<QString>("rows");
    QTest::newRow("nothing plugged: a note under the heading") << QList<int> {} << "-|-|-|Try Board";
    QTest::newRow("a keyboard of no model of the index") << QList<int> {0x0777} << "-|-|-|Try Board";
    QTest::newRow("index order") << QList<int> {0x0602, 0x0601} << "-|First Board|Second Board|-|Try Board";
    QTest::newRow("two of one model") << QList<int> {0x0601, 0x0602, 0x0601}
                                      << "-|First Board (keyboard 1)|First Board (keyboard 2)|Second Board|-|Try Board";
}

void TestDeviceManager::list_pluggedKeyboardsThenDemoModelsUnderHeadings()
{
    QFETCH(QList<int>, plugged);
    QFETCH(QString, rows);
    WriteIndex(
        {TestLayouts::Entry(0x0601, "FIRST", "First Board"), TestLayouts::Entry(0x0602, "SECOND", "Second Board")},
        {DemoEntry(0x0603, "TRY", "Try Board", {"Win", "Mac"})});
    for (int pid : plugged)
        SimBus::instance().plug(Protocol::kVendorId, tdu2(pid));
    DeviceManager manager;
    QListWidget* list = List(manager);
    QCOMPARE(Rows(list), rows);
    QCOMPARE(manager.findChild<QLabel*>("lblKeymapVer")->text(), QStringLiteral("Keymap Ver:1.3"));

    // From the first row that opens something the arrow keys pass by the others; so does a click.
    QStringList visited;
    for (int i = 0; i < list->count(); i++) {
        if (visited.isEmpty() || visited.last() != list->currentItem()->text())
            visited.append(list->currentItem()->text());
        QTest::keyClick(list, Qt::Key_Down);
    }
    QCOMPARE(visited, rows.split('|').filter(QRegularExpression("^[^-]")));
    QCOMPARE(manager.FoundCount(), visited.size() - 1);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    QCOMPARE(list->currentItem()->text(), visited.last());
}

void TestDeviceManager::keyboardNames_tellKeyboardsOfOneModelApart_data()
{
    // Serial number and USB port of each keyboard ("_" for none), and the names shown.
    QTest::addColumn<QString>("keyboards");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("by serial") << "A1 1-2,B2 1-3" << QStringList {"M (serial number A1)", "M (serial number B2)"};
    QTest::newRow("a serial twice: by port")
        << "A1 1-2,A1 1-3.1" << QStringList {"M (USB port 1-2)", "M (USB port 1-3.1)"};
    QTest::newRow("a port unknown: by place") << "_ 1-2,_ _" << QStringList {"M (keyboard 1)", "M (keyboard 2)"};
}

void TestDeviceManager::keyboardNames_tellKeyboardsOfOneModelApart()
{
    QFETCH(QString, keyboards);
    QFETCH(QStringList, names);
    QList<HidDeviceHandle::CommandInterface> interfaces;
    for (const QString& keyboard : keyboards.replace('_', QString()).split(','))
        interfaces.append({0x0601, QString(), keyboard.section(' ', 0, 0), keyboard.section(' ', 1)});
    QCOMPARE(DeviceManager::KeyboardNames(QStringLiteral("M"), interfaces), names);
}

void TestDeviceManager::row_enablesItsButtonAndTheKeymapTypesWhereTheyApply_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<QStringList>("types");
    QTest::newRow("plugged keyboard: it reports its own type") << "Second Board" << true << QStringList();
    QTest::newRow("demo with types") << "Try Board" << false << QStringList {"Win", "Mac"};
    QTest::newRow("demo without types") << "Bare Board" << false << QStringList();
}

void TestDeviceManager::row_enablesItsButtonAndTheKeymapTypesWhereTheyApply()
{
    QFETCH(QString, chosen);
    QFETCH(bool, opens);
    QFETCH(QStringList, types);
    WriteIndex({TestLayouts::Entry(0x0602, "SECOND", "Second Board")},
        {DemoEntry(0x0603, "TRY", "Try Board", {"Win", "Mac"}), DemoEntry(0x0604, "BARE", "Bare Board", {})});
    SimBus::instance().plug(Protocol::kVendorId, 0x0602);
    DeviceManager manager;
    List(manager)->setCurrentItem(List(manager)->findItems(chosen, Qt::MatchExactly).first());

    QCOMPARE(manager.findChild<QPushButton*>("btnOpen")->isEnabled(), opens);
    QCOMPARE(manager.findChild<QPushButton*>("btnDemo")->isEnabled(), !opens);
    auto* box = manager.findChild<QComboBox*>("cbxDeviceMap");
    QStringList offered;
    for (int i = 0; i < box->count(); i++)
        offered.append(box->itemText(i));
    QCOMPARE(offered, types);
    QCOMPARE(box->isEnabled(), !types.isEmpty());
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

void TestDeviceManager::open_secondKeyboardOfAModel_talksToThatKeyboard()
{
    WriteIndex({TestLayouts::Entry(0x0601, "FIRST", "First Board")}, {});
    const auto first = SimBus::instance().plug(Protocol::kVendorId, 0x0601, 2, 3, 3);
    const auto second = SimBus::instance().plug(Protocol::kVendorId, 0x0601, 2, 3, 3);
    DeviceManager manager;
    List(manager)->setCurrentRow(2);
    QTest::mouseClick(manager.findChild<QPushButton*>("btnOpen"), Qt::LeftButton);

    QVERIFY(manager.LastMainWindow());
    QCOMPARE(manager.LastMainWindow()->Device()->LastOpenPath(),
        QString::fromStdString(SimBus::path(*second, second->commandInterface())));
    QVERIFY(!second->receivedCommands().empty());
    QVERIFY(first->receivedCommands().empty());
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
    QCOMPARE(Rows(List(manager)), QStringLiteral("-|-|-|Try Board"));
    QVERIFY(m_folder->Write("config/index.json", "{ \"demo\": [ broken"));
    QTest::mouseClick(manager.findChild<QPushButton*>("btnRefresh"), Qt::LeftButton);
    QCOMPARE(Rows(List(manager)), QStringLiteral("-|-|-|Try Board"));
}

void TestDeviceManager::refresh_picksUpNewlyPluggedKeyboard()
{
    WriteIndex({TestLayouts::Entry(0x0601, "FIRST", "First Board")}, {DemoEntry(0x0603, "TRY", "Try Board", {"Win"})});
    DeviceManager manager;
    QCOMPARE(manager.FoundCount(), 0);
    // A keyboard with many HID interfaces is one keyboard.
    SimBus::instance().plug(Protocol::kVendorId, 0x0601, 5, 15, 256);
    QTest::mouseClick(manager.findChild<QPushButton*>("btnRefresh"), Qt::LeftButton);
    QCOMPARE(Rows(List(manager)), QStringLiteral("-|First Board|-|Try Board"));
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
    QCOMPARE(Rows(list), QStringLiteral("-|Second Board|-|Try Board"));
    list->setCurrentRow(3);

    // A keyboard of the index comes; the demo entry the user chose stays chosen.
    SimBus::instance().plug(Protocol::kVendorId, 0x0601);
    QTRY_COMPARE(Rows(list), QStringLiteral("-|First Board|Second Board|-|Try Board"));
    QCOMPARE(list->currentItem()->text(), QStringLiteral("Try Board"));
    QVERIFY(manager.findChild<QPushButton*>("btnDemo")->isEnabled());

    // The chosen keyboard goes; the other one is chosen and can be opened.
    list->setCurrentRow(1);
    SimBus::instance().unplug(Protocol::kVendorId, 0x0601);
    QTRY_COMPARE(Rows(list), QStringLiteral("-|Second Board|-|Try Board"));
    QCOMPARE(list->currentRow(), 1);
    QVERIFY(manager.findChild<QPushButton*>("btnOpen")->isEnabled());

    // A second keyboard of that model: both are told apart, and the one chosen stays chosen.
    SimBus::instance().plug(Protocol::kVendorId, 0x0602);
    QTRY_COMPARE(Rows(list), QStringLiteral("-|Second Board (keyboard 1)|Second Board (keyboard 2)|-|Try Board"));
    list->setCurrentRow(2);
    SimBus::instance().plug(Protocol::kVendorId, 0x0601);
    QTRY_COMPARE(list->count(), 6);
    QCOMPARE(list->currentItem()->text(), QStringLiteral("Second Board (keyboard 2)"));

    // A keyboard that is not in the index changes nothing; a hidden window stops looking.
    SimBus::instance().plug(Protocol::kVendorId, 0x0777);
    manager.hide();
    SimBus::instance().unplug(Protocol::kVendorId, 0x0602);
    QTest::qWait(DeviceManager::kHotplugIntervalMs * 2);
    QCOMPARE(list->count(), 6);
}

QTEST_MAIN(TestDeviceManager)
#include "tst_devicemanager.moc"
