#include "device/ReportFraming.h"

#include "device/Protocol.h"

#include <cstring>

int ReportFraming::PacketCount(int len)
{
    if (len < 0 || len > Protocol::kMaxPayload)
        return 0;
    if (len <= Protocol::kPacketPayload)
        return 1;
    return (len + Protocol::kPacketPayload - 1) / Protocol::kPacketPayload;
}

void ReportFraming::FillPacket(
    tdu1 reportId, tdu1 cmd, const tdu1* data, int len, int index, int count, unsigned char* report)
{
    const int offset = index * Protocol::kPacketPayload;
    const int bytes = qMin(len - offset, Protocol::kPacketPayload);
    std::memset(report, 0, Protocol::kReportSize);
    report[Protocol::kOffsetReportId] = reportId;
    report[Protocol::kOffsetCmd] = cmd;
    report[Protocol::kOffsetPacket] = count == 1 ? Protocol::kSinglePacket : tdu1(index << 4 | count);
    report[Protocol::kOffsetLength] = tdu1(bytes);
    if (bytes > 0)
        std::memcpy(report + Protocol::kHeaderSize, data + offset, size_t(bytes));
}
