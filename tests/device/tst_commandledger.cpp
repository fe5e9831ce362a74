#include "device/CommandLedger.h"

#include <QtTest>

namespace {
// The pages a command may come from; the ledger knows them only as owners.
QObject gKeymapPage;
QObject gMacroPage;
QObject gSettingsPage;

const QObject* Owner(const QString& name)
{
    if (name == QLatin1String("keymap"))
        return &gKeymapPage;
    if (name == QLatin1String("macro"))
        return &gMacroPage;
    return &gSettingsPage;
}

QString OwnerName(const QObject* owner)
{
    return owner == nullptr     ? QStringLiteral("nobody")
        : owner == &gKeymapPage ? QStringLiteral("keymap")
        : owner == &gMacroPage  ? QStringLiteral("macro")
                                : QStringLiteral("settings");
}
} // namespace

// Whose answer is whose, through the sequences a keyboard and a second copy of the program produce.
class TestCommandLedger : public QObject
{
    Q_OBJECT

private slots:
    void sequence_data();
    void sequence();
};

void TestCommandLedger::sequence_data()
{
    QTest::addColumn<QString>("script");
    // send CODE OWNER CONTEXT [REPLY-START]; answer CODE [BYTES] = awaited OWNER CONTEXT | ambiguous
    // OWNER CONTEXT | late OWNER CONTEXT | unasked; wait MS (the clock moves, the timer has not had
    // its turn); check = N (N commands reported overdue, in one report); unplug; cancel OWNER;
    // awaited = N. Codes and bytes in hex.
    QTest::newRow("sent and answered") << "send 03 keymap w1; answer 03 00 = awaited keymap w1; awaited = 0";
    QTest::newRow("nobody asked") << "answer 10 00 = unasked; send 01 keymap r1; answer 03 00 = unasked; awaited = 1";
    QTest::newRow("same code: oldest first, each owner its own")
        << "send 27 settings a; send 27 settings b; answer 27 01 = awaited settings a; "
           "answer 27 01 = awaited settings b; answer 27 01 = unasked";
    QTest::newRow("several pages at once")
        << "send 05 settings led; send 03 keymap w1; send 11 macro m0 00; answer 11 00 02 = awaited macro m0; "
           "answer 05 = awaited settings led; answer 03 00 = awaited keymap w1; awaited = 0";
    QTest::newRow("overdue reported once, together, then late")
        << "send 05 settings led; send 03 keymap w1; wait 3000; check = 2; check = 0; awaited = 0; "
           "answer 03 00 = late keymap w1; answer 05 = late settings led; answer 05 = unasked";
    QTest::newRow("not overdue one millisecond early") << "send 03 keymap w1; wait 2999; check = 0; awaited = 1";
    // The keyboard numbers nothing: with A overdue, the next answer may be A's or B's.
    QTest::newRow("an answer that may be an overdue command's confirms nothing")
        << "send 03 keymap A; wait 3000; check = 1; send 03 keymap B; answer 03 00 = ambiguous keymap B; "
           "awaited = 1; answer 03 00 = awaited keymap B; answer 03 00 = unasked";
    QTest::newRow("an overdue command of another code leaves answers plain")
        << "send 01 keymap r1; wait 3000; check = 1; send 03 keymap w1; answer 03 00 = awaited keymap w1";
    QTest::newRow("cancelled: awaited no more, and its answer reaches nobody")
        << "send 01 keymap r1; send 11 macro m0 00; cancel keymap; awaited = 1; answer 01 = late nobody; "
           "answer 11 00 = awaited macro m0";
    QTest::newRow("a cancelled command's answer is never taken for the next requester's")
        << "send 01 keymap r1; cancel keymap; send 01 settings r2; answer 01 = ambiguous settings r2; "
           "answer 01 = awaited settings r2";
    QTest::newRow("a cancelled overdue command is still late")
        << "send 05 settings led; wait 3000; check = 1; cancel settings; answer 05 = late nobody";
    // The keyboard answers in order: a later command answered means the earlier will never be.
    QTest::newRow("an answer to a later command ends the wait for an overdue one")
        << "send 05 settings led; wait 3000; check = 1; send 03 keymap w1; answer 03 00 = awaited keymap w1; "
           "answer 05 = unasked";
    QTest::newRow("answer after the deadline, before the timer ran, is late")
        << "send 11 macro m3 03; wait 3001; answer 11 03 00 = late macro m3; check = 0";
    QTest::newRow("late answers are forgotten after a minute")
        << "send 01 keymap r1; wait 3000; check = 1; wait 60001; answer 01 = unasked";
    QTest::newRow("unplugged: nothing is awaited or late any more")
        << "send 03 keymap w1; send 10 macro m0; wait 3000; check = 2; send 01 keymap r1; unplug; awaited = 0; "
           "answer 01 = unasked; answer 03 00 = unasked; check = 0";
    QTest::newRow("a second copy reads another macro")
        << "send 11 macro m5 05; answer 11 07 00 = unasked; answer 11 05 00 = awaited macro m5";
    QTest::newRow("a second copy writes a keymap") << "answer 03 00 = unasked; answer 18 00 = unasked; awaited = 0";
}

