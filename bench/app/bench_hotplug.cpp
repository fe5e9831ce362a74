// What the Device Manager costs while it shows and follows the bus: CPU time and wake-ups per
// second over a quiet spell, and the time of one look at the bus. Built against the system's
// hidapi, so the figure includes hidraw's enumeration through udev on this machine.
#include "app/DeviceManager.h"
#include "device/HidDeviceHandle.h"
#include "device/Protocol.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <ctime>

#include <sys/resource.h>

namespace {
double ProcessCpuMs()
{
    timespec now {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1000.0 + double(now.tv_nsec) / 1e6;
}

long VoluntarySwitches()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_nvcsw;
}
} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Run from the run folder, which holds the shipped index.
    DeviceManager manager;
    manager.show();

    QElapsedTimer look;
    look.start();
    constexpr int kLooks = 200;
    for (int i = 0; i < kLooks; i++)
        HidDeviceHandle::PresentProducts(Protocol::kVendorId);
    std::printf("one look at the bus: %.3f ms\n", double(look.nsecsElapsed()) / 1e6 / kLooks);

    double cpu = 0;
    long switches = 0;
    QElapsedTimer wall;
    QTimer::singleShot(500, [&] {
        cpu = ProcessCpuMs();
        switches = VoluntarySwitches();
        wall.start();
    });
    QTimer::singleShot(10500, [&] {
        const double seconds = double(wall.elapsed()) / 1000.0;
        const double used = ProcessCpuMs() - cpu;
        std::printf("shown Device Manager: %.2f ms CPU over %.1f s (%.3f %% of one core), %.1f wake-ups/s\n", used,
            seconds, 100.0 * used / (seconds * 1000.0), double(VoluntarySwitches() - switches) / seconds);
        app.quit();
    });
    return app.exec();
}
