#pragma once

#include "device/DeviceTypes.h"
#include "device/Protocol.h"

// Reassembles the keyboard's input reports into whole replies. Foreign, malformed and
// out-of-order reports are skipped; a new first packet or a one-packet reply discards a
// half-assembled reply.
class ReplyAssembler final
{
public:
    // Takes one report of size bytes; true when it completed a reply.
    bool Feed(const unsigned char* report, int size);

    tdu1 Cmd() const
    {
        return m_cmd;
    }
    const tdu1* Data() const
    {
        return m_buffer;
    }
    int Length() const
    {
        return m_length;
    }

private:
    void Restart();

    tdu1 m_cmd = 0;
    int m_length = 0;
    // Multi-packet state: expected next index and the packet count; 0 count when idle.
    int m_nextIndex = 0;
    int m_count = 0;
    tdu1 m_buffer[Protocol::kMaxPayload] = {};
};
