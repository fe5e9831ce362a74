#pragma once

#include "device/Clock.h"

#include <QAtomicInt>
#include <QMutex>

#include <atomic>
#include <condition_variable>
#include <mutex>

#include <hidapi.h>

// One open hidapi device shared by the receive thread and the main thread. hidapi 0.13 is not safe
// when two calls overlap on one handle (hidraw replaces the handle's error string unlocked, and a
// close during a read is undefined), so every call goes through one lock.
//
// The receive thread reads in two paces. After a write, and while reports keep coming, it reads in
// slices of a millisecond and steps aside for a waiting writer, so replies arrive at once and a
// write (all packets of a command together) waits a millisecond at most: a live edit is two such
// exchanges. Otherwise the keyboard has nothing to say: the reader sleeps without
// the lock and only looks, without waiting, twice a second for reports the keyboard sends on its own
// (the system keeps them) and for a keyboard that went away. An open keyboard then costs nothing.
class HidIo final
{
    Q_DISABLE_COPY_MOVE(HidIo)

public:
    // The pace is kept by clock, which must be safe to read from the receive thread.
    explicit HidIo(hid_device* device, Clock clock = SteadyClock());
    ~HidIo();

    // Longest time the reader holds the lock in one read; also bounds a writer's wait. While
    // active the reader wakes this often, for a second after the last report at most.
    static constexpr int kReadSliceMs = 1;
    // How long the reader stays in short slices after the last write or report.
    static constexpr int kActiveWindowMs = 1000;
    // How often the idle reader looks for reports and for a keyboard that went away.
    static constexpr int kIdlePollMs = 500;

    int Write(const unsigned char* report, size_t length);
    // Writes count reports of length bytes each, back to back under one lock, so that the reader
    // takes no slice between the packets of one command. Returns the bytes written, or -1 as soon
    // as one report fails.
    int WriteAll(const unsigned char* reports, size_t length, int count);
    // Reads one report, waiting at most timeoutMs (-1: one slice). Returns the byte count, 0 on
    // timeout, -1 on error or after Close().
    int Read(unsigned char* report, size_t length, int timeoutMs);
    // The receive thread's read, in the pace above: 0 when nothing came.
    int ReadPaced(unsigned char* report, size_t length);
    // Ends the idle reader's sleep at once, for stopping it.
    void WakeReader();
    void Close();
    bool IsOpen() const;

private:
    void MarkActive();

    mutable QMutex m_lock;
    QAtomicInt m_writersWaiting;
    // Changed only under the lock; read without it to tell whether the device is still open.
    std::atomic<hid_device*> m_device;

    Clock m_clock;
    std::mutex m_paceLock;
    std::condition_variable m_paceChanged;
    qint64 m_activeUntil = 0;
    bool m_wake = false;
};
