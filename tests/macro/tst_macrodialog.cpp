// The macro page without an X display: window-only recording, editing in the list, and writing and
// reading through a keyboard session on the simulated keyboard.
#include "MacroActions.h"
#include "app/MainDialog.h"
#include "codec/KeyboardModel.h"
#include "codec/MacroCodec.h"
#include "codec/MacroKeyTable.h"
#include "device/Protocol.h"
#include "macro/KeyCaptureService.h"
#include "macro/KeyboardThread.h"
#include "macro/MacroDialog.h"
#include "sim/SimBus.h"
#include "support/SimSession.h"
#include "support/TestFolder.h"
#include "support/TestLayouts.h"
#include "ui/MessageBox.h"
#include "ui/Palette.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

#include <memory>

using sim::SimBus;

namespace {
constexpr tdu2 kPid = 0x0601;
constexpr tdu1 kKeyA = 38; // X keycode of the A key: input code 30 + 8
constexpr tdu2 kA = 0x41, kB = 0x42;

const QString kWritten = QStringLiteral("Success to Write Macro Data");
const QString kRead = QStringLiteral("Success to Read Macro Data");

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

// The shown macro holds these actions, as a file or the keyboard gave them.
void Load(MacroDialog& page, const Actions& actions)
{
    page.Store()->Replace({{page.CurrentMacro(), actions}}, QStringLiteral("Load"));
    page.Store()->MarkKept(page.CurrentMacro(), actions);
}

void SendKey(QWidget& target, QEvent::Type type, quint32 scanCode, bool autoRepeat = false)
{
    QKeyEvent event(type, Qt::Key_unknown, Qt::NoModifier, scanCode, 0, 0, QString(), autoRepeat);
    QApplication::sendEvent(&target, &event);
}

// Keys as the capture thread's hook hands them over: going down (true) or up, with the time
// each was seen, 7 ms apart from firstMs on.
void Record(MacroDialog& page, const QVector<QPair<bool, tdu2>>& events, tdu4 firstMs = 1000)
{
    for (int i = 0; i < events.size(); i++) {
        page.CaptureService()->Thread()->TakeKey(events.at(i).first ? KeyHookMessage::KeyDown : KeyHookMessage::KeyUp,
            events.at(i).second, firstMs + 7 * tdu4(i));
    }
}

// A read reply or write payload: the macro's index, its action count and its words.
QByteArray MacroBytes(int macro, const Actions& actions)
{
    return MacroCodec::EncodeWrite(tdu1(macro), actions);
}

QString LastText(const QSignalSpy& results)
{
    return results.isEmpty() ? QString() : results.last().at(1).toString();
}

tdu1 LastLevel(const QSignalSpy& results)
{
    return results.isEmpty() ? tdu1(0xFF) : results.last().at(0).value<tdu1>();
}
} // namespace

class TestMacroDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void recording_withoutDisplay_warnsAndTakesKeysTypedInWindow();
    void recording_delaysAreTheTimesBetweenKeys_lastEventAddsOnlyItsDelay();
    void delayEdit_clampsOrRefuses_data();
    void delayEdit_clampsOrRefuses();
    void contextMenu_modifiesDelaysDeletesKeys();
    void readReply_data();
    void readReply();
    void readInFlight_handEditsStay_data();
    void readInFlight_handEditsStay();
    void write_countsOnlyWhatIsReadBack_data();
    void write_countsOnlyWhatIsReadBack();
    void write_secondWaitsForReadBack_andWithoutKeyboardSaysDemo();
    void restoredKeyboard_replacesMacrosWithoutEdits_data();
    void restoredKeyboard_replacesMacrosWithoutEdits();
    void unplayableKey_namedInRowAndWriteAsksFirst();
    void recordingEnds_data();
    void recordingEnds();
    void all32Macros_writeThenReadBack_throughKeyboard();
    void recordingOverActions_isUndone_andCloseAsksForUnwrittenMacros();

private:
    // The page on a simulated keyboard; muted, the keyboard answers only what the test answers.
    MacroDialog& Page(bool muted = true);
    void Answer(tdu1 cmd, const QByteArray& reply)
    {
        m_sim->Answer(cmd, reply);
    }
    QList<tdu1> SentCodes() const;

    std::unique_ptr<SimSession> m_sim;
    std::unique_ptr<MacroDialog> m_page;
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

void TestMacroDialog::cleanup()
{
    m_page.reset();
    m_sim.reset();
}

