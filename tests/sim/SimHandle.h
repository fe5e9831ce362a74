#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace sim {

class SimKeyboard;

// What a hid_device pointer stands for: one open handle on a keyboard. Counts calls that overlap
// on the handle, because the program must never have two hidapi calls on one handle in flight.
class SimHandle
{
public:
    SimHandle(std::shared_ptr<SimKeyboard> keyboard, int interface);
    SimHandle(const SimHandle&) = delete;
    SimHandle& operator=(const SimHandle&) = delete;

    int write(const std::uint8_t* data, std::size_t length);
    int read(std::uint8_t* data, std::size_t length, int milliseconds);
    // Stops the handle: later calls fail and a blocked read returns -1.
    void close();
    const wchar_t* lastError() const;
    const std::shared_ptr<SimKeyboard>& keyboard() const;

private:
    // Marks one hidapi call on this handle for its whole duration.
    class CallScope
    {
    public:
        explicit CallScope(SimHandle& handle);
        ~CallScope();
        CallScope(const CallScope&) = delete;
        CallScope& operator=(const CallScope&) = delete;

    private:
        SimHandle& m_handle;
    };

    std::shared_ptr<SimKeyboard> m_keyboard;
    int m_endpoint;
    std::atomic<int> m_activeCalls {0};
    std::atomic<bool> m_closed {false};
    std::atomic<const wchar_t*> m_lastError;
};

} // namespace sim
