#include "codec/SettingsReply.h"

#include <QByteArray>
#include <QStringList>
#include <QtEndian>

bool SettingsReply::Has(const tdu1* data, int len, int needed)
{
    return data != nullptr && len >= needed;
}

QString SettingsReply::Hex(const tdu1* data, int size)
{
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(data), size).toHex().toUpper());
}

QString SettingsReply::Version(const tdu1* data)
{
    QStringList parts;
    for (int i = 0; i < Protocol::kVersionSize; i++)
        parts.append(QString::number(data[i]));
    return parts.join(QLatin1Char('.'));
}

SettingsReply::Outcome SettingsReply::Status(const tdu1* data, int len)
{
    if (!Has(data, len, 1))
        return Outcome::Short;
    return data[0] == Protocol::kStatusDone ? Outcome::Ok : Outcome::Failed;
}

SettingsReply::Decoded SettingsReply::Byte(const tdu1* data, int len)
{
    Decoded decoded;
    if (!Has(data, len, 1))
        return decoded;
    decoded.outcome = Outcome::Ok;
    decoded.value = data[0];
    return decoded;
}

SettingsReply::Decoded SettingsReply::FirmwareVersion(const tdu1* data, int len)
{
    Decoded decoded;
    if (!Has(data, len, Protocol::kVersionSize))
        return decoded;
    decoded.outcome = Outcome::Ok;
    decoded.text = Version(data);
    return decoded;
}

SettingsReply::Decoded SettingsReply::SerialNumber(const tdu1* data, int len)
{
    Decoded decoded;
    if (!Has(data, len, Protocol::kSerialNumberSize))
        return decoded;
    decoded.outcome = Outcome::Ok;
    decoded.text = Hex(data, Protocol::kSerialNumberSize);
    return decoded;
}

SettingsReply::Decoded SettingsReply::BleStatus(const tdu1* data, int len, int payloadSize)
{
    Decoded decoded;
    if (!Has(data, len, 1))
        return decoded;
    decoded.value = data[0];
    switch (data[0]) {
    case Protocol::kStatusDone:
        decoded.outcome = Has(data, len, 1 + payloadSize) ? Outcome::Ok : Outcome::Short;
        break;
    case Protocol::kBleStatusNotInit:
        decoded.outcome = Outcome::NotInit;
        break;
    case Protocol::kBleStatusNotAvailable:
        decoded.outcome = Outcome::NotAvailable;
        break;
    default:
        decoded.outcome = Outcome::UnknownStatus;
        break;
    }
    return decoded;
}

SettingsReply::Decoded SettingsReply::BleVersion(const tdu1* data, int len)
{
    Decoded decoded = BleStatus(data, len, Protocol::kVersionSize);
    if (decoded.outcome == Outcome::Ok)
        decoded.text = Version(data + 1);
    return decoded;
}

SettingsReply::Decoded SettingsReply::BleSerialNumber(const tdu1* data, int len)
{
    Decoded decoded = BleStatus(data, len, Protocol::kBleSerialNumberSize);
    if (decoded.outcome == Outcome::Ok)
        decoded.text = Hex(data + 1, Protocol::kBleSerialNumberSize);
    return decoded;
}

SettingsReply::Decoded SettingsReply::SleepTime(const tdu1* data, int len)
{
    Decoded decoded;
    if (!Has(data, len, Protocol::kSleepTimeSize))
        return decoded;
    decoded.outcome = Outcome::Ok;
    decoded.value = qFromLittleEndian<quint32>(data);
    return decoded;
}

SettingsReply::Outcome SettingsReply::ILedBlock(
    const tdu1* data, int len, int rows, int cols, tdu1 (*map)[Protocol::kMaxCols])
{
    if (rows < 0 || cols < 0 || rows > Protocol::kMaxRows || cols > Protocol::kMaxCols || !Has(data, len, rows * cols))
        return Outcome::Short;
    for (int row = 0; row < rows; row++) {
        for (int col = 0; col < cols; col++)
            map[row][col] = data[row * cols + col];
    }
    return Outcome::Ok;
}
