#include "device/HidIo.h"

#include <QThread>

#include <chrono>

HidIo::HidIo(hid_device* device, Clock clock)
    : m_device(device)
    , m_clock(std::move(clock))
{ }

HidIo::~HidIo()
{
    Close();
}

int HidIo::Write(const unsigned char* report, size_t length)
{
    return WriteAll(report, length, 1);
}

int HidIo::WriteAll(const unsigned char* reports, size_t length, int count)
{
    m_writersWaiting.ref();
    QMutexLocker locker(&m_lock);
    m_writersWaiting.deref();
    int written = m_device ? 0 : -1;
    for (int i = 0; i < count && written >= 0; ++i) {
        const int result = hid_write(m_device, reports + size_t(i) * length, length);
        written = result < 0 ? -1 : written + result;
    }
    locker.unlock();
    MarkActive();
    return written;
}

int HidIo::Read(unsigned char* report, size_t length, int timeoutMs)
{
    // A writer that is waiting goes first: the lock is not fair on its own.
    while (m_writersWaiting.loadAcquire() > 0)
        QThread::yieldCurrentThread();
    QMutexLocker locker(&m_lock);
    if (!m_device)
        return -1;
    return hid_read_timeout(m_device, report, length, timeoutMs < 0 ? kReadSliceMs : timeoutMs);
}

int HidIo::ReadPaced(unsigned char* report, size_t length)
{
    bool active = false;
    {
        std::unique_lock<std::mutex> lock(m_paceLock);
        active = m_clock() < m_activeUntil;
        if (!active && !m_wake) {
            m_paceChanged.wait_for(
                lock, std::chrono::milliseconds(kIdlePollMs), [this] { return m_wake || m_clock() < m_activeUntil; });
            active = m_clock() < m_activeUntil;
        }
        m_wake = false;
    }
    const int result = Read(report, length, active ? kReadSliceMs : 0);
    // More packets of a reply, or more replies, may follow a report; a failed read is tried again
    // at the short pace, so a keyboard that went away is noticed at once.
    if (result != 0)
        MarkActive();
    return result;
}

void HidIo::WakeReader()
{
    {
        const std::lock_guard<std::mutex> lock(m_paceLock);
        m_wake = true;
    }
    m_paceChanged.notify_all();
}

void HidIo::MarkActive()
{
    {
        const std::lock_guard<std::mutex> lock(m_paceLock);
        m_activeUntil = m_clock() + kActiveWindowMs;
    }
    m_paceChanged.notify_all();
}

void HidIo::Close()
{
    QMutexLocker locker(&m_lock);
    if (hid_device* device = m_device.exchange(nullptr))
        hid_close(device);
}

bool HidIo::IsOpen() const
{
    return m_device.load() != nullptr;
}
