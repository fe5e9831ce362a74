#include "app/MainDialog.h"
#include "codec/MacroCodec.h"
#include "device/HidIo.h"
#include "device/Protocol.h"
#include "keymap/KeymapDialog.h"
#include "keymap/KeymapStore.h"
#include "layout/KeyCap.h"
#include "layout/KeyPannel.h"
#include "macro/MacroDialog.h"
#include "settings/GeneralConfigDialog.h"
#include "sim/SimBus.h"
#include "support/TestFolder.h"
#include "support/TestLayouts.h"
#include "support/WindowRig.h"
#include "ui/FileDialog.h"
#include "ui/MessageBox.h"
#include "ui/Palette.h"

#include <QAbstractButton>
#include <QDirIterator>
#include <QLabel>
#include <QToolButton>
#include <QtTest>

#include <array>
#include <map>

using sim::SimBus;

namespace {
constexpr int kRows = WindowRig::kRows;
constexpr int kCols = WindowRig::kCols;
// 40 actions: a macro travels in 2 packets.
constexpr int kMacroWords = 40;

enum Action {
    KeymapWrite,
    KeymapRead,
    KeymapCompare,
    MacroWrite,
    MacroRead,
    ILedWrite,
    ILedRead,
};

enum Fault {
    UnplugMidCommand, // arg: output reports accepted before the keyboard is gone
    UnplugMidReply, // arg: input reports read before the keyboard is gone
    Silence,
    WrongCode, // arg: the code the reply carries instead
    ReplyTwice,
    AnswerEveryCommandTwice,
    GarbageFirst,
    OverlongReply,
    BadStatus, // arg: the status byte of the set command's reply
    Truncate, // arg: payload bytes left
};

const QString kDisconnected = QStringLiteral("Keyboard disconnected. Plug it in again to go on; your edits are kept.");
const QString kNoAnswer = QStringLiteral("The keyboard did not answer.");
const QString kLateMacro = QStringLiteral("The keyboard answered late; read again to see its macro.");

// What the user has: the four keymaps, the 32 macros and the indicator assignment.
struct UserData
{
    std::array<KeymapStore::KeymapCodes, Protocol::kKeymapCount> keymaps;
    std::array<QVector<MacroAction>, Protocol::kMacroCount> macros;
    QVector<tdu1> iled;
    bool unsaved = false;

    bool operator==(const UserData& other) const
    {
        return keymaps == other.keymaps && macros == other.macros && iled == other.iled && unsaved == other.unsaved;
    }
};

std::vector<std::uint16_t> MacroWords(std::uint16_t usage)
{
    std::vector<std::uint16_t> words;
    for (int i = 0; i < kMacroWords / 2; i++) {
        words.push_back(std::uint16_t(0x4000 | usage));
        words.push_back(std::uint16_t(0x8000 | usage));
    }
    return words;
}

// Every file under the run folder with its content.
std::map<QString, QByteArray> Files(const TestFolder& folder)
{
    std::map<QString, QByteArray> files;
    QDirIterator it(folder.Path(QString()), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        files[it.filePath()] = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("unreadable");
    }
    return files;
}
} // namespace

// The main window with a keyboard that misbehaves in every way the protocol allows: for each fault
// the program keeps running, says what happened, loses none of the user's data, leaves the
// receive thread idle and works again once the keyboard behaves.
class TestFaults : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void faultMatrix_data();
    void faultMatrix();
    void replyOverdue_isReportedOnceForCommandsSentTogether();
    void lateMacroRead_afterHandEdits_keepsThem();
    void reconnectToAnotherKeymapType_blocksKeymapWrites();
    void open_showsTheKeyboardsKeymaps_andAsksBeforeOverwritingUnread();

private:
    void Open();
    void LetDeadlinesPass()
    {
        m_rig->PassDeadlines();
    }
    void Plug();
    void Click(const QString& name)
    {
        m_rig->Click(name);
    }
    void Do(Action action);
    void Arm(Fault fault, int arg);
    UserData Data() const;
    // The user's data after a read of the target that went through: what the keyboard holds.
    UserData WithKeyboardData(UserData data, Action action) const;
    QString Status() const
    {
        return m_rig->Status();
    }
    QColor StatusColour() const
    {
        return m_rig->StatusColour();
    }
    // The receive thread has ended or looks at the keyboard only a few times a second.
    void ExpectReaderIdle();

    std::unique_ptr<WindowRig> m_rig;
    // Shorthands into the rig.
    std::shared_ptr<sim::SimKeyboard> m_keyboard;
    MainDialog* m_window = nullptr;
};

