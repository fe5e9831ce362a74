#pragma once

#include "macro/KeyHookBackend.h"

#include <atomic>

#include <windows.h>

// Windows recorder: a low-level keyboard hook (WH_KEYBOARD_LL) served by this thread's message
// loop. The hook sees every key of the desktop; the hook procedure alone decides whether an
// event is swallowed, so capturing needs nothing beyond the installed hook.
class KeyHookWindows final : public KeyHookBackend
{
public:
    KeyHookWindows() = default;
    ~KeyHookWindows() override = default;

    KeyHookError Install(KeyHookHost& host, std::string& detail) override;
    void Run() override;
    void Wake() override;
    void Stop() override;
    KeyHookError Capture(bool on, std::string& detail) override;
    void Uninstall() override;

private:
    static LRESULT CALLBACK LowLevelKeyboardProc(int code, WPARAM wParam, LPARAM lParam);

    HHOOK m_hook = nullptr;
    KeyHookHost* m_host = nullptr;
    std::atomic<DWORD> m_threadId {0};
    std::atomic<bool> m_stop {false};
};
