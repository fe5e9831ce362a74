#include "app/MainDialog.h"
#include "device/CommandClient.h"
#include "device/Protocol.h"
#include "keymap/KeymapDialog.h"
#include "keymap/KeymapStore.h"
#include "layout/KeyPannel.h"
#include "macro/MacroDialog.h"
#include "settings/GeneralConfigDialog.h"
#include "sim/SimBus.h"
#include "support/TestFolder.h"
#include "support/TestLayouts.h"
#include "ui/MessageBox.h"
#include "ui/Palette.h"

#include <QLabel>
#include <QScreen>
#include <QStackedWidget>
#include <QToolButton>
#include <QtTest>

#include <sys/stat.h>

using sim::SimBus;

namespace {
constexpr tdu2 kPid = 0x0601;
}

class TestMainDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void demo_titleAndEveryCommandShowDemoNotice();
    void connected_commandGoesOutAndReplyReachesItsPage();
    void connected_unknownReplyCode_changesNothing();
    void connected_keymapType2_loadsItsLayout();
    void connected_keymapTypeReplyWithOtherCode_fallsBackToType0();
    void connected_silentKeyboard_fallsBackToType0();
    void notFound_ignore_continuesInDemoMode();
    void notFound_close_asksToQuit();
    void presentButRefused_explainsHowToGrantAccess();
    void unplugged_statusSaysSoAndLaterCommandsFail();
    void replugged_reconnectsKeepingEditsAndReadingTheShownKeymapAgain();
    void oversizedCommand_isRefusedWithItsOwnMessage();
    void navigation_showsPageOfCheckedButton_data();
    void navigation_showsPageOfCheckedButton();
    void lightingButtons_hidden_backlightPageSaysComingSoon();
    void drag_onlyFromTitleBar();
    void escape_doesNotCloseWindow();
    void layoutDefaults_reachTheirPages();
    void missingLayout_saysWhichFileWasLookedFor_data();
    void missingLayout_saysWhichFileWasLookedFor();
    void windowSizeFromIndex_isBounded_data();
    void windowSizeFromIndex_isBounded();

private:
    std::unique_ptr<MainDialog> Create(bool demo, tdu1 keymapType = 0, QSize size = QSize(1280, 800));
    QLabel* Status(MainDialog& window);

    std::unique_ptr<TestFolder> m_folder;
};

void TestMainDialog::init()
{
    SimBus::instance().reset();
    MessageBox::ClearLast();
    m_folder = std::make_unique<TestFolder>();
    m_folder->Write("config/PFX_0.json", TestLayouts::Grid(2, 3));
    m_folder->Write("config/PFX_2.json", TestLayouts::Grid(3, 4));
}

void TestMainDialog::cleanup()
{
    m_folder.reset();
    SimBus::instance().reset();
}

std::unique_ptr<MainDialog> TestMainDialog::Create(bool demo, tdu1 keymapType, QSize size)
{
    auto window = std::make_unique<MainDialog>(nullptr, demo, kPid, keymapType);
    window->SetWindowSize(qint16(size.width()), qint16(size.height()));
    window->SetDeviceNames(QStringLiteral("PFX"), QStringLiteral("Test Board"));
    if (!window->Connect())
        return nullptr;
    window->Setup();
    window->show();
    // A keyboard's shown keymap is read at open; the tests start once it was.
    if (!QTest::qWaitFor([&window] { return window->AwaitedReplies() == 0; }))
        return nullptr;
    return window;
}

QLabel* TestMainDialog::Status(MainDialog& window)
{
    return window.findChild<QLabel*>("lblStatus");
}

