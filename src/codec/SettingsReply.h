#pragma once

#include "device/DeviceTypes.h"
#include "device/Protocol.h"

#include <QString>

// Decodes the keyboard's replies to the settings commands. Every decoder takes the payload with
// its real length and refuses a reply shorter than what it has to read, so bytes the keyboard
// never sent are never shown.
class SettingsReply final
{
public:
    enum class Outcome {
        Ok,
        // Fewer bytes than the reply must carry.
        Short,
        // A set command's status byte says it was not done.
        Failed,
        // Bluetooth module statuses.
        NotInit,
        NotAvailable,
        UnknownStatus,
    };

    struct Decoded
    {
        Outcome outcome = Outcome::Short;
        QString text;
        tdu4 value = 0;
    };

    // Status byte of a set command: Ok when done.
    static Outcome Status(const tdu1* data, int len);
    // A one-byte value (rollover, wake-up mode, wireless and keymap type) in value.
    static Decoded Byte(const tdu1* data, int len);
    // "major.minor.patch" in decimal, from three bytes.
    static Decoded FirmwareVersion(const tdu1* data, int len);
    // The 14 serial-number bytes as 28 upper-case hexadecimal digits.
    static Decoded SerialNumber(const tdu1* data, int len);
    // Status byte, then (when ready) the version or the 8 serial-number bytes of the module.
    static Decoded BleVersion(const tdu1* data, int len);
    static Decoded BleSerialNumber(const tdu1* data, int len);
    // Seconds, 32-bit little-endian, in value.
    static Decoded SleepTime(const tdu1* data, int len);
    // The indicator block: rows x cols bytes, row by row, copied into map (left as it was when
    // the reply is short). Extra bytes are ignored.
    static Outcome ILedBlock(const tdu1* data, int len, int rows, int cols, tdu1 (*map)[Protocol::kMaxCols]);

private:
    static bool Has(const tdu1* data, int len, int needed);
    static Decoded BleStatus(const tdu1* data, int len, int payloadSize);
    static QString Hex(const tdu1* data, int size);
    static QString Version(const tdu1* data);
};
