// The key tester's and the layer chart's figures on a full 7 x 21 board (147 keys): time from an
// xdotool key event on a private Xvfb server to the repaint of its cap (median and 90th
// percentile), and the time to write the chart of four layers as PDF, PNG and SVG (median).
#include "TestLayouts.h"
#include "XvfbServer.h"
#include "keymap/KeymapDialog.h"
#include "keymap/KeymapStore.h"
#include "keymap/LayerChart.h"
#include "layout/LayoutFile.h"
#include "tester/KeyTestModel.h"
#include "tester/KeyTesterDialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <vector>

namespace {
constexpr int kRows = 7;
constexpr int kCols = 21;
constexpr tdu2 kVkA = 0x41;

void Idle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

double At(std::vector<double> values, double share)
{
    std::sort(values.begin(), values.end());
    return values[size_t(share * double(values.size() - 1))];
}

// Records when the watched widget paints.
class PaintClock final : public QObject
{
public:
    QElapsedTimer clock;
    qint64 paintedAt = -1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && paintedAt < 0)
            paintedAt = clock.nsecsElapsed();
        return QObject::eventFilter(watched, event);
    }
};

int KeyToCap(QApplication& app, const LayoutDescription& layout, int presses, QTextStream& out)
{
    XvfbServer xvfb;
    if (!xvfb.Error().isEmpty()) {
        out << "bench_tester: " << xvfb.Error() << "\n";
        return 1;
    }
    qputenv("DISPLAY", xvfb.Display().toLatin1());
    KeyTesterDialog page;
    LayoutFile::FillPannel(page.Pannel(), layout, LayoutFile::PannelRole::Length);
    page.SetLayoutCodes(layout);
    page.SetupPannel();
    page.show();
    page.StartTest();
    if (page.IsWindowOnly()) {
        out << "bench_tester: no keyboard grab on " << xvfb.Display() << "\n";
        return 1;
    }
    PaintClock paints;
    page.Overlay()->installEventFilter(&paints);

    // One xdotool that reads its commands from stdin, so that no process start is timed.
    std::unique_ptr<QProcess> xdotool = xvfb.StartXdotool({QStringLiteral("-")});
    xdotool->waitForStarted();
    std::vector<double> latencies;
    const QByteArray keys[] = {"keydown 38\n", "keyup 38\n"};
    for (int i = 0; i < 2 * presses; i++) {
        const bool down = i % 2 == 0;
        Idle(40); // beyond the chatter threshold, and the last repaint done
        paints.paintedAt = -1;
        paints.clock.start();
        xdotool->write(keys[i % 2]);
        xdotool->waitForBytesWritten();
        QElapsedTimer limit;
        limit.start();
        while ((page.Model()->State(kVkA).held != down || paints.paintedAt < 0) && limit.elapsed() < 2000)
            app.processEvents(QEventLoop::WaitForMoreEvents, 5);
        if (paints.paintedAt < 0) {
            out << "bench_tester: cap not repainted for key event " << i << "\n";
            return 1;
        }
        latencies.push_back(double(paints.paintedAt) / 1e6);
    }
    page.StopTest();
    xdotool->closeWriteChannel();
    xdotool->waitForFinished();
    out << "key event to lit cap: median " << QString::number(At(latencies, 0.5), 'f', 2) << " ms, 90th percentile "
        << QString::number(At(latencies, 0.9), 'f', 2) << " ms over " << latencies.size() << " key events ("
        << page.Model()->State(kVkA).chatters << " counted as chatter)\n";
    return 0;
}

int Export(const LayoutDescription& layout, int runs, QTextStream& out)
{
    KeymapDialog page;
    LayoutFile::FillPannel(page.Pannel(), layout, LayoutFile::PannelRole::Keymap);
    page.SetLayoutCodes(layout);
    page.SetupPannel();
    QTemporaryDir dir;
    const LayerChart::Titles titles {QStringLiteral("NOVA 147"), QStringLiteral("1st Keymap"),
        {QStringLiteral("1st Layer"), QStringLiteral("2nd Layer"), QStringLiteral("3rd Layer"),
            QStringLiteral("4th Layer")},
        QDate::currentDate()};
    const QStringList suffixes {QStringLiteral("pdf"), QStringLiteral("png"), QStringLiteral("svg")};
    for (const QString& suffix : suffixes) {
        std::vector<double> times;
        for (int i = 0; i < runs; i++) {
            QElapsedTimer clock;
            clock.start();
            LayerChart chart(*page.Pannel(), *page.Store(), 0, titles);
            QString error;
            if (!chart.WriteFile(dir.filePath(QStringLiteral("chart.") + suffix), &error)) {
                out << "bench_tester: " << error << "\n";
                return 1;
            }
            times.push_back(double(clock.nsecsElapsed()) / 1e6);
        }
        out << "chart of 4 layers x 147 keys to " << suffix.toUpper() << ": median "
            << QString::number(At(times, 0.5), 'f', 1) << " ms over " << runs << " runs ("
            << QFileInfo(dir.filePath(QStringLiteral("chart.") + suffix)).size() / 1024 << " KiB)\n";
    }
    return 0;
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int presses = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 200;
    QTextStream out(stdout);
    const LayoutDescription layout = LayoutFile::Parse(TestLayouts::Grid(kRows, kCols));
    if (!layout.ok) {
        out << "bench_tester: layout not read\n";
        return 1;
    }
    const int result = KeyToCap(app, layout, presses, out) | Export(layout, 5, out);
    out.flush();
    return result;
}
