#include "macro/MacroRecorder.h"

#include "codec/MacroCodec.h"

MacroRecorder::MacroRecorder(MacroStore* store, QObject* parent)
    : QObject(parent)
    , m_store(store)
{
    SetCaptureService(nullptr);
}

MacroRecorder::~MacroRecorder()
{
    Stop();
}

void MacroRecorder::SetCaptureService(KeyCaptureService* service)
{
    Stop();
    if (m_service) {
        disconnect(m_service, nullptr, this, nullptr);
        if (m_ownService)
            delete m_service;
    }
    m_ownService = service == nullptr;
    m_service = m_ownService ? new KeyCaptureService(this) : service;
    connect(m_service, &KeyCaptureService::KeyEvent, this, &MacroRecorder::OnKey);
    connect(m_service, &KeyCaptureService::FellBack, this, [this](QObject* holder, KeyHookError error) {
        if (holder == this)
            emit FellBack(error);
    });
}

KeyCaptureService* MacroRecorder::CaptureService() const
{
    return m_service;
}

KeyCaptureService::Mode MacroRecorder::Start(int macro, QWidget* window, bool withDelays, KeyHookError* error)
{
    if (m_recording || !m_service)
        return KeyCaptureService::Mode::Off;
    const KeyCaptureService::Mode mode = m_service->Take(this, window, error);
    if (mode == KeyCaptureService::Mode::Off)
        return mode;
    m_store->BeginRecording(macro);
    m_recording = true;
    m_withDelays = withDelays;
    m_seenKey = false;
    return mode;
}

void MacroRecorder::Stop()
{
    if (!m_recording)
        return;
    if (m_service)
        m_service->Release(this);
    m_recording = false;
    m_store->EndRecording();
}

bool MacroRecorder::IsWindowOnly() const
{
    return m_recording && m_service && m_service->CurrentMode() == KeyCaptureService::Mode::WindowOnly;
}

bool MacroRecorder::HeldByRecorder() const
{
    return m_service && qobject_cast<MacroRecorder*>(m_service->Holder()) != nullptr;
}

void MacroRecorder::OnKey(QObject* holder, bool down, tdu2 vk, tdu4 timeMs)
{
    // Keys still on their way when recording stopped belong to no macro.
    if (holder != this || !m_recording)
        return;
    if (m_withDelays) {
        if (m_seenKey) {
            // Unsigned difference: right across the clock's wrap.
            const tdu4 delay = timeMs - m_lastKeyMs;
            m_lastKeyMs = timeMs;
            if (!m_store->Record({MacroAction::kDelay, MacroCodec::ClampDelay(delay)}))
                return;
        } else {
            m_seenKey = true;
            m_lastKeyMs = timeMs;
        }
    }
    if (m_store->Record({down ? MacroAction::kKeyDown : MacroAction::kKeyUp, vk}))
        emit Recorded();
}

QString MacroRecorder::WindowOnlyText(KeyHookError error)
{
    QString reason;
    switch (error) {
    case KeyHookError::NoServer:
        reason = tr("no X display");
        break;
    case KeyHookError::GrabRefused:
        reason = tr("another program holds the keyboard");
        break;
    case KeyHookError::HookFailed:
        reason = tr("the keyboard hook could not be installed");
        break;
    case KeyHookError::ConnectionLost:
        reason = tr("the connection to the display was lost");
        break;
    case KeyHookError::NoAnswer:
    case KeyHookError::NoError:
        reason = tr("the key recorder does not answer");
        break;
    }
    return tr("Recording keys typed in this window only (%1).").arg(reason);
}
