#pragma once

#include "device/DeviceTypes.h"

class QKeyEvent;

// The virtual-key code of a key typed into the program, by its place on the keyboard, so that a
// key pressed under any desktop layout names the same key of the macro key table.
class KeyEventVk final
{
public:
    KeyEventVk() = delete;

    // 0 for keys without a virtual-key code.
    static tdu2 Of(const QKeyEvent& key);
};
