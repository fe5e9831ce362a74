#pragma once

#include "device/DeviceTypes.h"
#include "device/ReplyAssembler.h"

#include <QAtomicInt>
#include <QByteArray>
#include <QThread>

#include <deque>
#include <mutex>
#include <vector>

class HidIo;
class ThreadWaker;

// Receive thread: reads the keyboard's reports, reassembles replies and hands each one to the
// main thread as a copy of its own, so the next reply cannot overwrite it before it is read.
//
// The hand-off is a queue under a plain mutex plus a wake-up of the main thread (ThreadWaker), so
// no Qt object crosses threads and every step is visible to thread checkers, which cannot see the
// locking inside an uninstrumented Qt.
class HidCommThread final : public QThread
{
    Q_OBJECT

public:
    struct Reply
    {
        tdu1 cmd;
        QByteArray payload;
    };

    explicit HidCommThread(QObject* parent = nullptr);
    ~HidCommThread() override;

    // Both must be called before start(). The waker is woken whenever replies or the loss of the
    // device wait in TakeReplies().
    void SetDevice(HidIo* device);
    void SetWaker(ThreadWaker* waker);

    // Asks run() to return after its current read (at most one read slice).
    void RequestStop();

    // The replies assembled since the last call, oldest first; *lost tells whether the device
    // stopped answering (the thread has then ended). Called from the main thread.
    std::vector<Reply> TakeReplies(bool* lost);

protected:
    void run() override;

private:
    void Deliver(Reply* reply, bool lost);

    HidIo* m_device = nullptr;
    ThreadWaker* m_waker = nullptr;
    QAtomicInt m_stopRequested;
    ReplyAssembler m_assembler;
    std::mutex m_lock;
    std::deque<Reply> m_replies;
    bool m_lost = false;
};
