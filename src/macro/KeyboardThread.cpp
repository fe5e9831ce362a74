#include "macro/KeyboardThread.h"

#include "macro/MacroLog.h"

#include <chrono>
#include <cstdio>

namespace {
// An X round trip or a posted thread message takes far less; a recorder that does not answer
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

void KeyboardThread::SetHookProc(void* hookHandle, KeyHookProc proc)
{
    m_hookHandle = hookHandle;
    m_hookProc = proc;
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
    const KeyHookError error = m_backend->Install(m_hookProc, detail);
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
    m_backend->Run(*this);
    m_backend->Uninstall();
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_state = State::Finished;
        if (m_startError == KeyHookError::NoError) {
            m_startError = KeyHookError::ConnectionLost;
            m_startDetail = "The recorder's event loop has ended";
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

void KeyboardThread::ReportKey(tdu1 action, tdu2 vkCode)
{
    bool first = false;
    {
        const std::lock_guard<std::mutex> lock(m_keysLock);
        first = m_keys.empty();
        m_keys.emplace_back(action, vkCode);
    }
    if (first)
        m_keysWaker.Wake();
}

void KeyboardThread::DeliverKeys()
{
    std::vector<std::pair<tdu1, tdu2>> keys;
    {
        const std::lock_guard<std::mutex> lock(m_keysLock);
        keys.swap(m_keys);
    }
    for (const auto& key : keys)
        emit keyAction(key.first, key.second, 0);
}

bool KeyboardThread::WaitUntilRunning(std::unique_lock<std::mutex>& lock, KeyHookError* error, std::string* detail)
{
    const bool settled = m_changed.wait_for(
        lock, kAnswerTimeout, [this] { return m_state == State::Running || m_state == State::Finished; });
    if (m_state == State::Running)
        return true;
    if (!settled || m_state == State::NotStarted) {
        *error = KeyHookError::NoAnswer;
        *detail = "The recorder thread has not started";
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
        text = answered ? m_startDetail : "The recorder thread did not answer";
    }
    qCDebug(lcMacro) << "Capture" << on << int(error) << text.c_str();
    if (detail)
        *detail = QString::fromStdString(text);
    return error;
}