MacroDialog& TestMacroDialog::Page(bool muted)
{
    m_sim = std::make_unique<SimSession>(kPid, 2, 3);
    if (muted)
        m_sim->Mute();
    m_page = std::make_unique<MacroDialog>();
    m_page->SetClient(m_sim->session->NewClient(m_page.get()));
    m_page->show();
    return *m_page;
}

QList<tdu1> TestMacroDialog::SentCodes() const
{
    QList<tdu1> codes;
    for (const auto& command : m_sim->Sent())
        codes.append(command.first);
    return codes;
}

void TestMacroDialog::recording_withoutDisplay_warnsAndTakesKeysTypedInWindow()
{
    MacroDialog page;
    page.show();
    QSignalSpy results(&page, &MacroDialog::ResultShow);
    Click(page, "tbtnMacroRec");
    QVERIFY(page.IsWindowOnlyRecording());
    QCOMPARE(results.size(), 1);
    QCOMPARE(results.first().at(0).value<tdu1>(), Palette::kWarning);
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
    QCOMPARE(page.Actions(0), (Actions {Down(0xA0), Down(kA), Up(kA), Up(0xA0)}));
    QCOMPARE(page.findChild<QLabel*>("lblActionCnt")->text(), QStringLiteral("4"));
    QVERIFY(field->text().isEmpty());

    Click(page, "tbtnMacroRec");
    QVERIFY(!page.IsRecording());
    QVERIFY(page.CaptureService()->Holder() == nullptr);
    QTest::keyClick(field, Qt::Key_B);
    QCOMPARE(field->text(), QStringLiteral("b"));
    QCOMPARE(page.Actions(0).size(), 4);
}

void TestMacroDialog::recording_delaysAreTheTimesBetweenKeys_lastEventAddsOnlyItsDelay()
{
    MacroDialog page;
    page.show();
    page.findChild<QCheckBox*>("ckbMacroTime")->setChecked(true);
    Click(page, "tbtnMacroRec");
    // The first event has no delay in front; each later one has: 1 + 59 x 2 = 119 actions.
    QVector<QPair<bool, tdu2>> events;
    for (int i = 0; i < 60; i++)
        events.append({i % 2 == 0, kA});
    Record(page, events);
    QTRY_COMPARE(page.Actions(0).size(), 119);
    QCOMPARE(page.Actions(0).first(), Down(kA));
    // The pauses are those between the times the keys were seen, not when the page took them.
    QCOMPARE(page.Actions(0).at(1), Delay(7));
    QCOMPARE(page.Actions(0).at(118), Up(kA));

    // B goes down 30 ms after the last key: its delay fits, the key does not; C's delay no longer
    // fits either.
    Record(page, {{true, kB}, {true, 0x43}}, 1000 + 7 * 59 + 30);
    QTRY_COMPARE(List(page)->count(), 120);
    QTest::qWait(50);
    QCOMPARE(page.Actions(0).size(), 120);
    QCOMPARE(page.Actions(0).last(), Delay(30));
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
    Load(page, {Down(kA), Delay(100), Up(kA)});
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
    Load(page, {Down(kA), Delay(100), Up(kA)});
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
    QTRY_COMPARE(page.Actions(0), (Actions {Down(kA), Delay(40), Up(kA)}));

    QCOMPARE(menuOn(2), (QStringList {"Delete"} + editing));
    QCOMPARE(page.Actions(0), (Actions {Down(kA), Delay(40)}));
    QCOMPARE(page.findChild<QLabel*>("lblActionCnt")->text(), QStringLiteral("2"));

    // Nothing while recording.
    Click(page, "tbtnMacroRec");
    Record(page, {{true, kA}});
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
    QTest::addColumn<tdu1>("level");

    const Actions before {Down(kA), Up(kA)};
    const QString cutShort = QStringLiteral("Fail to Read Macro Data: the keyboard's reply is incomplete.");
    QTest::newRow("shown macro replaced") << false << QByteArray::fromHex("00 02 05 40 05 80")
                                          << Actions {Down(kB), Up(kB)} << kRead << Palette::kSuccess;
    QTest::newRow("type 0 words skipped")
        << false << QByteArray::fromHex("00 03 05 00 05 40 05 3F") << Actions {Down(kB)} << kRead << Palette::kSuccess;
    QTest::newRow("121 actions refused") << false << QByteArray::fromHex("00 79") + QByteArray(242, 0x40) << before
                                         << cutShort << Palette::kFailure;
    QTest::newRow("words cut short refused")
        << false << QByteArray::fromHex("00 02 05 40") << before << cutShort << Palette::kFailure;
    QTest::newRow("header cut short refused")
        << false << QByteArray::fromHex("00") << before << cutShort << Palette::kFailure;
    QTest::newRow("not taken while recording")
        << true << QByteArray::fromHex("00 01 05 40") << Actions {}
        << "The macro read from the keyboard was not shown: a recording was running." << Palette::kWarning;
}

