#include "macro/KeyCaptureService.h"
#include "macro/XvfbServer.h"
#include "support/ExitScenario.h"
#include "support/TestFolder.h"

#include <QtTest>

// Closing the main window ends the program in every state a user may close it in: the event loop
// ends, the window goes with its keyboard, recorder and downloads, and nothing is left running or
// allocated (the address checker's leak report runs when this process exits).
class TestExit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void closeWindow_endsTheProgramCleanly_data();
    void closeWindow_endsTheProgramCleanly();

private:
    std::unique_ptr<XvfbServer> m_xvfb;
};

void TestExit::initTestCase()
{
    // The recorder grabs the keyboard of an X server of its own; without one it records only what
    // is typed into the window, which is then the state that is closed.
    m_xvfb = std::make_unique<XvfbServer>();
    if (!m_xvfb->Display().isEmpty())
        qputenv("DISPLAY", m_xvfb->Display().toLatin1());
}

void TestExit::cleanupTestCase()
{
    qunsetenv("DISPLAY");
    m_xvfb.reset();
}

void TestExit::closeWindow_endsTheProgramCleanly_data()
{
    QTest::addColumn<QString>("state");
    for (const QString& state : ExitScenario::States())
        QTest::newRow(qPrintable(state)) << state;
}

void TestExit::closeWindow_endsTheProgramCleanly()
{
    QFETCH(QString, state);
    TestFolder folder;
    ExitScenario scenario(state);
    QVERIFY2(scenario.Error().isEmpty(), qPrintable(scenario.Error()));
    const QPointer<MainDialog> window = scenario.Window();
    const QPointer<KeyCaptureService> capture = window->findChild<KeyCaptureService*>();
    QVERIFY(capture);

    const qint64 closed = scenario.CloseAndRun(10000);
    QVERIFY2(closed >= 0, "the program did not quit");
    const qint64 finished = scenario.Finish();
    qInfo("%s: event loop ended %lld ms after the click, teardown %lld ms", qPrintable(state), closed, finished);

    QVERIFY(!window);
    // The keyboard capture went with the window, and with it its thread and any grab.
    QVERIFY(!capture);
    // The keyboard was closed and no reader waits on it.
    QCOMPARE(sim::SimBus::instance().openHandleCount(), 0);
    QCOMPARE(scenario.Keyboard()->blockedReaders(), 0);
}

QTEST_MAIN(TestExit)
#include "tst_exit.moc"
