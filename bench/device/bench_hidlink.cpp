// The HID link against the simulated keyboard: how long a write waits for the receive thread to
// step aside, and what the idle receive thread costs in CPU time.
#include "device/HidDeviceHandle.h"
#include "device/Protocol.h"
#include "sim/SimBus.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QVector>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {
double ProcessCpuMs()
{
    timespec now {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1000.0 + double(now.tv_nsec) / 1e6;
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    constexpr tdu2 kPid = 0x0601;
    const auto keyboard = sim::SimBus::instance().plug(Protocol::kVendorId, kPid);
    HidDeviceHandle handle;
    if (!handle.Open(kPid, Protocol::kVendorId) || !handle.StartRecThread())
        return 1;
    int replies = 0;
    QObject::connect(&handle, &HidDeviceHandle::OnRecCmd, [&replies](tdu1, tdu1*, tdu2) { replies++; });

    // Idle: the receive thread waits in its reads.
    QThread::msleep(100);
    const double cpuBefore = ProcessCpuMs();
    QElapsedTimer wall;
    wall.start();
    QThread::sleep(3);
    const double idleCpu = ProcessCpuMs() - cpuBefore;
    std::printf("idle receive thread: %.2f ms CPU over %.0f ms wall (%.2f %% of one core)\n", idleCpu,
        double(wall.elapsed()), 100.0 * idleCpu / double(wall.elapsed()));

    // Writes made at random points of the reader's cycle.
    QVector<double> waits;
    for (int i = 0; i < 400; i++) {
        QThread::usleep(unsigned(700 + (i * 37) % 3000));
        QElapsedTimer timer;
        timer.start();
        handle.WriteCmd(Protocol::kCmdReadRollover, nullptr, 0);
        waits.append(double(timer.nsecsElapsed()) / 1e6);
        QCoreApplication::processEvents();
    }
    std::sort(waits.begin(), waits.end());
    std::printf("one-report write incl. lock wait: median %.3f ms, 90th %.3f ms, max %.3f ms (%d replies)\n",
        waits.at(waits.size() / 2), waits.at(waits.size() * 9 / 10), waits.last(), replies);
    return 0;
}