void TestMacroDialog::readReply()
{
    QFETCH(bool, recording);
    QFETCH(QByteArray, reply);
    QFETCH(Actions, actions);
    QFETCH(QString, message);
    QFETCH(tdu1, level);
    MacroDialog& page = Page();
    Load(page, {Down(kA), Up(kA)});
    Click(page, "tbtnReadMacro");
    QCOMPARE(m_sim->Sent().back().second, std::vector<std::uint8_t> {0});
    if (recording)
        Click(page, "tbtnMacroRec");
    QSignalSpy results(&page, &MacroDialog::ResultShow);
    Answer(Protocol::kCmdReadMacro, reply);
    QCOMPARE(page.Actions(0), actions);
    QCOMPARE(page.findChild<QLabel*>("lblActionCnt")->text(), QString::number(actions.size()));
    QCOMPARE(List(page)->count(), actions.size());
    QCOMPARE(LastText(results), message);
    QCOMPARE(LastLevel(results), level);
    // What was read is what the keyboard holds; a refused reply tells nothing.
    QCOMPARE(page.Model()->MacroKnown(0), level != Palette::kFailure);
    page.StopRecording();
}

void TestMacroDialog::readInFlight_handEditsStay_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<bool>("late");
    QTest::addColumn<Actions>("shown");
    QTest::addColumn<QString>("message");
    // Edits are measured against what the keyboard holds once it is known.
    QTest::addColumn<bool>("unsaved");

    const Actions mine {Down(kA), Up(kA)};
    const Actions keyboard {Down(kB), Up(kB)};
    const QString kept = QStringLiteral("Macro 1 was changed before the keyboard answered, so it still shows your "
                                        "actions; Read Macro shows the keyboard's.");
    const QString late = QStringLiteral("The keyboard answered late; read again to see its macro.");
    QTest::newRow("on time, no edit: the keyboard's") << "" << false << keyboard << kRead << false;
    QTest::newRow("on time, delay inserted") << "insert" << false << mine + Actions {Delay(100)} << kept << true;
    QTest::newRow("on time, insert undone") << "insert undo" << false << mine << kept << true;
    QTest::newRow("late, no edit") << "" << true << mine << late << false;
    QTest::newRow("late, delay inserted") << "insert" << true << mine + Actions {Delay(100)} << late << true;
}

void TestMacroDialog::readInFlight_handEditsStay()
{
    QFETCH(QString, edit);
    QFETCH(bool, late);
    QFETCH(Actions, shown);
    QFETCH(QString, message);
    QFETCH(bool, unsaved);
    MacroDialog& page = Page();
    Load(page, {Down(kA), Up(kA)});
    Click(page, "tbtnReadMacro");
    if (late)
        m_sim->PassDeadlines();
    if (edit.contains("insert"))
        Click(page, "tbtnInsertDelay");
    if (edit.contains("undo"))
        Click(page, "tbtnMacroUndo");
    QSignalSpy results(&page, &MacroDialog::ResultShow);

    Answer(Protocol::kCmdReadMacro, MacroBytes(0, {Down(kB), Up(kB)}));
    QCOMPARE(page.Actions(0), shown);
    QCOMPARE(Rows(page).size(), shown.size());
    QCOMPARE(LastText(results), message);
    QCOMPARE(LastLevel(results), late || !edit.isEmpty() ? Palette::kWarning : Palette::kSuccess);
    // A late answer changes nothing; one on time is what the keyboard holds, and edits are measured
    // against it.
    QCOMPARE(page.Model()->MacroKnown(0), !late);
    if (!late)
        QCOMPARE(page.Model()->Macro(0), (Actions {Down(kB), Up(kB)}));
    QCOMPARE(page.HasUnsavedEdits(), unsaved);
}

