#pragma once

#include "SimProtocol.h"

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace sim {

// The keyboard's framing: reassembles the host's output reports into commands and cuts replies
// into input reports.
class PacketCodec
{
public:
    using Command = std::pair<std::uint8_t, std::vector<std::uint8_t>>;

    // Takes one output report (report ID already checked) and returns the command it completes.
    // A one-packet report is a command at once; index 0 with a count above 1 starts a new command,
    // dropping a half-received one; a continuation counts only when its index, count and code match.
    std::optional<Command> feed(const Report& report);
    void reset();

    // Frames a reply the way the keyboard does: up to 60 bytes in one packet 0x01, otherwise
    // packets (index << 4 | count) of 60 bytes with the rest in the last. Payload beyond what
    // 15 packets can number is cut off.
    static std::vector<Report> frame(std::uint8_t reportId, std::uint8_t cmd, const std::vector<std::uint8_t>& payload);

private:
    bool m_assembling = false;
    std::uint8_t m_cmd = 0;
    int m_count = 0;
    int m_nextIndex = 0;
    std::vector<std::uint8_t> m_payload;
};

} // namespace sim