void TestFaults::init()
{
    m_rig = std::make_unique<WindowRig>();
}

void TestFaults::cleanup()
{
    m_window = nullptr;
    m_keyboard.reset();
    m_rig.reset();
}

void TestFaults::Plug()
{
    // The keyboard also holds a macro the user does not have and an indicator assignment of its own.
    m_rig->Plug();
    m_keyboard = m_rig->keyboard;
    m_keyboard->modify([](sim::KeyboardState& state) {
        state.macros[0] = MacroWords(0x05);
        for (int r = 0; r < kRows; r++) {
            for (int c = 0; c < kCols; c++)
                state.iled[r][c] = tdu1(1 + (r * kCols + c) % 7);
        }
    });
}

void TestFaults::Open()
{
    Plug();
    QVERIFY(m_rig->Open());
    m_window = m_rig->window.get();
}

void TestFaults::Do(Action action)
{
    switch (action) {
    case KeymapWrite:
    case KeymapRead:
    case KeymapCompare:
        Click("tbtn1");
        Click(action == KeymapWrite ? "tbtnUpLoad" : action == KeymapRead ? "tbtnDownLoad" : "tbtnCompare");
        break;
    case MacroWrite:
    case MacroRead:
        Click("tbtn5");
        Click(action == MacroWrite ? "tbtnWriteMacro" : "tbtnReadMacro");
        break;
    case ILedWrite:
    case ILedRead:
        Click("tbtn4");
        Click("tbtnILedConfig");
        Click(action == ILedWrite ? "btnSetILedConfig" : "btnReadILedConfig");
        break;
    }
}

void TestFaults::Arm(Fault fault, int arg)
{
    switch (fault) {
    case UnplugMidCommand:
        m_keyboard->unplugAfterWrites(arg);
        break;
    case UnplugMidReply:
        m_keyboard->unplugAfterReadPackets(arg);
        break;
    case Silence:
        m_keyboard->silenceNextReplies(1);
        break;
    case WrongCode:
        m_keyboard->answerNextWithCode(tdu1(arg));
        break;
    case ReplyTwice:
        m_keyboard->repeatNextReply();
        break;
    case AnswerEveryCommandTwice:
        m_keyboard->setAnswerTwice(true);
        break;
    case GarbageFirst: {
        // Another report ID, a packet claiming more than 60 bytes, a continuation without its
        // start, the start of a reply that never goes on, and noise.
        sim::Report report {};
        report.fill(0xA5);
        m_keyboard->injectInputReport(report);
        report = {2, 0x01, 0x01, 0xFF};
        m_keyboard->injectInputReport(report);
        report = {2, 0x01, 0x3A, 60};
        m_keyboard->injectInputReport(report);
        report = {2, 0x15, 0x0A, 60};
        m_keyboard->injectInputReport(report);
        report = {1, 0x03, 0x01, 1};
        m_keyboard->injectInputReport(report);
        break;
    }
    case OverlongReply:
        m_keyboard->extendNextReply(Protocol::kMaxPayload);
        break;
    case BadStatus:
        m_keyboard->failNextStatus(tdu1(arg));
        break;
    case Truncate:
        m_keyboard->truncateNextReply(arg);
        break;
    }
}

UserData TestFaults::Data() const
{
    UserData data;
    for (int k = 0; k < Protocol::kKeymapCount; k++)
        data.keymaps[size_t(k)] = m_window->KeymapPage()->Store()->KeymapCopy(k);
    for (int m = 0; m < Protocol::kMacroCount; m++)
        data.macros[size_t(m)] = m_window->MacroPage()->Actions(m);
    for (int r = 0; r < kRows; r++) {
        for (int c = 0; c < kCols; c++)
            data.iled.append(m_window->GeneralPage()->ILedCode(tdu1(r), tdu1(c)));
    }
    data.unsaved = m_window->KeymapPage()->HasUnsavedEdits();
    return data;
}

