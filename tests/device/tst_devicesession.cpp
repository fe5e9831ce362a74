#include "device/CommandClient.h"
#include "device/DeviceSession.h"
#include "device/Protocol.h"
#include "support/SimSession.h"

#include <QtTest>

#include <map>
#include <memory>

namespace {
constexpr tdu2 kPid = 0x0605;

// What one client heard, in order: "answered 03", "ambiguous 03", "late 03", "overdue 1", "lost 1".
struct Heard
{
    std::unique_ptr<CommandClient> client;
    QStringList events;
};
} // namespace

// Requesters of one session on a keyboard that loses, delays or never sends answers: each answer
// reaches only the requester that asked, none reaches a requester that is gone, and a command
// whose answer could be taken for an unanswered one's waits until the keyboard has shown that
// the old answer will not come.
class TestDeviceSession : public QObject
{
    Q_OBJECT

private slots:
    void sequence_data();
    void sequence();
    void devicePath_opensAndReopensThatKeyboardElseTheFirstOfTheModel();
};

void TestDeviceSession::sequence_data()
{
    QTest::addColumn<QString>("script");
    // new C; send C CODE; destroy C; silence N (the keyboard drops its next N answers); delay MS;
    // deadline (the clock passes every deadline); unplug; settle (every answer has come);
    // heard C = EVENTS (comma separated, or nothing); sent = CODES (what reached the keyboard).
    QTest::newRow("answers reach their own requester")
        << "new a; new b; send a 01; send b 05; settle; heard a = answered 01; heard b = answered 05";
    QTest::newRow("a command after an unanswered one of its code waits for the keyboard to show it is gone")
        << "new a; silence 1; send a 03; deadline; heard a = overdue 1; send a 03; settle; "
           "sent = 03 27 03; heard a = overdue 1,answered 03";
    QTest::newRow("an overdue answer that still comes is late and the next command gets its own")
        << "new a; delay 150; send a 03; deadline; delay 0; send a 03; settle; sent = 03 27 03; "
           "heard a = overdue 1,late 03,answered 03";
    QTest::newRow("a requester that is gone hears nothing; the next one gets its own answer")
        << "new a; new b; silence 1; send a 01; destroy a; send b 01; settle; sent = 01 27 01; "
           "heard b = answered 01";
    QTest::newRow("a keyboard that answers nothing: the held command is unanswered too")
        << "new a; silence 3; send a 03; deadline; send a 03; deadline; settle; heard a = overdue 1,overdue 1";
    QTest::newRow("unplugged with commands in flight and held: all are lost")
        << "new a; silence 2; send a 03; deadline; send a 03; unplug; heard a = overdue 1,lost 1";
    QTest::newRow("other codes are not held") << "new a; silence 1; send a 03; deadline; send a 01; settle; "
                                                 "sent = 03 01; heard a = overdue 1,answered 01";
}

void TestDeviceSession::sequence()
{
    QFETCH(QString, script);
    SimSession sim(kPid, 5, 15);
    QVERIFY(sim.opened);
    std::map<QString, Heard> clients;

    for (const QString& step : script.split(QLatin1Char(';'))) {
        const QStringList sides = step.split(QLatin1Char('='));
        const QStringList words = sides.first().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const QString expected = sides.value(1).trimmed();
        const QString op = words.first();
        const QByteArray context = qPrintable(step);
        if (op == QLatin1String("new")) {
            Heard& heard = clients[words.at(1)];
            heard.client.reset(sim.session->NewClient(nullptr));
            QStringList* events = &heard.events;
            const auto code = [](tdu1 cmd) { return QString::number(cmd, 16).rightJustified(2, QLatin1Char('0')); };
            connect(heard.client.get(), &CommandClient::Answered, this,
                [events, code](tdu1 cmd) { events->append(QStringLiteral("answered ") + code(cmd)); });
            connect(heard.client.get(), &CommandClient::Ambiguous, this,
                [events, code](tdu1 cmd) { events->append(QStringLiteral("ambiguous ") + code(cmd)); });
            connect(heard.client.get(), &CommandClient::Late, this,
                [events, code](tdu1 cmd) { events->append(QStringLiteral("late ") + code(cmd)); });
            connect(heard.client.get(), &CommandClient::Overdue, this, [events](const QList<QVariant>& contexts) {
                events->append(QStringLiteral("overdue %1").arg(contexts.size()));
            });
            connect(heard.client.get(), &CommandClient::Lost, this, [events](const QList<QVariant>& contexts) {
                events->append(QStringLiteral("lost %1").arg(contexts.size()));
            });
        } else if (op == QLatin1String("send")) {
            QVERIFY2(clients[words.at(1)].client->Send(tdu1(words.at(2).toUInt(nullptr, 16))), context);
        } else if (op == QLatin1String("destroy")) {
            clients[words.at(1)].client.reset();
        } else if (op == QLatin1String("silence")) {
            sim.keyboard->silenceNextReplies(words.at(1).toInt());
        } else if (op == QLatin1String("delay")) {
            sim.keyboard->setReplyDelayMs(words.at(1).toInt());
        } else if (op == QLatin1String("deadline")) {
            sim.PassDeadlines();
        } else if (op == QLatin1String("unplug")) {
            sim.keyboard->unplug();
            QTRY_VERIFY2(!sim.session->Device()->IsOpen(), context);
        } else if (op == QLatin1String("settle")) {
            QTRY_VERIFY2(sim.session->Awaited() == 0, context);
            // A late answer, when one is still to come, comes within the keyboard's delay.
            QTest::qWait(200);
        } else if (op == QLatin1String("heard")) {
            const QString heard = clients[words.at(1)].events.join(QLatin1Char(','));
            QVERIFY2(heard == expected, context + " heard " + qPrintable(heard));
        } else if (op == QLatin1String("sent")) {
            QStringList codes;
            for (const sim::SimKeyboard::Command& command : sim.Sent())
                codes.append(QString::number(command.first, 16).rightJustified(2, QLatin1Char('0')));
            QVERIFY2(codes.join(QLatin1Char(' ')) == expected, context + " sent " + qPrintable(codes.join(' ')));
        } else {
            QFAIL(context);
        }
    }
    for (auto& heard : clients)
        heard.second.client.reset();
}

void TestDeviceSession::devicePath_opensAndReopensThatKeyboardElseTheFirstOfTheModel()
{
    const auto first = sim::SimBus::instance().plug(Protocol::kVendorId, kPid);
    const auto second = sim::SimBus::instance().plug(Protocol::kVendorId, kPid);
    const auto path = [](const sim::SimKeyboard& k) { return QString::fromStdString(sim::SimBus::path(k, 0)); };
    qint64 now = 0;
    DeviceSession session(kPid);
    session.SetClock([&now] { return now; });
    session.SetDevicePath(path(*second));
    QVERIFY(session.Open());
    session.StartReconnecting();
    session.Poll();
    QCOMPARE(session.Device()->LastOpenPath(), path(*second));
    // Gone, or plugged into another port: the model's first keyboard is taken.
    second->unplug();
    QTRY_VERIFY(session.IsReconnecting());
    now += DeviceSession::kReconnectIntervalMs;
    session.Poll();
    QCOMPARE(session.Device()->LastOpenPath(), path(*first));
    QVERIFY(session.Device()->IsOpen());
    sim::SimBus::instance().reset();
}

QTEST_MAIN(TestDeviceSession)
#include "tst_devicesession.moc"
