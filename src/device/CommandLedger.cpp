#include "device/CommandLedger.h"

#include "device/DeviceLog.h"

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
    m_clock = clock ? std::move(clock) : SteadyClock();
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

quint64 CommandLedger::Record(tdu1 cmd, const QObject* owner, const CommandIntent& intent)
{
    const quint64 id = m_nextId++;
    m_awaited.append({cmd, owner, intent, Now() + m_timeoutMs, id});
    ArmTimer();
    return id;
}

bool CommandLedger::HasLate(tdu1 cmd) const
{
    for (const Entry& entry : m_late) {
        if (entry.cmd == cmd)
            return true;
    }
    return false;
}

void CommandLedger::ForgetLateBefore(quint64 id)
{
    for (int i = 0; i < m_late.size();) {
        if (m_late.at(i).id < id)
            m_late.removeAt(i);
        else
            i++;
    }
}

int CommandLedger::Find(const QList<Entry>& list, tdu1 cmd, const QByteArray& reply)
{
    for (int i = 0; i < list.size(); i++) {
        const Entry& entry = list.at(i);
        if (entry.cmd == cmd && reply.startsWith(entry.intent.replyStart))
            return i;
    }
    return -1;
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
    const int awaited = Find(m_awaited, cmd, reply);
    const int late = Find(m_late, cmd, reply);
    // The keyboard numbers nothing: with an earlier command of this code still unanswered, this
    // answer may be that one's. One of the two answers has come, so one entry goes; the awaited
    // command stays, and its owner is told that this answer proves nothing.
    if (awaited >= 0 && late >= 0) {
        m_late.removeAt(late);
        answer.match = Match::Ambiguous;
        answer.entry = m_awaited.at(awaited);
        qCDebug(lcDevice) << "Ambiguous Reply" << cmd;
    } else if (awaited >= 0) {
        answer.match = Match::Awaited;
        answer.entry = m_awaited.takeAt(awaited);
        ForgetLateBefore(answer.entry.id);
        ArmTimer();
    } else if (late >= 0) {
        answer.match = Match::Late;
        answer.entry = m_late.takeAt(late);
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

void CommandLedger::Cancel(const QObject* owner)
{
    for (int i = 0; i < m_awaited.size();) {
        if (m_awaited.at(i).owner != owner) {
            i++;
            continue;
        }
        // The command went out; its answer may still come and must not be taken for another's.
        Entry entry = m_awaited.takeAt(i);
        entry.owner = nullptr;
        entry.intent.context = QVariant();
        m_late.append(entry);
    }
    for (Entry& entry : m_late) {
        if (entry.owner == owner) {
            entry.owner = nullptr;
            entry.intent.context = QVariant();
        }
    }
    ArmTimer();
}

QList<CommandLedger::Entry> CommandLedger::AwaitedOf(const QObject* owner) const
{
    QList<Entry> entries;
    for (const Entry& entry : m_awaited) {
        if (entry.owner == owner)
            entries.append(entry);
    }
    return entries;
}

QList<const QObject*> CommandLedger::Owners() const
{
    QList<const QObject*> owners;
    for (const Entry& entry : m_awaited) {
        if (entry.owner != nullptr && !owners.contains(entry.owner))
            owners.append(entry.owner);
    }
    return owners;
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
