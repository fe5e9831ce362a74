#pragma once

#include "device/Clock.h"
#include "device/CommandIntent.h"
#include "device/DeviceTypes.h"

#include <QList>
#include <QObject>
#include <QTimer>

// Every command sent to the keyboard and not yet answered, with the page that sent it, what the
// page meant by it and until when the answer may come. The keyboard matches answers to commands
// only by their code, so this is the one place that decides whose an answer is.
class CommandLedger final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CommandLedger)

public:
    // How long an answer may take before the keyboard is said not to have answered.
    static constexpr int kReplyTimeoutMs = 3000;
    // How long an unanswered command is remembered, so that its answer is known as late.
    static constexpr int kLateMemoryMs = 60000;

    struct Entry
    {
        tdu1 cmd = 0;
        const QObject* owner = nullptr;
        CommandIntent intent;
        qint64 deadline = 0;
        // Grows with the order of sending.
        quint64 id = 0;
    };

    enum class Match {
        // Awaited by its owner: hand it over with the owner's intent.
        Awaited,
        // Awaited, but an earlier command of the same code is overdue and this may be its answer:
        // it confirms nothing. That earlier command counts as answered; the awaited one stays.
        Ambiguous,
        // Its command was already reported unanswered; what it says may no longer be true.
        Late,
        // Nobody here asked for it: a second copy's traffic or a keyboard answering wrongly.
        Unasked,
    };

    struct Answer
    {
        Match match = Match::Unasked;
        Entry entry;
    };

    explicit CommandLedger(QObject* parent = nullptr);

    void SetClock(Clock clock);
    void SetTimeout(int milliseconds);
    int Timeout() const;

    // A command that went out; returns its id.
    quint64 Record(tdu1 cmd, const QObject* owner, const CommandIntent& intent);
    // Whose answer this is. An awaited command is taken before a late one, the oldest first.
    Answer Take(tdu1 cmd, const tdu1* data, tdu2 len);
    // The keyboard went away: nothing sent to it will be answered, in time or late.
    void Forget();
    // The owner waits no more: its commands' answers, if they come, reach nobody.
    void Cancel(const QObject* owner);
    // The owner's awaited commands, oldest first.
    QList<Entry> AwaitedOf(const QObject* owner) const;
    // Owners of awaited commands, in the order of their oldest.
    QList<const QObject*> Owners() const;
    // A command of this code went unanswered in time, and its answer may still come.
    bool HasLate(tdu1 cmd) const;
    // The keyboard answers in order: once a command is answered, the unanswered commands sent
    // before it will never be. Forgets the late ones sent before id.
    void ForgetLateBefore(quint64 id);

    // Commands whose answers are awaited.
    int Awaited() const;
    // Reports every awaited command whose deadline has passed; the timer calls it on its own.
    void CheckDeadlines();

signals:
    // Commands that got no answer in time, reported once, together when they ran out together.
    void Overdue(const QList<CommandLedger::Entry>& entries);

private:
    qint64 Now() const;
    void ArmTimer();
    // The oldest entry of list that the answer fits, or -1.
    static int Find(const QList<Entry>& list, tdu1 cmd, const QByteArray& reply);

    Clock m_clock;
    int m_timeoutMs = kReplyTimeoutMs;
    quint64 m_nextId = 1;
    // Oldest first, so the first is the next to run out.
    QList<Entry> m_awaited;
    QList<Entry> m_late;
    // Runs only while an answer is awaited.
    QTimer m_timer;
};
Q_DECLARE_METATYPE(CommandLedger::Entry)
