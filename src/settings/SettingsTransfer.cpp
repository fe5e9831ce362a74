#include "settings/SettingsTransfer.h"

#include "codec/SettingsReply.h"
#include "device/CommandClient.h"
#include "device/CommandIntent.h"
#include "device/DeviceSession.h"
#include "device/Protocol.h"
#include "settings/SettingsLog.h"
#include "ui/Palette.h"

#include <QtEndian>

using Palette::kFailure;
using Palette::kSuccess;
using Palette::kWarning;

namespace {
using Setting = SettingsTransfer::Setting;

struct Commands
{
    Setting setting;
    tdu1 write;
    tdu1 read;
    const char* written;
    const char* notWritten;
    // The keyboard said it made the change, but reads back something else.
    const char* differs;
    const char* readDone;
    const char* notRead;
};

const Commands kSettings[] = {
    {Setting::Rollover, Protocol::kCmdSetRollover, Protocol::kCmdReadRollover,
        QT_TRANSLATE_NOOP("SettingsTransfer", "Success to Apply Keyboard NKRO Setting"),
        QT_TRANSLATE_NOOP("SettingsTransfer", "Fail to Apply Keyboard NKRO Setting"),
        QT_TRANSLATE_NOOP("SettingsTransfer", "The NKRO setting was applied, but the keyboard holds another one."),
        QT_TRANSLATE_NOOP("SettingsTransfer", "Success to Read Keyboard NKRO Setting"),
        QT_TRANSLATE_NOOP("SettingsTransfer", "Fail to Read Keyboard NKRO Setting")},
    {Setting::SleepTime, Protocol::kCmdSetSleepTime, Protocol::kCmdReadSleepTime,
        QT_TRANSLATE_NOOP("SettingsTransfer", "Success to Set Inactive Sleep Time"),
        QT_TRANSLATE_NOOP("SettingsTransfer", "Fail to Set Inactive Sleep Time"),
        QT_TRANSLATE_NOOP("SettingsTransfer", "The sleep time was set, but the keyboard holds another one."),
        QT_TRANSLATE_NOOP("SettingsTransfer", "Success to Read Inactive Sleep Time"),
        QT_TRANSLATE_NOOP("SettingsTransfer", "Fail to Read Inactive Sleep Time")},
    {Setting::WakeupMode, Protocol::kCmdSetWakeupMode, Protocol::kCmdReadWakeupMode,
        QT_TRANSLATE_NOOP("SettingsTransfer", "Success to Apply Keyboard Wakeup Mode Setting"),
        QT_TRANSLATE_NOOP("SettingsTransfer", "Fail to Apply Keyboard Wakeup Mode Setting"),
        QT_TRANSLATE_NOOP("SettingsTransfer", "The wake-up mode was applied, but the keyboard holds another one."),
        QT_TRANSLATE_NOOP("SettingsTransfer", "Success to Read Keyboard Wakeup Mode Setting"),
        QT_TRANSLATE_NOOP("SettingsTransfer", "Fail to Read Keyboard Wakeup Mode Setting")},
    {Setting::Indicators, Protocol::kCmdWriteILedConfig, Protocol::kCmdReadILedConfig,
        QT_TRANSLATE_NOOP("SettingsTransfer", "Success to Apply Indicator Setting"),
        QT_TRANSLATE_NOOP("SettingsTransfer", "Fail to Apply Indicator Setting"),
        QT_TRANSLATE_NOOP("SettingsTransfer", "The indicator setting was applied, but the keyboard holds another one."),
        QT_TRANSLATE_NOOP("SettingsTransfer", "Success to Read Indicator Setting"),
        QT_TRANSLATE_NOOP("SettingsTransfer", "Fail to Read Indicator Setting")},
    {Setting::WirelessType, Protocol::kCmdSetWirelessType, Protocol::kCmdReadWirelessType,
        QT_TRANSLATE_NOOP("SettingsTransfer", "设置无线类型成功"),
        QT_TRANSLATE_NOOP("SettingsTransfer", "设置无线类型失败"),
        QT_TRANSLATE_NOOP("SettingsTransfer", "The wireless type was set, but the keyboard holds another one."),
        QT_TRANSLATE_NOOP("SettingsTransfer", "读取无线类型成功"),
        QT_TRANSLATE_NOOP("SettingsTransfer", "读取无线类型失败")},
    {Setting::KeymapType, Protocol::kCmdSetKeymapType, Protocol::kCmdReadKeymapType,
        QT_TRANSLATE_NOOP("SettingsTransfer", "Success to Set Keymap Type"),
        QT_TRANSLATE_NOOP("SettingsTransfer", "Fail to Set Keymap Type"),
        QT_TRANSLATE_NOOP("SettingsTransfer", "The keymap type was set, but the keyboard holds another one."),
        QT_TRANSLATE_NOOP("SettingsTransfer", "Success to Get Keymap Type"),
        QT_TRANSLATE_NOOP("SettingsTransfer", "Fail to Get Keymap Type")},
};

struct InfoCommand
{
    SettingsTransfer::Info info;
    tdu1 cmd;
    const char* done;
    const char* failed;
};

const InfoCommand kInfos[] = {
    {SettingsTransfer::Info::FirmwareVersion, Protocol::kCmdReadFirmwareVersion,
        QT_TRANSLATE_NOOP("SettingsTransfer", "Success to Read Keyboard Version"),
        QT_TRANSLATE_NOOP("SettingsTransfer", "Fail to Read Keyboard Version")},
    {SettingsTransfer::Info::SerialNumber, Protocol::kCmdReadSerialNumber,
        QT_TRANSLATE_NOOP("SettingsTransfer", "Success to Read Keyboard SN"),
        QT_TRANSLATE_NOOP("SettingsTransfer", "Fail to Read Keyboard SN")},
    {SettingsTransfer::Info::BleVersion, Protocol::kCmdReadBleVersion,
        QT_TRANSLATE_NOOP("SettingsTransfer", "Success to Read Keyboard Bluetooth Version"),
        QT_TRANSLATE_NOOP("SettingsTransfer", "Fail to Read Keyboard Bluetooth Version")},
    {SettingsTransfer::Info::BleSerialNumber, Protocol::kCmdReadBleSerialNumber,
        QT_TRANSLATE_NOOP("SettingsTransfer", "Success to Read Keyboard Bluetooth SN"),
        QT_TRANSLATE_NOOP("SettingsTransfer", "Fail to Read Keyboard Bluetooth SN")},
};

// The commands of a setting; every setting has its pair.
const Commands& CommandsOf(Setting setting)
{
    for (const Commands& commands : kSettings) {
        if (commands.setting == setting)
            return commands;
    }
    return kSettings[0];
}

// The setting a command writes or reads, if any.
const Commands* CommandsFor(tdu1 cmd, bool* isWrite)
{
    for (const Commands& commands : kSettings) {
        if (commands.write == cmd || commands.read == cmd) {
            *isWrite = commands.write == cmd;
            return &commands;
        }
    }
    return nullptr;
}

const InfoCommand* InfoOf(SettingsTransfer::Info info)
{
    for (const InfoCommand& entry : kInfos) {
        if (entry.info == info)
            return &entry;
    }
    return nullptr;
}

SettingsReply::Decoded DecodeInfo(SettingsTransfer::Info info, const tdu1* data, int len)
{
    switch (info) {
    case SettingsTransfer::Info::FirmwareVersion:
        return SettingsReply::FirmwareVersion(data, len);
    case SettingsTransfer::Info::SerialNumber:
        return SettingsReply::SerialNumber(data, len);
    case SettingsTransfer::Info::BleVersion:
        return SettingsReply::BleVersion(data, len);
    case SettingsTransfer::Info::BleSerialNumber:
        return SettingsReply::BleSerialNumber(data, len);
    }
    return {};
}

QByteArray Payload(Setting setting, const QVariant& value)
{
    if (setting == Setting::Indicators)
        return value.toByteArray();
    if (setting == Setting::SleepTime) {
        QByteArray seconds(Protocol::kSleepTimeSize, '\0');
        qToLittleEndian<quint32>(quint32(value.toUInt()), seconds.data());
        return seconds;
    }
    return QByteArray(1, char(value.toInt()));
}

// Numbers compare by value whatever their type; the indicator block byte by byte.
bool Same(const QVariant& first, const QVariant& second)
{
    if (first.type() == QVariant::ByteArray || second.type() == QVariant::ByteArray)
        return first.toByteArray() == second.toByteArray();
    return first.toLongLong() == second.toLongLong();
}

// The one test of a set command's status byte.
bool Done(const tdu1* data, tdu2 len)
{
    return SettingsReply::Status(data, len) == SettingsReply::Outcome::Ok;
}
} // namespace