void TestMainDialog::demo_titleAndEveryCommandShowDemoNotice()
{
    const auto keyboard = SimBus::instance().plug(Protocol::kVendorId, kPid);
    auto window = Create(true, 2);
    QCOMPARE(window->findChild<QLabel*>("lblWindowTitle")->text(), QStringLiteral("Test Board Driver (DEMO MODE)"));
    QCOMPARE(window->LayoutName(), QStringLiteral("PFX_2"));
    QVERIFY(!window->windowIcon().isNull());

    QTest::mouseClick(window->findChild<QToolButton*>("tbtnDownLoad"), Qt::LeftButton);
    QCOMPARE(Status(*window)->text(), QStringLiteral("Demo Mode,Please connect keyboard and try again."));
    QCOMPARE(Status(*window)->palette().color(QPalette::Active, QPalette::WindowText),
        Palette::StatusColor(Palette::kWarning));
    QCOMPARE(Status(*window)->palette().color(QPalette::Inactive, QPalette::WindowText),
        Palette::StatusColor(Palette::kWarning));
    Status(*window)->clear();
    // Whatever page sends it.
    CommandClient* client = window->Session()->NewClient(window.get());
    QVERIFY(!client->Send(Protocol::kCmdSetRollover, QByteArray(1, '\1')));
    QCOMPARE(Status(*window)->text(), QStringLiteral("Demo Mode,Please connect keyboard and try again."));
    // A message lasts until the next action: a click, or a key that acts, not typing.
    QTest::keyClick(window->findChild<QToolButton*>("tbtnDownLoad"), Qt::Key_A);
    QVERIFY(!Status(*window)->text().isEmpty());
    QTest::mouseClick(window->findChild<QToolButton*>("tbtn2"), Qt::LeftButton);
    QCOMPARE(Status(*window)->text(), QString());
    QTest::mouseClick(window->findChild<QToolButton*>("tbtnDownLoad"), Qt::LeftButton);
    QTest::keyClick(window->findChild<QToolButton*>("tbtnDownLoad"), Qt::Key_F12, Qt::ControlModifier);
    QCOMPARE(Status(*window)->text(), QString());
    // A plugged keyboard is left alone in demo mode.
    QVERIFY(keyboard->writtenReports().empty());
}

void TestMainDialog::connected_commandGoesOutAndReplyReachesItsPage()
{
    const auto keyboard = SimBus::instance().plug(Protocol::kVendorId, kPid, 2, 3);
    auto window = Create(false);
    QVERIFY(!window->IsDemoMode());
    QCOMPARE(window->findChild<QLabel*>("lblWindowTitle")->text(), QStringLiteral("Test Board Driver"));
    keyboard->clearLog();

    QTest::mouseClick(window->findChild<QToolButton*>("tbtnUpLoad"), Qt::LeftButton);

    QCOMPARE(int(keyboard->receivedCommands().size()), 1);
    QCOMPARE(int(keyboard->receivedCommands().front().first), int(Protocol::kCmdWriteKeymap1));
    QTRY_COMPARE(Status(*window)->text(), QStringLiteral("Set Keyboard Keymap 1 Success"));
    QCOMPARE(Status(*window)->palette().color(QPalette::Active, QPalette::WindowText),
        Palette::StatusColor(Palette::kSuccess));
}

void TestMainDialog::connected_unknownReplyCode_changesNothing()
{
    const auto keyboard = SimBus::instance().plug(Protocol::kVendorId, kPid, 2, 3);
    auto window = Create(false);
    window->ResultShow(0, QStringLiteral("before"));
    QSignalSpy shown(window->KeymapPage(), &KeymapDialog::ResultShow);
    // An unknown code, then the answer to a keymap write nobody sent, then a real exchange.
    keyboard->injectReply(0x40, {0});
    keyboard->injectReply(Protocol::kCmdWriteKeymap2, {1});
    keyboard->failNextStatus(1);
    QTest::mouseClick(window->findChild<QToolButton*>("tbtnUpLoad"), Qt::LeftButton);
    QTRY_COMPARE(Status(*window)->text(), QStringLiteral("Set Keyboard Keymap 1 Fail"));
    QCOMPARE(Status(*window)->palette().color(QPalette::Active, QPalette::WindowText),
        Palette::StatusColor(Palette::kFailure));
    QCOMPARE(shown.size(), 1);
}

void TestMainDialog::connected_keymapType2_loadsItsLayout()
{
    const auto keyboard = SimBus::instance().plug(Protocol::kVendorId, kPid, 3, 4);
    keyboard->modify([](sim::KeyboardState& state) { state.keymapType = 2; });
    auto window = Create(false);
    QCOMPARE(int(window->KeymapType()), 2);
    QCOMPARE(window->LayoutName(), QStringLiteral("PFX_2"));
    QCOMPARE(int(window->KeymapPage()->Pannel()->RowNum()), 3);
}

