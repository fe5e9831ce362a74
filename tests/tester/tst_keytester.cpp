// The key tester on a real keyboard grab: its own X connection to a private Xvfb server, keys
// typed with xdotool (XTEST, as a keyboard would), the page on the offscreen platform. Also the
// keyboard capture it shares with the macro recorder.
#include "OtherXClient.h"
#include "XvfbServer.h"
#include "codec/KeyboardModel.h"
#include "keymap/KeyUseStore.h"
#include "layout/LayoutFile.h"
#include "macro/KeyCaptureService.h"
#include "macro/MacroDialog.h"
#include "support/TestLayouts.h"
#include "tester/KeyTestModel.h"
#include "tester/KeyTesterDialog.h"
#include "ui/Palette.h"

#include <QDialog>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <memory>

class KeyTesterTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void testing_countsKeysAndChatter_andGivesTheKeyboardBack();
    void sharedCapture_oneTakerAtATime();
    void dialogOverTester_getsTheKeys_data();
    void dialogOverTester_getsTheKeys();
    void caps_followTheKeyboardsKeymap_data();
    void caps_followTheKeyboardsKeymap();

private:
    std::unique_ptr<XvfbServer> m_xvfb;
};

namespace {
constexpr tdu2 kVkA = 0x41; // X keycode 38, the first key of the grid
constexpr int kKeycodeA = 38;

std::unique_ptr<KeyTesterDialog> Tester()
{
    const LayoutDescription layout = LayoutFile::Parse(TestLayouts::Grid(2, 3));
    auto page = std::make_unique<KeyTesterDialog>();
    LayoutFile::FillPannel(page->Pannel(), layout, LayoutFile::PannelRole::Length);
    page->SetLayoutCodes(layout);
    page->SetupPannel();
    page->show();
    return page;
}

QString LastText(const QSignalSpy& results)
{
    return results.isEmpty() ? QString() : results.last().at(1).toString();
}
} // namespace

void KeyTesterTest::initTestCase()
{
    m_xvfb = std::make_unique<XvfbServer>();
    QVERIFY2(m_xvfb->Error().isEmpty(), qPrintable(m_xvfb->Error()));
    qputenv("DISPLAY", m_xvfb->Display().toLatin1());
}

void KeyTesterTest::cleanupTestCase()
{
    m_xvfb.reset();
}

void KeyTesterTest::testing_countsKeysAndChatter_andGivesTheKeyboardBack()
{
    const LayoutDescription layout = LayoutFile::Parse(TestLayouts::Grid(2, 3));
    OtherXClient other;
    QVERIFY(other.IsOpen());
    QTemporaryDir folder;
    const QString usePath = folder.filePath(QStringLiteral("key-use.json"));
    {
        KeyTesterDialog page;
        page.SetKeyUseFile(usePath, 0x0602);
        LayoutFile::FillPannel(page.Pannel(), layout, LayoutFile::PannelRole::Length);
        page.SetLayoutCodes(layout);
        page.SetupPannel();
        page.show();
        QTest::mouseClick(page.findChild<QToolButton*>(QStringLiteral("tbtnKeyTest")), Qt::LeftButton);
        QVERIFY(page.IsTesting() && !page.IsWindowOnly());
        QVERIFY(!other.GrabKeyboard());

        // A slow second tap, then one right after its release: only the last is chatter.
        QVERIFY(m_xvfb->Xdotool({"key", "38", "sleep", "0.2", "key", "--delay", "0", "38", "38"}));
        QTRY_COMPARE(page.Model()->State(kVkA).presses, 3);
        QCOMPARE(page.Model()->State(kVkA).chatters, 1);
        QCOMPARE(other.TakeKeyPresses(), 0);
        QCOMPARE(page.Model()->NeverPressed().size(), page.Model()->Keys().size() - 1);

        // Leaving the page gives the keyboard back at once; keys then count nowhere.
        page.hide();
        QVERIFY(!page.IsTesting());
        // ... and keeps its presses for the heat map, by the key's place.
        KeyUseStore kept;
        QString error;
        QVERIFY(kept.Open(usePath, 0x0602, &error));
        QCOMPARE(kept.Count(KeyUseStore::Place(0, 0)), qint64(3));
        QVERIFY(other.GrabKeyboard());
        other.UngrabKeyboard();
        QVERIFY(m_xvfb->Xdotool({"key", "38"}));
        QTest::qWait(100);
        QCOMPARE(page.Model()->State(kVkA).presses, 3);

        page.show();
        page.StartTest();
        QVERIFY(!other.GrabKeyboard());
        // Ctrl+T on the keyboard, whose keys all go to the test, ends it.
        QVERIFY(m_xvfb->Xdotool({"key", "ctrl+t"}));
        QTRY_VERIFY(!page.IsTesting());
        QVERIFY(other.GrabKeyboard());
        other.UngrabKeyboard();
        page.StartTest();
        QVERIFY(!other.GrabKeyboard());
    }
    // Closing the window while testing too.
    QVERIFY(other.GrabKeyboard());
    other.UngrabKeyboard();
}

