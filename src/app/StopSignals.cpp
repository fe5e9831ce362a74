#include "app/StopSignals.h"

#include "app/AppLog.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {
// The handler may only make async-signal-safe calls: it writes the signal's number into a pipe
// that the event loop watches.
int g_pipe[2] = {-1, -1};
struct sigaction g_former[2];
const int kSignals[2] = {SIGINT, SIGTERM};

void OnSignal(int signalNumber)
{
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    const int saved = errno;
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
    errno = saved;
}
} // namespace

StopSignals::StopSignals(QObject* parent)
    : QObject(parent)
{
    if (g_pipe[0] >= 0 || ::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        qCDebug(lcApp) << "Stop Signals Not Watched";
        return;
    }
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int i = 0; i < 2; i++)
        ::sigaction(kSignals[i], &action, &g_former[i]);
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &StopSignals::Read);
}

StopSignals::~StopSignals()
{
    if (m_notifier == nullptr)
        return;
    for (int i = 0; i < 2; i++)
        ::sigaction(kSignals[i], &g_former[i], nullptr);
    delete m_notifier;
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

void StopSignals::Read()
{
    unsigned char byte = 0;
    while (::read(g_pipe[0], &byte, 1) == 1) {
        m_received = byte;
        qCDebug(lcApp) << "Stop Signal" << m_received;
        emit Arrived(m_received);
    }
}
#else
StopSignals::StopSignals(QObject* parent)
    : QObject(parent)
{ }

StopSignals::~StopSignals() = default;

void StopSignals::Read()
{ }
#endif