UserData TestFaults::WithKeyboardData(UserData data, Action action) const
{
    const sim::KeyboardState state = m_keyboard->state();
    switch (action) {
    case KeymapRead:
        for (int l = 0; l < Protocol::kLayerCount; l++) {
            for (int r = 0; r < kRows; r++) {
                for (int c = 0; c < kCols; c++)
                    data.keymaps[0][size_t(l)][size_t(r)][size_t(c)] = state.keymaps[0][l][r][c];
            }
        }
        // The keymap now matches the keyboard.
        data.unsaved = false;
        break;
    case KeymapWrite:
        data.unsaved = false;
        break;
    case MacroRead: {
        QByteArray reply(1, '\0');
        reply.append(char(state.macros[0].size()));
        for (std::uint16_t word : state.macros[0]) {
            reply.append(char(word & 0xFF));
            reply.append(char(word >> 8));
        }
        data.macros[0]
            = MacroCodec::DecodeReadReply(reinterpret_cast<const tdu1*>(reply.constData()), reply.size()).actions;
        break;
    }
    case ILedRead:
        for (int r = 0; r < kRows; r++) {
            for (int c = 0; c < kCols; c++)
                data.iled[r * kCols + c] = state.iled[r][c];
        }
        break;
    default:
        break;
    }
    return data;
}

void TestFaults::ExpectReaderIdle()
{
    if (!m_window->Device()->IsReceiving())
        return;
    // After the last report the reader keeps its short pace for a while by the session's clock,
    // then only looks twice a second; a reader still at the short pace would read about 25 times
    // here.
    m_rig->now += HidIo::kActiveWindowMs + 1;
    QTest::qWait(2 * HidIo::kReadSliceMs);
    const int before = m_keyboard->readCalls();
    QTest::qWait(100);
    const int reads = m_keyboard->readCalls() - before;
    QVERIFY2(reads <= 1, qPrintable(QStringLiteral("%1 reads while idle").arg(reads)));
}

