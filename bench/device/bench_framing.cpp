// CPU cost of framing a command into reports and reassembling the matching reply, against a
// plain copy of the same bytes as the floor. Prints the medians and their ratio.
#include "device/Protocol.h"
#include "device/ReplyAssembler.h"
#include "device/ReportFraming.h"

#include <QElapsedTimer>
#include <QVector>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {
constexpr int kRuns = 2001;
constexpr int kInner = 2000;

volatile unsigned char g_sink;

template <typename Work> double MedianNsPerOp(Work work)
{
    QVector<double> samples;
    samples.reserve(kRuns);
    for (int run = 0; run < kRuns; run++) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < kInner; i++)
            work();
        samples.append(double(timer.nsecsElapsed()) / kInner);
    }
    std::sort(samples.begin(), samples.end());
    return samples.at(samples.size() / 2);
}

void Measure(int length)
{
    QVector<tdu1> payload(length);
    for (int i = 0; i < length; i++)
        payload[i] = tdu1(i);
    unsigned char reports[Protocol::kMaxPackets][Protocol::kReportSize];
    unsigned char copy[Protocol::kMaxPayload];

    const double floorNs = MedianNsPerOp([&] {
        std::memcpy(copy, payload.constData(), size_t(length));
        g_sink = copy[length - 1];
    });
    const double frameNs = MedianNsPerOp([&] {
        const int count = ReportFraming::PacketCount(length);
        for (int i = 0; i < count; i++)
            ReportFraming::FillPacket(
                Protocol::kOutputReportId, 0x19, payload.constData(), length, i, count, reports[i]);
        g_sink = reports[count - 1][3];
    });

    // The keyboard's reply carries the same bytes framed as input reports.
    const int count = ReportFraming::PacketCount(length);
    for (int i = 0; i < count; i++)
        ReportFraming::FillPacket(Protocol::kInputReportId, 0x16, payload.constData(), length, i, count, reports[i]);
    ReplyAssembler assembler;
    const double assembleNs = MedianNsPerOp([&] {
        for (int i = 0; i < count; i++)
            assembler.Feed(reports[i], Protocol::kReportSize);
        g_sink = assembler.Data()[assembler.Length() - 1];
    });

    std::printf("%4d bytes: copy %7.1f ns | frame %7.1f ns (x%.1f) | reassemble %7.1f ns (x%.1f)\n", length, floorNs,
        frameNs, frameNs / floorNs, assembleNs, assembleNs / floorNs);
}
} // namespace

int main()
{
    Measure(600);
    Measure(900);
    return 0;
}