void TestMainDialog::connected_keymapTypeReplyWithOtherCode_fallsBackToType0()
{
    const auto keyboard = SimBus::instance().plug(Protocol::kVendorId, kPid, 2, 3);
    keyboard->modify([](sim::KeyboardState& state) { state.keymapType = 2; });
    keyboard->answerNextWithCode(Protocol::kCmdReadRollover);
    auto window = Create(false, 1);
    QCOMPARE(int(window->KeymapType()), 0);
    QCOMPARE(window->LayoutName(), QStringLiteral("PFX_0"));
    QCOMPARE(int(window->KeymapPage()->Pannel()->RowNum()), 2);
}

void TestMainDialog::connected_silentKeyboard_fallsBackToType0()
{
    const auto keyboard = SimBus::instance().plug(Protocol::kVendorId, kPid, 2, 3);
    keyboard->modify([](sim::KeyboardState& state) { state.keymapType = 2; });
    keyboard->silenceNextReplies(1);
    auto window = Create(false);
    QCOMPARE(int(window->KeymapType()), 0);
    QVERIFY(window->Device()->IsReceiving());
}

void TestMainDialog::notFound_ignore_continuesInDemoMode()
{
    MessageBox::SetNextAnswer(QMessageBox::Ignore);
    auto window = Create(false, 2);
    QVERIFY(window);
    QCOMPARE(MessageBox::LastTitle(), QStringLiteral("No Device Found"));
    QCOMPARE(MessageBox::LastText(),
        QStringLiteral("Test Board not found,Please reconnect the keyboard to your computer and try again. \n"
                       "Click \"Ignore\" to demo mode, click \"Close\" to exit."));
    QVERIFY(window->IsDemoMode());
    QCOMPARE(int(window->KeymapType()), 2);
    QVERIFY(!window->Session()->NewClient(window.get())->Send(Protocol::kCmdReadMacro, QByteArray(1, '\0')));
    QCOMPARE(Status(*window)->text(), QStringLiteral("Demo Mode,Please connect keyboard and try again."));
}

void TestMainDialog::notFound_close_asksToQuit()
{
    MessageBox::SetNextAnswer(QMessageBox::Close);
    MainDialog window(nullptr, false, kPid, 0);
    window.SetDeviceNames(QStringLiteral("PFX"), QStringLiteral("Test Board"));
    QVERIFY(!window.Connect());
}

void TestMainDialog::presentButRefused_explainsHowToGrantAccess()
{
    const auto keyboard = SimBus::instance().plug(Protocol::kVendorId, kPid, 2, 3);
    keyboard->refuseOpen(true);
    MessageBox::SetNextAnswer(QMessageBox::Ignore);
    auto window = Create(false);
    QVERIFY(window);
    QCOMPARE(MessageBox::LastTitle(), QStringLiteral("Keyboard Access Denied"));
    const QString text = MessageBox::LastText();
    QVERIFY2(text.startsWith(QStringLiteral("Test Board is plugged in, but this user may not open it (")
                 + QString::fromStdString(SimBus::path(*keyboard, 0)) + ": "),
        qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("sudo install -m 644 70-driver-keyboard.rules /etc/udev/rules.d/")));
    QVERIFY(text.endsWith(QStringLiteral("Click \"Ignore\" to demo mode, click \"Close\" to exit.")));
    QVERIFY(window->IsDemoMode());
}

void TestMainDialog::unplugged_statusSaysSoAndLaterCommandsFail()
{
    SimBus::instance().plug(Protocol::kVendorId, kPid, 2, 3);
    auto window = Create(false);
    SimBus::instance().unplug(Protocol::kVendorId, kPid);
    QTRY_COMPARE(Status(*window)->text(),
        QStringLiteral("Keyboard disconnected. Plug it in again to go on; your edits are kept."));
    QCOMPARE(Status(*window)->palette().color(QPalette::Active, QPalette::WindowText),
        Palette::StatusColor(Palette::kFailure));

    QTest::mouseClick(window->findChild<QToolButton*>("tbtnDownLoad"), Qt::LeftButton);
    QCOMPARE(Status(*window)->text(), QStringLiteral("Connect failed,Please try again."));
    QCOMPARE(Status(*window)->palette().color(QPalette::Active, QPalette::WindowText),
        Palette::StatusColor(Palette::kFailure));
}

