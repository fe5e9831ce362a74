// The macro page without an X display: window-only recording, editing, the reply entry, writing
// and reading through the main window and the simulated keyboard.
#include "MacroActions.h"
#include "app/MainDialog.h"
#include "device/HidDeviceHandle.h"
#include "device/Protocol.h"
#include "macro/KeyboardHook.h"
#include "macro/KeyboardThread.h"
#include "macro/MacroCodec.h"
#include "macro/MacroDialog.h"
#include "macro/MacroKeyTable.h"
#include "sim/SimBus.h"
#include "support/ReplyRecorder.h"
#include "support/TestFolder.h"
#include "support/TestLayouts.h"
#include "ui/MessageBox.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

#include <functional>

using sim::SimBus;

namespace {
constexpr tdu2 kPid = 0x0601;
constexpr tdu1 kKeyA = 38; // X keycode of the A key: input code 30 + 8

QListWidget* List(QWidget& page)
{
    return page.findChild<QListWidget*>("lswMacro");
}

QStringList Rows(QWidget& page)
{
    QStringList rows;
    for (int i = 0; i < List(page)->count(); i++)
        rows << List(page)->item(i)->text();
    return rows;
}

void Click(QWidget& page, const char* name)
{
    QTest::mouseClick(page.findChild<QToolButton*>(name), Qt::LeftButton);
}

// Delivers the answer to a command the shown macro sent as the main window does: in a
// zero-padded buffer, with its real length.
void Deliver(MacroDialog& page, tdu1 cmd, const QByteArray& payload)
{
    QByteArray buffer(Protocol::kMaxPayload, '\0');
    buffer.replace(0, payload.size(), payload);
    page.RecHidCmd(cmd, reinterpret_cast<tdu1*>(buffer.data()), tdu2(payload.size()),
        QVariant::fromValue(MacroDialog::Transfer {page.CurrentMacro(), {}}));
}

void Load(MacroDialog& page, const Actions& actions)
{
    Deliver(page, Protocol::kCmdReadMacro, MacroCodec::EncodeWrite(tdu1(page.CurrentMacro()), actions));
}

void SendKey(QWidget& target, QEvent::Type type, quint32 scanCode, bool autoRepeat = false)
{
    QKeyEvent event(type, Qt::Key_unknown, Qt::NoModifier, scanCode, 0, 0, QString(), autoRepeat);
    QApplication::sendEvent(&target, &event);
}

void Record(MacroDialog& page, const QVector<QPair<tdu1, tdu2>>& events)
{
    for (const auto& event : events)
        emit page.HookThread()->keyAction(event.first, event.second, 0);
}
} // namespace

class TestMacroDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void recording_withoutDisplay_warnsAndTakesKeysTypedInWindow();
    void recording_fullMacro_lastEventAddsOnlyItsDelay();
    void delayEdit_clampsOrRefuses_data();
    void delayEdit_clampsOrRefuses();
    void contextMenu_modifiesDelaysDeletesKeys();
    void readReply_data();
    void readReply();
    void write_sendsPayloadAndShowsReply();
    void unplayableKey_namedInRowAndWriteAsksFirst();
    void recordingEnds_data();
    void recordingEnds();
    void all32Macros_writeThenReadBack_throughKeyboard();
    void recordingOverActions_isUndone_andCloseAsksForUnwrittenMacros();
};

void TestMacroDialog::initTestCase()
{
    // The recorder then has no X server and falls back to this program's window.
    qunsetenv("DISPLAY");
}

void TestMacroDialog::init()
{
    SimBus::instance().reset();
    MessageBox::ClearLast();
}

