#include "device/ReplyAssembler.h"

#include <cstring>

bool ReplyAssembler::Feed(const unsigned char* report, int size)
{
    if (size < Protocol::kHeaderSize || report[Protocol::kOffsetReportId] != Protocol::kInputReportId)
        return false;
    const tdu1 cmd = report[Protocol::kOffsetCmd];
    const int seq = report[Protocol::kOffsetPacket];
    const int n = report[Protocol::kOffsetLength];
    // A packet cannot carry more than 60 bytes, nor more than the report holds.
    if (n > Protocol::kPacketPayload || Protocol::kHeaderSize + n > size)
        return false;

    const int index = seq >> 4;
    const int count = seq & 0x0F;
    const unsigned char* payload = report + Protocol::kHeaderSize;

    if (seq == Protocol::kSinglePacket) {
        Restart();
        m_cmd = cmd;
        m_length = n;
        std::memcpy(m_buffer, payload, size_t(n));
        return true;
    }
    if (index == 0 && count > 1) {
        Restart();
        m_cmd = cmd;
        m_count = count;
        m_nextIndex = 1;
        m_length = n;
        std::memcpy(m_buffer, payload, size_t(n));
        return false;
    }
    if (m_count == 0 || index != m_nextIndex || count != m_count || cmd != m_cmd)
        return false;
    m_nextIndex++;
    std::memcpy(m_buffer + m_length, payload, size_t(n));
    m_length += n;
    if (m_nextIndex < m_count)
        return false;
    m_count = 0;
    m_nextIndex = 0;
    return true;
}

void ReplyAssembler::Restart()
{
    m_count = 0;
    m_nextIndex = 0;
    m_length = 0;
    std::memset(m_buffer, 0, sizeof m_buffer);
}
