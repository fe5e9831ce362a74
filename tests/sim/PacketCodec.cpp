#include "PacketCodec.h"

#include <algorithm>

namespace sim {

namespace {
constexpr int kOffsetCmd = 1;
constexpr int kOffsetPacket = 2;
constexpr int kOffsetLength = 3;
} // namespace

std::optional<PacketCodec::Command> PacketCodec::feed(const Report& report)
{
    const std::uint8_t cmd = report[kOffsetCmd];
    const std::uint8_t packet = report[kOffsetPacket];
    const int length = report[kOffsetLength];
    // A packet claiming more than fits is garbage; the firmware drops it without touching its state.
    if (length > kPacketPayload) {
        return std::nullopt;
    }
    const auto first = report.begin() + kHeaderSize;
    const int index = packet >> 4;
    const int count = packet & 0x0F;

    if (packet == kSinglePacket) {
        m_assembling = false;
        return Command(cmd, std::vector<std::uint8_t>(first, first + length));
    }
    if (index == 0 && count > 1) {
        m_assembling = true;
        m_cmd = cmd;
        m_count = count;
        m_nextIndex = 1;
        m_payload.assign(first, first + length);
        return std::nullopt;
    }
    if (!m_assembling || index != m_nextIndex || count != m_count || cmd != m_cmd) {
        return std::nullopt;
    }
    m_payload.insert(m_payload.end(), first, first + length);
    if (++m_nextIndex < m_count) {
        return std::nullopt;
    }
    m_assembling = false;
    return Command(m_cmd, std::move(m_payload));
}

void PacketCodec::reset()
{
    m_assembling = false;
    m_payload.clear();
}

std::vector<Report> PacketCodec::frame(
    std::uint8_t reportId, std::uint8_t cmd, const std::vector<std::uint8_t>& payload)
{
    const int size = std::min(static_cast<int>(payload.size()), kMaxPayload);
    const int count = size <= kPacketPayload ? 1 : (size + kPacketPayload - 1) / kPacketPayload;
    std::vector<Report> reports;
    reports.reserve(count);
    for (int i = 0; i < count; ++i) {
        Report report {};
        const int offset = i * kPacketPayload;
        const int length = std::min(kPacketPayload, size - offset);
        report[0] = reportId;
        report[kOffsetCmd] = cmd;
        report[kOffsetPacket] = count == 1 ? kSinglePacket : static_cast<std::uint8_t>(i << 4 | count);
        report[kOffsetLength] = static_cast<std::uint8_t>(length);
        std::copy_n(payload.begin() + offset, length, report.begin() + kHeaderSize);
        reports.push_back(report);
    }
    return reports;
}

} // namespace sim
