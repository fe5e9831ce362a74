#pragma once

#include "device/DeviceTypes.h"
#include "macro/KeyCaptureService.h"
#include "macro/MacroStore.h"

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

// Records a macro from the keyboard: takes the keyboard from the key capture service and writes
// each key into the store as it comes, with the pause before it when asked for, measured between
// the times the keys were seen. No widgets.
class MacroRecorder final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MacroRecorder)

public:
    explicit MacroRecorder(MacroStore* store, QObject* parent = nullptr);
    // Ends a recording in progress.
    ~MacroRecorder() override;

    // The service shared with the rest of the window; without one the recorder keeps its own.
    void SetCaptureService(KeyCaptureService* service);
    KeyCaptureService* CaptureService() const;

    // Takes the keyboard for window and starts recording macro. Mode::Off when another consumer
    // holds the keyboard; then nothing changes. Why only the window's keys are taken goes to error.
    KeyCaptureService::Mode Start(int macro, QWidget* window, bool withDelays, KeyHookError* error = nullptr);
    // Gives the keyboard back and ends the recording; nothing when idle.
    void Stop();
    bool IsRecording() const
    {
        return m_recording;
    }
    bool IsWindowOnly() const;
    // Another window records a macro with the service (rather than, say, the key test).
    bool HeldByRecorder() const;
    // What the user is told when only the keys typed into the program are recorded.
    static QString WindowOnlyText(KeyHookError error);

signals:
    // A key went into the macro.
    void Recorded();
    // After a pause, the desktop's keys could not be taken again: only the window's now.
    void FellBack(KeyHookError error);

private:
    void OnKey(QObject* holder, bool down, tdu2 vk, tdu4 timeMs);

    MacroStore* m_store;
    QPointer<KeyCaptureService> m_service;
    bool m_ownService = false;
    bool m_recording = false;
    bool m_withDelays = false;
    bool m_seenKey = false;
    tdu4 m_lastKeyMs = 0;
};