void TestMacroDialog::write_countsOnlyWhatIsReadBack_data()
{
    QTest::addColumn<QByteArray>("status");
    // The read-back's answer; none when no read-back is to go out.
    QTest::addColumn<QByteArray>("readBack");
    QTest::addColumn<QString>("message");
    QTest::addColumn<tdu1>("level");
    QTest::addColumn<Actions>("keyboard");

    const Actions mine {Down(kA), Delay(100), Up(kA)};
    const QString failed = QStringLiteral("Fail to Write Macro Data");
    QTest::newRow("confirmed and read back")
        << QByteArray(1, '\0') << MacroBytes(0, mine) << kWritten << Palette::kSuccess << mine;
    QTest::newRow("read back differs") << QByteArray(1, '\0') << MacroBytes(0, {Down(kB)})
                                       << QStringLiteral("Macro 1 was written, but the keyboard holds something else.")
                                       << Palette::kFailure << Actions {Down(kB)};
    QTest::newRow("read back cut short")
        << QByteArray(1, '\0') << QByteArray(1, '\0')
        << QStringLiteral("Macro 1 was written, but could not be read back; Read Macro shows what the keyboard holds.")
        << Palette::kFailure << Actions {};
    QTest::newRow("status 1") << QByteArray(1, '\1') << QByteArray() << failed << Palette::kFailure << Actions {};
    QTest::newRow("no status byte") << QByteArray() << QByteArray() << failed << Palette::kFailure << Actions {};
}

void TestMacroDialog::write_countsOnlyWhatIsReadBack()
{
    QFETCH(QByteArray, status);
    QFETCH(QByteArray, readBack);
    QFETCH(QString, message);
    QFETCH(tdu1, level);
    QFETCH(Actions, keyboard);
    MacroDialog& page = Page();
    const Actions mine {Down(kA), Delay(100), Up(kA)};
    page.Store()->Replace({{0, mine}}, QStringLiteral("Edit"));
    QVERIFY(page.HasUnsavedEdits());
    QSignalSpy results(&page, &MacroDialog::ResultShow);

    Click(page, "tbtnWriteMacro");
    QCOMPARE(SentCodes(), QList<tdu1> {Protocol::kCmdWriteMacro});
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(m_sim->Sent().back().second.data()),
                 int(m_sim->Sent().back().second.size())),
        MacroBytes(0, mine));
    Answer(Protocol::kCmdWriteMacro, status);
    // The confirmation alone is not yet a success.
    QVERIFY(LastText(results) != kWritten);
    if (!readBack.isEmpty()) {
        QCOMPARE(SentCodes(), (QList<tdu1> {Protocol::kCmdWriteMacro, Protocol::kCmdReadMacro}));
        Answer(Protocol::kCmdReadMacro, readBack);
    } else {
        QCOMPARE(SentCodes(), QList<tdu1> {Protocol::kCmdWriteMacro});
    }
    QCOMPARE(LastText(results), message);
    QCOMPARE(LastLevel(results), level);
    QCOMPARE(page.Actions(0), mine);
    QCOMPARE(page.Model()->MacroKnown(0), !keyboard.isEmpty());
    QCOMPARE(page.Model()->Macro(0), keyboard);
    QCOMPARE(page.HasUnsavedEdits(), keyboard != mine);
}

void TestMacroDialog::write_secondWaitsForReadBack_andWithoutKeyboardSaysDemo()
{
    MacroDialog& page = Page();
    QSignalSpy results(&page, &MacroDialog::ResultShow);
    Click(page, "tbtnMacro5");
    QCOMPARE(page.CurrentMacro(), 4);
    QVERIFY(page.findChild<QToolButton*>("tbtnMacro5")->isChecked());
    QVERIFY(!page.findChild<QToolButton*>("tbtnMacro1")->isChecked());
    Load(page, {Down(kA), Delay(100), Up(kA)});
    Click(page, "tbtnWriteMacro");
    Click(page, "tbtnInsertDelay");
    Click(page, "tbtnWriteMacro");
    Click(page, "tbtnWriteMacro");
    QCOMPARE(SentCodes(), QList<tdu1> {Protocol::kCmdWriteMacro});
    QCOMPARE(LastText(results), QStringLiteral("Macro 5 is written once the keyboard has confirmed the write before."));
    Answer(Protocol::kCmdWriteMacro, QByteArray(1, '\0'));
    Answer(Protocol::kCmdReadMacro, MacroBytes(4, {Down(kA), Delay(100), Up(kA)}));
    QCOMPARE(LastText(results), kWritten);
    // The waiting request goes out once, with the macro as it is now.
    QCOMPARE(SentCodes(), (QList<tdu1> {Protocol::kCmdWriteMacro, Protocol::kCmdReadMacro, Protocol::kCmdWriteMacro}));
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(m_sim->Sent().back().second.data()),
                 int(m_sim->Sent().back().second.size()))
                 .toHex(' '),
        QByteArray("04 04 04 40 64 c0 04 80 64 c0"));

    // Each macro keeps its actions and chosen row when another is shown.
    QListWidget* list = List(page);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
    Click(page, "tbtnMacro1");
    QCOMPARE(List(page)->count(), 0);
    Click(page, "tbtnMacro5");
    QCOMPARE(Rows(page), (QStringList {"A", "100ms", "A", "100ms"}));
    QCOMPARE(list->item(2)->background().color(), QColor(135, 206, 225));

    MacroDialog demo;
    QSignalSpy demoResults(&demo, &MacroDialog::ResultShow);
    Click(demo, "tbtnReadMacro");
    Click(demo, "tbtnWriteMacro");
    QCOMPARE(demoResults.size(), 2);
    for (const QList<QVariant>& shown : demoResults) {
        QCOMPARE(shown.at(0).value<tdu1>(), Palette::kWarning);
        QCOMPARE(shown.at(1).toString(), QStringLiteral("Demo Mode,Please connect keyboard and try again."));
    }
}

