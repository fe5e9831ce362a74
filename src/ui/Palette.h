#pragma once

#include "device/DeviceTypes.h"

// The palette the pages share, and the levels of the main window's status line.
namespace Palette {
constexpr const char* kAccent = "#029FEA";
constexpr const char* kBackground = "#292F38";
constexpr const char* kDarkBackground = "#1D2025";
constexpr const char* kText = "#54626F";
constexpr const char* kLightText = "#FDFDFD";
// Width of the accent bar of the checked button in the navigation bars.
constexpr int kNavBorder = 3;

// ResultShow levels: success in dark green, failure in red, warning or demo notice in yellow.
constexpr tdu1 kSuccess = 0;
constexpr tdu1 kFailure = 1;
constexpr tdu1 kWarning = 2;
} // namespace Palette