SettingsTransfer::SettingsTransfer(QObject* parent)
    : QObject(parent)
    , m_ownModel(new KeyboardModel(this))
{ }

SettingsTransfer::~SettingsTransfer() = default;

void SettingsTransfer::SetClient(CommandClient* client)
{
    if (m_client)
        disconnect(m_client, nullptr, this, nullptr);
    m_client = client;
    if (!client)
        return;
    connect(client, &CommandClient::Answered, this, &SettingsTransfer::Receive);
    connect(client, &CommandClient::Ambiguous, this, &SettingsTransfer::ReceiveAmbiguous);
    connect(client, &CommandClient::Late, this, [this](tdu1 cmd, const QVariant&) { ReceiveLate(cmd); });
    connect(client, &CommandClient::Overdue, this, &SettingsTransfer::ReceiveOverdue);
}

CommandClient* SettingsTransfer::Client() const
{
    return m_client;
}

void SettingsTransfer::SetModel(KeyboardModel* model)
{
    m_model = model;
}

KeyboardModel* SettingsTransfer::Model() const
{
    return m_model ? m_model.data() : m_ownModel;
}

void SettingsTransfer::SetWirelessTypeCount(int count)
{
    m_wirelessTypeCount = count;
}

void SettingsTransfer::SetIndicatorGrid(int rows, int cols)
{
    m_rows = qBound(0, rows, Protocol::kMaxRows);
    m_cols = qBound(0, cols, Protocol::kMaxCols);
}

