// Loaded with LD_PRELOAD into the real program, this library answers its hidapi calls with
// simulated keyboards instead of hidraw, so the program can be tried and photographed without a
// keyboard. DRIVER_SIM_KEYBOARDS lists what is plugged at start, separated by commas:
// "pid:ROWSxCOLS[:keymaptype]" with the product ID in hexadecimal, e.g. "0602:5x15:0".
// This variable belongs to the tool only; the program itself reads no environment.

#include "SimBus.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

constexpr std::uint16_t kVendorId = 0x4E4F;

void plugFromEnvironment()
{
    const char* list = std::getenv("DRIVER_SIM_KEYBOARDS");
    if (!list)
        return;
    std::stringstream entries(list);
    std::string entry;
    while (std::getline(entries, entry, ',')) {
        unsigned pid = 0;
        int rows = 5;
        int cols = 15;
        int keymapType = 0;
        const int fields = std::sscanf(entry.c_str(), "%x:%dx%d:%d", &pid, &rows, &cols, &keymapType);
        if (fields < 1) {
            std::fprintf(stderr, "simulated keyboard: cannot read \"%s\"\n", entry.c_str());
            continue;
        }
        auto keyboard = sim::SimBus::instance().plug(kVendorId, static_cast<std::uint16_t>(pid), rows, cols);
        keyboard->modify(
            [keymapType](sim::KeyboardState& state) { state.keymapType = static_cast<std::uint8_t>(keymapType); });
        std::fprintf(stderr, "simulated keyboard: plugged %04x (%dx%d, keymap type %d)\n", pid, rows, cols, keymapType);
    }
}

struct Plugger
{
    Plugger()
    {
        plugFromEnvironment();
    }
} g_plugger;

} // namespace
