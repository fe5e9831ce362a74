#pragma once

#include "device/DeviceTypes.h"
#include "device/Protocol.h"

#include <QByteArray>

#include <array>

// The keymap transfer format of the read and write keymap commands: layers 1-4, then the rows and
// columns of the layout's grid, each code little-endian. Pure functions over the fixed 7 x 21
// grid; cells beyond the layout's rows and columns carry no meaning and do not travel.
class KeymapCodec final
{
public:
    KeymapCodec() = delete;

    using LayerCodes = std::array<std::array<tdu2, Protocol::kMaxCols>, Protocol::kMaxRows>;
    using KeymapCodes = std::array<LayerCodes, Protocol::kLayerCount>;

    static int PayloadSize(int rows, int cols);
    // Over 112 keys the packets of one keymap can no longer be numbered; an empty grid has
    // nothing to carry.
    static bool Transferable(int rows, int cols);
    static QByteArray Pack(const KeymapCodes& codes, int rows, int cols);
    // Refuses (false, codes unchanged) a reply shorter than one keymap of this grid; cells beyond
    // the grid keep what codes held.
    static bool Unpack(const tdu1* data, int len, int rows, int cols, KeymapCodes* codes);
    // Whether both hold the same code in every cell of the grid, on all four layers.
    static bool Same(const KeymapCodes& a, const KeymapCodes& b, int rows, int cols);
};
