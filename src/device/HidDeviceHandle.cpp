#include "device/HidDeviceHandle.h"

#include "device/DeviceLog.h"
#include "device/HidCommThread.h"
#include "device/HidIo.h"
#include "device/Protocol.h"
#include "device/ReplyAssembler.h"
#include "device/ReportFraming.h"
#include "device/ThreadWaker.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

#include <climits>
#include <cstring>
#include <vector>

HidDeviceHandle::HidDeviceHandle(QObject* parent)
    : QObject(parent)
{
    RegisterDeviceMetaTypes();
}

HidDeviceHandle::~HidDeviceHandle()
{
    Close();
}

void HidDeviceHandle::SetClock(Clock clock)
{
    m_clock = std::move(clock);
}

namespace {
// Commands travel on the interface with a vendor-defined usage page (0xFF00 ... 0xFFFF).
bool IsCommandInterface(const hid_device_info* info)
{
    return info->usage_page >= 0xFF00;
}

// A hidraw node leads through sysfs to the USB device it belongs to; other systems' paths name
// no port this way.
QString UsbPortOf(const QString& path)
{
    static const QString kHidrawNode = QStringLiteral("/dev/hidraw");
    if (!path.startsWith(kHidrawNode))
        return QString();
    const QFileInfo link(QStringLiteral("/sys/class/hidraw/%1/device").arg(QFileInfo(path).fileName()));
    return HidDeviceHandle::UsbPortIn(link.canonicalFilePath());
}
} // namespace

bool HidDeviceHandle::Open(tdu2 productId, tdu2 vendorId, const QString& path)
{
    Close();
    m_productId = productId;
    m_vendorId = vendorId;
    m_openError = OpenError::None;
    m_openPath.clear();
    m_openReason.clear();

    hid_device_info* devices = hid_enumerate(vendorId, productId);
    const hid_device_info* chosen = devices;
    for (const hid_device_info* info = devices; info; info = info->next) {
        if (IsCommandInterface(info)) {
            chosen = info;
            break;
        }
    }
    // Only a keyboard of this model counts: a node freed by one may be given to another.
    for (const hid_device_info* info = devices; info && !path.isEmpty(); info = info->next) {
        if (QString::fromLocal8Bit(info->path) == path) {
            chosen = info;
            break;
        }
    }
    if (!chosen) {
        hid_free_enumeration(devices);
        m_openError = OpenError::NotFound;
        return false;
    }
    m_openPath = QString::fromLocal8Bit(chosen->path);
    if (m_openPath != path && !path.isEmpty())
        qCDebug(lcDevice) << "Not present" << path << "opening" << m_openPath;
    hid_device* device = hid_open_path(chosen->path);
    hid_free_enumeration(devices);
    if (!device) {
        const wchar_t* reason = hid_error(nullptr);
        m_openReason = reason ? QString::fromWCharArray(reason) : QString();
        m_openError = OpenError::NoAccess;
        qCDebug(lcDevice) << "Open failed" << m_openPath << m_openReason;
        return false;
    }
    m_device = std::make_unique<HidIo>(device, m_clock);
    return true;
}

int HidDeviceHandle::FindDevice(tdu2 productId, tdu2 vendorId)
{
    return CommandInterfaces(productId, vendorId).size();
}

QList<HidDeviceHandle::CommandInterface> HidDeviceHandle::CommandInterfaces(tdu2 productId, tdu2 vendorId)
{
    hid_device_info* devices = hid_enumerate(vendorId, productId);
    // Each keyboard has one command interface; keyboards of a model without one are taken by
    // their first interface.
    QSet<tdu2> withCommands;
    QHash<tdu2, int> firstNumber;
    for (const hid_device_info* info = devices; info; info = info->next) {
        if (IsCommandInterface(info))
            withCommands.insert(info->product_id);
        firstNumber[info->product_id] = qMin(firstNumber.value(info->product_id, INT_MAX), info->interface_number);
    }
    QList<CommandInterface> found;
    for (const hid_device_info* info = devices; info; info = info->next) {
        const bool taken = withCommands.contains(info->product_id)
            ? IsCommandInterface(info)
            : info->interface_number == firstNumber.value(info->product_id);
        if (!taken)
            continue;
        CommandInterface entry;
        entry.productId = info->product_id;
        entry.path = QString::fromLocal8Bit(info->path);
        entry.serialNumber = info->serial_number ? QString::fromWCharArray(info->serial_number).trimmed() : QString();
        entry.usbPort = UsbPortOf(entry.path);
        found.append(entry);
    }
    hid_free_enumeration(devices);
    return found;
}

QString HidDeviceHandle::UsbPortIn(const QString& sysfsPath)
{
    // Bus, then the port on each hub; the interface's own name ("1-2.3:1.1") carries a colon.
    static const QRegularExpression kPort(QStringLiteral("^\\d+-\\d+(\\.\\d+)*$"));
    const QStringList parts = sysfsPath.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (auto part = parts.crbegin(); part != parts.crend(); ++part) {
        if (kPort.match(*part).hasMatch())
            return *part;
    }
    return QString();
}

