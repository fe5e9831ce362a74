#pragma once

// A keyboard session on a simulated keyboard, for pages and jobs that talk to a keyboard: the
// real session, client, receive thread and ledger, with a clock the test moves on.

#include "device/DeviceSession.h"
#include "device/Protocol.h"
#include "sim/SimBus.h"

#include <QSignalSpy>
#include <QTest>

#include <atomic>
#include <memory>

class SimSession
{
public:
    SimSession(tdu2 productId, int rows, int cols)
        : keyboard(sim::SimBus::instance().plug(Protocol::kVendorId, productId, rows, cols))
        , session(std::make_unique<DeviceSession>(productId))
    {
        session->SetClock([this] { return now.load(); });
        opened = session->Open();
        keyboard->clearLog();
    }

    ~SimSession()
    {
        session.reset();
        sim::SimBus::instance().reset();
    }

    // From now on the keyboard answers nothing by itself: every answer is the test's Answer().
    void Mute()
    {
        keyboard->silenceNextReplies(1 << 30);
    }

    // Sends an answer as the keyboard would, and waits until the session has handed it on.
    void Answer(tdu1 cmd, const QByteArray& reply)
    {
        QSignalSpy delivered(session->Device(), &HidDeviceHandle::OnRecCmd);
        keyboard->injectReply(cmd, std::vector<std::uint8_t>(reply.begin(), reply.end()));
        QTRY_COMPARE(delivered.count(), 1);
    }

    // Moves the clock past the deadline of everything sent so far, and lets the session act.
    void PassDeadlines()
    {
        now += session->Ledger()->Timeout();
        session->Poll();
    }

    std::vector<sim::SimKeyboard::Command> Sent() const
    {
        return keyboard->receivedCommands();
    }

    std::shared_ptr<sim::SimKeyboard> keyboard;
    std::unique_ptr<DeviceSession> session;
    std::atomic<qint64> now {0};
    bool opened = false;
};
