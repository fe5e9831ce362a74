#pragma once

#include "macro/KeyHookBackend.h"

#include <atomic>

typedef struct _XDisplay Display;

// X11 recorder: its own X connection, an active keyboard grab on the root window while
// capturing (every key of the X session then reaches the recorder and no other window), and a
// loop that polls the connection and a wake-up pipe, so a wake-up or Stop() is seen at once.
class KeyHookX11 final : public KeyHookBackend
{
public:
    KeyHookX11();
    ~KeyHookX11() override;

    KeyHookError Install(KeyHookHost& host, std::string& detail) override;
    void Run() override;
    void Wake() override;
    void Stop() override;
    KeyHookError Capture(bool on, std::string& detail) override;
    void Uninstall() override;

private:
    void HandlePending();
    void Signal(char what);

    Display* m_display = nullptr;
    KeyHookHost* m_host = nullptr;
    int m_wakeRead = -1;
    int m_wakeWrite = -1;
    bool m_grabbed = false;
    bool m_lost = false;
    std::atomic<bool> m_stop {false};
};
