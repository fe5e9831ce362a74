#include "SimBus.h"

#include "SimHandle.h"

#include <algorithm>
#include <cstdio>

namespace sim {

namespace {
bool matches(const SimKeyboard& keyboard, std::uint16_t vid, std::uint16_t pid)
{
    return (vid == 0 || keyboard.vendorId() == vid) && (pid == 0 || keyboard.productId() == pid);
}
} // namespace

SimBus& SimBus::instance()
{
    // Never destroyed: a receive thread may still be blocked in a read while the process exits.
    static SimBus* const bus = new SimBus;
    return *bus;
}

std::shared_ptr<SimKeyboard> SimBus::plug(std::uint16_t vid, std::uint16_t pid, int rows, int cols, int interfaces)
{
    auto keyboard = std::make_shared<SimKeyboard>(vid, pid, rows, cols, interfaces);
    std::lock_guard<std::mutex> lock(m_mutex);
    pruneLocked();
    m_keyboards.push_back(keyboard);
    return keyboard;
}

void SimBus::unplug(std::uint16_t vid, std::uint16_t pid)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const auto& keyboard : m_keyboards) {
        if (keyboard->vendorId() == vid && keyboard->productId() == pid) {
            keyboard->unplug();
        }
    }
    pruneLocked();
}

void SimBus::reset()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const auto& keyboard : m_keyboards) {
        keyboard->unplug();
        keyboard->clearLog();
        keyboard->clearFaults();
    }
    m_keyboards.clear();
    for (auto& entry : m_handles) {
        entry.second.counted = false;
    }
}

std::shared_ptr<SimKeyboard> SimBus::find(std::uint16_t vid, std::uint16_t pid) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const auto& keyboard : m_keyboards) {
        if (keyboard->vendorId() == vid && keyboard->productId() == pid && keyboard->isPlugged()) {
            return keyboard;
        }
    }
    return nullptr;
}

int SimBus::openHandleCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return static_cast<int>(
        std::count_if(m_handles.begin(), m_handles.end(), [](const auto& entry) { return entry.second.counted; }));
}

std::vector<std::shared_ptr<SimKeyboard>> SimBus::plugged(std::uint16_t vid, std::uint16_t pid) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<std::shared_ptr<SimKeyboard>> found;
    for (const auto& keyboard : m_keyboards) {
        if (matches(*keyboard, vid, pid) && keyboard->isPlugged()) {
            found.push_back(keyboard);
        }
    }
    return found;
}

SimHandle* SimBus::open(std::uint16_t vid, std::uint16_t pid)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    pruneLocked();
    const auto keyboard = std::find_if(
        m_keyboards.begin(), m_keyboards.end(), [vid, pid](const auto& k) { return matches(*k, vid, pid); });
    if (keyboard == m_keyboards.end()) {
        return nullptr;
    }
    if ((*keyboard)->opensRefused()) {
        return nullptr;
    }
    auto handle = std::make_shared<SimHandle>(*keyboard, 0);
    m_handles[handle.get()] = {handle, true};
    return handle.get();
}

SimHandle* SimBus::openPath(const char* path)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    pruneLocked();
    for (const auto& keyboard : m_keyboards) {
        for (int interface = 0; interface < keyboard->interfaceCount(); ++interface) {
            if (SimBus::path(*keyboard, interface) != path) {
                continue;
            }
            if (keyboard->opensRefused()) {
                return nullptr;
            }
            auto handle = std::make_shared<SimHandle>(keyboard, interface);
            m_handles[handle.get()] = {handle, true};
            return handle.get();
        }
    }
    return nullptr;
}

std::string SimBus::path(const SimKeyboard& keyboard, int interface)
{
    char text[64];
    std::snprintf(text, sizeof(text), "sim:%04x:%04x:%p:%d", keyboard.vendorId(), keyboard.productId(),
        static_cast<const void*>(&keyboard), interface);
    return text;
}

std::shared_ptr<SimHandle> SimBus::handle(const void* device) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto entry = m_handles.find(device);
    return entry == m_handles.end() ? nullptr : entry->second.handle;
}

void SimBus::close(const void* device)
{
    std::shared_ptr<SimHandle> handle;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        const auto entry = m_handles.find(device);
        if (entry == m_handles.end()) {
            return;
        }
        handle = entry->second.handle;
        m_handles.erase(entry);
    }
    // A call still running on another thread keeps its own reference until it returns.
    handle->close();
}

void SimBus::pruneLocked()
{
    m_keyboards.erase(std::remove_if(m_keyboards.begin(), m_keyboards.end(),
                          [](const auto& keyboard) { return !keyboard->isPlugged(); }),
        m_keyboards.end());
}

} // namespace sim
