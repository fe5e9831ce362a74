#pragma once

#include "SimProtocol.h"

#include <cstdint>
#include <vector>

namespace sim {

// Everything one keyboard remembers. Only rows x cols of the keymap and indicator grids are in use.
struct KeyboardState
{
    int rows = 5;
    int cols = 15;
    std::uint16_t keymaps[kKeymapCount][kLayerCount][kMaxRows][kMaxCols] = {}; // [keymap][layer][row][col]
    std::vector<std::uint16_t> macros[kMacroCount]; // action words as stored
    std::uint8_t iled[kMaxRows][kMaxCols] = {};
    std::uint8_t rollover = 0;
    std::uint8_t wakeupMode = 0;
    std::uint8_t wirelessType = 0;
    std::uint8_t keymapType = 0;
    std::uint32_t sleepTime = 180;
    std::uint8_t firmware[3] = {1, 2, 10};
    // Includes bytes below 0x10 so that hexadecimal display must keep leading zeros.
    std::uint8_t serial[kSerialNumberSize]
        = {0x0A, 0xB0, 0x3C, 0x51, 0x07, 0xE2, 0x9D, 0x44, 0x10, 0xF3, 0x68, 0x2B, 0x05, 0xC7};
    std::uint8_t bleStatus = 0; // 0 ok, 1 not initialised, 2 not available
    std::uint8_t bleVersion[3] = {3, 1, 4};
    std::uint8_t bleSerial[kBleSerialNumberSize] = {0x01, 0x9A, 0x5E, 0x00, 0xC3, 0x72, 0x0F, 0xD8};
};

} // namespace sim