void TestFaults::faultMatrix_data()
{
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("arg");
    QTest::addColumn<QString>("status");
    QTest::addColumn<int>("level");
    // Whether the command took effect: a write confirmed, a read taken into the user's data.
    QTest::addColumn<bool>("applied");
    const QString keymapNotWritten = QStringLiteral("Set Keyboard Keymap 1 Fail");
    const QString keymapRead = QStringLiteral("Get Keyboard Keymap 1 Success");
    const QString keymapNotRead = QStringLiteral("Get Keyboard Keymap 1 Fail");
    // The user cleared one key of the keymap read from the keyboard.
    const QString compared = QStringLiteral("1 key differs from the keyboard");
    const QString macroWritten = QStringLiteral("Success to Write Macro Data");
    const QString macroNotWritten = QStringLiteral("Fail to Write Macro Data");
    const QString iledWritten = QStringLiteral("Success to Apply Indicator Setting");
    const QString iledNotWritten = QStringLiteral("Fail to Apply Indicator Setting");
    const QString iledRead = QStringLiteral("Success to Read Indicator Setting");
    const QString macroRead = QStringLiteral("Success to Read Macro Data");
    auto row
        = [](const char* name, Action action, Fault fault, int arg, const QString& status, int level, bool applied) {
              QTest::newRow(name) << int(action) << int(fault) << arg << status << level << applied;
          };

    row("keymap write: unplugged after 5 of 10 packets", KeymapWrite, UnplugMidCommand, 5, kDisconnected, 1, false);
    row("macro write: unplugged after 1 of 2 packets", MacroWrite, UnplugMidCommand, 1, kDisconnected, 1, false);
    row("indicator write: unplugged after 1 of 2 packets", ILedWrite, UnplugMidCommand, 1, kDisconnected, 1, false);
    row("keymap read: unplugged after 4 of 10 reply packets", KeymapRead, UnplugMidReply, 4, kDisconnected, 1, false);
    row("macro read: unplugged after 1 of 2 reply packets", MacroRead, UnplugMidReply, 1, kDisconnected, 1, false);
    row("indicator read: unplugged after 1 of 2 reply packets", ILedRead, UnplugMidReply, 1, kDisconnected, 1, false);

    row("keymap write: no reply", KeymapWrite, Silence, 0, kNoAnswer, 1, false);
    row("keymap read: no reply", KeymapRead, Silence, 0, kNoAnswer, 1, false);
    row("macro read: no reply", MacroRead, Silence, 0, kNoAnswer, 1, false);
    row("indicator write: no reply", ILedWrite, Silence, 0, kNoAnswer, 1, false);

    row("keymap read: answered as a read of keymap 2", KeymapRead, WrongCode, Protocol::kCmdReadKeymap2, kNoAnswer, 1,
        false);
    row("keymap write: answered as a read of keymap 1", KeymapWrite, WrongCode, Protocol::kCmdReadKeymap1, kNoAnswer, 1,
        false);
    row("keymap compare: answered as a read of keymap 3", KeymapCompare, WrongCode, Protocol::kCmdReadKeymap3,
        kNoAnswer, 1, false);
    row("macro read: answered as a macro write", MacroRead, WrongCode, Protocol::kCmdWriteMacro, kNoAnswer, 1, false);
    row("indicator read: answered as an indicator write", ILedRead, WrongCode, Protocol::kCmdWriteILedConfig, kNoAnswer,
        1, false);

    row("keymap read: reply twice", KeymapRead, ReplyTwice, 0, keymapRead, 0, true);
    row("keymap compare: reply twice", KeymapCompare, ReplyTwice, 0, compared, 2, false);
    row("macro read: reply twice", MacroRead, ReplyTwice, 0, macroRead, 0, true);
    row("keymap read: every command answered twice", KeymapRead, AnswerEveryCommandTwice, 0, keymapRead, 0, true);
    row("macro write: every command answered twice", MacroWrite, AnswerEveryCommandTwice, 0, macroWritten, 0, true);
    row("indicator read: every command answered twice", ILedRead, AnswerEveryCommandTwice, 0, iledRead, 0, true);

    row("keymap read: garbage first", KeymapRead, GarbageFirst, 0, keymapRead, 0, true);
    row("indicator write: garbage first", ILedWrite, GarbageFirst, 0, iledWritten, 0, true);
    row("keymap read: reply 900 bytes longer", KeymapRead, OverlongReply, 0, keymapRead, 0, true);
    row("macro read: reply 900 bytes longer", MacroRead, OverlongReply, 0, macroRead, 0, true);
    row("keymap read: reply cut to 599 bytes", KeymapRead, Truncate, 599, keymapNotRead, 1, false);

    row("keymap write: status 1", KeymapWrite, BadStatus, 1, keymapNotWritten, 1, false);
    row("macro write: status 255", MacroWrite, BadStatus, 0xFF, macroNotWritten, 1, false);
    row("indicator write: status 2", ILedWrite, BadStatus, 2, iledNotWritten, 1, false);
}

