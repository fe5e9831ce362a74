#include "device/HidIo.h"

#include <QThread>

HidIo::HidIo(hid_device* device)
    : m_device(device)
{ }

HidIo::~HidIo()
{
    Close();
}

int HidIo::Write(const unsigned char* report, size_t length)
{
    m_writersWaiting.ref();
    QMutexLocker locker(&m_lock);
    m_writersWaiting.deref();
    if (!m_device)
        return -1;
    return hid_write(m_device, report, length);
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