void TestMacroDialog::recording_withoutDisplay_warnsAndTakesKeysTypedInWindow()
{
    MacroDialog page;
    page.show();
    QSignalSpy results(&page, &MacroDialog::ResultShow);
    Click(page, "tbtnMacroRec");
    QVERIFY(page.IsWindowOnlyRecording());
    QCOMPARE(results.size(), 1);
    QCOMPARE(results.first().at(0).value<tdu1>(), tdu1(2));
    QCOMPARE(
        results.first().at(1).toString(), QStringLiteral("Recording keys typed in this window only (no X display)."));
    QCOMPARE(page.findChild<QToolButton*>("tbtnMacroRec")->text(), QStringLiteral("Stop Rec"));
    QVERIFY(!page.findChild<QToolButton*>("tbtnWriteMacro")->isEnabled());

    // Left Shift held while A is typed with its auto-repeat; keys are taken by position.
    QLineEdit* field = new QLineEdit(&page);
    SendKey(*field, QEvent::KeyPress, 50);
    SendKey(*field, QEvent::KeyPress, kKeyA);
    SendKey(*field, QEvent::KeyPress, kKeyA, true);
    SendKey(*field, QEvent::KeyRelease, kKeyA);
    SendKey(*field, QEvent::KeyRelease, 50);
    QTRY_COMPARE(Rows(page), (QStringList {"Shift(Left)", "A", "A", "Shift(Left)"}));
    QCOMPARE(page.Actions(0), (Actions {Down(0xA0), Down(0x41), Up(0x41), Up(0xA0)}));
    QCOMPARE(page.findChild<QLabel*>("lblActionCnt")->text(), QStringLiteral("4"));
    QVERIFY(field->text().isEmpty());

    Click(page, "tbtnMacroRec");
    QVERIFY(!page.IsRecording());
    QVERIFY(!KeyboardHook::macroRecording.load());
    QTest::keyClick(field, Qt::Key_B);
    QCOMPARE(field->text(), QStringLiteral("b"));
    QCOMPARE(page.Actions(0).size(), 4);
}

void TestMacroDialog::recording_fullMacro_lastEventAddsOnlyItsDelay()
{
    MacroDialog page;
    page.show();
    page.findChild<QCheckBox*>("ckbMacroTime")->setChecked(true);
    Click(page, "tbtnMacroRec");
    // The first event has no delay in front; each later one has: 1 + 59 x 2 = 119 actions.
    QVector<QPair<tdu1, tdu2>> events;
    for (int i = 0; i < 60; i++)
        events.append({tdu1(i % 2), 0x41});
    Record(page, events);
    QTRY_COMPARE(page.Actions(0).size(), 119);
    QCOMPARE(int(page.Actions(0).first().type), int(MacroAction::kKeyDown));
    QCOMPARE(int(page.Actions(0).at(1).type), int(MacroAction::kDelay));
    QVERIFY(page.Actions(0).at(1).value >= MacroAction::kMinDelay);

    Record(page, {{1, 0x42}, {0, 0x43}});
    QTRY_COMPARE(List(page)->count(), 120);
    QTest::qWait(50);
    QCOMPARE(page.Actions(0).size(), 120);
    QCOMPARE(int(page.Actions(0).last().type), int(MacroAction::kDelay));
    QCOMPARE(page.findChild<QLabel*>("lblActionCnt")->text(), QStringLiteral("120"));
    Click(page, "tbtnMacroRec");
}

void TestMacroDialog::delayEdit_clampsOrRefuses_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("stored");
    QTest::addColumn<bool>("errorBox");

    QTest::newRow("99999ms clamps to 15000") << "99999ms" << 15000 << false;
    QTest::newRow("1 clamps to 2") << "1" << 2 << false;
    QTest::newRow("plain number") << "250" << 250 << false;
    QTest::newRow("text keeps the old value") << "soon" << 100 << true;
    QTest::newRow("unit only keeps the old value") << "ms" << 100 << true;
}

