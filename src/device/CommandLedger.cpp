#include "device/CommandLedger.h"

#include "device/DeviceLog.h"

#include <QElapsedTimer>

CommandLedger::CommandLedger(QObject* parent)
    : QObject(parent)
{
    RegisterDeviceMetaTypes();
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &CommandLedger::CheckDeadlines);
    SetClock({});
}

void CommandLedger::SetClock(Clock clock)
{
    if (clock) {
        m_clock = std::move(clock);
        return;
    }
    QElapsedTimer started;
    started.start();
    m_clock = [started] { return started.elapsed(); };
}

void CommandLedger::SetTimeout(int milliseconds)
{
    m_timeoutMs = milliseconds;
}

int CommandLedger::Timeout() const
{
    return m_timeoutMs;
}

qint64 CommandLedger::Now() const
{
    return m_clock();
}

void CommandLedger::Record(tdu1 cmd, const QObject* owner, const CommandIntent& intent)
{
    m_awaited.append({cmd, owner, intent, Now() + m_timeoutMs});
    ArmTimer();
}

bool CommandLedger::TakeFrom(QList<Entry>& list, tdu1 cmd, const QByteArray& reply, Entry* taken)
{
    for (int i = 0; i < list.size(); i++) {
        const Entry& entry = list.at(i);
        if (entry.cmd == cmd && reply.startsWith(entry.intent.replyStart)) {
            *taken = list.takeAt(i);
            return true;
        }
    }
    return false;
}

CommandLedger::Answer CommandLedger::Take(tdu1 cmd, const tdu1* data, tdu2 len)
{
    // An answer that comes after its deadline, before the timer had its turn, is late too.
    CheckDeadlines();
    const qint64 now = Now();
    while (!m_late.isEmpty() && now - m_late.first().deadline > kLateMemoryMs)
        m_late.removeFirst();

    const QByteArray reply
        = data != nullptr ? QByteArray::fromRawData(reinterpret_cast<const char*>(data), len) : QByteArray();
    Answer answer;
    if (TakeFrom(m_awaited, cmd, reply, &answer.entry)) {
        answer.match = Match::Awaited;
        ArmTimer();
    } else if (TakeFrom(m_late, cmd, reply, &answer.entry)) {
        answer.match = Match::Late;
        qCDebug(lcDevice) << "Late Reply" << cmd;
    } else {
        qCDebug(lcDevice) << "Reply Not Asked" << cmd;
    }
    return answer;
}

void CommandLedger::Forget()
{
    m_awaited.clear();
    m_late.clear();
    m_timer.stop();
}

int CommandLedger::Awaited() const
{
    return m_awaited.size();
}

void CommandLedger::CheckDeadlines()
{
    const qint64 now = Now();
    QList<Entry> overdue;
    // Deadlines grow with the order of sending.
    while (!m_awaited.isEmpty() && m_awaited.first().deadline <= now) {
        qCDebug(lcDevice) << "No Reply" << m_awaited.first().cmd;
        overdue.append(m_awaited.takeFirst());
    }
    m_late.append(overdue);
    ArmTimer();
    if (!overdue.isEmpty())
        emit Overdue(overdue);
}

void CommandLedger::ArmTimer()
{
    if (m_awaited.isEmpty()) {
        m_timer.stop();
        return;
    }
    m_timer.start(int(qBound<qint64>(0, m_awaited.first().deadline - Now(), m_timeoutMs)));
}