void TestMacroDialog::restoredKeyboard_replacesMacrosWithoutEdits_data()
{
    QTest::addColumn<int>("keepEdits");
    QTest::addColumn<Actions>("edited");
    QTest::newRow("edits dropped") << int(QMessageBox::No) << Actions {Down(kB), Up(kB)};
    QTest::newRow("edits kept") << int(QMessageBox::Yes) << Actions {Down(kA), Up(kA), Delay(100)};
}

void TestMacroDialog::restoredKeyboard_replacesMacrosWithoutEdits()
{
    QFETCH(int, keepEdits);
    QFETCH(Actions, edited);
    MacroDialog page;
    page.show();
    // Macro 1 as last read, macro 2 with an edit since.
    Load(page, {Down(kA), Up(kA)});
    Click(page, "tbtnMacro2");
    Load(page, {Down(kA), Up(kA)});
    Click(page, "tbtnInsertDelay");
    MessageBox::SetNextAnswer(QMessageBox::StandardButton(keepEdits));
    page.TakeKeyboardMacros();
    QCOMPARE(MessageBox::LastTitle(), QStringLiteral("Keyboard Restored"));

    // What the restore read back reaches the page through the keyboard model.
    page.Model()->SetMacro(0, {Down(kB), Up(kB)});
    page.Model()->SetMacro(1, {Down(kB), Up(kB)});
    QCOMPARE(page.Actions(0), (Actions {Down(kB), Up(kB)}));
    QCOMPARE(page.Actions(1), edited);
    QCOMPARE(Rows(page).size(), edited.size());
    QCOMPARE(page.HasUnsavedEdits(), keepEdits == QMessageBox::Yes);
}

void TestMacroDialog::unplayableKey_namedInRowAndWriteAsksFirst()
{
    MacroDialog& page = Page();
    Click(page, "tbtnMacroRec");
    Record(page, {{true, 0x5D}, {false, 0x5D}, {true, 0x0D}, {false, 0x0D}});
    QTRY_COMPARE(Rows(page), (QStringList {"Menu (cannot be played)", "Menu (cannot be played)", "Enter", "Enter"}));
    Click(page, "tbtnMacroRec");

    MessageBox::SetNextAnswer(QMessageBox::No);
    Click(page, "tbtnWriteMacro");
    QVERIFY(MessageBox::LastText().contains(QStringLiteral("Menu")));
    QVERIFY(m_sim->Sent().empty());
    MessageBox::SetNextAnswer(QMessageBox::Yes);
    Click(page, "tbtnWriteMacro");
    QCOMPARE(SentCodes(), QList<tdu1> {Protocol::kCmdWriteMacro});
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(m_sim->Sent().back().second.data()),
                 int(m_sim->Sent().back().second.size()))
                 .toHex(' '),
        QByteArray("00 04 00 40 00 80 28 40 28 80"));
    // Written as empty keys, they read back as the keyboard stores them: still a success.
    QSignalSpy results(&page, &MacroDialog::ResultShow);
    Answer(Protocol::kCmdWriteMacro, QByteArray(1, '\0'));
    Answer(Protocol::kCmdReadMacro, QByteArray::fromHex("00 04 00 40 00 80 28 40 28 80"));
    QCOMPARE(LastText(results), kWritten);
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
    QVERIFY(page.CaptureService()->Holder() != nullptr);

    if (how == "leave")
        Click(window, "tbtn1");
    else if (how == "close")
        QTest::mouseClick(window.findChild<QAbstractButton*>("btnMenu_Close"), Qt::LeftButton);
    else
        SimBus::instance().unplug(Protocol::kVendorId, kPid);
    QTRY_VERIFY(!page.IsRecording());
    QVERIFY(page.CaptureService()->Holder() == nullptr);
    QCOMPARE(page.findChild<QToolButton*>("tbtnMacroRec")->text(), QStringLiteral("Start Rec"));
}

