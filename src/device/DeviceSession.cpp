#include "device/DeviceSession.h"

#include "device/CommandClient.h"
#include "device/DeviceLog.h"
#include "device/Protocol.h"

#include <QHash>

DeviceSession::DeviceSession(tdu2 productId, QObject* parent)
    : QObject(parent)
    , m_productId(productId)
    , m_clock(SteadyClock())
{
    RegisterDeviceMetaTypes();
    qRegisterMetaType<DeviceSession::Refusal>("DeviceSession::Refusal");
    m_hid.SetClock(m_clock);
    m_ledger.SetClock(m_clock);
    connect(&m_hid, &HidDeviceHandle::OnRecCmd, this, &DeviceSession::Deliver);
    connect(&m_hid, &HidDeviceHandle::DeviceLost, this, &DeviceSession::HandleDeviceLost);
    connect(&m_ledger, &CommandLedger::Overdue, this, &DeviceSession::HandleOverdue);
    m_reconnectTimer.setInterval(kReconnectIntervalMs);
    connect(&m_reconnectTimer, &QTimer::timeout, this, &DeviceSession::Poll);
}

DeviceSession::~DeviceSession() = default;

void DeviceSession::SetClock(Clock clock)
{
    m_clock = clock ? std::move(clock) : SteadyClock();
    m_hid.SetClock(m_clock);
    m_ledger.SetClock(m_clock);
}

void DeviceSession::SetDemo(bool demo)
{
    m_demo = demo;
}

void DeviceSession::SetDevicePath(const QString& path)
{
    m_devicePath = path;
}

bool DeviceSession::Open()
{
    if (m_demo)
        return false;
    if (!m_hid.Open(m_productId, Protocol::kVendorId, m_devicePath))
        return false;
    SetKeyboardKeymapType(ReadKeymapType(m_hid));
    m_hid.StartRecThread();
    return true;
}

tdu1 DeviceSession::ReadKeymapType(HidDeviceHandle& hid)
{
    tdu1 reply[Protocol::kMaxPayload] = {};
    tdu2 length = 0;
    hid.WriteCmd(Protocol::kCmdReadKeymapType, nullptr, 0);
    if (hid.ReadCmd(Protocol::kCmdReadKeymapType, reply, &length) && length > 0) {
        qCDebug(lcDevice) << "Read Keymap Type Success" << reply[0] << length;
        return reply[0];
    }
    qCDebug(lcDevice) << "Read Keymap Type Failed";
    return 0;
}

CommandClient* DeviceSession::NewClient(QObject* parent)
{
    return new CommandClient(this, parent);
}

void DeviceSession::SetKeyboardKeymapType(tdu1 type)
{
    if (type == m_keyboardKeymapType)
        return;
    qCDebug(lcDevice) << "Keyboard Keymap Type" << type << m_layoutKeymapType;
    m_keyboardKeymapType = type;
    emit KeyboardKeymapTypeChanged(type);
}

void DeviceSession::SetLayoutKeymapType(tdu1 type)
{
    m_layoutKeymapType = type;
}

bool DeviceSession::Send(CommandClient* client, tdu1 cmd, const QByteArray& payload, const CommandIntent& intent)
{
    if (m_demo) {
        emit Refused(cmd, Refusal::Demo);
        return false;
    }
    if (!LayoutMatchesKeyboard() && Protocol::IsLayoutBound(cmd) && m_hid.IsOpen()) {
        qCDebug(lcDevice) << "Layout Mismatch" << cmd << m_layoutKeymapType << m_keyboardKeymapType;
        emit Refused(cmd, Refusal::LayoutMismatch);
        return false;
    }
    if (payload.size() > Protocol::kMaxPayload) {
        emit Refused(cmd, Refusal::TooLong);
        return false;
    }
    if (!m_hid.IsOpen()) {
        emit Refused(cmd, Refusal::NoDevice);
        return false;
    }
    // Held commands go out in the order they were sent.
    if (m_ledger.HasLate(cmd) || !m_held.isEmpty()) {
        qCDebug(lcDevice) << "Command Held" << cmd;
        m_held.append({client, cmd, payload, intent});
        Probe();
        return true;
    }
    return Write(client, cmd, payload, intent);
}

bool DeviceSession::Write(CommandClient* client, tdu1 cmd, const QByteArray& payload, const CommandIntent& intent)
{
    const int result = m_hid.WriteCmd(
        cmd, reinterpret_cast<const tdu1*>(payload.isEmpty() ? nullptr : payload.constData()), tdu2(payload.size()));
    if (result == Protocol::kWriteTooLong) {
        emit Refused(cmd, Refusal::TooLong);
        return false;
    }
    if (result == Protocol::kWriteNoDevice) {
        emit Refused(cmd, Refusal::NoDevice);
        return false;
    }
    m_ledger.Record(cmd, client, intent);
    return true;
}

void DeviceSession::Probe()
{
    if (m_probe != 0)
        return;
    if (m_hid.WriteCmd(kProbeCmd, nullptr, 0) < 0) {
        // Nothing gets through: what waited will not be answered.
        for (const Held& held : TakeHeld(nullptr))
            emit held.client->Lost({held.intent.context});
        return;
    }
    qCDebug(lcDevice) << "Probe";
    m_probe = m_ledger.Record(kProbeCmd, this, CommandIntent());
}

