#include "tester/KeyTestCapture.h"

#include "macro/KeyEventVk.h"
#include "macro/KeyboardThread.h"
#include "tester/TesterLog.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace {
// The tester that takes the keys; the hook procedure gets no context pointer. Guarded by
// s_activeLock, so that a tester never goes away while the procedure hands it a key.
std::mutex s_activeLock;
KeyTestCapture* s_active = nullptr;
} // namespace

KeyTestCapture::KeyTestCapture(QObject* parent)
    : QObject(parent)
{
    connect(&m_waker, &ThreadWaker::Woken, this, &KeyTestCapture::Deliver);
}

KeyTestCapture::~KeyTestCapture()
{
    Stop();
    m_thread.reset();
}

bool KeyTestCapture::OtherTesterActive(const KeyTestCapture* self)
{
    const std::lock_guard<std::mutex> lock(s_activeLock);
    return s_active != nullptr && s_active != self;
}

void KeyTestCapture::Prepare()
{
    if (m_thread)
        return;
    m_thread = std::make_unique<KeyboardThread>(nullptr);
    m_thread->setObjectName(QStringLiteral("KeyTestThread"));
    m_thread->SetHookProc(nullptr, &KeyTestCapture::HookProc);
    m_thread->start(QThread::InheritPriority);
}

KeyTestCapture::Mode KeyTestCapture::Start(QString* detail)
{
    if (m_mode != Mode::Off)
        return m_mode;
    {
        const std::lock_guard<std::mutex> lock(s_activeLock);
        s_active = this;
    }
    {
        const std::lock_guard<std::mutex> lock(m_seenLock);
        m_seen.clear();
    }
    Prepare();
    QString why;
    const KeyHookError error = m_thread->SetCapture(true, &why);
    if (error == KeyHookError::NoError) {
        m_mode = Mode::Desktop;
    } else {
        qCDebug(lcTester) << "Testing in this window only:" << why;
        qApp->installEventFilter(this);
        m_mode = Mode::WindowOnly;
    }
    if (detail)
        *detail = why;
    return m_mode;
}

void KeyTestCapture::Stop()
{
    if (m_mode == Mode::Off)
        return;
    if (m_mode == Mode::WindowOnly)
        qApp->removeEventFilter(this);
    if (m_mode == Mode::Desktop)
        m_thread->SetCapture(false);
    m_mode = Mode::Off;
    {
        const std::lock_guard<std::mutex> lock(s_activeLock);
        if (s_active == this)
            s_active = nullptr;
    }
    const std::lock_guard<std::mutex> lock(m_seenLock);
    m_seen.clear();
}

bool KeyTestCapture::HookProc(KeyHookMessage message, tdu2 vk)
{
    const tdu4 now = KeyHookBackend::TickCount();
    const std::lock_guard<std::mutex> lock(s_activeLock);
    if (s_active == nullptr)
        return false;
    switch (message) {
    case KeyHookMessage::KeyDown:
    case KeyHookMessage::SysKeyDown:
        s_active->Queue(true, vk, now);
        break;
    case KeyHookMessage::KeyUp:
    case KeyHookMessage::SysKeyUp:
        s_active->Queue(false, vk, now);
        break;
    case KeyHookMessage::Other:
        break;
    }
    return true;
}

void KeyTestCapture::Queue(bool down, tdu2 vk, tdu4 timeMs)
{
    bool first = false;
    {
        const std::lock_guard<std::mutex> lock(m_seenLock);
        first = m_seen.empty();
        m_seen.push_back({down, vk, timeMs});
    }
    if (first)
        m_waker.Wake();
}

void KeyTestCapture::Deliver()
{
    std::vector<Seen> seen;
    {
        const std::lock_guard<std::mutex> lock(m_seenLock);
        seen.swap(m_seen);
    }
    for (const Seen& key : seen) {
        // Keys still on their way when the test stopped are not counted.
        if (m_mode == Mode::Off)
            return;
        emit KeyEvent(key.down, key.vk, key.timeMs);
    }
}

bool KeyTestCapture::eventFilter(QObject* watched, QEvent* event)
{
    if (m_mode != Mode::WindowOnly)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Claimed, so that no shortcut fires while keys are tested.
        event->accept();
        return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        bool down = false;
        if (const tdu2 vk = KeyEventVk::Typed(*event, &down))
            Queue(down, vk, KeyHookBackend::TickCount());
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}
