#include "macro/KeyHookWindows.h"

#include <cstdio>

namespace {
// A low-level hook procedure gets no context, but runs in the thread that installed the hook:
// that thread keeps its host here.
thread_local KeyHookHost* t_host = nullptr;

// Posted to the loop's thread so that it looks at the recorder's requests.
constexpr UINT kWakeMessage = WM_APP + 1;

KeyHookMessage MessageOf(WPARAM wParam)
{
    switch (wParam) {
    case WM_KEYDOWN:
        return KeyHookMessage::KeyDown;
    case WM_SYSKEYDOWN:
        return KeyHookMessage::SysKeyDown;
    case WM_KEYUP:
        return KeyHookMessage::KeyUp;
    case WM_SYSKEYUP:
        return KeyHookMessage::SysKeyUp;
    default:
        return KeyHookMessage::Other;
    }
}
} // namespace

std::unique_ptr<KeyHookBackend> KeyHookBackend::Create()
{
    return std::make_unique<KeyHookWindows>();
}

std::uint32_t KeyHookBackend::TickCount()
{
    return GetTickCount();
}

LRESULT CALLBACK KeyHookWindows::LowLevelKeyboardProc(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* record = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    if (t_host != nullptr && record != nullptr
        && t_host->OnKey(MessageOf(wParam), static_cast<std::uint16_t>(record->vkCode & 0xFFFF)))
        return 1;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

KeyHookError KeyHookWindows::Install(KeyHookHost& host, std::string& detail)
{
    m_host = &host;
    t_host = &host;
    m_hook = SetWindowsHookExW(WH_KEYBOARD_LL, &KeyHookWindows::LowLevelKeyboardProc, nullptr, 0);
    if (m_hook == nullptr) {
        char text[64];
        std::snprintf(text, sizeof(text), "SetWindowsHookEx failed, %ld", static_cast<long>(GetLastError()));
        detail = text;
        return KeyHookError::HookFailed;
    }
    // The thread's message queue must exist before anyone may post to it.
    MSG msg;
    PeekMessageW(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
    m_threadId.store(GetCurrentThreadId());
    return KeyHookError::NoError;
}

void KeyHookWindows::Run()
{
    // A Stop() that came before the thread id was known could not post WM_QUIT.
    if (m_stop.load())
        return;
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (msg.hwnd == nullptr && msg.message == kWakeMessage) {
            m_host->OnWake();
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void KeyHookWindows::Wake()
{
    const DWORD thread = m_threadId.load();
    if (thread != 0)
        PostThreadMessageW(thread, kWakeMessage, 0, 0);
}

void KeyHookWindows::Stop()
{
    m_stop.store(true);
    const DWORD thread = m_threadId.load();
    if (thread != 0)
        PostThreadMessageW(thread, WM_QUIT, 0, 0);
}

KeyHookError KeyHookWindows::Capture(bool, std::string&)
{
    // The hook is in place for the thread's whole life; whether a consumer takes keys does the rest.
    return KeyHookError::NoError;
}

void KeyHookWindows::Uninstall()
{
    if (m_hook != nullptr)
        UnhookWindowsHookEx(m_hook);
    m_hook = nullptr;
    t_host = nullptr;
}
