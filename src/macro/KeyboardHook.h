#pragma once

#include "device/DeviceTypes.h"
#include "macro/KeyHookBackend.h"

#include <array>
#include <atomic>

class KeyboardThread;

// The process-wide state of the recorder, shared by the hook procedure (which gets no context
// pointer) and the macro page.
namespace KeyboardHook {

// Set by the macro page while it records; the hook procedure captures only then.
extern std::atomic<bool> macroRecording;
// Keys whose key-down was reported and whose key-up has not come, by virtual-key code: a
// further key-down of a held key is its auto-repeat, whatever was pressed or released since.
extern std::array<std::atomic<bool>, 256> keysHeld;
// Forgets every held key, for a recording that starts afresh.
void ReleaseAll();
// The thread through which the captured keys reach the recording page.
extern std::atomic<KeyboardThread*> hookThread;

// The hook procedure: while recording reports each key-down once (a held key's auto-repeat is
// swallowed) and each key-up, and swallows every event; otherwise passes it on.
bool HookProc(KeyHookMessage message, tdu2 vk);

} // namespace KeyboardHook
