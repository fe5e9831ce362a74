#pragma once

#include "device/Clock.h"
#include "device/DeviceTypes.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>

#include <memory>

class HidCommThread;
class HidIo;
class ThreadWaker;

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

    // The clock the receive thread keeps its pace by, from the next Open on.
    void SetClock(Clock clock);

    // Why the last Open failed.
    enum class OpenError {
        None,
        // No keyboard with these IDs is plugged in.
        NotFound,
        // The keyboard is there but could not be opened, usually for want of access rights.
        NoAccess,
    };

    // The interface one plugged keyboard takes commands on.
    struct CommandInterface
    {
        tdu2 productId = 0;
        // What hid_open_path takes (/dev/hidrawN on Linux).
        QString path;
        // Empty when the keyboard reports none.
        QString serialNumber;
        // The USB port it is plugged into, as the system names it ("1-2.3"); empty when unknown.
        QString usbPort;
    };

    // Opens the keyboard's command interface: of a keyboard with several HID interfaces (boot
    // keyboard, media keys, commands) the one on a vendor-defined usage page, else the first.
    // With a path, the keyboard of this model at that path; the first keyboard of the model
    // when none is there (any more), as after a replug into another port.
    bool Open(tdu2 productId, tdu2 vendorId, const QString& path = QString());
    // Counts plugged keyboards, one per physical keyboard however many interfaces it shows.
    int FindDevice(tdu2 productId, tdu2 vendorId);
    // One entry per plugged keyboard of productId (0: of every product of the vendor), in the
    // order the system lists them.
    static QList<CommandInterface> CommandInterfaces(tdu2 productId, tdu2 vendorId);
    // The USB port in a device's path under /sys/devices, such as "1-2.3" in
    // ".../usb1/1-2/1-2.3/1-2.3:1.1/0003:4E4F:0602.0005"; empty when it names none.
    static QString UsbPortIn(const QString& sysfsPath);
    // The product IDs of every plugged keyboard of this vendor, in one look at the bus.
    static QSet<tdu2> PresentProducts(tdu2 vendorId);
    OpenError LastOpenError() const
    {
        return m_openError;
    }
    // The device node Open tried (/dev/hidrawN on Linux) and the system's reason, when it failed.
    QString LastOpenPath() const
    {
        return m_openPath;
    }
    QString LastOpenReason() const
    {
        return m_openReason;
    }
    // Returns the bytes written, -1 (Protocol::kWriteNoDevice) when no device is open or a write
    // failed, or Protocol::kWriteTooLong when the payload cannot be framed (nothing is written).
    int WriteCmd(tdu1 cmd, const tdu1* data, tdu2 len);
    // data must hold Protocol::kMaxPayload bytes.
    bool ReadCmd(tdu1 cmd, tdu1* data, tdu2* len);
    bool StartRecThread();
    // Stops the receive thread and lets go of the keyboard; nothing is reported lost.
    void Close();

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

private:
    // Replies and the loss of the device, from the receive thread.
    void TakeDelivered();
    void HandleDeviceLost();

    Clock m_clock = SteadyClock();
    tdu2 m_productId = 0x00FF;
    tdu2 m_vendorId = 0x00FF;
    std::unique_ptr<HidIo> m_device;
    OpenError m_openError = OpenError::None;
    QString m_openPath;
    QString m_openReason;
    std::unique_ptr<HidCommThread> m_recThread;
    // One per receive thread, since a thread that would not stop is left with its waker.
    std::unique_ptr<ThreadWaker> m_waker;
};
