#include "device/HidCommThread.h"

#include "device/DeviceLog.h"
#include "device/HidIo.h"
#include "device/Protocol.h"

HidCommThread::HidCommThread(QObject* parent)
    : QThread(parent)
{ }

void HidCommThread::SetDevice(HidIo* device)
{
    m_device = device;
}

void HidCommThread::RequestStop()
{
    m_stopRequested.storeRelease(1);
}

std::vector<HidCommThread::Reply> HidCommThread::TakeReplies()
{
    const std::lock_guard<std::mutex> lock(m_repliesLock);
    std::vector<Reply> replies(std::make_move_iterator(m_replies.begin()), std::make_move_iterator(m_replies.end()));
    m_replies.clear();
    return replies;
}

void HidCommThread::run()
{
    unsigned char report[Protocol::kReportSize];
    while (!m_stopRequested.loadAcquire()) {
        const int result = m_device->Read(report, sizeof report, -1);
        if (result < 0) {
            // Unplugged devices fail every read at once; looping on would spin a core.
            if (!m_stopRequested.loadAcquire()) {
                qCDebug(lcDevice) << "Read failed, device lost";
                emit deviceLost();
            }
            return;
        }
        if (result > 0 && m_assembler.Feed(report, result)) {
            {
                const std::lock_guard<std::mutex> lock(m_repliesLock);
                m_replies.push_back({m_assembler.Cmd(),
                    QByteArray(reinterpret_cast<const char*>(m_assembler.Data()), m_assembler.Length())});
            }
            emit recCmd();
        }
    }
}
