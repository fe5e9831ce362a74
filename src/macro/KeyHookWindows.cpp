#include "macro/KeyHookWindows.h"

#include <cstdio>

namespace {
// A low-level hook procedure gets no context: the installed procedure is kept here.
std::atomic<KeyHookProc> g_proc {nullptr};

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
    const KeyHookProc proc = g_proc.load();
    const auto* record = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    if (proc != nullptr && record != nullptr
        && proc(MessageOf(wParam), static_cast<std::uint16_t>(record->vkCode & 0xFFFF)))
        return 1;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

KeyHookError KeyHookWindows::Install(KeyHookProc proc, std::string& detail)
{
    g_proc.store(proc);
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

void KeyHookWindows::Run(KeyHookHost& host)
{
    // A Stop() that came before the thread id was known could not post WM_QUIT.
    if (m_stop.load())
        return;
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (msg.hwnd == nullptr && msg.message == kWakeMessage) {
            host.OnWake();
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
    // The hook is in place for the thread's whole life; the recording flag does the rest.
    return KeyHookError::NoError;
}

void KeyHookWindows::Uninstall()
{
    if (m_hook != nullptr)
        UnhookWindowsHookEx(m_hook);
    m_hook = nullptr;
    g_proc.store(nullptr);
}