void TestMacroDialog::delayEdit_clampsOrRefuses()
{
    QFETCH(QString, typed);
    QFETCH(int, stored);
    QFETCH(bool, errorBox);
    MacroDialog page;
    page.show();
    Load(page, {Down(0x41), Delay(100), Up(0x41)});
    QListWidget* list = List(page);

    const auto doubleClick = [list](int row) {
        const QPoint pos = list->visualItemRect(list->item(row)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, pos);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, pos);
    };
    // A key row opens no editor.
    doubleClick(0);
    QCOMPARE(list->findChild<QLineEdit*>(), nullptr);

    doubleClick(1);
    QLineEdit* editor = nullptr;
    QTRY_VERIFY((editor = list->findChild<QLineEdit*>()) != nullptr && editor->isVisible());
    QCOMPARE(editor->text(), QStringLiteral("100ms"));
    editor->setText(typed);
    if (errorBox)
        MessageBox::SetNextAnswer(QMessageBox::Ok);
    // The editor hands its text over on the next pass of the event loop.
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY(list->findChild<QLineEdit*>() == nullptr);

    QCOMPARE(int(page.Actions(0).at(1).value), stored);
    QCOMPARE(Rows(page).at(1), QStringLiteral("%1ms").arg(stored));
    QCOMPARE(MessageBox::LastTitle(), errorBox ? QStringLiteral("Error") : QString());
    if (errorBox)
        QCOMPARE(MessageBox::LastText(), QStringLiteral("Please Insert Number From 2 to 15000"));
    QCOMPARE(list->item(1)->background().color(), QColor(135, 206, 225));
}

void TestMacroDialog::contextMenu_modifiesDelaysDeletesKeys()
{
    MacroDialog page;
    page.show();
    Load(page, {Down(0x41), Delay(100), Up(0x41)});
    QListWidget* list = List(page);
    // Opens the menu on a row, notes its entries, picks the first and types into the editor it opens.
    auto menuOn = [&](int row, const QString& typed = QString()) {
        QStringList entries;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu == nullptr)
                return;
            for (QAction* action : menu->actions())
                entries << action->text();
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(menu->actions().first()).center());
            // Right away: the offscreen platform moves the focus once the menu is gone, which
            // ends the edit.
            if (auto* editor = list->findChild<QLineEdit*>()) {
                entries << editor->text();
                editor->setText(typed);
                QTest::keyClick(editor, Qt::Key_Return);
            }
        });
        const QPoint pos = list->visualItemRect(list->item(row)).center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, pos, list->viewport()->mapToGlobal(pos));
        QApplication::sendEvent(list->viewport(), &event);
        return entries;
    };

    // The hand-editing entries follow the row's own, below a separator; a delay row can be deleted there.
    const QStringList editing {"", "Insert Key Tap...\tIns", "Insert Key Down...", "Insert Key Up...",
        "Insert Delay (100 ms)", "", "Move Up\tAlt+Up", "Move Down\tAlt+Down"};
    QCOMPARE(
        menuOn(1, QStringLiteral("40ms")), (QStringList {"Modify"} + editing + QStringList {"Delete\tDel", "100ms"}));
    QTRY_COMPARE(page.Actions(0), (Actions {Down(0x41), Delay(40), Up(0x41)}));

    QCOMPARE(menuOn(2), (QStringList {"Delete"} + editing));
    QCOMPARE(page.Actions(0), (Actions {Down(0x41), Delay(40)}));
    QCOMPARE(page.findChild<QLabel*>("lblActionCnt")->text(), QStringLiteral("2"));

    // Nothing while recording.
    Click(page, "tbtnMacroRec");
    Record(page, {{0, 0x41}});
    QTRY_COMPARE(list->count(), 1);
    QCOMPARE(menuOn(0), QStringList {});
    QCOMPARE(page.Actions(0).size(), 1);
    Click(page, "tbtnMacroRec");
}