QSet<tdu2> HidDeviceHandle::PresentProducts(tdu2 vendorId)
{
    QSet<tdu2> products;
    hid_device_info* devices = hid_enumerate(vendorId, 0);
    for (hid_device_info* info = devices; info; info = info->next)
        products.insert(info->product_id);
    hid_free_enumeration(devices);
    return products;
}

int HidDeviceHandle::WriteCmd(tdu1 cmd, const tdu1* data, tdu2 len)
{
    if (!IsOpen())
        return Protocol::kWriteNoDevice;
    const int count = ReportFraming::PacketCount(len);
    if (count == 0) {
        qCDebug(lcDevice) << "Payload too long to frame:" << len;
        return Protocol::kWriteTooLong;
    }
    std::vector<unsigned char> reports(size_t(count) * Protocol::kReportSize);
    for (int i = 0; i < count; i++) {
        ReportFraming::FillPacket(
            Protocol::kOutputReportId, cmd, data, len, i, count, reports.data() + size_t(i) * Protocol::kReportSize);
    }
    // A partly sent command is a failed command, whatever the other packets did.
    const int written = m_device->WriteAll(reports.data(), Protocol::kReportSize, count);
    return written < 0 ? Protocol::kWriteNoDevice : written;
}

bool HidDeviceHandle::ReadCmd(tdu1 cmd, tdu1* data, tdu2* len)
{
    if (!IsOpen() || m_recThread)
        return false;
    ReplyAssembler assembler;
    unsigned char report[Protocol::kReportSize];
    const QDeadlineTimer deadline(kReadCmdTimeoutMs);
    // Ten reads at most, and never past the deadline: a silent keyboard must not hold start-up.
    for (int reads = 0; reads < 10; reads++) {
        const int remaining = int(deadline.remainingTime());
        if (remaining <= 0)
            return false;
        const int result = m_device->Read(report, sizeof report, remaining);
        if (result < 0 && !m_device->IsOpen())
            return false;
        if (result <= 0 || !assembler.Feed(report, result))
            continue;
        // A whole reply to another command is no answer to this one.
        if (assembler.Cmd() != cmd)
            return false;
        *len = tdu2(assembler.Length());
        std::memcpy(data, assembler.Data(), size_t(assembler.Length()));
        return true;
    }
    return false;
}

bool HidDeviceHandle::StartRecThread()
{
    if (!IsOpen())
        return false;
    if (m_recThread)
        return true;
    m_waker = std::make_unique<ThreadWaker>();
    // Queued, so that a lost device may delete the waker while its signal is not running.
    connect(m_waker.get(), &ThreadWaker::Woken, this, &HidDeviceHandle::TakeDelivered, Qt::QueuedConnection);
    m_recThread = std::make_unique<HidCommThread>();
    m_recThread->SetDevice(m_device.get());
    m_recThread->SetWaker(m_waker.get());
    m_recThread->start(QThread::InheritPriority);
    return true;
}

bool HidDeviceHandle::IsOpen() const
{
    return m_device && m_device->IsOpen();
}

bool HidDeviceHandle::IsReceiving() const
{
    return m_recThread && m_recThread->isRunning();
}

void HidDeviceHandle::TakeDelivered()
{
    if (!m_recThread)
        return;
    bool lost = false;
    for (const HidCommThread::Reply& reply : m_recThread->TakeReplies(&lost))
        RecCmd(reply.cmd, reply.payload);
    if (lost)
        HandleDeviceLost();
}

void HidDeviceHandle::RecCmd(tdu1 cmd, const QByteArray& payload)
{
    qCDebug(lcDevice) << "Rec Cmd:" << cmd << " Length:" << payload.size();
    // Replies are read in place; a zeroed buffer of the largest reply size keeps a page that
    // reads past a short reply inside the buffer.
    tdu1 buffer[Protocol::kMaxPayload] = {};
    std::memcpy(buffer, payload.constData(), size_t(qMin(payload.size(), Protocol::kMaxPayload)));
    emit OnRecCmd(cmd, buffer, tdu2(payload.size()));
}

void HidDeviceHandle::HandleDeviceLost()
{
    if (!m_device)
        return;
    qCDebug(lcDevice) << "Device lost";
    Close();
    emit DeviceLost();
}

void HidDeviceHandle::Close()
{
    if (m_recThread) {
        m_recThread->RequestStop();
        if (!m_recThread->wait(kStopTimeoutMs)) {
            // Closing waits for the read in progress; the thread and its device stay allocated
            // because the thread may still touch them on its way out.
            qCDebug(lcDevice) << "Receive thread did not stop";
            m_device->Close();
            (void)m_recThread.release();
            (void)m_waker.release();
            (void)m_device.release();
            return;
        }
        m_recThread.reset();
        m_waker.reset();
    }
    m_device.reset();
}
