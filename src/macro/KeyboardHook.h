#pragma once

#include "device/DeviceTypes.h"
#include "macro/KeyHookBackend.h"

#include <atomic>

class KeyboardThread;

// The process-wide state of the recorder, shared by the hook procedure (which gets no context
// pointer) and the macro page.
namespace KeyboardHook {

// Set by the macro page while it records; the hook procedure captures only then.
extern std::atomic<bool> macroRecording;
// A key-down was reported and no key-up followed since; with lastDownVk it tells auto-repeat.
extern std::atomic<bool> keyHeld;
extern std::atomic<tdu2> lastDownVk;
// The thread through which the captured keys reach the recording page.
extern std::atomic<KeyboardThread*> hookThread;

// The hook procedure: while recording reports each key-down once (the held key's auto-repeat
// is swallowed) and each key-up, and swallows every event; otherwise passes it on.
bool HookProc(KeyHookMessage message, tdu2 vk);

} // namespace KeyboardHook
