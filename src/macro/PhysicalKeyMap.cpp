#include "macro/PhysicalKeyMap.h"

namespace {
struct Key
{
    unsigned code; // Linux input key code (KEY_*)
    std::uint16_t vk;
};

const Key kKeys[] = {
    {1, 0x1B}, // Esc
    {2, 0x31},
    {3, 0x32},
    {4, 0x33},
    {5, 0x34},
    {6, 0x35},
    {7, 0x36},
    {8, 0x37},
    {9, 0x38},
    {10, 0x39},
    {11, 0x30},
    {12, 0xBD}, // -
    {13, 0xBB}, // =
    {14, 0x08}, // Backspace
    {15, 0x09}, // Tab
    {16, 'Q'},
    {17, 'W'},
    {18, 'E'},
    {19, 'R'},
    {20, 'T'},
    {21, 'Y'},
    {22, 'U'},
    {23, 'I'},
    {24, 'O'},
    {25, 'P'},
    {26, 0xDB}, // [
    {27, 0xDD}, // ]
    {28, 0x0D}, // Enter
    {29, 0xA2}, // left Ctrl
    {30, 'A'},
    {31, 'S'},
    {32, 'D'},
    {33, 'F'},
    {34, 'G'},
    {35, 'H'},
    {36, 'J'},
    {37, 'K'},
    {38, 'L'},
    {39, 0xBA}, // ;
    {40, 0xDE}, // '
    {41, 0xC0}, // `
    {42, 0xA0}, // left Shift
    {43, 0xDC}, // backslash
    {44, 'Z'},
    {45, 'X'},
    {46, 'C'},
    {47, 'V'},
    {48, 'B'},
    {49, 'N'},
    {50, 'M'},
    {51, 0xBC}, // ,
    {52, 0xBE}, // .
    {53, 0xBF}, // /
    {54, 0xA1}, // right Shift
    {55, 0x6A}, // keypad *
    {56, 0xA4}, // left Alt
    {57, 0x20}, // Space
    {58, 0x14}, // Caps Lock
    {59, 0x70}, // F1 .. F10
    {60, 0x71},
    {61, 0x72},
    {62, 0x73},
    {63, 0x74},
    {64, 0x75},
    {65, 0x76},
    {66, 0x77},
    {67, 0x78},
    {68, 0x79},
    {69, 0x90}, // Num Lock
    {70, 0x91}, // Scroll Lock
    {71, 0x67}, // keypad 7
    {72, 0x68},
    {73, 0x69},
    {74, 0x6D}, // keypad -
    {75, 0x64},
    {76, 0x65},
    {77, 0x66},
    {78, 0x6B}, // keypad +
    {79, 0x61},
    {80, 0x62},
    {81, 0x63},
    {82, 0x60}, // keypad 0
    {83, 0x6E}, // keypad .
    {86, 0xE2}, // the extra key beside left Shift on ISO boards
    {87, 0x7A}, // F11
    {88, 0x7B}, // F12
    {92, 0x1C}, // Henkan
    {94, 0x1D}, // Muhenkan
    {96, 0x0D}, // keypad Enter: the same code as Enter, as Windows reports it
    {97, 0xA3}, // right Ctrl
    {98, 0x6F}, // keypad /
    {99, 0x2C}, // Print Screen
    {100, 0xA5}, // right Alt
    {102, 0x24}, // Home
    {103, 0x26}, // Up
    {104, 0x21}, // Page Up
    {105, 0x25}, // Left
    {106, 0x27}, // Right
    {107, 0x23}, // End
    {108, 0x28}, // Down
    {109, 0x22}, // Page Down
    {110, 0x2D}, // Insert
    {111, 0x2E}, // Delete
    {113, 0xAD}, // Mute
    {114, 0xAE}, // Volume Down
    {115, 0xAF}, // Volume Up
    {119, 0x13}, // Pause
    {121, 0x6C}, // keypad ,
    {125, 0x5B}, // left Win
    {126, 0x5C}, // right Win
    {127, 0x5D}, // Menu
    {163, 0xB0}, // next track
    {164, 0xB3}, // play/pause
    {165, 0xB1}, // previous track
    {166, 0xB2}, // stop
    {183, 0x7C}, // F13 .. F24
    {184, 0x7D},
    {185, 0x7E},
    {186, 0x7F},
    {187, 0x80},
    {188, 0x81},
    {189, 0x82},
    {190, 0x83},
    {191, 0x84},
    {192, 0x85},
    {193, 0x86},
    {194, 0x87},
};

constexpr unsigned kMaxCode = 255;

struct Lookup
{
    std::uint16_t vk[kMaxCode + 1] = {};

    Lookup()
    {
        for (const Key& key : kKeys)
            vk[key.code] = key.vk;
    }
};

const Lookup& Table()
{
    static const Lookup lookup;
    return lookup;
}
} // namespace

std::uint16_t PhysicalKeyMap::VkOfInputCode(unsigned code)
{
    return code <= kMaxCode ? Table().vk[code] : 0;
}

std::uint16_t PhysicalKeyMap::VkOfXKeycode(unsigned keycode)
{
    return keycode >= kXKeycodeOffset ? VkOfInputCode(keycode - kXKeycodeOffset) : 0;
}

unsigned PhysicalKeyMap::InputCodeOfVk(std::uint16_t vk)
{
    for (const Key& key : kKeys) {
        if (key.vk == vk)
            return key.code;
    }
    return 0;
}
