#include "macro/KeyHookX11.h"

#include "macro/PhysicalKeyMap.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <time.h>
#include <unistd.h>

namespace {
// Protocol errors must not end the program, as Xlib's default handler would.
int IgnoreXError(Display*, XErrorEvent*)
{
    return 0;
}

// A broken connection ends the loop instead of the program.
void KeepRunningOnIoError(Display*, void* lost)
{
    *static_cast<bool*>(lost) = true;
}

const char* GrabStatusText(int status)
{
    switch (status) {
    case AlreadyGrabbed:
        return "XGrabKeyboard failed: another program holds the keyboard";
    case GrabNotViewable:
        return "XGrabKeyboard failed: the root window is not viewable";
    case GrabFrozen:
        return "XGrabKeyboard failed: the keyboard is frozen by another grab";
    case GrabInvalidTime:
        return "XGrabKeyboard failed: invalid time";
    default:
        return "XGrabKeyboard failed";
    }
}
} // namespace

std::unique_ptr<KeyHookBackend> KeyHookBackend::Create()
{
    return std::make_unique<KeyHookX11>();
}

std::uint32_t KeyHookBackend::TickCount()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::uint32_t(std::uint64_t(now.tv_sec) * 1000u + std::uint64_t(now.tv_nsec) / 1000000u);
}

KeyHookX11::KeyHookX11()
{
    int fds[2] = {-1, -1};
    if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) == 0) {
        m_wakeRead = fds[0];
        m_wakeWrite = fds[1];
    }
}

KeyHookX11::~KeyHookX11()
{
    if (m_wakeRead >= 0)
        close(m_wakeRead);
    if (m_wakeWrite >= 0)
        close(m_wakeWrite);
}

KeyHookError KeyHookX11::Install(KeyHookHost& host, std::string& detail)
{
    m_host = &host;
    if (m_wakeRead < 0) {
        detail = "pipe failed";
        return KeyHookError::HookFailed;
    }
    m_display = XOpenDisplay(nullptr);
    if (m_display == nullptr) {
        detail = "XOpenDisplay failed: no X display";
        return KeyHookError::NoServer;
    }
    XSetErrorHandler(IgnoreXError);
    XSetIOErrorExitHandler(m_display, KeepRunningOnIoError, &m_lost);
    // Held keys then repeat as presses without releases, as the hook procedure expects.
    Bool supported = False;
    XkbSetDetectableAutoRepeat(m_display, True, &supported);
    if (!supported)
        detail = "detectable auto-repeat not supported";
    return KeyHookError::NoError;
}

void KeyHookX11::Signal(char what)
{
    // A full pipe already holds a wake-up; nothing is lost.
    if (m_wakeWrite >= 0) {
        const ssize_t written = write(m_wakeWrite, &what, 1);
        (void)written;
    }
}

void KeyHookX11::Wake()
{
    Signal('w');
}

void KeyHookX11::Stop()
{
    m_stop.store(true);
    Signal('q');
}

void KeyHookX11::HandlePending()
{
    while (!m_lost && XPending(m_display) > 0) {
        XEvent event;
        XNextEvent(m_display, &event);
        if (event.type != KeyPress && event.type != KeyRelease)
            continue;
        const std::uint16_t vk = PhysicalKeyMap::VkOfXKeycode(event.xkey.keycode);
        if (vk == 0)
            continue;
        const bool alt = (event.xkey.state & Mod1Mask) != 0;
        const KeyHookMessage message = event.type == KeyPress
            ? (alt ? KeyHookMessage::SysKeyDown : KeyHookMessage::KeyDown)
            : (alt ? KeyHookMessage::SysKeyUp : KeyHookMessage::KeyUp);
        m_host->OnKey(message, vk);
    }
}

void KeyHookX11::Run()
{
    const int xfd = ConnectionNumber(m_display);
    while (!m_stop.load() && !m_lost) {
        HandlePending();
        if (m_lost)
            break;
        pollfd fds[2] = {{xfd, POLLIN, 0}, {m_wakeRead, POLLIN, 0}};
        if (poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (fds[0].revents & (POLLERR | POLLHUP | POLLNVAL)) {
            m_lost = true;
            break;
        }
        if (fds[1].revents & POLLIN) {
            char drained[64];
            while (read(m_wakeRead, drained, sizeof(drained)) > 0) {
            }
            if (m_stop.load())
                break;
            m_host->OnWake();
        }
    }
}

KeyHookError KeyHookX11::Capture(bool on, std::string& detail)
{
    if (m_lost) {
        detail = "The X connection was lost";
        return KeyHookError::ConnectionLost;
    }
    if (on == m_grabbed)
        return KeyHookError::NoError;
    if (!on) {
        XUngrabKeyboard(m_display, CurrentTime);
        // The grab is gone before the page hears so: typing reaches the windows again.
        XSync(m_display, False);
        m_grabbed = false;
        return KeyHookError::NoError;
    }
    const int status
        = XGrabKeyboard(m_display, DefaultRootWindow(m_display), False, GrabModeAsync, GrabModeAsync, CurrentTime);
    if (status != GrabSuccess) {
        detail = GrabStatusText(status);
        return m_lost ? KeyHookError::ConnectionLost : KeyHookError::GrabRefused;
    }
    m_grabbed = true;
    return KeyHookError::NoError;
}

void KeyHookX11::Uninstall()
{
    if (m_display == nullptr)
        return;
    if (!m_lost) {
        if (m_grabbed)
            XUngrabKeyboard(m_display, CurrentTime);
        XCloseDisplay(m_display);
    }
    // A lost connection is left as it is: closing it would only report the loss once more.
    m_display = nullptr;
    m_grabbed = false;
}