// Sending.

bool SettingsTransfer::Send(tdu1 cmd, const QByteArray& payload, const Request& request)
{
    if (!m_client) {
        emit ResultShow(kWarning, tr("Demo Mode,Please connect keyboard and try again."));
        return false;
    }
    CommandIntent intent;
    intent.context = QVariant::fromValue(request);
    return m_client->Send(cmd, payload, intent);
}

bool SettingsTransfer::ReadInfo(Info info)
{
    const InfoCommand* entry = InfoOf(info);
    return entry && Send(entry->cmd, QByteArray(), Request {entry->cmd, QVariant(), false});
}

bool SettingsTransfer::Read(Setting setting)
{
    const tdu1 read = CommandsOf(setting).read;
    return Send(read, QByteArray(), Request {read, QVariant(), false});
}

bool SettingsTransfer::Write(Setting setting, const QVariant& value)
{
    const tdu1 write = CommandsOf(setting).write;
    return Send(write, Payload(setting, value), Request {write, value, false});
}

bool SettingsTransfer::ReadBack(Setting setting, const QVariant& expected)
{
    const tdu1 read = CommandsOf(setting).read;
    return Send(read, QByteArray(), Request {read, expected, true});
}

// Answers.

void SettingsTransfer::Receive(tdu1 cmd, tdu1* data, tdu2 len, const QVariant& context)
{
    for (const InfoCommand& entry : kInfos) {
        if (entry.cmd == cmd) {
            ReceiveInfo(entry.info, data, len);
            return;
        }
    }
    bool isWrite = false;
    const Commands* commands = CommandsFor(cmd, &isWrite);
    if (!commands)
        return;
    const Request request = context.value<Request>();
    if (isWrite)
        ReceiveWritten(commands->setting, request, data, len);
    else
        ReceiveSetting(commands->setting, request, data, len);
}

void SettingsTransfer::ReceiveInfo(Info info, tdu1* data, tdu2 len)
{
    const InfoCommand* entry = InfoOf(info);
    const SettingsReply::Decoded decoded = DecodeInfo(info, data, len);
    switch (decoded.outcome) {
    case SettingsReply::Outcome::Ok:
        emit InfoRead(info, decoded.text);
        emit ResultShow(kSuccess, tr(entry->done));
        return;
    case SettingsReply::Outcome::NotInit:
        emit ResultShow(kWarning, tr("Keyboard Bluetooth Not Init"));
        return;
    case SettingsReply::Outcome::NotAvailable:
        emit ResultShow(kFailure, tr("Keyboard Bluetooth Not Available"));
        return;
    case SettingsReply::Outcome::UnknownStatus:
        qCDebug(lcSettings) << "Ble Status" << decoded.value;
        return;
    case SettingsReply::Outcome::Short:
    case SettingsReply::Outcome::Failed:
        emit ResultShow(kFailure, tr(entry->failed));
        return;
    }
}

void SettingsTransfer::ReceiveWritten(Setting setting, const Request& request, tdu1* data, tdu2 len)
{
    if (!Done(data, len)) {
        emit ResultShow(kFailure, tr(CommandsOf(setting).notWritten));
        return;
    }
    // "Done" is the keyboard's word; what it holds is known only once it is read back.
    ReadBack(setting, request.value);
}

