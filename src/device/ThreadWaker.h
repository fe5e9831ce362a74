#pragma once

#include <QObject>

class QSocketNotifier;

// Wakes the thread that owns it from any other thread: Wake() may be called from a worker, and
// Woken() is emitted in the owner's thread. Worker threads hand their results over under a mutex
// of their own and only wake the owner through this, so no Qt object crosses threads (a thread
// checker cannot see the locking inside an uninstrumented Qt). On Unix the wake-up is a byte down
// a pipe watched by a socket notifier; elsewhere a posted event.
class ThreadWaker final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ThreadWaker)

public:
    explicit ThreadWaker(QObject* parent = nullptr);
    ~ThreadWaker() override;

    // Thread-safe. Wake-ups that come close together may arrive as one Woken().
    void Wake();

signals:
    void Woken();

protected:
    bool event(QEvent* event) override;

private:
    void Drain();

    int m_readFd = -1;
    int m_writeFd = -1;
    QSocketNotifier* m_notifier = nullptr;
};
