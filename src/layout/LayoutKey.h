#pragma once

#include "device/DeviceTypes.h"
#include "device/Protocol.h"

#include <array>

// One entry of a layout's "keys": a grid cell, and for a key its size, default codes on the
// four layers and its indicator LED. Sizes are in hundredths of a key unit.
struct LayoutKey
{
    tdu1 row = 0;
    tdu1 col = 0;
    bool valid = false;
    tdu2 gap = 0;
    tdu2 width = 0;
    tdu2 height = 0;
    std::array<tdu2, Protocol::kLayerCount> keycode {};
    bool iledflag = false;
    tdu1 iledtype = 0;
};
