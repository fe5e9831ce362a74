#pragma once

#include "device/DeviceTypes.h"

// Cuts a command into 64-byte output reports: byte 0 report ID, byte 1 code, byte 2 packet
// index << 4 | packet count, byte 3 payload bytes in this packet, then up to 60 payload bytes.
class ReportFraming final
{
public:
    // Number of reports a payload of len bytes needs; 0 when it cannot be framed (over 900 bytes).
    static int PacketCount(int len);
    // Fills report (kReportSize bytes) with packet index of a command framed into count packets.
    static void FillPacket(
        tdu1 reportId, tdu1 cmd, const tdu1* data, int len, int index, int count, unsigned char* report);
};
