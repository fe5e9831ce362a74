// Live mode on the keymap page: from one key assigned to the keyboard's read-back confirming it,
// through the page, its transfer, the session and the simulated keyboard. The link is paced at
// one report a millisecond: each exchange (a write's packets and its status, or a read's request
// and the keymap's packets) is answered as late as its reports take at that pace.
#include "device/CommandClient.h"
#include "device/DeviceSession.h"
#include "device/Protocol.h"
#include "device/ReportFraming.h"
#include "keymap/KeymapDialog.h"
#include "keymap/KeymapLiveMode.h"
#include "keymap/KeymapStore.h"
#include "keymap/KeymapTransfer.h"
#include "layout/KeyPannel.h"
#include "layout/LayoutFile.h"
#include "sim/SimBus.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLoggingCategory>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {
constexpr tdu2 kPid = 0x0602;
constexpr int kRuns = 100;
constexpr double kGoalMs = 30;
} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    RegisterDeviceMetaTypes();
    QLoggingCategory::setFilterRules(QStringLiteral("driver.*.debug=false"));
    // Switching live mode on is remembered; keep that out of the user's settings.
    QTemporaryDir settings;
    QCoreApplication::setOrganizationName(QStringLiteral("bench"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());

    const LayoutDescription layout
        = LayoutFile::Read(QDir(QStringLiteral(DRIVER_CONFIG_DIR)).filePath("NOVA65_0.json"));
    if (!layout.ok)
        return 1;
    sim::SimBus::instance().reset();
    const auto keyboard = sim::SimBus::instance().plug(Protocol::kVendorId, kPid, layout.rownum, layout.colnum);
    DeviceSession session(kPid);
    if (!session.Open())
        return 1;

    KeymapDialog page;
    LayoutFile::FillPannel(page.Pannel(), layout, LayoutFile::PannelRole::Keymap);
    page.SetLayoutCodes(layout);
    page.SetupPannel();
    page.show();
    page.SetClient(session.NewClient(&page));
    if (!page.LiveMode()->SetOn(true))
        return 1;
    const int packets = ReportFraming::PacketCount(tdu2(page.Store()->PayloadSize()));
    int col = 0;
    while (page.Pannel()->Cap(0, tdu1(col)) == nullptr)
        ++col;
    page.KeyPannelKeyCapClicked(0, tdu1(col));

    // Median milliseconds from an assignment to its confirmation; 0 when one was not confirmed.
    int run = 0;
    const auto measure = [&](int replyDelayMs) {
        keyboard->setReplyDelayMs(replyDelayMs);
        std::vector<double> times;
        for (int i = 0; i < kRuns; ++i, ++run) {
            QEventLoop loop;
            bool confirmed = false;
            const auto ended
                = QObject::connect(page.Transfer(), &KeymapTransfer::WriteEnded, &loop, [&](int, bool done) {
                      confirmed = done;
                      loop.quit();
                  });
            QTimer::singleShot(2000, &loop, &QEventLoop::quit);
            QElapsedTimer timer;
            timer.start();
            // Each run sets another code than the one before.
            page.KeyPannelCodeClicked(tdu2(4 + run % 26 + (run % 2) * 26));
            loop.exec();
            times.push_back(double(timer.nsecsElapsed()) / 1e6);
            QObject::disconnect(ended);
            if (!confirmed)
                return 0.0;
        }
        std::sort(times.begin(), times.end());
        return times[times.size() / 2];
    };
    // A write is its packets out and a status report in; the read-back a request out and the
    // keymap's packets in: packets + 1 reports each.
    const double paced = measure(packets + 1);
    const double unpaced = measure(0);
    if (paced == 0 || unpaced == 0) {
        std::printf("a live write was not confirmed\n");
        return 1;
    }
    std::printf("live assignment to confirmed, %d x %d keys, %d reports at 1 ms a report: median %.2f ms over %d runs "
                "(goal <= %.0f ms)\n",
        layout.rownum, layout.colnum, 2 * (packets + 1), paced, kRuns, kGoalMs);
    std::printf("  the same without the link's pace (the program and the session alone): median %.2f ms\n", unpaced);
    return 0;
}
