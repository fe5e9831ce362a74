#include "device/HidCommThread.h"

#include "device/DeviceLog.h"
#include "device/HidIo.h"
#include "device/Protocol.h"
#include "device/ThreadWaker.h"

#ifdef Q_OS_UNIX
#include <csignal>
#include <pthread.h>
#endif

namespace {
// A keyboard that is gone fails every read at once; a single failed read may be a passing fault.
constexpr int kFailedReadsForLoss = 3;
constexpr int kRetryPauseMs = 10;

// hidraw's read gives up with -1 when a signal interrupts its poll(), which would look like an
// unplug. Signals meant for the process are left to the other threads.
void BlockAsynchronousSignals()
{
#ifdef Q_OS_UNIX
    sigset_t blocked;
    sigfillset(&blocked);
    // Faults this thread raises itself must still reach their handlers.
    for (const int fault : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT, SIGTRAP})
        sigdelset(&blocked, fault);
    pthread_sigmask(SIG_BLOCK, &blocked, nullptr);
#endif
}
} // namespace

HidCommThread::HidCommThread(QObject* parent)
    : QThread(parent)
{ }

HidCommThread::~HidCommThread()
{
    // The owner deletes the thread after wait(), whose hand-shake inside Qt a thread checker cannot
    // see; run() ends by releasing this lock, so taking it orders all of run() before the delete.
    const std::lock_guard<std::mutex> lock(m_lock);
}

void HidCommThread::SetDevice(HidIo* device)
{
    m_device = device;
}

void HidCommThread::SetWaker(ThreadWaker* waker)
{
    m_waker = waker;
}

void HidCommThread::RequestStop()
{
    m_stopRequested.storeRelease(1);
    if (m_device)
        m_device->WakeReader();
}

std::vector<HidCommThread::Reply> HidCommThread::TakeReplies(bool* lost)
{
    const std::lock_guard<std::mutex> lock(m_lock);
    std::vector<Reply> replies(std::make_move_iterator(m_replies.begin()), std::make_move_iterator(m_replies.end()));
    m_replies.clear();
    *lost = m_lost;
    return replies;
}

void HidCommThread::Deliver(Reply* reply, bool lost)
{
    {
        const std::lock_guard<std::mutex> lock(m_lock);
        if (reply)
            m_replies.push_back(std::move(*reply));
        m_lost = m_lost || lost;
    }
    m_waker->Wake();
}

void HidCommThread::run()
{
    struct Finished
    {
        std::mutex& lock;
        ~Finished()
        {
            const std::lock_guard<std::mutex> last(lock);
        }
    } finished {m_lock};
    BlockAsynchronousSignals();
    unsigned char report[Protocol::kReportSize];
    int failedReads = 0;
    while (!m_stopRequested.loadAcquire()) {
        const int result = m_device->ReadPaced(report, sizeof report);
        if (result < 0) {
            if (++failedReads < kFailedReadsForLoss && m_device->IsOpen()) {
                qCDebug(lcDevice) << "Read failed, trying again";
                QThread::msleep(kRetryPauseMs);
                continue;
            }
            // Looping on reads that fail at once would spin a core.
            if (!m_stopRequested.loadAcquire()) {
                qCDebug(lcDevice) << "Read failed, device lost";
                Deliver(nullptr, true);
            }
            return;
        }
        failedReads = 0;
        if (result > 0 && m_assembler.Feed(report, result)) {
            Reply reply {
                m_assembler.Cmd(), QByteArray(reinterpret_cast<const char*>(m_assembler.Data()), m_assembler.Length())};
            Deliver(&reply, false);
        }
    }
}
