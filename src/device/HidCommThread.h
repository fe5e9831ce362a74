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

// Receive thread: reads the keyboard's reports, reassembles replies and hands each one to the
// main thread as a copy of its own, so the next reply cannot overwrite it before it is read.
class HidCommThread final : public QThread
{
    Q_OBJECT

public:
    explicit HidCommThread(QObject* parent = nullptr);

    // Must be called before start().
    void SetDevice(HidIo* device);
    // Asks run() to return after its current read (at most one read slice).
    void RequestStop();

    struct Reply
    {
        tdu1 cmd;
        QByteArray payload;
    };
    // The replies assembled since the last call, oldest first; called from the main thread.
    std::vector<Reply> TakeReplies();

signals:
    // Replies are waiting in TakeReplies().
    void recCmd();
    // The device stopped answering reads (unplugged); the thread has ended.
    void deviceLost();

protected:
    void run() override;

private:
    HidIo* m_device = nullptr;
    QAtomicInt m_stopRequested;
    ReplyAssembler m_assembler;
    // A plain mutex hands the replies over, so the hand-off is visible to thread checkers too.
    std::mutex m_repliesLock;
    std::deque<Reply> m_replies;
};