void TestFaults::faultMatrix()
{
    QFETCH(int, action);
    QFETCH(int, fault);
    QFETCH(int, arg);
    QFETCH(QString, status);
    QFETCH(int, level);
    QFETCH(bool, applied);
    Open();
    if (QTest::currentTestFailed())
        return;

    // The user's state: keymap 1 saved to a file and then edited, a 40-step macro and the
    // layout's indicator assignment.
    FileDialog::SetNextFileName(m_rig->folder->Path("mine.xml"));
    Click("tbtnSave");
    QTest::mouseClick(m_window->KeymapPage()->Pannel()->Cap(0, 0)->Button(), Qt::LeftButton);
    Click("tbtnClear");
    m_keyboard->modify([](sim::KeyboardState& state) { state.macros[0] = MacroWords(0x04); });
    Do(MacroRead);
    QTRY_COMPARE(m_window->MacroPage()->Actions(0).size(), kMacroWords);
    QTRY_COMPARE(m_window->AwaitedReplies(), 0);
    m_keyboard->modify([](sim::KeyboardState& state) { state.macros[0] = MacroWords(0x05); });
    const UserData before = Data();
    const std::map<QString, QByteArray> files = Files(*m_rig->folder);
    QVERIFY(before.unsaved);

    m_window->ResultShow(0, QString());
    QSignalSpy keymapTexts(m_window->KeymapPage(), &KeymapDialog::ResultShow);
    QSignalSpy settingsTexts(m_window->GeneralPage(), &GeneralConfigDialog::ResultShow);
    QSignalSpy macroTexts(m_window->MacroPage(), &MacroDialog::ResultShow);
    Arm(Fault(fault), arg);
    Do(Action(action));
    if (status == kNoAnswer) {
        // What the keyboard sends in place of the answer has come and gone.
        QTest::qWait(50);
        LetDeadlinesPass();
    }

    const QColor colour = level == 0 ? Palette::StatusColor(Palette::kSuccess)
        : level == 1                 ? Palette::StatusColor(Palette::kFailure)
                                     : Palette::StatusColor(Palette::kWarning);
    QTRY_COMPARE(Status(), status);
    QTRY_COMPARE(m_window->AwaitedReplies(), 0);
    ExpectReaderIdle();
    // Nothing later changes what the status line says.
    QCOMPARE(Status(), status);
    if (!status.isEmpty())
        QCOMPARE(StatusColour(), colour);
    // A command that failed showed no success on the way, and one that went unanswered nothing.
    for (const QSignalSpy* texts : {&keymapTexts, &settingsTexts, &macroTexts}) {
        for (const QList<QVariant>& shown : *texts) {
            QVERIFY2(level != 1 || shown.at(0).value<tdu1>() != 0, qPrintable(shown.at(1).toString()));
            QVERIFY2(status != kNoAnswer, qPrintable(shown.at(1).toString()));
        }
    }
    QVERIFY(m_window->isVisible());
    QVERIFY(applied ? Data() == WithKeyboardData(before, Action(action)) : Data() == before);
    QVERIFY(Files(*m_rig->folder) == files);

    // The window works again with a keyboard that behaves, plugged in again where it went away.
    if (!m_keyboard->isPlugged()) {
        QVERIFY(!m_window->Device()->IsReceiving());
        Plug();
        m_rig->Reconnect();
        QVERIFY(m_window->Device()->IsReceiving());
        // Back again, the keyboard's keymap is read anew; the user's edits stay.
        QTRY_VERIFY(m_window->KeymapPage()->KeymapKnown(0));
        QTRY_COMPARE(m_window->AwaitedReplies(), 0);
    }
    m_keyboard->clearFaults();
    m_keyboard->clearLog();
    m_window->ResultShow(0, QString());
    Do(Action(action));
    QTRY_COMPARE(m_window->AwaitedReplies(), 0);
    // The command went out first (a write is then read back).
    const tdu1 sent[] = {Protocol::kCmdWriteKeymap1, Protocol::kCmdReadKeymap1, Protocol::kCmdReadKeymap1,
        Protocol::kCmdWriteMacro, Protocol::kCmdReadMacro, Protocol::kCmdWriteILedConfig, Protocol::kCmdReadILedConfig};
    // After a command that went unanswered, the keyboard is first asked something harmless.
    std::vector<sim::SimKeyboard::Command> commands = m_keyboard->receivedCommands();
    if (!commands.empty() && commands.front().first == DeviceSession::kProbeCmd)
        commands.erase(commands.begin());
    QVERIFY(!commands.empty());
    QCOMPARE(int(commands.front().first), int(sent[action]));
    QVERIFY(Status() != kNoAnswer && Status() != kDisconnected);
}

void TestFaults::replyOverdue_isReportedOnceForCommandsSentTogether()
{
    Open();
    if (QTest::currentTestFailed())
        return;
    m_keyboard->silenceNextReplies(2);
    Do(ILedRead);
    Do(KeymapWrite);
    Do(MacroRead);
    QCOMPARE(m_window->AwaitedReplies(), 3);
    // The macro's reply comes; the other two are overdue together.
    QTRY_COMPARE(m_window->AwaitedReplies(), 2);
    m_window->ResultShow(0, QString());
    QSignalSpy shown(m_window->Session(), &DeviceSession::Overdue);
    LetDeadlinesPass();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(Status(), kNoAnswer);
    QCOMPARE(StatusColour(), Palette::StatusColor(Palette::kFailure));
    QCOMPARE(m_window->AwaitedReplies(), 0);
    // An answer that comes late confirms nothing.
    m_keyboard->injectReply(Protocol::kCmdWriteKeymap1, {0});
    QTRY_COMPARE(Status(), QStringLiteral("The keyboard answered late; read again to see its keymap."));
    QVERIFY(m_window->KeymapPage()->HasUnsavedEdits() == Data().unsaved);
}