void TestCommandLedger::sequence()
{
    QFETCH(QString, script);
    qint64 now = 1000;
    CommandLedger ledger;
    ledger.SetClock([&now] { return now; });
    QSignalSpy overdue(&ledger, &CommandLedger::Overdue);

    for (const QString& step : script.split(QLatin1Char(';'))) {
        const QStringList sides = step.split(QLatin1Char('='));
        const QStringList words = sides.first().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const QStringList expected
            = sides.size() > 1 ? sides.at(1).split(QLatin1Char(' '), Qt::SkipEmptyParts) : QStringList();
        const QString op = words.first();
        auto hex = [&](int from) { return QByteArray::fromHex(words.mid(from).join(QString()).toLatin1()); };
        const QByteArray context = qPrintable(step);
        if (op == QLatin1String("send")) {
            ledger.Record(tdu1(words.at(1).toUInt(nullptr, 16)), Owner(words.at(2)), {words.at(3), hex(4)});
        } else if (op == QLatin1String("answer")) {
            const QByteArray bytes = hex(2);
            const CommandLedger::Answer answer = ledger.Take(tdu1(words.at(1).toUInt(nullptr, 16)),
                reinterpret_cast<const tdu1*>(bytes.constData()), tdu2(bytes.size()));
            const QString match = answer.match == CommandLedger::Match::Awaited ? QStringLiteral("awaited")
                : answer.match == CommandLedger::Match::Ambiguous               ? QStringLiteral("ambiguous")
                : answer.match == CommandLedger::Match::Late                    ? QStringLiteral("late")
                                                                                : QStringLiteral("unasked");
            QStringList got {match};
            if (answer.match != CommandLedger::Match::Unasked)
                got << OwnerName(answer.entry.owner);
            if (answer.entry.intent.context.isValid())
                got << answer.entry.intent.context.toString();
            QVERIFY2(got == expected, context + " gave " + qPrintable(got.join(QLatin1Char(' '))));
        } else if (op == QLatin1String("wait")) {
            now += words.at(1).toInt();
        } else if (op == QLatin1String("check")) {
            overdue.clear();
            ledger.CheckDeadlines();
            const int reported
                = overdue.isEmpty() ? 0 : overdue.first().first().value<QList<CommandLedger::Entry>>().size();
            QVERIFY2(overdue.size() <= 1, context);
            QVERIFY2(reported == expected.first().toInt(), context + " reported " + QByteArray::number(reported));
        } else if (op == QLatin1String("unplug")) {
            ledger.Forget();
        } else if (op == QLatin1String("cancel")) {
            ledger.Cancel(Owner(words.at(1)));
        } else if (op == QLatin1String("awaited")) {
            QVERIFY2(ledger.Awaited() == expected.first().toInt(), context);
        } else {
            QFAIL(context);
        }
    }
}

QTEST_GUILESS_MAIN(TestCommandLedger)
#include "tst_commandledger.moc"
