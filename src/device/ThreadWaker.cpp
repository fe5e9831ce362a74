#include "device/ThreadWaker.h"

#include <QCoreApplication>
#include <QEvent>
#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {
QEvent::Type WakeEventType()
{
    static const QEvent::Type type = QEvent::Type(QEvent::registerEventType());
    return type;
}
} // namespace

ThreadWaker::ThreadWaker(QObject* parent)
    : QObject(parent)
{
#ifdef Q_OS_UNIX
    int fds[2] = {-1, -1};
    if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) == 0) {
        m_readFd = fds[0];
        m_writeFd = fds[1];
        m_notifier = new QSocketNotifier(m_readFd, QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &ThreadWaker::Drain);
    }
#endif
}

ThreadWaker::~ThreadWaker()
{
#ifdef Q_OS_UNIX
    delete m_notifier;
    if (m_readFd >= 0)
        close(m_readFd);
    if (m_writeFd >= 0)
        close(m_writeFd);
#endif
}

void ThreadWaker::Wake()
{
#ifdef Q_OS_UNIX
    if (m_writeFd >= 0) {
        const char byte = 'w';
        // A full pipe already holds a wake-up, so a refused write loses nothing.
        const ssize_t written = write(m_writeFd, &byte, 1);
        (void)written;
        return;
    }
#endif
    QCoreApplication::postEvent(this, new QEvent(WakeEventType()));
}

bool ThreadWaker::event(QEvent* event)
{
    if (event->type() != WakeEventType())
        return QObject::event(event);
    emit Woken();
    return true;
}

void ThreadWaker::Drain()
{
#ifdef Q_OS_UNIX
    char bytes[64];
    while (read(m_readFd, bytes, sizeof bytes) > 0) {
    }
#endif
    emit Woken();
}