void SettingsTransfer::ReceiveSetting(Setting setting, const Request& request, tdu1* data, tdu2 len)
{
    // A family without wireless types has nothing to show.
    if (setting == Setting::WirelessType && m_wirelessTypeCount == 0)
        return;
    const Commands& commands = CommandsOf(setting);
    const QVariant value = Decode(setting, data, len);
    if (!value.isValid()) {
        emit ResultShow(kFailure, tr(commands.notRead));
        return;
    }
    if (request.readBack && !Same(value, request.value)) {
        qCDebug(lcSettings) << "Read Back Differs" << commands.read << request.value << value;
        emit ResultShow(kFailure, tr(commands.differs));
    } else {
        emit ResultShow(kSuccess, tr(request.readBack ? commands.written : commands.readDone));
    }
    if (setting == Setting::KeymapType)
        KeymapTypeRead(tdu1(value.toInt()));
    Model()->SetSetting(setting, value);
}

QVariant SettingsTransfer::Decode(Setting setting, tdu1* data, tdu2 len) const
{
    if (setting == Setting::SleepTime) {
        const SettingsReply::Decoded seconds = SettingsReply::SleepTime(data, len);
        return seconds.outcome == SettingsReply::Outcome::Ok ? QVariant(uint(seconds.value)) : QVariant();
    }
    if (setting == Setting::Indicators) {
        tdu1 map[Protocol::kMaxRows][Protocol::kMaxCols] = {};
        // A short block would mix the keyboard's assignment with the page's.
        if (m_rows * m_cols == 0
            || SettingsReply::ILedBlock(data, len, m_rows, m_cols, map) != SettingsReply::Outcome::Ok) {
            qCDebug(lcSettings) << "Indicator Reply Too Short" << len << m_rows * m_cols;
            return QVariant();
        }
        QByteArray block;
        for (int row = 0; row < m_rows; row++)
            block.append(reinterpret_cast<const char*>(map[row]), m_cols);
        return block;
    }
    const SettingsReply::Decoded byte = SettingsReply::Byte(data, len);
    if (byte.outcome != SettingsReply::Outcome::Ok)
        return QVariant();
    // Types beyond the known ones name nothing the window can show or lay out.
    if (setting == Setting::WirelessType && byte.value >= tdu4(m_wirelessTypeCount))
        return QVariant();
    if (setting == Setting::KeymapType && byte.value >= tdu4(Protocol::kKeymapTypeCount))
        return QVariant();
    return int(byte.value);
}

void SettingsTransfer::ReceiveAmbiguous(tdu1 cmd, const QVariant& context)
{
    // The answer may be an earlier command's: a read waits for its own, but a write may not have
    // been made, so what the keyboard holds is read now.
    bool isWrite = false;
    const Commands* commands = CommandsFor(cmd, &isWrite);
    if (commands && isWrite)
        ReadBack(commands->setting, context.value<Request>().value);
}

void SettingsTransfer::ReceiveLate(tdu1 cmd)
{
    emit ResultShow(kWarning, tr("The keyboard answered late; read again to see its settings."));
    if (cmd == Protocol::kCmdSetKeymapType)
        KeymapTypeUnknown();
}

void SettingsTransfer::ReceiveOverdue(const QList<QVariant>& contexts)
{
    for (const QVariant& context : contexts) {
        if (context.value<Request>().cmd == Protocol::kCmdSetKeymapType) {
            KeymapTypeUnknown();
            return;
        }
    }
}

void SettingsTransfer::KeymapTypeUnknown()
{
    qCDebug(lcSettings) << "Keymap Type Unknown";
    // The session stops keymap and indicator commands first, so that nobody acts on the old type
    // when the model is forgotten.
    if (m_client && m_client->Session())
        m_client->Session()->SetKeyboardKeymapType(DeviceSession::kUnknownKeymapType);
    Model()->Forget(KeyboardModel::Reason::KeymapTypeChanged);
    Read(Setting::KeymapType);
}

void SettingsTransfer::KeymapTypeRead(tdu1 type)
{
    DeviceSession* session = m_client ? m_client->Session() : nullptr;
    const QVariant before = Model()->SettingValue(Setting::KeymapType);
    const bool changed = session ? session->KeyboardKeymapType() != type : before.isValid() && before.toInt() != type;
    if (session)
        session->SetKeyboardKeymapType(type);
    // The keyboard now reads its keys in another arrangement: what was known of it is not.
    if (changed)
        Model()->Forget(KeyboardModel::Reason::KeymapTypeChanged);
}
