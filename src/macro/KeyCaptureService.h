#pragma once

#include "device/DeviceTypes.h"
#include "macro/KeyHookBackend.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class KeyboardThread;
class QWidget;

// The keyboard of a window, for one consumer at a time (the macro recorder or the key tester):
// the whole desktop's keys through the one key capture thread, or, when that is refused, the keys
// typed into the program's windows. Every key comes with the time it was seen, taken where it was
// seen. While a dialog or another window of the program is active over the consumer's window,
// capturing pauses and keys go to that window; it resumes once the consumer's window is active
// again.
class KeyCaptureService final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KeyCaptureService)

public:
    enum class Mode {
        Off,
        Desktop, // every key of the desktop
        WindowOnly, // only the keys typed into the program
    };

    explicit KeyCaptureService(QObject* parent = nullptr);
    // Gives the keyboard back and ends the capture thread.
    ~KeyCaptureService() override;

    // Starts the capture thread and its display connection, so that the first Take() need not
    // wait for them.
    void Prepare();
    // Takes the keyboard for consumer, which shows in window. Mode::Off when another consumer
    // holds it; otherwise how the keys are taken, and why not the desktop's in error and detail.
    Mode Take(QObject* consumer, QWidget* window, KeyHookError* error = nullptr, QString* detail = nullptr);
    // Gives the keyboard back at once if consumer holds it; keys still on their way are dropped.
    void Release(QObject* consumer);
    QObject* Holder() const;
    Mode CurrentMode() const
    {
        return m_mode;
    }
    // A dialog or another window is active over the holder's window.
    bool IsPaused() const
    {
        return m_paused;
    }
    KeyboardThread* Thread() const
    {
        return m_thread.get();
    }

signals:
    // A key for holder; timeMs of KeyHookBackend::TickCount, taken where the key was seen.
    void KeyEvent(QObject* holder, bool down, tdu2 vk, tdu4 timeMs);
    // The desktop's keys could not be taken again after a pause: only the program's windows
    // give keys now.
    void FellBack(QObject* holder, KeyHookError error);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Deliver(bool down, tdu2 vk, tdu4 timeMs);
    void UpdatePause();
    bool WindowCovered() const;

    std::unique_ptr<KeyboardThread> m_thread;
    QObject* m_holder = nullptr;
    QPointer<QWidget> m_window;
    QMetaObject::Connection m_holderGone;
    Mode m_mode = Mode::Off;
    bool m_paused = false;
    // A modal dialog blocks the holder's window.
    bool m_blocked = false;
    bool m_started = false;
};
