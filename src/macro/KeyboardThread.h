#pragma once

#include "device/DeviceTypes.h"
#include "device/ThreadWaker.h"
#include "macro/KeyHookBackend.h"

#include <QString>
#include <QThread>

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

// The recorder's own thread: installs the platform's keyboard hook and runs its event loop for
// the life of the macro page. Captured keys leave it only through a mutex-guarded queue that is
// emptied in the page's thread, where keyAction reports them.
// Whether keys are captured follows KeyboardHook::macroRecording; capturing the whole desktop's
// keyboard (an X grab) is asked for with SetCapture while recording.

class KeyboardThread final : public QThread, private KeyHookHost
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KeyboardThread)

public:
    explicit KeyboardThread(QObject* parent = nullptr);
    // Quits and waits for the thread.
    ~KeyboardThread() override;

    // The initial hook handle and the hook procedure; before start().
    void SetHookProc(void* hookHandle, KeyHookProc proc);
    // Ends the event loop at once, from any thread.
    void Quit();

    // From the page's thread: starts or ends capturing the whole desktop's keyboard and waits
    // (briefly) for the recorder's answer. KeyHookError::NoError when capturing as asked; otherwise
    // keys reach the recorder only through the page's own window.
    KeyHookError SetCapture(bool on, QString* detail = nullptr);
    // Whether the hook is installed and its loop runs; waits for the thread to get that far.
    bool IsHookRunning();

    // From the hook procedure, in any thread: queues one captured key; keyAction reports it, in
    // order, in the thread this object lives in.
    void ReportKey(tdu1 action, tdu2 vkCode);

signals:
    void keyAction(tdu1 action, tdu2 vkCode, tdu4 time);

protected:
    void run() override;

private:
    enum class State {
        NotStarted,
        Starting,
        Running,
        Finished,
    };

    void OnWake() override;
    // In this object's thread: reports the queued keys through keyAction.
    void DeliverKeys();
    // Waits until the thread has installed its hook or given up; false when it does not run.
    bool WaitUntilRunning(std::unique_lock<std::mutex>& lock, KeyHookError* error, std::string* detail);

    std::unique_ptr<KeyHookBackend> m_backend;
    KeyHookProc m_hookProc = nullptr;
    void* m_hookHandle = nullptr;

    std::mutex m_mutex;
    std::condition_variable m_changed;
    State m_state = State::NotStarted;
    KeyHookError m_startError = KeyHookError::NoError;
    std::string m_startDetail;
    // Capture requests: the wanted state, numbered; the recorder answers the latest.
    bool m_captureWanted = false;
    std::uint64_t m_captureRequested = 0;
    std::uint64_t m_captureAnswered = 0;
    KeyHookError m_captureError = KeyHookError::NoError;
    std::string m_captureDetail;

    // Captured keys on their way to this object's thread. The first key of a batch wakes that
    // thread, so that the recorder thread touches nothing of Qt's.
    std::mutex m_keysLock;
    std::vector<std::pair<tdu1, tdu2>> m_keys;
    ThreadWaker m_keysWaker;
};
