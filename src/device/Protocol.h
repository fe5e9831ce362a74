#pragma once

#include "device/DeviceTypes.h"

// The keyboard's USB HID protocol: report layout, limits and command codes.
namespace Protocol {

constexpr tdu2 kVendorId = 0x4E4F;

// Report layout (host to keyboard: ID 1; keyboard to host: ID 2).
constexpr int kReportSize = 64;
constexpr int kHeaderSize = 4;
constexpr int kPacketPayload = kReportSize - kHeaderSize; // 60
constexpr tdu1 kOutputReportId = 1;
constexpr tdu1 kInputReportId = 2;
constexpr int kOffsetReportId = 0;
constexpr int kOffsetCmd = 1;
constexpr int kOffsetPacket = 2; // index << 4 | count
constexpr int kOffsetLength = 3;
constexpr tdu1 kSinglePacket = 0x01;

// The packet index and count share one byte, so a command or reply has at most 15 packets.
constexpr int kMaxPackets = 15;
constexpr int kMaxPayload = kMaxPackets * kPacketPayload; // 900

// WriteCmd results besides the byte counts of hid_write.
constexpr int kWriteNoDevice = -1;
constexpr int kWriteTooLong = -2;

constexpr tdu1 kCmdReadKeymap1 = 0x01;
constexpr tdu1 kCmdReadFirmwareVersion = 0x02;
constexpr tdu1 kCmdWriteKeymap1 = 0x03;
constexpr tdu1 kCmdWriteILedConfig = 0x04;
constexpr tdu1 kCmdReadILedConfig = 0x05;
constexpr tdu1 kCmdSetRollover = 0x06;
constexpr tdu1 kCmdReadRollover = 0x07;
constexpr tdu1 kCmdReadSerialNumber = 0x0A;
constexpr tdu1 kCmdWriteMacro = 0x10;
constexpr tdu1 kCmdReadMacro = 0x11;
constexpr tdu1 kCmdSetSleepTime = 0x13;
constexpr tdu1 kCmdReadSleepTime = 0x14;
constexpr tdu1 kCmdReadKeymap2 = 0x15;
constexpr tdu1 kCmdReadKeymap3 = 0x16;
constexpr tdu1 kCmdReadKeymap4 = 0x17;
constexpr tdu1 kCmdWriteKeymap2 = 0x18;
constexpr tdu1 kCmdWriteKeymap3 = 0x19;
constexpr tdu1 kCmdWriteKeymap4 = 0x1A;
constexpr tdu1 kCmdSetWirelessType = 0x24;
constexpr tdu1 kCmdReadWirelessType = 0x25;
constexpr tdu1 kCmdSetKeymapType = 0x26;
constexpr tdu1 kCmdReadKeymapType = 0x27;
constexpr tdu1 kCmdSetWakeupMode = 0x29;
constexpr tdu1 kCmdReadWakeupMode = 0x2A;
constexpr tdu1 kCmdReadBleVersion = 0x30;
constexpr tdu1 kCmdReadBleSerialNumber = 0x31;

// Keymap n (0-based) is read and written with these codes.
constexpr tdu1 kCmdReadKeymap[4] = {kCmdReadKeymap1, kCmdReadKeymap2, kCmdReadKeymap3, kCmdReadKeymap4};
constexpr tdu1 kCmdWriteKeymap[4] = {kCmdWriteKeymap1, kCmdWriteKeymap2, kCmdWriteKeymap3, kCmdWriteKeymap4};

// Commands whose payload follows the grid of the layout for one keymap type; with the layout of
// another type they would put keys and lights in the wrong places.
constexpr bool IsLayoutBound(tdu1 cmd)
{
    for (int keymap = 0; keymap < 4; keymap++) {
        if (cmd == kCmdReadKeymap[keymap] || cmd == kCmdWriteKeymap[keymap])
            return true;
    }
    return cmd == kCmdWriteILedConfig || cmd == kCmdReadILedConfig;
}

// Sizes of the keyboard's state.
constexpr int kKeymapCount = 4;
constexpr int kLayerCount = 4;
constexpr int kMaxRows = 7;
constexpr int kMaxCols = 21;
constexpr int kMacroCount = 32;
constexpr int kMaxMacroActions = 120;
constexpr int kSerialNumberSize = 14;
constexpr int kBleSerialNumberSize = 8;

// Settings replies: a version is three bytes (major, minor, patch), a sleep time four
// little-endian bytes of seconds; replies of set commands and the Bluetooth module's replies
// start with a status byte.
constexpr int kVersionSize = 3;
constexpr int kSleepTimeSize = 4;
constexpr tdu1 kStatusDone = 0;
constexpr tdu1 kBleStatusNotInit = 1;
constexpr tdu1 kBleStatusNotAvailable = 2;
constexpr tdu1 kRollover6Kro = 0;
constexpr tdu1 kRolloverNkro = 1;
constexpr tdu1 kWakeupEscOnly = 0;
constexpr tdu1 kWakeupAllKeys = 1;
constexpr int kKeymapTypeCount = 4;

// A keymap travels as 4 layers of rows x cols little-endian codes; it must fit kMaxPayload.
constexpr int KeymapPayloadSize(int rows, int cols)
{
    return rows * cols * kLayerCount * 2;
}
constexpr int kMaxTransferableKeys = kMaxPayload / (kLayerCount * 2); // 112

} // namespace Protocol
