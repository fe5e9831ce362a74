// What reading a keymap back after writing it costs: the round trips of a write alone and of a
// write with its read-back, through the session and the simulated keyboard, and what the USB link
// allows for the same reports at full speed (one 64-byte report a millisecond each way).
#include "codec/KeymapCodec.h"
#include "device/CommandClient.h"
#include "device/DeviceSession.h"
#include "device/Protocol.h"
#include "device/ReportFraming.h"
#include "sim/SimBus.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLoggingCategory>
#include <QVector>

#include <algorithm>
#include <cstdio>

namespace {
constexpr tdu2 kPid = 0x0601;
constexpr int kRuns = 200;

double Median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

// Milliseconds from sending the write to its answer, or to the read-back's answer.
double RoundTrip(DeviceSession& session, const QByteArray& payload, bool readBack)
{
    CommandClient* client = session.NewClient(nullptr);
    QEventLoop loop;
    QObject::connect(client, &CommandClient::Answered, &loop, [&](tdu1 cmd) {
        if (readBack && cmd == Protocol::kCmdWriteKeymap1)
            client->Send(Protocol::kCmdReadKeymap1);
        else
            loop.quit();
    });
    QElapsedTimer timer;
    timer.start();
    client->Send(Protocol::kCmdWriteKeymap1, payload);
    loop.exec();
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    delete client;
    return ms;
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("driver.*.debug=false"));
    std::printf("%-28s %8s %8s %12s %12s\n", "grid", "reports", "+reads", "sim write", "sim +read");
    for (const auto& grid : {std::make_pair(5, 15), std::make_pair(7, 16)}) {
        sim::SimBus::instance().reset();
        const auto keyboard = sim::SimBus::instance().plug(Protocol::kVendorId, kPid, grid.first, grid.second);
        DeviceSession session(kPid);
        if (!session.Open())
            return 1;
        const QByteArray payload = KeymapCodec::Pack(KeymapCodec::KeymapCodes {}, grid.first, grid.second);
        QVector<double> write;
        QVector<double> both;
        for (int run = 0; run < kRuns; run++) {
            write.append(RoundTrip(session, payload, false));
            both.append(RoundTrip(session, payload, true));
        }
        const int packets = ReportFraming::PacketCount(tdu2(payload.size()));
        // A write is its packets out and one status report in; a read-back one report out and
        // the keymap's packets in.
        std::printf("%2d x %2d (%3d bytes)            %8d %8d %9.2f ms %9.2f ms\n", grid.first, grid.second,
            int(payload.size()), packets + 1, 1 + packets, Median(write), Median(both));
        std::printf(
            "  at one report a millisecond: write %d ms, with read-back %d ms\n", packets + 1, 2 * (packets + 1));
    }
    return 0;
}
