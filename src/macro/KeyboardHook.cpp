#include "macro/KeyboardHook.h"

#include "macro/KeyboardThread.h"

namespace KeyboardHook {

std::atomic<bool> macroRecording {false};
std::atomic<bool> keyHeld {false};
std::atomic<tdu2> lastDownVk {0};
std::atomic<KeyboardThread*> hookThread {nullptr};

bool HookProc(KeyHookMessage message, tdu2 vk)
{
    if (!macroRecording.load())
        return false;
    switch (message) {
    case KeyHookMessage::KeyDown:
    case KeyHookMessage::SysKeyDown:
        if (keyHeld.load(std::memory_order_relaxed) && vk == lastDownVk.load(std::memory_order_relaxed))
            break;
        lastDownVk.store(vk, std::memory_order_relaxed);
        keyHeld.store(true, std::memory_order_relaxed);
        if (KeyboardThread* thread = hookThread.load())
            thread->ReportKey(0, vk);
        break;
    case KeyHookMessage::KeyUp:
    case KeyHookMessage::SysKeyUp:
        keyHeld.store(false, std::memory_order_relaxed);
        if (KeyboardThread* thread = hookThread.load())
            thread->ReportKey(1, vk);
        break;
    case KeyHookMessage::Other:
        break;
    }
    return true;
}

} // namespace KeyboardHook
