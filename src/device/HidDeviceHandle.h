#pragma once

#include "device/DeviceTypes.h"

#include <QByteArray>
#include <QObject>

#include <memory>

class HidCommThread;
class HidIo;

// The only owner of the USB HID connection: opens the keyboard, counts matching devices, frames
// commands into reports, reads the start-up reply synchronously and then leaves all reading to
// the receive thread.
class HidDeviceHandle final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HidDeviceHandle)

public:
    // Longest time ReadCmd waits for its reply in all.
    static constexpr int kReadCmdTimeoutMs = 1000;
    // Longest time the destructor waits for the receive thread.
    static constexpr int kStopTimeoutMs = 2000;

    explicit HidDeviceHandle(QObject* parent = nullptr);
    ~HidDeviceHandle() override;

    bool Open(tdu2 productId, tdu2 vendorId);
    int FindDevice(tdu2 productId, tdu2 vendorId);
    // Returns the bytes written, -1 (Protocol::kWriteNoDevice) when no device is open or a write
    // failed, or Protocol::kWriteTooLong when the payload cannot be framed (nothing is written).
    int WriteCmd(tdu1 cmd, const tdu1* data, tdu2 len);
    // data must hold Protocol::kMaxPayload bytes.
    bool ReadCmd(tdu1 cmd, tdu1* data, tdu2* len);
    bool StartRecThread();

    bool IsOpen() const;
    // True while the receive thread runs.
    bool IsReceiving() const;
    tdu2 ProductId() const
    {
        return m_productId;
    }
    tdu2 VendorId() const
    {
        return m_vendorId;
    }

    // One complete reply, in the main thread: emits OnRecCmd with the payload.
    void RecCmd(tdu1 cmd, const QByteArray& payload);

signals:
    void OnRecCmd(tdu1 cmd, tdu1* data, tdu2 length);
    // The open keyboard went away; reported once. Later WriteCmd calls return -1.
    void DeviceLost();

protected:
    // Replies and the loss of the device, from the receive thread.
    void customEvent(QEvent* event) override;

private:
    void HandleDeviceLost();
    void Close();

    tdu2 m_productId = 0x00FF;
    tdu2 m_vendorId = 0x00FF;
    std::unique_ptr<HidIo> m_device;
    std::unique_ptr<HidCommThread> m_recThread;
};
