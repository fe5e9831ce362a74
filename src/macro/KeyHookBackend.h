#pragma once

// The platform side of the macro recorder, behind one narrow interface. Plain C++ only: the
// Windows backend must build with nothing but windows.h besides this header.

#include <cstdint>
#include <memory>
#include <string>

// A key event as the Windows low-level keyboard hook names it; the other platforms speak the same.
enum class KeyHookMessage {
    KeyDown,
    KeyUp,
    SysKeyDown, // with Alt held
    SysKeyUp,
    Other,
};

// Why keys cannot be captured system-wide.
enum class KeyHookError {
    NoError,
    NoServer, // no X display to connect to
    HookFailed, // the system refused the keyboard hook
    GrabRefused, // another program holds the keyboard
    ConnectionLost, // the display went away
    NoAnswer, // the recorder thread did not answer in time
};

// Called back from a backend's event loop, in the recorder thread.
class KeyHookHost
{
public:
    // A key event the hook saw, with its virtual-key code; true when it is swallowed.
    virtual bool OnKey(KeyHookMessage message, std::uint16_t vk) = 0;
    // Something asked the loop to look at its requests (KeyHookBackend::Wake).
    virtual void OnWake() = 0;

protected:
    ~KeyHookHost() = default;
};

class KeyHookBackend
{
public:
    // The backend of the platform the program was built for.
    static std::unique_ptr<KeyHookBackend> Create();
    // Milliseconds of a steady system clock (wraps after 49 days).
    static std::uint32_t TickCount();

    KeyHookBackend() = default;
    KeyHookBackend(const KeyHookBackend&) = delete;
    KeyHookBackend& operator=(const KeyHookBackend&) = delete;
    virtual ~KeyHookBackend() = default;

    // In the recorder thread: installs the hook that feeds `host`; on failure says why in `detail`.
    virtual KeyHookError Install(KeyHookHost& host, std::string& detail) = 0;
    // In the recorder thread: waits for key events and wake-ups until Stop().
    virtual void Run() = 0;
    // From any thread: the loop calls host.OnWake() soon.
    virtual void Wake() = 0;
    // From any thread, also before Run() started: Run() returns soon, or at once when it starts.
    virtual void Stop() = 0;
    // In the recorder thread, from OnWake(): starts or ends capturing the whole desktop's keys.
    virtual KeyHookError Capture(bool on, std::string& detail) = 0;
    // In the recorder thread after Run(): releases what Install() and Capture() took.
    virtual void Uninstall() = 0;
};
