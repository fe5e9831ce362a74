#pragma once

#include "device/DeviceTypes.h"
#include "device/ThreadWaker.h"
#include "macro/KeyHookBackend.h"

#include <QString>
#include <QThread>

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

// The key capture thread: installs the platform's keyboard hook and runs its event loop. Each key
// it sees is stamped with its time here, where it was seen, so that a busy window cannot change
// the pauses between keys; the keys then leave through a mutex-guarded queue that is emptied in
// the thread this object lives in, where KeyEvent reports them. Keys are taken (and swallowed)
// only while SetTaking is on; capturing the whole desktop's keyboard (an X grab) is asked for
// with SetCapture.
class KeyboardThread final : public QThread, private KeyHookHost
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KeyboardThread)

public:
    explicit KeyboardThread(QObject* parent = nullptr);
    // Quits and waits for the thread.
    ~KeyboardThread() override;

    // Ends the event loop at once, from any thread.
    void Quit();

    // From this object's thread: starts or ends capturing the whole desktop's keyboard and waits
    // (briefly) for the hook's answer. KeyHookError::NoError when capturing as asked; otherwise
    // keys reach the program only through its own windows.
    KeyHookError SetCapture(bool on, QString* detail = nullptr);
    // Whether the hook is installed and its loop runs; waits for the thread to get that far.
    bool IsHookRunning();

    // Whether keys are taken: while off, every key passes on and nothing is reported. Turning it
    // on forgets which keys were held and drops keys still on their way.
    void SetTaking(bool taking);
    // From any thread: one key event, seen at timeMs (KeyHookBackend::TickCount). While taking,
    // reports a key-down once (a held key's auto-repeat is swallowed silently) and the key-up that
    // ends it, and returns true (swallowed); otherwise returns false.
    bool TakeKey(KeyHookMessage message, tdu2 vk, tdu4 timeMs);

signals:
    // down: the key went down (true) or up.
    void KeyEvent(bool down, tdu2 vk, tdu4 timeMs);

protected:
    void run() override;

private:
    enum class State {
        NotStarted,
        Starting,
        Running,
        Finished,
    };

    struct Seen
    {
        bool down;
        tdu2 vk;
        tdu4 timeMs;
    };

    bool OnKey(KeyHookMessage message, std::uint16_t vk) override;
    void OnWake() override;
    // In this object's thread: reports the queued keys through KeyEvent.
    void DeliverKeys();
    // Waits until the thread has installed its hook or given up; false when it does not run.
    bool WaitUntilRunning(std::unique_lock<std::mutex>& lock, KeyHookError* error, std::string* detail);

    std::unique_ptr<KeyHookBackend> m_backend;

    std::mutex m_mutex;
    std::condition_variable m_changed;
    State m_state = State::NotStarted;
    KeyHookError m_startError = KeyHookError::NoError;
    std::string m_startDetail;
    // Capture requests: the wanted state, numbered; the hook answers the latest.
    bool m_captureWanted = false;
    std::uint64_t m_captureRequested = 0;
    std::uint64_t m_captureAnswered = 0;
    KeyHookError m_captureError = KeyHookError::NoError;
    std::string m_captureDetail;

    std::atomic<bool> m_taking {false};
    // Keys whose key-down was reported and whose key-up has not come, by virtual-key code: a
    // further key-down of a held key is its auto-repeat, whatever was pressed or released since.
    std::array<std::atomic<bool>, 256> m_held {};

    // Captured keys on their way to this object's thread. The first key of a batch wakes that
    // thread, so that the capture thread touches nothing of Qt's.
    std::mutex m_keysLock;
    std::vector<Seen> m_keys;
    ThreadWaker m_keysWaker;
};