void KeyTesterTest::sharedCapture_oneTakerAtATime()
{
    MacroDialog recorder;
    recorder.show();
    const std::unique_ptr<KeyTesterDialog> tester = Tester();
    tester->SetCaptureService(recorder.CaptureService());
    QSignalSpy recorderSays(&recorder, &MacroDialog::ResultShow);
    QSignalSpy testerSays(tester.get(), &KeyTesterDialog::ResultShow);

    tester->StartTest();
    QVERIFY(tester->IsTesting());
    QTest::mouseClick(recorder.findChild<QToolButton*>(QStringLiteral("tbtnMacroRec")), Qt::LeftButton);
    QVERIFY(!recorder.IsRecording());
    QCOMPARE(LastText(recorderSays), QStringLiteral("The key test holds the keyboard. Switch Test Keys off first."));
    QCOMPARE(recorderSays.last().at(0).value<tdu1>(), Palette::kFailure);

    tester->StopTest();
    QTest::mouseClick(recorder.findChild<QToolButton*>(QStringLiteral("tbtnMacroRec")), Qt::LeftButton);
    QVERIFY(recorder.IsRecording());
    tester->StartTest();
    QVERIFY(!tester->IsTesting());
    QCOMPARE(LastText(testerSays), QStringLiteral("A macro is being recorded. Stop the recording first."));
    // Keys go to the one who holds the keyboard.
    QVERIFY(m_xvfb->Xdotool({"key", QString::number(kKeycodeA)}));
    QTRY_COMPARE(recorder.Actions(0).size(), 2);
    QCOMPARE(tester->Model()->State(kVkA).presses, 0);
    recorder.StopRecording();
}

void KeyTesterTest::dialogOverTester_getsTheKeys_data()
{
    QTest::addColumn<bool>("desktop");
    QTest::newRow("whole desktop taken") << true;
    QTest::newRow("keys of the window only") << false;
}

void KeyTesterTest::dialogOverTester_getsTheKeys()
{
    QFETCH(bool, desktop);
    OtherXClient other;
    QVERIFY(other.IsOpen());
    if (!desktop)
        qunsetenv("DISPLAY");
    const std::unique_ptr<KeyTesterDialog> page = Tester();
    page->StartTest();
    QCOMPARE(page->IsWindowOnly(), !desktop);
    const auto press = [&] {
        if (desktop) {
            QVERIFY(m_xvfb->Xdotool({"key", QString::number(kKeycodeA)}));
        } else {
            QKeyEvent down(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, kKeycodeA, 0, 0);
            QKeyEvent up(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, kKeycodeA, 0, 0);
            QApplication::sendEvent(QApplication::focusWidget() ? QApplication::focusWidget() : page.get(), &down);
            QApplication::sendEvent(QApplication::focusWidget() ? QApplication::focusWidget() : page.get(), &up);
        }
    };

    // A dialog opened over the page, as from the title bar: the keyboard is its while it is open.
    QDialog dialog(page.get());
    bool paused = false;
    bool keyboardFree = !desktop;
    bool escaped = false;
    QTimer::singleShot(0, [&] {
        paused = page->CaptureService()->IsPaused();
        if (desktop && other.GrabKeyboard()) {
            keyboardFree = true;
            other.UngrabKeyboard();
        }
        press();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        escaped = !dialog.isVisible();
        if (dialog.isVisible())
            dialog.accept();
    });
    dialog.exec();
    QVERIFY(paused);
    QVERIFY(keyboardFree);
    QVERIFY(escaped);
    QTest::qWait(100);
    QCOMPARE(page->Model()->State(kVkA).presses, 0);

    // Back on the page, the test takes the keys again.
    QTRY_VERIFY(!page->CaptureService()->IsPaused());
    QVERIFY(page->IsTesting());
    if (desktop)
        QVERIFY(!other.GrabKeyboard());
    press();
    QTRY_COMPARE(page->Model()->State(kVkA).presses, 1);
    page->StopTest();
    qputenv("DISPLAY", m_xvfb->Display().toLatin1());
}

void KeyTesterTest::caps_followTheKeyboardsKeymap_data()
{
    QTest::addColumn<int>("code"); // what the keyboard's keymap 1 holds on the first cap; -1: not read
    QTest::addColumn<int>("vk"); // the key a press of that cap brings; 0: the computer sees none
    QTest::newRow("not read: the layout's A") << -1 << int(kVkA);
    QTest::newRow("read: Z") << 0x1D << 0x5A;
    QTest::newRow("read: a layer key") << 0xB0 << 0;
    QTest::newRow("read: Ctrl when held, Z when tapped") << 0x111D << 0x5A;
    QTest::newRow("read: Ctrl+Shift+Z sent together") << 0x431D << 0x5A;
    QTest::newRow("read: layer 2 when held, Z when tapped") << 0x311D << 0x5A;
    QTest::newRow("read: nothing") << 0 << 0;
}

// The tester counts a cap as the key the keyboard makes of it, not the layout's default.
void KeyTesterTest::caps_followTheKeyboardsKeymap()
{
    QFETCH(int, code);
    QFETCH(int, vk);
    KeyboardModel keyboard;
    const std::unique_ptr<KeyTesterDialog> page = Tester();
    page->SetKeyboardModel(&keyboard);
    if (code >= 0) {
        KeyboardModel::KeymapCodes codes {};
        for (int c = 0; c < 3; c++)
            codes[0][0][size_t(c)] = tdu2(TestLayouts::GridCode(3, 0, 0, c));
        codes[0][0][0] = tdu2(code);
        keyboard.SetKeymap(0, codes);
    }
    const QList<tdu2> keys = page->Model()->Keys();
    QCOMPARE(keys.contains(kVkA), vk == int(kVkA));
    if (vk != 0)
        QVERIFY(keys.contains(tdu2(vk)));
    // Forgotten (a reconnect, a restore), the layout's keys stand in again.
    keyboard.Forget(KeyboardModel::Reason::Reconnected);
    QVERIFY(page->Model()->Keys().contains(kVkA));
}

QTEST_MAIN(KeyTesterTest)
#include "tst_keytester.moc"