void TestMainDialog::replugged_reconnectsKeepingEditsAndReadingTheShownKeymapAgain()
{
    SimBus::instance().plug(Protocol::kVendorId, kPid, 2, 3);
    auto window = Create(false);
    window->KeymapPage()->SetKeymapCode(1, 2, 1, 1, 0x1904);
    SimBus::instance().unplug(Protocol::kVendorId, kPid);
    QTRY_VERIFY(Status(*window)->text().startsWith(QStringLiteral("Keyboard disconnected.")));

    // Another model coming changes nothing; the same model is opened again.
    SimBus::instance().plug(Protocol::kVendorId, 0x0777, 2, 3);
    const auto keyboard = SimBus::instance().plug(Protocol::kVendorId, kPid, 2, 3);
    // It may have been changed elsewhere: the shown keymap is read again, edits elsewhere stay.
    QTRY_COMPARE(Status(*window)->text(), QStringLiteral("Keymap 1 shows what the keyboard holds."));
    QCOMPARE(Status(*window)->palette().color(QPalette::Active, QPalette::WindowText),
        Palette::StatusColor(Palette::kSuccess));
    QCOMPARE(int(window->KeymapPage()->Store()->KeymapCode(1, 2, 1, 1)), 0x1904);
    QCOMPARE(keyboard->receivedCommands().size(), size_t(2));
    QCOMPARE(int(keyboard->receivedCommands().front().first), int(Protocol::kCmdReadKeymapType));
    QCOMPARE(int(keyboard->receivedCommands().back().first), int(Protocol::kCmdReadKeymap1));

    // The page talks to the keyboard again.
    QTest::mouseClick(window->findChild<QToolButton*>("tbtnUpLoad"), Qt::LeftButton);
    QTRY_COMPARE(Status(*window)->text(), QStringLiteral("Set Keyboard Keymap 1 Success"));
}

void TestMainDialog::oversizedCommand_isRefusedWithItsOwnMessage()
{
    const auto keyboard = SimBus::instance().plug(Protocol::kVendorId, kPid, 2, 3);
    auto window = Create(false);
    keyboard->clearLog();
    QVERIFY(!window->Session()->NewClient(window.get())->Send(Protocol::kCmdWriteILedConfig, QByteArray(1000, 0)));
    QVERIFY(keyboard->writtenReports().empty());
    QVERIFY(Status(*window)->text() != QStringLiteral("Connect failed,Please try again."));
    QCOMPARE(Status(*window)->palette().color(QPalette::Active, QPalette::WindowText),
        Palette::StatusColor(Palette::kFailure));
}

void TestMainDialog::navigation_showsPageOfCheckedButton_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("page");
    QTest::newRow("keymap") << "tbtn1"
                            << "skwKeymap";
    QTest::newRow("settings") << "tbtn4"
                              << "skwGeneralConfig";
    QTest::newRow("macro") << "tbtn5"
                           << "skwMacro";
    QTest::newRow("about") << "tbtn6"
                           << "skwAbout";
}

void TestMainDialog::navigation_showsPageOfCheckedButton()
{
    QFETCH(QString, button);
    QFETCH(QString, page);
    auto window = Create(true);
    QCOMPARE(window->findChild<QStackedWidget*>("skwMain")->currentWidget()->objectName(), QStringLiteral("skwKeymap"));

    QTest::mouseClick(window->findChild<QToolButton*>(button), Qt::LeftButton);

    QCOMPARE(window->findChild<QStackedWidget*>("skwMain")->currentWidget()->objectName(), page);
    for (int i = 1; i <= 6; i++) {
        const QString name = QStringLiteral("tbtn%1").arg(i);
        QCOMPARE(window->findChild<QToolButton*>(name)->isChecked(), name == button);
    }
}

void TestMainDialog::lightingButtons_hidden_backlightPageSaysComingSoon()
{
    auto window = Create(true);
    QVERIFY(!window->findChild<QToolButton*>("tbtn2")->isVisible());
    QVERIFY(!window->findChild<QToolButton*>("tbtn3")->isVisible());
    QVERIFY(window->findChild<QToolButton*>("tbtn5")->isVisible());
    QCOMPARE(window->findChild<QToolButton*>("tbtn4")->text(), QStringLiteral("Keyboard Setting"));
    const QList<QLabel*> labels = window->findChild<QWidget*>("skwBackLight")->findChildren<QLabel*>();
    QCOMPARE(labels.size(), 1);
    QCOMPARE(labels.first()->text(), QStringLiteral("Comming Soon!"));
}

