#pragma once

#include <cstdint>

// Keys by their place on the keyboard: Linux input key codes (X keycode - 8, and the native scan
// code of Qt key events on X11 and Wayland likewise) to Windows virtual-key codes, left and right
// modifiers distinct. A macro recorded under any desktop layout then replays the same physical
// keys. Covers every key a macro can hold and the common keys beyond it.
class PhysicalKeyMap final
{
public:
    PhysicalKeyMap() = delete;

    // X keycodes and Qt scan codes on Linux are the input key code plus this.
    static constexpr unsigned kXKeycodeOffset = 8;

    // 0 for keys without a virtual-key code.
    static std::uint16_t VkOfInputCode(unsigned code);
    static std::uint16_t VkOfXKeycode(unsigned keycode);
    // The input key code of a virtual-key code (the first key with it), 0 when none.
    static unsigned InputCodeOfVk(std::uint16_t vk);
};
