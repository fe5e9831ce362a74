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

#include <sys/resource.h>

namespace {
// Times the process went to sleep of its own accord; while idle that is one per wake-up.
long VoluntarySwitches()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_nvcsw;
}

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
    const long switchesBefore = VoluntarySwitches();
    QElapsedTimer wall;
    wall.start();
    QThread::sleep(5);
    const double idleCpu = ProcessCpuMs() - cpuBefore;
    const double seconds = double(wall.elapsed()) / 1000.0;
    std::printf("idle receive thread: %.2f ms CPU over %.0f ms wall (%.3f %% of one core), %.1f wake-ups/s\n", idleCpu,
        seconds * 1000.0, 100.0 * idleCpu / (seconds * 1000.0), double(VoluntarySwitches() - switchesBefore) / seconds);

    // The first write after a quiet spell finds the reader asleep without the lock.
    QVector<double> firstWaits;
    for (int i = 0; i < 5; i++) {
        QThread::msleep(1200);
        QElapsedTimer timer;
        timer.start();
        handle.WriteCmd(Protocol::kCmdReadRollover, nullptr, 0);
        firstWaits.append(double(timer.nsecsElapsed()) / 1e6);
        QCoreApplication::processEvents();
    }
    std::sort(firstWaits.begin(), firstWaits.end());
    std::printf("first write after idle: median %.3f ms, max %.3f ms\n", firstWaits.at(2), firstWaits.last());

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
