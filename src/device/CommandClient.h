#pragma once

#include "device/CommandIntent.h"
#include "device/DeviceTypes.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QVariant>

class DeviceSession;

// One requester's way to the keyboard: a page, a backup job or the command line. It sends
// commands through its session and gets back only the answers to its own commands. Its pending
// commands end with it: once it is closed or destroyed, no answer can reach it.
class CommandClient final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CommandClient)

public:
    ~CommandClient() override;

    // Sends a command; false when it did not go out. The session then said why (no keyboard,
    // demo mode, a layout that no longer fits the keyboard, too long to frame).
    bool Send(tdu1 cmd, const QByteArray& payload = QByteArray(), const CommandIntent& intent = CommandIntent());
    // Commands of this client whose answers are awaited.
    int Pending() const;
    // Stops waiting for every answer: if they still come, they reach nobody.
    void Close();
    DeviceSession* Session() const;

signals:
    // The answer to one of this client's commands, with the context it was sent with. data
    // holds Protocol::kMaxPayload bytes (zero past len) and is valid only during the call.
    void Answered(tdu1 cmd, tdu1* data, tdu2 len, const QVariant& context);
    // An answer of this code came while an earlier command of the same code was overdue: it may
    // be that one's, so it confirms nothing. The command itself is still awaited.
    void Ambiguous(tdu1 cmd, const QVariant& context);
    // The answer came after the keyboard was said not to have answered; it changes nothing.
    void Late(tdu1 cmd, const QVariant& context);
    // These commands got no answer in time.
    void Overdue(const QList<QVariant>& contexts);
    // The keyboard went away while these commands were awaited.
    void Lost(const QList<QVariant>& contexts);

private:
    friend class DeviceSession;
    explicit CommandClient(DeviceSession* session, QObject* parent);

    QPointer<DeviceSession> m_session;
};
