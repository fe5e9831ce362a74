#include "Firmware.h"

#include <algorithm>

namespace sim {

namespace {

constexpr std::uint8_t kReadKeymap[kKeymapCount] = {0x01, 0x15, 0x16, 0x17};
constexpr std::uint8_t kWriteKeymap[kKeymapCount] = {0x03, 0x18, 0x19, 0x1A};
constexpr std::uint8_t kReadFirmwareVersion = 0x02;
constexpr std::uint8_t kWriteILed = 0x04;
constexpr std::uint8_t kReadILed = 0x05;
constexpr std::uint8_t kSetRollover = 0x06;
constexpr std::uint8_t kReadRollover = 0x07;
constexpr std::uint8_t kReadSerialNumber = 0x0A;
constexpr std::uint8_t kWriteMacro = 0x10;
constexpr std::uint8_t kReadMacro = 0x11;
constexpr std::uint8_t kSetSleepTime = 0x13;
constexpr std::uint8_t kReadSleepTime = 0x14;
constexpr std::uint8_t kSetWirelessType = 0x24;
constexpr std::uint8_t kReadWirelessType = 0x25;
constexpr std::uint8_t kSetKeymapType = 0x26;
constexpr std::uint8_t kReadKeymapType = 0x27;
constexpr std::uint8_t kSetWakeupMode = 0x29;
constexpr std::uint8_t kReadWakeupMode = 0x2A;
constexpr std::uint8_t kReadBleVersion = 0x30;
constexpr std::uint8_t kReadBleSerialNumber = 0x31;

constexpr std::uint8_t kDone = 0;
constexpr std::uint8_t kFailed = 1;
constexpr int kMacroHeaderSize = 2;

using Payload = std::vector<std::uint8_t>;

int keymapIndex(const std::uint8_t (&codes)[kKeymapCount], std::uint8_t cmd)
{
    const auto it = std::find(std::begin(codes), std::end(codes), cmd);
    return it == std::end(codes) ? -1 : static_cast<int>(it - std::begin(codes));
}

// Tests may set any size; the firmware only ever addresses its fixed grid.
int rowsOf(const KeyboardState& state)
{
    return std::clamp(state.rows, 1, kMaxRows);
}

int colsOf(const KeyboardState& state)
{
    return std::clamp(state.cols, 1, kMaxCols);
}

Payload readKeymap(const KeyboardState& state, int keymap)
{
    Payload reply;
    for (int layer = 0; layer < kLayerCount; ++layer) {
        for (int row = 0; row < rowsOf(state); ++row) {
            for (int col = 0; col < colsOf(state); ++col) {
                const std::uint16_t code = state.keymaps[keymap][layer][row][col];
                reply.push_back(static_cast<std::uint8_t>(code & 0xFF));
                reply.push_back(static_cast<std::uint8_t>(code >> 8));
            }
        }
    }
    return reply;
}

Payload writeKeymap(KeyboardState& state, int keymap, const Payload& payload)
{
    const std::size_t expected = static_cast<std::size_t>(rowsOf(state) * colsOf(state) * kLayerCount * 2);
    if (payload.size() != expected) {
        return {kFailed};
    }
    std::size_t at = 0;
    for (int layer = 0; layer < kLayerCount; ++layer) {
        for (int row = 0; row < rowsOf(state); ++row) {
            for (int col = 0; col < colsOf(state); ++col) {
                state.keymaps[keymap][layer][row][col] = static_cast<std::uint16_t>(payload[at] | payload[at + 1] << 8);
                at += 2;
            }
        }
    }
    return {kDone};
}

Payload writeILed(KeyboardState& state, const Payload& payload)
{
    if (payload.size() != static_cast<std::size_t>(rowsOf(state) * colsOf(state))) {
        return {kFailed};
    }
    auto byte = payload.begin();
    for (int row = 0; row < rowsOf(state); ++row) {
        for (int col = 0; col < colsOf(state); ++col) {
            state.iled[row][col] = *byte++;
        }
    }
    return {kDone};
}

Payload readILed(const KeyboardState& state)
{
    Payload reply;
    for (int row = 0; row < rowsOf(state); ++row) {
        reply.insert(reply.end(), state.iled[row], state.iled[row] + colsOf(state));
    }
    return reply;
}

Payload writeMacro(KeyboardState& state, const Payload& payload)
{
    if (payload.size() < kMacroHeaderSize) {
        return {kFailed};
    }
    const int index = payload[0];
    const int count = payload[1];
    if (index >= kMacroCount || count > kMaxMacroActions
        || payload.size() != static_cast<std::size_t>(kMacroHeaderSize + 2 * count)) {
        return {kFailed};
    }
    std::vector<std::uint16_t>& words = state.macros[index];
    words.clear();
    for (int i = 0; i < count; ++i) {
        const int at = kMacroHeaderSize + 2 * i;
        words.push_back(static_cast<std::uint16_t>(payload[at] | payload[at + 1] << 8));
    }
    return {kDone};
}

std::optional<Payload> readMacro(const KeyboardState& state, const Payload& payload)
{
    if (payload.empty() || payload[0] >= kMacroCount) {
        return std::nullopt;
    }
    const std::vector<std::uint16_t>& words = state.macros[payload[0]];
    // Words stored through modify() may exceed what one count byte can say; answer what fits.
    const std::size_t count = std::min<std::size_t>(words.size(), kMaxMacroActions);
    Payload reply {payload[0], static_cast<std::uint8_t>(count)};
    for (std::size_t i = 0; i < count; ++i) {
        reply.push_back(static_cast<std::uint8_t>(words[i] & 0xFF));
        reply.push_back(static_cast<std::uint8_t>(words[i] >> 8));
    }
    return reply;
}

// One-byte settings: stored when the length is right and the value is one the keyboard knows.
Payload setByte(std::uint8_t& field, const Payload& payload, int maxValue)
{
    if (payload.size() != 1 || payload[0] > maxValue) {
        return {kFailed};
    }
    field = payload[0];
    return {kDone};
}

} // namespace

std::optional<std::vector<std::uint8_t>> Firmware::execute(
    KeyboardState& state, std::uint8_t cmd, const std::vector<std::uint8_t>& payload)
{
    if (const int keymap = keymapIndex(kReadKeymap, cmd); keymap >= 0) {
        return readKeymap(state, keymap);
    }
    if (const int keymap = keymapIndex(kWriteKeymap, cmd); keymap >= 0) {
        return writeKeymap(state, keymap, payload);
    }
    switch (cmd) {
    case kReadFirmwareVersion:
        return Payload(std::begin(state.firmware), std::end(state.firmware));
    case kWriteILed:
        return writeILed(state, payload);
    case kReadILed:
        return readILed(state);
    case kSetRollover:
        return setByte(state.rollover, payload, 1);
    case kReadRollover:
        return Payload {state.rollover};
    case kReadSerialNumber:
        return Payload(std::begin(state.serial), std::end(state.serial));
    case kWriteMacro:
        return writeMacro(state, payload);
    case kReadMacro:
        return readMacro(state, payload);
    case kSetSleepTime:
        if (payload.size() != 4) {
            return Payload {kFailed};
        }
        state.sleepTime = static_cast<std::uint32_t>(payload[0]) | static_cast<std::uint32_t>(payload[1]) << 8
            | static_cast<std::uint32_t>(payload[2]) << 16 | static_cast<std::uint32_t>(payload[3]) << 24;
        return Payload {kDone};
    case kReadSleepTime:
        return Payload {static_cast<std::uint8_t>(state.sleepTime), static_cast<std::uint8_t>(state.sleepTime >> 8),
            static_cast<std::uint8_t>(state.sleepTime >> 16), static_cast<std::uint8_t>(state.sleepTime >> 24)};
    case kSetWirelessType:
        return setByte(state.wirelessType, payload, 0xFF);
    case kReadWirelessType:
        return Payload {state.wirelessType};
    case kSetKeymapType:
        return setByte(state.keymapType, payload, 0xFF);
    case kReadKeymapType:
        return Payload {state.keymapType};
    case kSetWakeupMode:
        return setByte(state.wakeupMode, payload, 1);
    case kReadWakeupMode:
        return Payload {state.wakeupMode};
    case kReadBleVersion: {
        Payload reply {state.bleStatus};
        reply.insert(reply.end(), std::begin(state.bleVersion), std::end(state.bleVersion));
        return reply;
    }
    case kReadBleSerialNumber: {
        Payload reply {state.bleStatus};
        reply.insert(reply.end(), std::begin(state.bleSerial), std::end(state.bleSerial));
        return reply;
    }
    default:
        return std::nullopt;
    }
}

bool Firmware::isSetCommand(std::uint8_t cmd)
{
    switch (cmd) {
    case kWriteILed:
    case kSetRollover:
    case kWriteMacro:
    case kSetSleepTime:
    case kSetWirelessType:
    case kSetKeymapType:
    case kSetWakeupMode:
        return true;
    default:
        return keymapIndex(kWriteKeymap, cmd) >= 0;
    }
}

} // namespace sim
