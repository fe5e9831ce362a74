#pragma once

// Another client of the test's X server: a plain window with the input focus, which counts the
// key presses it gets, and can grab the keyboard for itself. Keeps Xlib's macros out of the tests.
class OtherXClient
{
public:
    OtherXClient();
    ~OtherXClient();
    OtherXClient(const OtherXClient&) = delete;
    OtherXClient& operator=(const OtherXClient&) = delete;

    bool IsOpen() const;
    // Key presses the window received since the last call.
    int TakeKeyPresses();
    bool GrabKeyboard();
    void UngrabKeyboard();

private:
    struct Connection;
    Connection* m_connection;
};
