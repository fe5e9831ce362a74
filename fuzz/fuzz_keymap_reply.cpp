// Keymap read replies: the first two bytes choose the grid (up to 7 x 21) and the keymap, the
// rest is the reply. A refused reply must leave the keymap exactly as it was.
#include "device/Protocol.h"
#include "keymap/KeymapStore.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const int rows = 1 + data[0] % Protocol::kMaxRows;
    const int cols = 1 + (data[0] / Protocol::kMaxRows) % Protocol::kMaxCols;
    const int keymap = data[1] % Protocol::kKeymapCount;
    KeymapStore store;
    store.SetLayoutSize(rows, cols);
    store.SetKeymapCode(keymap, 0, 0, 0, 0x1234);
    const KeymapStore::KeymapCodes before = store.KeymapCopy(keymap);
    const size_t length = size - 2 > Protocol::kMaxPayload ? Protocol::kMaxPayload : size - 2;
    if (!store.UnpackKeymap(keymap, data + 2, tdu2(length)) && store.KeymapCopy(keymap) != before)
        std::abort();
    return 0;
}
