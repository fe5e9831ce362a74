#pragma once

#include "device/DeviceTypes.h"
#include "device/ThreadWaker.h"
#include "macro/KeyHookBackend.h"

#include <QObject>
#include <QString>

#include <memory>
#include <mutex>
#include <vector>

class KeyboardThread;

// Takes the keyboard for the key tester: the whole desktop's keys through a recorder thread of
// its own (an X grab), or, when that is refused, the keys typed into the program's windows. Each
// key event is stamped with the time it was seen, in the thread that saw it, so that a busy
// window cannot make two presses look closer than they were. Records nothing into macros.
class KeyTestCapture final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KeyTestCapture)

public:
    enum class Mode {
        Off,
        Desktop, // every key of the desktop
        WindowOnly, // only the keys typed into the program
    };

    explicit KeyTestCapture(QObject* parent = nullptr);
    // Gives the keyboard back.
    ~KeyTestCapture() override;

    // Starts the recorder thread and its display connection, so that the first Start() need not
    // wait for them; a window whose tester is never opened costs nothing.
    void Prepare();
    // Takes the keyboard; why it could not take the whole desktop's keys goes to detail.
    Mode Start(QString* detail = nullptr);
    // Gives the keyboard back at once; keys still on their way are dropped.
    void Stop();
    Mode CurrentMode() const
    {
        return m_mode;
    }
    // Another window's tester holds the keyboard.
    static bool OtherTesterActive(const KeyTestCapture* self);

signals:
    // down: the key went down (true) or up; timeMs of KeyHookBackend::TickCount.
    void KeyEvent(bool down, tdu2 vk, tdu4 timeMs);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Seen
    {
        bool down;
        tdu2 vk;
        tdu4 timeMs;
    };

    // The hook procedure of the tester's recorder thread; swallows every key while a tester runs.
    static bool HookProc(KeyHookMessage message, tdu2 vk);
    // From any thread: queues one key event for this object's thread.
    void Queue(bool down, tdu2 vk, tdu4 timeMs);
    void Deliver();

    std::unique_ptr<KeyboardThread> m_thread;
    Mode m_mode = Mode::Off;
    std::mutex m_seenLock;
    std::vector<Seen> m_seen;
    ThreadWaker m_waker;
};