void TestMacroDialog::readReply_data()
{
    QTest::addColumn<bool>("recording");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<Actions>("actions");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("level");

    const Actions before {Down(0x41), Up(0x41)};
    const QString none;
    const QString cutShort = QStringLiteral("Fail to Read Macro Data: the keyboard's reply is incomplete.");
    QTest::newRow("shown macro replaced")
        << false << QByteArray::fromHex("00 02 05 40 05 80") << Actions {Down(0x42), Up(0x42)} << none << 0;
    QTest::newRow("type 0 words skipped")
        << false << QByteArray::fromHex("00 03 05 00 05 40 05 3F") << Actions {Down(0x42)} << none << 0;
    QTest::newRow("121 actions refused") << false << QByteArray::fromHex("00 79") + QByteArray(242, 0x40) << before
                                         << cutShort << 1;
    QTest::newRow("words cut short refused") << false << QByteArray::fromHex("00 02 05 40") << before << cutShort << 1;
    QTest::newRow("header cut short refused") << false << QByteArray::fromHex("00") << before << cutShort << 1;
    QTest::newRow("not taken while recording")
        << true << QByteArray::fromHex("00 01 05 40") << Actions {}
        << "The macro read from the keyboard was not shown: a recording was running." << 2;
}

void TestMacroDialog::readReply()
{
    QFETCH(bool, recording);
    QFETCH(QByteArray, reply);
    QFETCH(Actions, actions);
    QFETCH(QString, message);
    QFETCH(int, level);
    MacroDialog page;
    page.show();
    Load(page, {Down(0x41), Up(0x41)});
    if (recording)
        Click(page, "tbtnMacroRec");
    QSignalSpy results(&page, &MacroDialog::ResultShow);
    Deliver(page, Protocol::kCmdReadMacro, reply);
    QCOMPARE(page.Actions(0), actions);
    QCOMPARE(page.findChild<QLabel*>("lblActionCnt")->text(), QString::number(actions.size()));
    QCOMPARE(List(page)->count(), recording ? 0 : actions.size());
    QCOMPARE(results.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty()) {
        QCOMPARE(results.first().at(0).value<tdu1>(), tdu1(level));
        QCOMPARE(results.first().at(1).toString(), message);
    }
    page.StopRecording();
}

void TestMacroDialog::write_sendsPayloadAndShowsReply()
{
    MacroDialog page;
    page.show();
    ReplyRecorder sent;
    connect(&page, &MacroDialog::SendCmd, &sent, &ReplyRecorder::Record);
    QSignalSpy results(&page, &MacroDialog::ResultShow);

    Click(page, "tbtnMacro5");
    QCOMPARE(page.CurrentMacro(), 4);
    QVERIFY(page.findChild<QToolButton*>("tbtnMacro5")->isChecked());
    QVERIFY(!page.findChild<QToolButton*>("tbtnMacro1")->isChecked());
    Load(page, {Down(0x41), Delay(100), Up(0x41)});
    for (int i = 0; i < 3; i++)
        Click(page, "tbtnWriteMacro");
    Click(page, "tbtnReadMacro");
    QCOMPARE(sent.replies.size(), 4);
    QCOMPARE(sent.replies.at(0).first, Protocol::kCmdWriteMacro);
    QCOMPARE(sent.replies.at(0).second.toHex(' '), QByteArray("04 03 04 40 64 c0 04 80"));
    QCOMPARE(sent.replies.at(3).first, Protocol::kCmdReadMacro);
    QCOMPARE(sent.replies.at(3).second.toHex(' '), QByteArray("04"));

    Deliver(page, Protocol::kCmdWriteMacro, QByteArray(1, '\0'));
    Deliver(page, Protocol::kCmdWriteMacro, QByteArray(1, '\1'));
    Deliver(page, Protocol::kCmdWriteMacro, QByteArray());
    QCOMPARE(results.size(), 3);
    QCOMPARE(results.at(0).at(1).toString(), QStringLiteral("Success to Write Macro Data"));
    QCOMPARE(results.at(0).at(0).value<tdu1>(), tdu1(0));
    QCOMPARE(results.at(1).at(1).toString(), QStringLiteral("Fail to Write Macro Data"));
    QCOMPARE(results.at(2).at(0).value<tdu1>(), tdu1(1));

    // Each macro keeps its actions and selected row when another is shown.
    QListWidget* list = List(page);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
    Click(page, "tbtnMacro1");
    QCOMPARE(List(page)->count(), 0);
    Click(page, "tbtnMacro5");
    QCOMPARE(Rows(page), (QStringList {"A", "100ms", "A"}));
    QCOMPARE(list->item(2)->background().color(), QColor(135, 206, 225));
}

