#pragma once

#include <array>
#include <cstdint>

// The keyboard's side of the report layout. The model keeps its own copy of these figures instead
// of sharing the program's, so that a wrong figure on the program's side shows up as a failed
// exchange rather than being mirrored by the keyboard.
namespace sim {

constexpr int kReportSize = 64;
constexpr int kHeaderSize = 4;
constexpr int kPacketPayload = kReportSize - kHeaderSize; // 60
constexpr std::uint8_t kOutputReportId = 1;
constexpr std::uint8_t kInputReportId = 2;
constexpr std::uint8_t kSinglePacket = 0x01;

// Packet index and count share one byte, so nothing longer than 15 packets can be numbered.
constexpr int kMaxPackets = 15;
constexpr int kMaxPayload = kMaxPackets * kPacketPayload; // 900

constexpr int kKeymapCount = 4;
constexpr int kLayerCount = 4;
constexpr int kMaxRows = 7;
constexpr int kMaxCols = 21;
constexpr int kMacroCount = 32;
constexpr int kMaxMacroActions = 120;
constexpr int kSerialNumberSize = 14;
constexpr int kBleSerialNumberSize = 8;

// One HID report as it travels, report ID included.
using Report = std::array<std::uint8_t, kReportSize>;

} // namespace sim
