// The key tester on a real keyboard grab: its own X connection to a private Xvfb server, keys
// typed with xdotool (XTEST, as a keyboard would), the page on the offscreen platform.
#include "OtherXClient.h"
#include "XvfbServer.h"
#include "layout/LayoutFile.h"
#include "support/TestLayouts.h"
#include "tester/KeyTestModel.h"
#include "tester/KeyTesterDialog.h"

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

private:
    std::unique_ptr<XvfbServer> m_xvfb;
};

namespace {
constexpr tdu2 kVkA = 0x41; // X keycode 38, the first key of the grid
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
    {
        KeyTesterDialog page;
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
        QVERIFY(other.GrabKeyboard());
        other.UngrabKeyboard();
        QVERIFY(m_xvfb->Xdotool({"key", "38"}));
        QTest::qWait(100);
        QCOMPARE(page.Model()->State(kVkA).presses, 3);

        page.show();
        page.StartTest();
        QVERIFY(!other.GrabKeyboard());
    }
    // Closing the window while testing too.
    QVERIFY(other.GrabKeyboard());
    other.UngrabKeyboard();
}

QTEST_MAIN(KeyTesterTest)
#include "tst_keytester.moc"
