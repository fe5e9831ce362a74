#include "macro/KeyboardThread.h"

#include "macro/MacroLog.h"

#include <chrono>
#include <cstdio>

namespace {
// An X round trip or a posted thread message takes far less; a hook that does not answer
// within this is treated as unable to capture.
constexpr auto kAnswerTimeout = std::chrono::seconds(2);
} // namespace

KeyboardThread::KeyboardThread(QObject* parent)
    : QThread(parent)
    , m_backend(KeyHookBackend::Create())
{
    setObjectName(QStringLiteral("KeyboardThread"));
    connect(&m_keysWaker, &ThreadWaker::Woken, this, &KeyboardThread::DeliverKeys);
}

KeyboardThread::~KeyboardThread()
{
    Quit();
    wait();
    // Makes the thread's last writes visible here before the members go.
    const std::lock_guard<std::mutex> lock(m_mutex);
}

void KeyboardThread::Quit()
{
    if (!isFinished())
        m_backend->Stop();
    exit(0);
}

void KeyboardThread::run()
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_state = State::Starting;
    }
    std::string detail;
    const KeyHookError error = m_backend->Install(*this, detail);
    {
        // Notified under the lock: a waiter that sees Finished may destroy this object at once.
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_startError = error;
        m_startDetail = detail;
        m_state = error == KeyHookError::NoError ? State::Running : State::Finished;
        m_changed.notify_all();
    }
    // No Qt logging here: the message handlers are not meant for other threads.
    if (error != KeyHookError::NoError) {
        std::printf("%s\n", detail.c_str());
        std::fflush(stdout);
        return;
    }
    m_backend->Run();
    m_backend->Uninstall();
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_state = State::Finished;
        if (m_startError == KeyHookError::NoError) {
            m_startError = KeyHookError::ConnectionLost;
            m_startDetail = "The key capture's event loop has ended";
        }
        m_changed.notify_all();
    }
}

void KeyboardThread::OnWake()
{
    bool wanted = false;
    std::uint64_t request = 0;
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        wanted = m_captureWanted;
        request = m_captureRequested;
    }
    if (request == 0)
        return;
    std::string detail;
    const KeyHookError error = m_backend->Capture(wanted, detail);
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_captureAnswered = request;
        m_captureError = error;
        m_captureDetail = detail;
        m_changed.notify_all();
    }
}

bool KeyboardThread::OnKey(KeyHookMessage message, std::uint16_t vk)
{
    // Stamped before anything else, in the thread that saw the key.
    return TakeKey(message, vk, KeyHookBackend::TickCount());
}

void KeyboardThread::SetTaking(bool taking)
{
    if (taking) {
        for (std::atomic<bool>& held : m_held)
            held.store(false, std::memory_order_relaxed);
    }
    {
        const std::lock_guard<std::mutex> lock(m_keysLock);
        m_keys.clear();
    }
    m_taking.store(taking);
}

bool KeyboardThread::TakeKey(KeyHookMessage message, tdu2 vk, tdu4 timeMs)
{
    if (!m_taking.load())
        return false;
    bool down = false;
    switch (message) {
    case KeyHookMessage::KeyDown:
    case KeyHookMessage::SysKeyDown:
        if (m_held[vk & 0xFF].exchange(true, std::memory_order_relaxed))
            return true;
        down = true;
        break;
    case KeyHookMessage::KeyUp:
    case KeyHookMessage::SysKeyUp:
        // A key that went down before taking began goes up for whoever saw it go down.
        if (!m_held[vk & 0xFF].exchange(false, std::memory_order_relaxed))
            return true;
        break;
    case KeyHookMessage::Other:
        return true;
    }
    bool first = false;
    {
        const std::lock_guard<std::mutex> lock(m_keysLock);
        first = m_keys.empty();
        m_keys.push_back({down, vk, timeMs});
    }
    if (first)
        m_keysWaker.Wake();
    return true;
}

void KeyboardThread::DeliverKeys()
{
    std::vector<Seen> keys;
    {
        const std::lock_guard<std::mutex> lock(m_keysLock);
        keys.swap(m_keys);
    }
    for (const Seen& key : keys) {
        // Keys still on their way when taking stopped belong to nobody.
        if (!m_taking.load())
            return;
        emit KeyEvent(key.down, key.vk, key.timeMs);
    }
}

bool KeyboardThread::WaitUntilRunning(std::unique_lock<std::mutex>& lock, KeyHookError* error, std::string* detail)
{
    const bool settled = m_changed.wait_for(
        lock, kAnswerTimeout, [this] { return m_state == State::Running || m_state == State::Finished; });
    if (m_state == State::Running)
        return true;
    if (!settled || m_state == State::NotStarted) {
        *error = KeyHookError::NoAnswer;
        *detail = "The key capture thread has not started";
    } else {
        *error = m_startError;
        *detail = m_startDetail;
    }
    return false;
}

bool KeyboardThread::IsHookRunning()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    KeyHookError error = KeyHookError::NoError;
    std::string detail;
    return WaitUntilRunning(lock, &error, &detail);
}

KeyHookError KeyboardThread::SetCapture(bool on, QString* detail)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    KeyHookError error = KeyHookError::NoError;
    std::string text;
    if (!WaitUntilRunning(lock, &error, &text)) {
        if (detail)
            *detail = QString::fromStdString(text);
        return on ? error : KeyHookError::NoError;
    }
    m_captureWanted = on;
    const std::uint64_t request = ++m_captureRequested;
    m_backend->Wake();
    const bool answered = m_changed.wait_for(
        lock, kAnswerTimeout, [this, request] { return m_captureAnswered >= request || m_state == State::Finished; });
    if (m_captureAnswered >= request) {
        error = m_captureError;
        text = m_captureDetail;
    } else {
        error = answered ? m_startError : KeyHookError::NoAnswer;
        text = answered ? m_startDetail : "The key capture thread did not answer";
    }
    qCDebug(lcMacro) << "Capture" << on << int(error) << text.c_str();
    if (detail)
        *detail = QString::fromStdString(text);
    return error;
}