void TestMacroDialog::all32Macros_writeThenReadBack_throughKeyboard()
{
    MacroDialog& page = Page(false);
    QSignalSpy results(&page, &MacroDialog::ResultShow);
    QCheckBox* recDelay = page.findChild<QCheckBox*>("ckbMacroTime");

    QVector<Actions> written(Protocol::kMacroCount);
    for (int macro = 0; macro < Protocol::kMacroCount; macro++) {
        Click(page, qPrintable(QStringLiteral("tbtnMacro%1").arg(macro + 1)));
        // Every other macro with measured delays; 2 to 58 events, at most 115 actions.
        recDelay->setChecked(macro % 2 == 1);
        Click(page, "tbtnMacroRec");
        QVector<QPair<bool, tdu2>> events;
        for (int i = 0; i < 2 + 2 * (macro % 29); i++)
            events.append({i % 2 == 0, MacroKeyTable::Instance().Entries().at((macro * 7 + i / 2) % 103).vk});
        Record(page, events);
        QTRY_COMPARE(page.Actions(macro).size(), events.size() * (macro % 2 == 1 ? 2 : 1) - (macro % 2));
        Click(page, "tbtnMacroRec");
        written[macro] = page.Actions(macro);
        results.clear();
        Click(page, "tbtnWriteMacro");
        QTRY_COMPARE(LastText(results), kWritten);
    }
    QVERIFY(!page.HasUnsavedEdits());
    for (int macro = 0; macro < Protocol::kMacroCount; macro++) {
        const QByteArray payload = MacroBytes(macro, written[macro]);
        QCOMPARE(int(m_sim->keyboard->state().macros[macro].size()), written[macro].size());
        for (int i = 0; i < written[macro].size(); i++)
            QCOMPARE(
                m_sim->keyboard->state().macros[macro][i], qFromLittleEndian<quint16>(payload.constData() + 2 + 2 * i));
    }
    for (int macro = Protocol::kMacroCount - 1; macro >= 0; macro--) {
        Click(page, qPrintable(QStringLiteral("tbtnMacro%1").arg(macro + 1)));
        // An empty recording clears the page's copy, so what shows next came from the keyboard.
        Click(page, "tbtnMacroRec");
        Click(page, "tbtnMacroRec");
        QCOMPARE(page.Actions(macro).size(), 0);
        Click(page, "tbtnReadMacro");
        QTRY_COMPARE(page.Actions(macro), written[macro]);
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
    Load(page, {Down(kA), Up(kA)});
    QVERIFY(!window.isWindowModified());

    QSignalSpy results(&page, &MacroDialog::ResultShow);
    Click(page, "tbtnMacroRec");
    QCOMPARE(results.first().at(1).toString(),
        QStringLiteral("Recording replaces the 2 actions of Macro1; Undo brings them back."));
    Record(page, {{true, kB}, {false, kB}});
    QTRY_COMPARE(page.Actions(0), (Actions {Down(kB), Up(kB)}));
    Click(page, "tbtnMacroRec");
    QVERIFY(window.isWindowModified());

    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(page.Actions(0), (Actions {Down(kA), Up(kA)}));
    QVERIFY(!window.isWindowModified());
    Click(page, "tbtnMacroRedo");
    QCOMPARE(page.Actions(0), (Actions {Down(kB), Up(kB)}));

    MessageBox::SetNextAnswer(QMessageBox::Cancel);
    QVERIFY(!window.close());
    QVERIFY(MessageBox::LastText().startsWith(QStringLiteral("Macro 1 has edits")));
    MessageBox::SetNextAnswer(QMessageBox::Discard);
    QVERIFY(window.close());
}

QTEST_MAIN(TestMacroDialog)
#include "tst_macrodialog.moc"
