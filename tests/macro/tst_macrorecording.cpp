// Real recording: the recorder's own X connection to a private Xvfb server, keys typed with
// xdotool (XTEST, as a keyboard would), the page on the offscreen platform.
#include "OtherXClient.h"
#include "XvfbServer.h"
#include "codec/MacroKeyTable.h"
#include "macro/KeyboardThread.h"
#include "macro/MacroDialog.h"
#include "macro/PhysicalKeyMap.h"
#include "ui/Palette.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QListWidget>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {
constexpr int kTypingTimeout = 20000;

// "+A" key down, "-A" key up, "~" delay.
QStringList Describe(const QVector<MacroAction>& actions)
{
    QStringList rows;
    for (const MacroAction& action : actions) {
        if (action.type == MacroAction::kDelay)
            rows << QStringLiteral("~");
        else
            rows << (action.type == MacroAction::kKeyDown ? "+" : "-")
                    + MacroKeyTable::Instance().KeyName(action.value);
    }
    return rows;
}

void Click(QWidget& page, const char* name)
{
    QTest::mouseClick(page.findChild<QToolButton*>(name), Qt::LeftButton);
}

} // namespace

class TestMacroRecording : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void everyTableKey_recordedByPosition();
    void typing_data();
    void typing();
    void recDelay_measuresThePauses();
    void otherWindow_getsNoKeysWhileRecording();
    void keyboardHeldElsewhere_fallsBackToWindow();
    void quitAndPageEnd_releaseAtOnce();

private:
    std::unique_ptr<XvfbServer> m_xvfb;
};

void TestMacroRecording::initTestCase()
{
    m_xvfb = std::make_unique<XvfbServer>();
    QVERIFY2(m_xvfb->Error().isEmpty(), qPrintable(m_xvfb->Error()));
    qputenv("DISPLAY", m_xvfb->Display().toLatin1());
}

void TestMacroRecording::cleanupTestCase()
{
    m_xvfb.reset();
}

void TestMacroRecording::everyTableKey_recordedByPosition()
{
    // Each key once, pressed and released, at its place on the keyboard; 51 keys fill a macro
    // of 102 actions, so two recordings take them all.
    QVector<tdu2> keys;
    for (const MacroKeyTable::Entry& entry : MacroKeyTable::Instance().Entries()) {
        if (!keys.contains(entry.vk))
            keys.append(entry.vk);
    }
    QCOMPARE(keys.size(), 102);
    MacroDialog page;
    page.show();
    for (int first = 0; first < keys.size(); first += 51) {
        Click(page, "tbtnMacroRec");
        QVERIFY(page.IsRecording());
        QVERIFY(!page.IsWindowOnlyRecording());
        QStringList arguments {"key", "--delay", "4"};
        QStringList expected;
        for (const tdu2 vk : keys.mid(first, 51)) {
            const unsigned keycode = PhysicalKeyMap::InputCodeOfVk(vk) + PhysicalKeyMap::kXKeycodeOffset;
            // xdotool reads one-digit numbers as key names.
            arguments << (keycode < 10 ? QStringLiteral("Escape") : QString::number(keycode));
            const QString name = MacroKeyTable::Instance().KeyName(vk);
            expected << "+" + name << "-" + name;
        }
        QVERIFY(m_xvfb->Xdotool(arguments));
        QTRY_COMPARE_WITH_TIMEOUT(page.Actions(0).size(), expected.size(), kTypingTimeout);
        QCOMPARE(Describe(page.Actions(0)), expected);
        Click(page, "tbtnMacroRec");
    }
    QCOMPARE(page.findChild<QListWidget*>("lswMacro")->item(0)->text(), MacroKeyTable::Instance().KeyName(keys.at(51)));
}

void TestMacroRecording::typing_data()
{
    QTest::addColumn<QStringList>("xdotool");
    QTest::addColumn<QStringList>("recorded");

    // X keycodes: 38 A, 56 B, 23 Tab, 64/108 Alt, 50/62 Shift, 37/105 Ctrl, 133/134 Win, 87 keypad 1,
    // 104 keypad Enter.
    QTest::newRow("held key with auto-repeat once")
        << QStringList {"keydown", "38", "sleep", "1.2", "keyup", "38"} << QStringList {"+A", "-A"};
    // Roll-over typing: A goes up while B is held, and B repeats.
    QTest::newRow("roll-over with B's auto-repeat") << QStringList {"keydown", "38", "keydown", "56", "keyup", "38",
        "sleep", "1.2", "keyup", "56"} << QStringList {"+A", "+B", "-A", "-B"};
    QTest::newRow("B typed while A held")
        << QStringList {"keydown", "38", "key", "56", "keyup", "38"} << QStringList {"+A", "+B", "-B", "-A"};
    QTest::newRow("Alt combination") << QStringList {"keydown", "64", "key", "23", "keyup", "64"}
                                     << QStringList {"+Alt(Left)", "+Tab", "-Tab", "-Alt(Left)"};
    QTest::newRow("left and right modifiers")
        << QStringList {"key", "50", "62", "37", "105", "64", "108", "133", "134"}
        << QStringList {"+Shift(Left)", "-Shift(Left)", "+Shift(Right)", "-Shift(Right)", "+Ctrl(Left)", "-Ctrl(Left)",
               "+Ctrl(Right)", "-Ctrl(Right)", "+Alt(Left)", "-Alt(Left)", "+Alt(Right)", "-Alt(Right)", "+Win(Left)",
               "-Win(Left)", "+Win(Right)", "-Win(Right)"};
    QTest::newRow("keypad by position") << QStringList {"key", "87", "104"}
                                        << QStringList {"+" + QString::fromUtf8("数字小键盘1"),
                                               "-" + QString::fromUtf8("数字小键盘1"), "+Enter", "-Enter"};
}

