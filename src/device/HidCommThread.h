#pragma once

#include "device/DeviceTypes.h"
#include "device/ReplyAssembler.h"

#include <QAtomicInt>
#include <QByteArray>
#include <QThread>

class HidIo;

// Receive thread: reads the keyboard's reports, reassembles replies and hands each one to the
// main thread as a copy, so the next reply cannot overwrite it before it is read.
class HidCommThread final : public QThread
{
    Q_OBJECT

public:
    explicit HidCommThread(QObject* parent = nullptr);

    // Must be called before start().
    void SetDevice(HidIo* device);
    // Asks run() to return after its current read (at most one read slice).
    void RequestStop();

signals:
    void recCmd(tdu1 cmd, QByteArray payload);
    // The device stopped answering reads (unplugged); the thread has ended.
    void deviceLost();

protected:
    void run() override;

private:
    HidIo* m_device = nullptr;
    QAtomicInt m_stopRequested;
    ReplyAssembler m_assembler;
};
