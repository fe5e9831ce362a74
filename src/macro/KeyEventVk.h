#pragma once

#include "device/DeviceTypes.h"

class QEvent;
class QKeyEvent;

// The virtual-key code of a key typed into the program, by its place on the keyboard, so that a
// key pressed under any desktop layout names the same key of the macro key table.
class KeyEventVk final
{
public:
    KeyEventVk() = delete;

    // 0 for keys without a virtual-key code.
    static tdu2 Of(const QKeyEvent& key);
    // For a key press or release made by a finger (not auto-repeat) of a key with a virtual-key
    // code: the code, and whether it went down; 0 for any other event.
    static tdu2 Typed(const QEvent& event, bool* down);
};