void TestFaults::lateMacroRead_afterHandEdits_keepsThem()
{
    Open();
    if (QTest::currentTestFailed())
        return;
    m_keyboard->setReplyDelayMs(300);
    Do(MacroRead);
    LetDeadlinesPass();
    QCOMPARE(Status(), kNoAnswer);
    Click("tbtnInsertDelay");
    const QVector<MacroAction> mine = m_window->MacroPage()->Actions(0);
    QCOMPARE(mine.size(), 1);

    QTRY_COMPARE(Status(), kLateMacro);
    QCOMPARE(m_window->MacroPage()->Actions(0), mine);
}

void TestFaults::reconnectToAnotherKeymapType_blocksKeymapWrites()
{
    Open();
    if (QTest::currentTestFailed())
        return;
    m_keyboard->unplug();
    QTRY_COMPARE(Status(), kDisconnected);
    Plug();
    m_keyboard->modify([](sim::KeyboardState& state) { state.keymapType = 1; });
    m_rig->Reconnect();
    QTRY_VERIFY(Status().startsWith(QStringLiteral("The keyboard now uses keymap type 1")));
    QVERIFY(!m_window->LayoutMatchesKeyboard());

    m_keyboard->clearLog();
    for (Action action : {KeymapWrite, KeymapRead, ILedWrite}) {
        m_window->ResultShow(0, QString());
        Do(action);
        QVERIFY(Status().startsWith(QStringLiteral("The keyboard now uses keymap type 1")));
        QCOMPARE(StatusColour(), Palette::StatusColor(Palette::kFailure));
    }
    // Macros do not depend on the layout.
    Do(MacroRead);
    QTRY_COMPARE(int(m_keyboard->receivedCommands().size()), 1);
    QCOMPARE(int(m_keyboard->receivedCommands().front().first), int(Protocol::kCmdReadMacro));
}

void TestFaults::open_showsTheKeyboardsKeymaps_andAsksBeforeOverwritingUnread()
{
    Open();
    if (QTest::currentTestFailed())
        return;
    KeymapDialog* page = m_window->KeymapPage();
    const sim::KeyboardState state = m_keyboard->state();
    QCOMPARE(page->Store()->KeymapCode(0, 0, 1, 1), tdu2(state.keymaps[0][0][1][1]));
    QVERIFY(!page->HasUnsavedEdits());
    // Keymap 2 is read when it is first shown; keymap 3's read gets no answer.
    Click("tbtnKeymap1");
    QTRY_VERIFY(page->KeymapKnown(1));
    QCOMPARE(page->Store()->KeymapCode(1, 0, 1, 2), tdu2(state.keymaps[1][0][1][2]));
    m_keyboard->silenceNextReplies(1);
    Click("tbtnKeymap2");
    LetDeadlinesPass();
    QVERIFY(!page->KeymapKnown(2));

    // Writing keymap 3 now would replace the keyboard's keys with the layout's: it asks first.
    m_keyboard->clearLog();
    MessageBox::SetNextAnswer(QMessageBox::Cancel);
    Click("tbtnUpLoad");
    QVERIFY(MessageBox::LastText().startsWith(QStringLiteral("Keymap 3 was not read from the keyboard")));
    QTest::qWait(50);
    QVERIFY(m_keyboard->receivedCommands().empty());
    MessageBox::SetNextAnswer(QMessageBox::Ok);
    Click("tbtnUpLoad");
    QTRY_COMPARE(Status(), QStringLiteral("Set Keyboard Keymap 3 Success"));
    QVERIFY(page->KeymapKnown(2));
}

QTEST_MAIN(TestFaults)
#include "tst_faults.moc"