void TestMacroDialog::unplayableKey_namedInRowAndWriteAsksFirst()
{
    MacroDialog page;
    page.show();
    ReplyRecorder sent;
    connect(&page, &MacroDialog::SendCmd, &sent, &ReplyRecorder::Record);
    Click(page, "tbtnMacroRec");
    Record(page, {{0, 0x5D}, {1, 0x5D}, {0, 0x0D}, {1, 0x0D}});
    QTRY_COMPARE(Rows(page), (QStringList {"Menu (cannot be played)", "Menu (cannot be played)", "Enter", "Enter"}));
    Click(page, "tbtnMacroRec");

    MessageBox::SetNextAnswer(QMessageBox::No);
    Click(page, "tbtnWriteMacro");
    QVERIFY(MessageBox::LastText().contains(QStringLiteral("Menu")));
    QVERIFY(sent.replies.isEmpty());
    MessageBox::SetNextAnswer(QMessageBox::Yes);
    Click(page, "tbtnWriteMacro");
    QCOMPARE(sent.replies.size(), 1);
    QCOMPARE(sent.replies.at(0).second.toHex(' '), QByteArray("00 04 00 40 00 80 28 40 28 80"));
}

void TestMacroDialog::recordingEnds_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("leaving the page") << "leave";
    QTest::newRow("closing the window") << "close";
    QTest::newRow("losing the keyboard") << "unplug";
}

void TestMacroDialog::recordingEnds()
{
    QFETCH(QString, how);
    TestFolder folder;
    folder.Write("config/PFX_0.json", TestLayouts::Grid(2, 3));
    SimBus::instance().plug(Protocol::kVendorId, kPid, 2, 3);
    MainDialog window(nullptr, false, kPid, 0);
    window.SetWindowSize(1280, 800);
    window.SetDeviceNames(QStringLiteral("PFX"), QStringLiteral("Test Board"));
    QVERIFY(window.Connect());
    window.Setup();
    window.show();
    Click(window, "tbtn5");
    MacroDialog& page = *window.MacroPage();
    Click(page, "tbtnMacroRec");
    QVERIFY(page.IsRecording());
    QVERIFY(KeyboardHook::macroRecording.load());

    if (how == "leave")
        Click(window, "tbtn1");
    else if (how == "close")
        QTest::mouseClick(window.findChild<QAbstractButton*>("btnMenu_Close"), Qt::LeftButton);
    else
        SimBus::instance().unplug(Protocol::kVendorId, kPid);
    QTRY_VERIFY(!page.IsRecording());
    QVERIFY(!KeyboardHook::macroRecording.load());
    QCOMPARE(page.findChild<QToolButton*>("tbtnMacroRec")->text(), QStringLiteral("Start Rec"));
}

