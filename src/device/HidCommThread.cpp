#include "device/HidCommThread.h"

#include "device/DeviceLog.h"
#include "device/HidIo.h"
#include "device/Protocol.h"

#include <QCoreApplication>

HidCommThread::HidCommThread(QObject* parent)
    : QThread(parent)
{ }

void HidCommThread::SetDevice(HidIo* device)
{
    m_device = device;
}

void HidCommThread::SetReceiver(QObject* receiver)
{
    m_receiver = receiver;
}

QEvent::Type HidCommThread::ReplyEventType()
{
    static const QEvent::Type type = QEvent::Type(QEvent::registerEventType());
    return type;
}

void HidCommThread::RequestStop()
{
    m_stopRequested.storeRelease(1);
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
    QEvent* event = nullptr;
    {
        const std::lock_guard<std::mutex> lock(m_lock);
        if (reply)
            m_replies.push_back(std::move(*reply));
        m_lost = m_lost || lost;
        event = new QEvent(ReplyEventType());
    }
    QCoreApplication::postEvent(m_receiver, event);
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
                Deliver(nullptr, true);
            }
            return;
        }
        if (result > 0 && m_assembler.Feed(report, result)) {
            Reply reply {
                m_assembler.Cmd(), QByteArray(reinterpret_cast<const char*>(m_assembler.Data()), m_assembler.Length())};
            Deliver(&reply, false);
        }
    }
}
