#include "macro/KeyCaptureService.h"

#include "macro/KeyEventVk.h"
#include "macro/KeyboardThread.h"
#include "macro/MacroLog.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

KeyCaptureService::KeyCaptureService(QObject* parent)
    : QObject(parent)
    , m_thread(std::make_unique<KeyboardThread>(nullptr))
{
    RegisterDeviceMetaTypes();
    connect(m_thread.get(), &KeyboardThread::KeyEvent, this, &KeyCaptureService::Deliver);
}

KeyCaptureService::~KeyCaptureService()
{
    Release(m_holder);
    m_thread.reset();
}

void KeyCaptureService::Prepare()
{
    if (m_started)
        return;
    m_started = true;
    m_thread->start(QThread::InheritPriority);
}

QObject* KeyCaptureService::Holder() const
{
    return m_holder;
}

KeyCaptureService::Mode KeyCaptureService::Take(
    QObject* consumer, QWidget* window, KeyHookError* error, QString* detail)
{
    if (m_holder != nullptr)
        return m_holder == consumer ? m_mode : Mode::Off;
    Prepare();
    m_holder = consumer;
    m_window = window;
    m_paused = false;
    // A consumer that goes away while it holds the keyboard gives it back.
    m_holderGone = connect(consumer, &QObject::destroyed, this, [this] { Release(m_holder); });
    m_thread->SetTaking(true);
    QString why;
    const KeyHookError result = m_thread->SetCapture(true, &why);
    m_mode = result == KeyHookError::NoError ? Mode::Desktop : Mode::WindowOnly;
    if (m_mode == Mode::WindowOnly)
        qCDebug(lcMacro) << "Keys of this program's windows only:" << why;
    // Watches for dialogs and windows that open over the consumer's window, and in a window-only
    // capture, takes the keys typed into the program.
    const QWidget* top = window != nullptr ? window->window() : nullptr;
    const QWidget* modal = QApplication::activeModalWidget();
    m_blocked = top != nullptr && modal != nullptr && modal != top && !top->isAncestorOf(modal);
    qApp->installEventFilter(this);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &KeyCaptureService::UpdatePause, Qt::UniqueConnection);
    if (error)
        *error = result;
    if (detail)
        *detail = why;
    return m_mode;
}

void KeyCaptureService::Release(QObject* consumer)
{
    if (m_holder == nullptr || m_holder != consumer)
        return;
    // The desktop gets its keyboard back before keys stop being taken, so no key is lost in between.
    if (m_mode == Mode::Desktop && !m_paused)
        m_thread->SetCapture(false);
    m_thread->SetTaking(false);
    qApp->removeEventFilter(this);
    disconnect(qApp, &QGuiApplication::focusWindowChanged, this, &KeyCaptureService::UpdatePause);
    disconnect(m_holderGone);
    m_holder = nullptr;
    m_window = nullptr;
    m_mode = Mode::Off;
    m_paused = false;
    m_blocked = false;
}

void KeyCaptureService::Deliver(bool down, tdu2 vk, tdu4 timeMs)
{
    if (m_holder != nullptr)
        emit KeyEvent(m_holder, down, vk, timeMs);
}

bool KeyCaptureService::WindowCovered() const
{
    const QWidget* top = m_window ? m_window->window() : nullptr;
    if (top == nullptr)
        return false;
    if (m_blocked)
        return true;
    // No window of the program active (another program's is): the desktop's keys stay taken.
    const QWindow* focus = QGuiApplication::focusWindow();
    return focus != nullptr && focus->isVisible() && focus != top->windowHandle();
}

void KeyCaptureService::UpdatePause()
{
    if (m_holder == nullptr)
        return;
    const bool paused = WindowCovered();
    if (paused == m_paused)
        return;
    m_paused = paused;
    qCDebug(lcMacro) << "Key Capture Paused" << paused;
    if (paused) {
        if (m_mode == Mode::Desktop)
            m_thread->SetCapture(false);
        m_thread->SetTaking(false);
        return;
    }
    m_thread->SetTaking(true);
    if (m_mode != Mode::Desktop)
        return;
    const KeyHookError error = m_thread->SetCapture(true);
    if (error != KeyHookError::NoError) {
        m_mode = Mode::WindowOnly;
        emit FellBack(m_holder, error);
    }
}

bool KeyCaptureService::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::WindowBlocked:
    case QEvent::WindowUnblocked: {
        const QWidget* top = m_window ? m_window->window() : nullptr;
        if (top != nullptr && (watched == top || watched == top->windowHandle())) {
            m_blocked = event->type() == QEvent::WindowBlocked;
            UpdatePause();
        }
        break;
    }
    case QEvent::ShortcutOverride:
        // Claimed, so that no shortcut fires while the keys go to the consumer.
        if (m_mode == Mode::WindowOnly && !m_paused) {
            event->accept();
            return true;
        }
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        if (m_mode == Mode::WindowOnly && !m_paused) {
            bool down = false;
            if (const tdu2 vk = KeyEventVk::Typed(*event, &down))
                m_thread->TakeKey(
                    down ? KeyHookMessage::KeyDown : KeyHookMessage::KeyUp, vk, KeyHookBackend::TickCount());
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
