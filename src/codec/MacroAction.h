#pragma once

#include "device/DeviceTypes.h"

// One step of a macro: a key going down or up, or a pause. Packed to the 3 bytes it takes in
// the keyboard's macro store.
#pragma pack(push, 1)
struct MacroAction
{
    static constexpr tdu1 kKeyDown = 1;
    static constexpr tdu1 kKeyUp = 2;
    static constexpr tdu1 kDelay = 3;

    // Pauses are kept within what the keyboard can wait.
    static constexpr tdu2 kMinDelay = 2;
    static constexpr tdu2 kMaxDelay = 15000;

    tdu1 type = 0;
    // Key actions: Windows virtual-key code; pauses: milliseconds.
    tdu2 value = 0;

    bool IsKey() const
    {
        return type == kKeyDown || type == kKeyUp;
    }
    bool operator==(const MacroAction& other) const
    {
        return type == other.type && value == other.value;
    }
};
#pragma pack(pop)

static_assert(sizeof(MacroAction) == 3, "a macro action is a packed 3-byte record");
