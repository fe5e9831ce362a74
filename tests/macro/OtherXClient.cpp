#include "OtherXClient.h"

#include <X11/Xlib.h>

struct OtherXClient::Connection
{
    Display* display = nullptr;
    Window window = 0;
};

OtherXClient::OtherXClient()
    : m_connection(new Connection)
{
    Display* display = XOpenDisplay(nullptr);
    m_connection->display = display;
    if (display == nullptr)
        return;
    const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 200, 100, 0, 0, 0);
    m_connection->window = window;
    XSelectInput(display, window, KeyPressMask | StructureNotifyMask);
    XMapWindow(display, window);
    XEvent event;
    do
        XWindowEvent(display, window, StructureNotifyMask, &event);
    while (event.type != MapNotify);
    XSetInputFocus(display, window, RevertToParent, CurrentTime);
    XSync(display, False);
}

OtherXClient::~OtherXClient()
{
    if (m_connection->display != nullptr)
        XCloseDisplay(m_connection->display);
    delete m_connection;
}

bool OtherXClient::IsOpen() const
{
    return m_connection->display != nullptr;
}

int OtherXClient::TakeKeyPresses()
{
    XSync(m_connection->display, False);
    int presses = 0;
    XEvent event;
    while (XCheckWindowEvent(m_connection->display, m_connection->window, KeyPressMask, &event))
        presses++;
    return presses;
}

bool OtherXClient::GrabKeyboard()
{
    const bool grabbed
        = XGrabKeyboard(m_connection->display, m_connection->window, False, GrabModeAsync, GrabModeAsync, CurrentTime)
        == GrabSuccess;
    XSync(m_connection->display, False);
    return grabbed;
}

void OtherXClient::UngrabKeyboard()
{
    XUngrabKeyboard(m_connection->display, CurrentTime);
    XSync(m_connection->display, False);
}