void TestMacroDialog::all32Macros_writeThenReadBack_throughKeyboard()
{
    const auto keyboard = SimBus::instance().plug(Protocol::kVendorId, kPid, 2, 3);
    HidDeviceHandle hid;
    QVERIFY(hid.Open(kPid, Protocol::kVendorId));
    MacroDialog page;
    page.show();
    // Each command is answered at once and its reply handed to the page, as the main window does.
    connect(
        &page, &MacroDialog::SendCmd, [&hid, &page](tdu1 cmd, tdu1* data, tdu2 length, const CommandIntent& intent) {
            tdu1 reply[Protocol::kMaxPayload] = {};
            tdu2 replyLength = 0;
            if (hid.WriteCmd(cmd, data, length) > 0 && hid.ReadCmd(cmd, reply, &replyLength))
                page.RecHidCmd(cmd, reply, replyLength, intent.context);
        });
    QSignalSpy results(&page, &MacroDialog::ResultShow);
    QCheckBox* recDelay = page.findChild<QCheckBox*>("ckbMacroTime");

    QVector<Actions> written(Protocol::kMacroCount);
    for (int macro = 0; macro < Protocol::kMacroCount; macro++) {
        Click(page, qPrintable(QStringLiteral("tbtnMacro%1").arg(macro + 1)));
        // Every other macro with measured delays; 2 to 58 events, at most 115 actions.
        recDelay->setChecked(macro % 2 == 1);
        Click(page, "tbtnMacroRec");
        QVector<QPair<tdu1, tdu2>> events;
        for (int i = 0; i < 2 + 2 * (macro % 29); i++)
            events.append({tdu1(i % 2), MacroKeyTable::Instance().Entries().at((macro * 7 + i / 2) % 103).vk});
        Record(page, events);
        QTRY_COMPARE(page.Actions(macro).size(), events.size() * (macro % 2 == 1 ? 2 : 1) - (macro % 2));
        Click(page, "tbtnMacroRec");
        written[macro] = page.Actions(macro);
        Click(page, "tbtnWriteMacro");
        QCOMPARE(results.last().at(1).toString(), QStringLiteral("Success to Write Macro Data"));
    }
    for (int macro = 0; macro < Protocol::kMacroCount; macro++) {
        const QByteArray payload = MacroCodec::EncodeWrite(tdu1(macro), written[macro]);
        QCOMPARE(int(keyboard->state().macros[macro].size()), written[macro].size());
        for (int i = 0; i < written[macro].size(); i++)
            QCOMPARE(keyboard->state().macros[macro][i], qFromLittleEndian<quint16>(payload.constData() + 2 + 2 * i));
    }
    for (int macro = Protocol::kMacroCount - 1; macro >= 0; macro--) {
        Click(page, qPrintable(QStringLiteral("tbtnMacro%1").arg(macro + 1)));
        // An empty recording clears the page's copy, so what shows next came from the keyboard.
        Click(page, "tbtnMacroRec");
        Click(page, "tbtnMacroRec");
        QCOMPARE(page.Actions(macro).size(), 0);
        Click(page, "tbtnReadMacro");
        QCOMPARE(page.Actions(macro), written[macro]);
    }
}

void TestMacroDialog::recordingOverActions_isUndone_andCloseAsksForUnwrittenMacros()
{
    TestFolder folder;
    folder.Write("config/PFX_0.json", TestLayouts::Grid(2, 3));
    MainDialog window(nullptr, true, kPid, 0);
    window.SetWindowSize(1280, 800);
    window.SetDeviceNames(QStringLiteral("PFX"), QStringLiteral("Test Board"));
    window.Setup();
    window.show();
    QApplication::setActiveWindow(&window);
    Click(window, "tbtn5");
    MacroDialog& page = *window.MacroPage();
    // What the keyboard holds: nothing to save.
    Load(page, {Down(0x41), Up(0x41)});
    QVERIFY(!window.isWindowModified());

    QSignalSpy results(&page, &MacroDialog::ResultShow);
    Click(page, "tbtnMacroRec");
    QCOMPARE(results.first().at(1).toString(),
        QStringLiteral("Recording replaces the 2 actions of Macro1; Undo brings them back."));
    Record(page, {{0, 0x42}, {1, 0x42}});
    QTRY_COMPARE(page.Actions(0), (Actions {Down(0x42), Up(0x42)}));
    Click(page, "tbtnMacroRec");
    QVERIFY(window.isWindowModified());

    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(page.Actions(0), (Actions {Down(0x41), Up(0x41)}));
    QVERIFY(!window.isWindowModified());
    Click(page, "tbtnMacroRedo");
    QCOMPARE(page.Actions(0), (Actions {Down(0x42), Up(0x42)}));

    MessageBox::SetNextAnswer(QMessageBox::Cancel);
    QVERIFY(!window.close());
    QVERIFY(MessageBox::LastText().startsWith(QStringLiteral("Macro 1 has edits")));
    MessageBox::SetNextAnswer(QMessageBox::Discard);
    QVERIFY(window.close());
}

QTEST_MAIN(TestMacroDialog)
#include "tst_macrodialog.moc"
