#include "macro/KeyboardHook.h"

#include "macro/KeyboardThread.h"

namespace KeyboardHook {

std::atomic<bool> macroRecording {false};
std::array<std::atomic<bool>, 256> keysHeld {};
std::atomic<KeyboardThread*> hookThread {nullptr};

void ReleaseAll()
{
    for (std::atomic<bool>& held : keysHeld)
        held.store(false, std::memory_order_relaxed);
}

bool HookProc(KeyHookMessage message, tdu2 vk)
{
    if (!macroRecording.load())
        return false;
    switch (message) {
    case KeyHookMessage::KeyDown:
    case KeyHookMessage::SysKeyDown:
        if (keysHeld[vk & 0xFF].exchange(true, std::memory_order_relaxed))
            break;
        if (KeyboardThread* thread = hookThread.load())
            thread->ReportKey(0, vk);
        break;
    case KeyHookMessage::KeyUp:
    case KeyHookMessage::SysKeyUp:
        keysHeld[vk & 0xFF].store(false, std::memory_order_relaxed);
        if (KeyboardThread* thread = hookThread.load())
            thread->ReportKey(1, vk);
        break;
    case KeyHookMessage::Other:
        break;
    }
    return true;
}

} // namespace KeyboardHook