void TestMacroRecording::typing()
{
    QFETCH(QStringList, xdotool);
    QFETCH(QStringList, recorded);
    MacroDialog page;
    page.show();
    Click(page, "tbtnMacroRec");
    QVERIFY(!page.IsWindowOnlyRecording());
    QVERIFY(m_xvfb->Xdotool(xdotool));
    QTRY_COMPARE_WITH_TIMEOUT(page.Actions(0).size(), recorded.size(), kTypingTimeout);
    QTest::qWait(100);
    QCOMPARE(Describe(page.Actions(0)), recorded);
    Click(page, "tbtnMacroRec");
}

void TestMacroRecording::recDelay_measuresThePauses()
{
    MacroDialog page;
    page.show();
    page.findChild<QCheckBox*>("ckbMacroTime")->setChecked(true);
    Click(page, "tbtnMacroRec");
    // The window's thread is busy while the keys are typed and takes them all at once afterwards:
    // the pauses are still those between the keys, as the capture thread saw them.
    const auto typing
        = m_xvfb->StartXdotool({"keydown", "38", "sleep", "0.2", "keyup", "38", "sleep", "0.5", "key", "39"});
    QVERIFY(typing->waitForFinished(kTypingTimeout));
    QTRY_COMPARE_WITH_TIMEOUT(page.Actions(0).size(), 7, kTypingTimeout);
    Click(page, "tbtnMacroRec");
    const QVector<MacroAction> actions = page.Actions(0);
    QCOMPARE(Describe(actions), (QStringList {"+A", "~", "-A", "~", "+S", "~", "-S"}));
    // Upper bounds leave room for a loaded machine.
    QVERIFY2(
        actions.at(1).value >= 180 && actions.at(1).value < 2000, qPrintable(QString::number(actions.at(1).value)));
    QVERIFY2(
        actions.at(3).value >= 450 && actions.at(3).value < 2000, qPrintable(QString::number(actions.at(3).value)));
    QVERIFY(actions.at(5).value >= MacroAction::kMinDelay && actions.at(5).value < 2000);
    QCOMPARE(
        page.findChild<QListWidget*>("lswMacro")->item(1)->text(), QStringLiteral("%1ms").arg(actions.at(1).value));
}

void TestMacroRecording::otherWindow_getsNoKeysWhileRecording()
{
    OtherXClient other;
    QVERIFY(other.IsOpen());
    // Counted across tries: taking the presses empties the window's queue.
    int presses = 0;
    QVERIFY(m_xvfb->Xdotool({"key", "38"}));
    QTRY_COMPARE(presses += other.TakeKeyPresses(), 1);

    MacroDialog page;
    page.show();
    Click(page, "tbtnMacroRec");
    QVERIFY(m_xvfb->Xdotool({"key", "38", "56"}));
    QTRY_COMPARE_WITH_TIMEOUT(page.Actions(0).size(), 4, kTypingTimeout);
    QCOMPARE(other.TakeKeyPresses(), 0);

    Click(page, "tbtnMacroRec");
    QVERIFY(m_xvfb->Xdotool({"key", "38", "56"}));
    presses = 0;
    QTRY_COMPARE(presses += other.TakeKeyPresses(), 2);
    QTest::qWait(100);
    QCOMPARE(page.Actions(0).size(), 4);
}

void TestMacroRecording::keyboardHeldElsewhere_fallsBackToWindow()
{
    OtherXClient other;
    QVERIFY(other.IsOpen());
    QVERIFY(other.GrabKeyboard());
    MacroDialog page;
    page.show();
    QSignalSpy results(&page, &MacroDialog::ResultShow);
    Click(page, "tbtnMacroRec");
    QVERIFY(page.IsWindowOnlyRecording());
    QCOMPARE(results.size(), 1);
    QCOMPARE(results.first().at(0).value<tdu1>(), Palette::kWarning);
    QCOMPARE(results.first().at(1).toString(),
        QStringLiteral("Recording keys typed in this window only (another program holds the keyboard)."));
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, 38, 0, 0);
    QApplication::sendEvent(&page, &press);
    QTRY_COMPARE(Describe(page.Actions(0)), QStringList {"+A"});
    Click(page, "tbtnMacroRec");
    other.UngrabKeyboard();

    // Once the keyboard is free, the next recording takes the whole desktop again.
    Click(page, "tbtnMacroRec");
    QVERIFY(!page.IsWindowOnlyRecording());
    Click(page, "tbtnMacroRec");
}

void TestMacroRecording::quitAndPageEnd_releaseAtOnce()
{
    OtherXClient other;
    QVERIFY(other.IsOpen());
    {
        KeyboardThread thread;
        thread.start();
        QVERIFY(thread.IsHookRunning());
        QCOMPARE(thread.SetCapture(true), KeyHookError::NoError);
        QVERIFY(!other.GrabKeyboard());
        // No key arrives: a loop blocked on the next X event would never end.
        thread.Quit();
        QVERIFY(thread.wait(5000));
        QCOMPARE(thread.SetCapture(true), KeyHookError::ConnectionLost);
    }
    QVERIFY(other.GrabKeyboard());
    other.UngrabKeyboard();

    {
        MacroDialog page;
        page.show();
        Click(page, "tbtnMacroRec");
        QVERIFY(!page.IsWindowOnlyRecording());
        QVERIFY(!other.GrabKeyboard());
    }
    QVERIFY(other.GrabKeyboard());
    other.UngrabKeyboard();
}

QTEST_MAIN(TestMacroRecording)
#include "tst_macrorecording.moc"
