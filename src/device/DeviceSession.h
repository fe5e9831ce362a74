#pragma once

#include "device/Clock.h"
#include "device/CommandLedger.h"
#include "device/DeviceTypes.h"
#include "device/HidDeviceHandle.h"
#include "device/Protocol.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

class CommandClient;

// The keyboard of one window or one command-line run: the device handle with its receive
// thread, the ledger of commands in flight and the clock they all wait by. Requesters talk to it
// through CommandClients; it hands each answer to the client that sent its command.
//
// The keyboard numbers nothing, so an answer is known only by its code. While a command of some
// code went unanswered and its answer may still come, a new command of that code is held back:
// the session first asks the keyboard something harmless, and since the keyboard answers in
// order, once that is answered the old command will never be, and the held ones go out.
class DeviceSession final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DeviceSession)

public:
    // How often a session whose keyboard went away looks for it.
    static constexpr int kReconnectIntervalMs = 1000;
    // The keymap type when it cannot be read.
    static constexpr tdu1 kUnknownKeymapType = 0xFF;

    // Why a command did not go out.
    enum class Refusal {
        Demo,
        NoDevice,
        TooLong,
        // The keyboard uses another keymap type than the layout of the requester.
        LayoutMismatch,
    };

    explicit DeviceSession(tdu2 productId, QObject* parent = nullptr);
    ~DeviceSession() override;

    // Every deadline, the reader's pace and the reconnect attempts read this clock.
    void SetClock(Clock clock);
    const Clock& ClockSource() const
    {
        return m_clock;
    }
    qint64 Now() const
    {
        return m_clock();
    }

    // A session without keyboard: every command is refused as a demo's.
    void SetDemo(bool demo);
    bool IsDemo() const
    {
        return m_demo;
    }

    // The keyboard of the model to open when several are plugged (its command interface's
    // path), for Open() and every reconnect; the first of the model when it is not there.
    void SetDevicePath(const QString& path);

    // Opens the keyboard, reads its keymap type and starts the receive thread.
    bool Open();
    // Opening again once the keyboard went away: from now on by the clock, see Poll().
    void StartReconnecting();
    // Lets go of the keyboard for good, for another session to open it: no reconnecting, and
    // every command from now on is refused.
    void Close();
    bool IsReconnecting() const
    {
        return m_reconnecting;
    }

    HidDeviceHandle* Device()
    {
        return &m_hid;
    }
    CommandLedger* Ledger()
    {
        return &m_ledger;
    }
    tdu2 ProductId() const
    {
        return m_productId;
    }

    // A new requester; the parent owns it.
    CommandClient* NewClient(QObject* parent);

    // The keymap type the keyboard reported at the last open, or set since.
    tdu1 KeyboardKeymapType() const
    {
        return m_keyboardKeymapType;
    }
    void SetKeyboardKeymapType(tdu1 type);
    // The keymap type of the layout the requesters show; commands laid out by it go out only
    // while it matches the keyboard's.
    void SetLayoutKeymapType(tdu1 type);
    tdu1 LayoutKeymapType() const
    {
        return m_layoutKeymapType;
    }
    bool LayoutMatchesKeyboard() const
    {
        return m_keyboardKeymapType == m_layoutKeymapType;
    }

    // Commands whose answers are awaited or that wait to go out, of all clients.
    int Awaited() const
    {
        return m_ledger.Awaited() + m_held.size();
    }
    // The harmless question asked before held commands go out.
    static constexpr tdu1 kProbeCmd = Protocol::kCmdReadKeymapType;
    // Does what is due by the clock: reports overdue commands, looks for a lost keyboard.
    void Poll();

    // The start-up read of the keymap type, right after opening and before the receive thread
    // runs; 0 when it cannot be read, like a keyboard that never changed it.
    static tdu1 ReadKeymapType(HidDeviceHandle& hid);

signals:
    // A command did not go out.
    void Refused(tdu1 cmd, DeviceSession::Refusal why);
    // Commands that got no answer in time, of any client, reported once.
    void Overdue(const QList<CommandLedger::Entry>& entries);
    void Disconnected();
    // Present again but this user may not open it; said once per loss.
    void ReconnectRefused(const QString& path);
    // Open again, with the keymap type it reported.
    void Reconnected(tdu1 keymapType);
    // The keyboard's keymap type as set or read since it was opened.
    void KeyboardKeymapTypeChanged(tdu1 type);

private:
    friend class CommandClient;
    struct Held
    {
        CommandClient* client;
        tdu1 cmd;
        QByteArray payload;
        CommandIntent intent;
    };
    bool Write(CommandClient* client, tdu1 cmd, const QByteArray& payload, const CommandIntent& intent);
    void Probe();
    void ReleaseHeld();
    // Held commands of client (all when null), taken out of the queue.
    QList<Held> TakeHeld(const CommandClient* client);
    bool Send(CommandClient* client, tdu1 cmd, const QByteArray& payload, const CommandIntent& intent);
    void Cancel(CommandClient* client);
    void Deliver(tdu1 cmd, tdu1* data, tdu2 len);
    void HandleOverdue(const QList<CommandLedger::Entry>& entries);
    void HandleDeviceLost();
    void TryReconnect();
    bool OpenAndStart();

    tdu2 m_productId;
    QString m_devicePath;
    Clock m_clock;
    HidDeviceHandle m_hid;
    CommandLedger m_ledger;
    bool m_demo = false;
    tdu1 m_keyboardKeymapType = 0;
    tdu1 m_layoutKeymapType = 0;
    QTimer m_reconnectTimer;
    bool m_reconnecting = false;
    bool m_reconnectRefused = false;
    qint64 m_nextReconnect = 0;
    QList<Held> m_held;
    // The probe in flight, by its ledger id; 0 when none.
    quint64 m_probe = 0;
};
Q_DECLARE_METATYPE(DeviceSession::Refusal)
