#pragma once

#include <QAtomicInt>
#include <QMutex>

#include <atomic>

#include <hidapi.h>

// One open hidapi device shared by the receive thread and the main thread. hidapi 0.13 is not safe
// when two calls overlap on one handle (hidraw replaces the handle's error string unlocked, and a
// close during a read is undefined), so every call goes through one lock. The reader polls with a
// short timeout and steps aside for a waiting writer, which keeps a write's wait to a few
// milliseconds while the idle reader sleeps in the kernel.
class HidIo final
{
    Q_DISABLE_COPY_MOVE(HidIo)

public:
    explicit HidIo(hid_device* device);
    ~HidIo();

    // Longest time the reader holds the lock in one read; also bounds a writer's wait.
    static constexpr int kReadSliceMs = 4;

    int Write(const unsigned char* report, size_t length);
    // Reads one report, waiting at most timeoutMs (-1: one slice). Returns the byte count, 0 on
    // timeout, -1 on error or after Close().
    int Read(unsigned char* report, size_t length, int timeoutMs);
    void Close();
    bool IsOpen() const;

private:
    mutable QMutex m_lock;
    QAtomicInt m_writersWaiting;
    // Changed only under the lock; read without it to tell whether the device is still open.
    std::atomic<hid_device*> m_device;
};
