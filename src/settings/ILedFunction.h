#pragma once

#include "device/DeviceTypes.h"

#include <QString>

// What an indicator LED shows; one code per key position travels in the indicator block.
namespace ILedFunction {

enum Code : tdu1 {
    None = 0,
    CapsLock = 1,
    ScrollLock = 2,
    NumLock = 3,
    Layer1 = 4,
    Layer2 = 5,
    Layer3 = 6,
    Layer4 = 7,
    Ble1 = 8,
    Ble2 = 9,
    Ble3 = 10,
    Zrf = 11,
    Keymap1 = 12,
    Keymap2 = 13,
    Keymap3 = 14,
    Keymap4 = 15,
    Unifying1 = 16,
    Unifying2 = 17,
    Unifying3 = 18,
};
constexpr int kCount = 19;

// The caption a key with this function shows on the indicator picture; empty for None and for
// codes the program does not know (the keyboard may hold newer ones).
QString KeyCaption(tdu1 code);

} // namespace ILedFunction
