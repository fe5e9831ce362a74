// Replies to the settings commands: the first byte picks the decoder (for the indicator block the
// next two bytes give the grid), the rest is the reply. No decoder may read past the reply.
#include "device/Protocol.h"
#include "codec/SettingsReply.h"

#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const uint8_t selector = data[0];
    const tdu1* reply = data + 1;
    const int length = int(size - 1 > Protocol::kMaxPayload ? Protocol::kMaxPayload : size - 1);
    switch (selector % 8) {
    case 0:
        SettingsReply::Status(reply, length);
        break;
    case 1:
        SettingsReply::Byte(reply, length);
        break;
    case 2:
        SettingsReply::FirmwareVersion(reply, length);
        break;
    case 3:
        SettingsReply::SerialNumber(reply, length);
        break;
    case 4:
        SettingsReply::BleVersion(reply, length);
        break;
    case 5:
        SettingsReply::BleSerialNumber(reply, length);
        break;
    case 6:
        SettingsReply::SleepTime(reply, length);
        break;
    default: {
        if (length < 2)
            break;
        tdu1 map[Protocol::kMaxRows][Protocol::kMaxCols];
        std::memset(map, 0, sizeof map);
        const int rows = 1 + reply[0] % Protocol::kMaxRows;
        const int cols = 1 + reply[1] % Protocol::kMaxCols;
        SettingsReply::ILedBlock(reply + 2, length - 2, rows, cols, map);
        break;
    }
    }
    return 0;
}
