#pragma once

#include "SimKeyboard.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

namespace sim {

class SimHandle;

// The USB bus the hidapi functions see: which keyboards are plugged in and which handles are open.
class SimBus
{
public:
    static SimBus& instance();

    std::shared_ptr<SimKeyboard> plug(
        std::uint16_t vid, std::uint16_t pid, int rows = 5, int cols = 15, int interfaces = 1);
    // Unplugs every keyboard with these IDs; their open handles then fail reads and writes with -1.
    void unplug(std::uint16_t vid, std::uint16_t pid);
    // Unplugs everything and forgets logs and faults. Handles still open stay harmless to use
    // (every call fails) but no longer count as open.
    void reset();
    // The first plugged keyboard with these IDs, or null.
    std::shared_ptr<SimKeyboard> find(std::uint16_t vid, std::uint16_t pid) const;
    // Handles opened and not closed since the last reset.
    int openHandleCount() const;

    // For the hidapi functions. IDs of 0 match any, as in hid_enumerate.
    std::vector<std::shared_ptr<SimKeyboard>> plugged(std::uint16_t vid, std::uint16_t pid) const;
    // A new handle on the first interface of the first matching keyboard, as hid_open takes the
    // first device it enumerates; null when none is plugged or it refuses to open.
    SimHandle* open(std::uint16_t vid, std::uint16_t pid);
    // A new handle on the interface that an enumerated path names, or null.
    SimHandle* openPath(const char* path);
    // The path hid_enumerate reports for an interface of a keyboard.
    static std::string path(const SimKeyboard& keyboard, int interface);
    // The handle behind a hid_device pointer; null for pointers that were closed or never opened.
    std::shared_ptr<SimHandle> handle(const void* device) const;
    void close(const void* device);

private:
    SimBus() = default;

    struct OpenHandle
    {
        std::shared_ptr<SimHandle> handle;
        bool counted = true;
    };

    void pruneLocked();

    mutable std::mutex m_mutex;
    std::vector<std::shared_ptr<SimKeyboard>> m_keyboards;
    std::unordered_map<const void*, OpenHandle> m_handles;
};

} // namespace sim