void TestMainDialog::drag_onlyFromTitleBar()
{
    auto window = Create(true);
    window->move(100, 100);
    QTRY_COMPARE(window->pos(), QPoint(100, 100));
    QWidget* status = Status(*window);
    const QPoint inStatus = status->mapTo(window.get(), QPoint(20, 10));
    QTest::mousePress(window.get(), Qt::LeftButton, Qt::NoModifier, inStatus);
    QMouseEvent moveInStatus(QEvent::MouseMove, inStatus + QPoint(30, 20),
        window->mapToGlobal(inStatus + QPoint(30, 20)), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &moveInStatus);
    QTest::mouseRelease(window.get(), Qt::LeftButton, Qt::NoModifier, inStatus);
    QCOMPARE(window->pos(), QPoint(100, 100));

    const QPoint inTitle(300, 20);
    QTest::mousePress(window.get(), Qt::LeftButton, Qt::NoModifier, inTitle);
    const QPoint target = window->mapToGlobal(inTitle) + QPoint(40, 25);
    QMouseEvent moveInTitle(
        QEvent::MouseMove, inTitle + QPoint(40, 25), target, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &moveInTitle);
    QTest::mouseRelease(window.get(), Qt::LeftButton, Qt::NoModifier, inTitle);
    QTRY_COMPARE(window->pos(), QPoint(140, 125));
}

void TestMainDialog::escape_doesNotCloseWindow()
{
    auto window = Create(true);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    QVERIFY(window->isVisible());
}

void TestMainDialog::layoutDefaults_reachTheirPages()
{
    auto window = Create(true);
    GeneralConfigDialog* general = window->GeneralPage();
    QCOMPARE(general->FirmwareUrl(), QStringLiteral("http://127.0.0.1:1/fw/"));
    QCOMPARE(int(general->ILedCode(0, 0)), 1);
    QVERIFY(general->ILedPannel()->IsKeyCheckable(0, 0));
    QVERIFY(!general->ILedPannel()->IsKeyCheckable(0, 1));
    QVERIFY(!general->LengthPannel()->IsKeyCheckable(0, 0));
    QCOMPARE(int(general->LengthPannel()->ColNum()), 3);
}

void TestMainDialog::missingLayout_saysWhichFileWasLookedFor_data()
{
    QTest::addColumn<bool>("pipe");
    QTest::newRow("missing") << false;
    QTest::newRow("named pipe") << true;
}

void TestMainDialog::missingLayout_saysWhichFileWasLookedFor()
{
    QFETCH(bool, pipe);
    if (pipe)
        QCOMPARE(::mkfifo(QFile::encodeName(m_folder->Path("config/PFX_1.json")).constData(), 0600), 0);
    auto window = Create(true, 1);
    QCOMPARE(Status(*window)->text(),
        QStringLiteral("The layout for this keyboard is missing or unusable: config/PFX_1.json"));
    QCOMPARE(Status(*window)->palette().color(QPalette::Active, QPalette::WindowText),
        Palette::StatusColor(Palette::kFailure));
}

void TestMainDialog::windowSizeFromIndex_isBounded_data()
{
    QTest::addColumn<QSize>("asked");
    QTest::addColumn<QSize>("shown");
    // Never larger than the screen's free area.
    const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
    QTest::newRow("shipped") << QSize(1294, 800) << QSize(1294, 800).boundedTo(screen);
    QTest::newRow("huge") << QSize(32767, 32767) << QSize(4096, 4096).boundedTo(screen);
    QTest::newRow("none") << QSize(0, -3) << QSize(320, 240);
}

void TestMainDialog::windowSizeFromIndex_isBounded()
{
    QFETCH(QSize, asked);
    QFETCH(QSize, shown);
    auto window = Create(true, 0, asked);
    QCOMPARE(window->size(), shown);
}

QTEST_MAIN(TestMainDialog)
#include "tst_maindialog.moc"