void DeviceSession::ReleaseHeld()
{
    const QList<Held> held = TakeHeld(nullptr);
    for (int i = 0; i < held.size(); i++) {
        const Held& command = held.at(i);
        // Another command of this code went unanswered meanwhile: ask again first.
        if (m_ledger.HasLate(command.cmd)) {
            m_held = held.mid(i);
            Probe();
            return;
        }
        if (!Write(command.client, command.cmd, command.payload, command.intent))
            emit command.client->Lost({command.intent.context});
    }
}

QList<DeviceSession::Held> DeviceSession::TakeHeld(const CommandClient* client)
{
    QList<Held> taken;
    for (int i = 0; i < m_held.size();) {
        if (client == nullptr || m_held.at(i).client == client)
            taken.append(m_held.takeAt(i));
        else
            i++;
    }
    return taken;
}

void DeviceSession::Cancel(CommandClient* client)
{
    m_ledger.Cancel(client);
    TakeHeld(client);
}

void DeviceSession::Deliver(tdu1 cmd, tdu1* data, tdu2 len)
{
    const CommandLedger::Answer answer = m_ledger.Take(cmd, data, len);
    if (answer.entry.owner == this) {
        // The probe is answered: whatever was sent before it and not answered never will be.
        if (answer.match == CommandLedger::Match::Awaited && answer.entry.id == m_probe) {
            m_probe = 0;
            ReleaseHeld();
        }
        return;
    }
    // Owners are clients of this session: a client leaves the ledger before it is destroyed.
    auto* client = static_cast<CommandClient*>(const_cast<QObject*>(answer.entry.owner));
    if (client == nullptr)
        return;
    const QVariant& context = answer.entry.intent.context;
    switch (answer.match) {
    case CommandLedger::Match::Unasked:
        return;
    case CommandLedger::Match::Late:
        emit client->Late(cmd, context);
        return;
    case CommandLedger::Match::Ambiguous:
        emit client->Ambiguous(cmd, context);
        return;
    case CommandLedger::Match::Awaited:
        emit client->Answered(cmd, data, len, context);
        return;
    }
}

void DeviceSession::HandleOverdue(const QList<CommandLedger::Entry>& entries)
{
    emit Overdue(entries);
    // Each client hears of its own commands, in the order they went out.
    QList<const QObject*> owners;
    QHash<const QObject*, QList<QVariant>> contexts;
    for (const CommandLedger::Entry& entry : entries) {
        if (entry.owner == this && entry.id == m_probe) {
            // The keyboard answers nothing: what waited behind the probe is as unanswered.
            m_probe = 0;
            for (const Held& held : TakeHeld(nullptr)) {
                if (!contexts.contains(held.client))
                    owners.append(held.client);
                contexts[held.client].append(held.intent.context);
            }
        }
        if (entry.owner == nullptr || entry.owner == this)
            continue;
        if (!contexts.contains(entry.owner))
            owners.append(entry.owner);
        contexts[entry.owner].append(entry.intent.context);
    }
    for (const QObject* owner : owners)
        emit static_cast<CommandClient*>(const_cast<QObject*>(owner))->Overdue(contexts.value(owner));
}

void DeviceSession::HandleDeviceLost()
{
    QList<CommandClient*> clients;
    QHash<CommandClient*, QList<QVariant>> contexts;
    // What was awaited will not be answered, in time or late.
    for (const QObject* owner : m_ledger.Owners()) {
        if (owner == this)
            continue;
        auto* client = static_cast<CommandClient*>(const_cast<QObject*>(owner));
        QList<QVariant> awaited;
        for (const CommandLedger::Entry& entry : m_ledger.AwaitedOf(owner))
            awaited.append(entry.intent.context);
        clients.append(client);
        contexts.insert(client, awaited);
    }
    for (const Held& held : TakeHeld(nullptr)) {
        if (!contexts.contains(held.client))
            clients.append(held.client);
        contexts[held.client].append(held.intent.context);
    }
    m_probe = 0;
    m_ledger.Forget();
    qCDebug(lcDevice) << "Session Lost" << clients.size();
    for (CommandClient* client : clients)
        emit client->Lost(contexts.value(client));
    emit Disconnected();
    StartReconnecting();
}

void DeviceSession::StartReconnecting()
{
    if (m_demo)
        return;
    m_reconnecting = true;
    m_reconnectRefused = false;
    m_nextReconnect = Now();
    m_reconnectTimer.start();
}

void DeviceSession::Close()
{
    m_reconnecting = false;
    m_reconnectTimer.stop();
    m_demo = true;
    m_hid.Close();
}

void DeviceSession::Poll()
{
    m_ledger.CheckDeadlines();
    if (m_reconnecting && Now() >= m_nextReconnect) {
        m_nextReconnect = Now() + kReconnectIntervalMs;
        TryReconnect();
    }
}

void DeviceSession::TryReconnect()
{
    if (!HidDeviceHandle::PresentProducts(Protocol::kVendorId).contains(m_productId))
        return;
    if (!m_hid.Open(m_productId, Protocol::kVendorId, m_devicePath)) {
        // Present but refused: said once; the rule may yet take effect.
        if (m_hid.LastOpenError() == HidDeviceHandle::OpenError::NoAccess && !m_reconnectRefused) {
            m_reconnectRefused = true;
            emit ReconnectRefused(m_hid.LastOpenPath());
        }
        return;
    }
    m_reconnecting = false;
    m_reconnectTimer.stop();
    // Opening reads the keymap type, as at start-up, and nothing else.
    const tdu1 type = ReadKeymapType(m_hid);
    m_hid.StartRecThread();
    qCDebug(lcDevice) << "Reconnected" << type;
    SetKeyboardKeymapType(type);
    emit Reconnected(type);
}
