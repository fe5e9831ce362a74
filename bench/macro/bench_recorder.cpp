// The recorder's figures on a private Xvfb server: time from an xdotool key event to its row in
// the macro list (median over many presses and releases), and the CPU the recorder thread uses
// while idle, not recording and recording.
#include "XvfbServer.h"
#include "macro/MacroDialog.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QListWidget>
#include <QTextStream>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <unistd.h>
#include <vector>

namespace {
// User + system CPU time of the thread named `name`, in milliseconds; -1 when not found.
double ThreadCpuMs(const QByteArray& name)
{
    const QStringList tasks = QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& task : tasks) {
        QFile comm(QStringLiteral("/proc/self/task/%1/comm").arg(task));
        if (!comm.open(QIODevice::ReadOnly) || comm.readAll().trimmed() != name)
            continue;
        QFile stat(QStringLiteral("/proc/self/task/%1/stat").arg(task));
        if (!stat.open(QIODevice::ReadOnly))
            return -1;
        const QByteArray line = stat.readAll();
        // Fields after the command's closing parenthesis; utime and stime are the 12th and 13th.
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        const double ticks = fields.at(11).toDouble() + fields.at(12).toDouble();
        return ticks * 1000.0 / double(sysconf(_SC_CLK_TCK));
    }
    return -1;
}

void Idle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int presses = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 200;
    QTextStream out(stdout);

    XvfbServer xvfb;
    if (!xvfb.Error().isEmpty()) {
        out << "bench_recorder: " << xvfb.Error() << "\n";
        return 1;
    }
    qputenv("DISPLAY", xvfb.Display().toLatin1());

    MacroDialog page;
    page.show();
    QListWidget* list = page.findChild<QListWidget*>(QStringLiteral("lswMacro"));
    QToolButton* record = page.findChild<QToolButton*>(QStringLiteral("tbtnMacroRec"));

    // Recorder thread CPU while the page is idle and not recording.
    Idle(300);
    const double idleStart = ThreadCpuMs("KeyboardThread");
    if (idleStart < 0) {
        out << "bench_recorder: no recorder thread\n";
        return 1;
    }
    Idle(3000);
    const double idleCpu = ThreadCpuMs("KeyboardThread") - idleStart;

    record->click();
    if (page.IsWindowOnlyRecording()) {
        out << "bench_recorder: no keyboard grab on " << xvfb.Display() << "\n";
        return 1;
    }
    const double recordingStart = ThreadCpuMs("KeyboardThread");
    Idle(3000);
    const double recordingCpu = ThreadCpuMs("KeyboardThread") - recordingStart;

    // One xdotool that reads its commands from stdin, so that no process start is timed.
    QProcess xdotool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), xvfb.Display());
    xdotool.setProcessEnvironment(environment);
    xdotool.start(QStringLiteral("xdotool"), {QStringLiteral("-")});
    xdotool.waitForStarted();

    QElapsedTimer clock;
    qint64 rowAt = 0;
    QObject::connect(list->model(), &QAbstractItemModel::rowsInserted, [&] { rowAt = clock.nsecsElapsed(); });
    std::vector<double> latencies;
    const QByteArray keys[] = {"keydown 38\n", "keyup 38\n"};
    for (int i = 0; i < 2 * presses; i++) {
        // A macro holds 120 actions: start afresh before it is full.
        if (page.Actions(0).size() >= 118) {
            record->click();
            record->click();
        }
        const int before = list->count();
        rowAt = 0;
        clock.start();
        xdotool.write(keys[i % 2]);
        xdotool.waitForBytesWritten();
        QElapsedTimer limit;
        limit.start();
        while (list->count() == before && limit.elapsed() < 2000)
            app.processEvents(QEventLoop::WaitForMoreEvents, 5);
        if (list->count() == before) {
            out << "bench_recorder: no row for key event " << i << "\n";
            return 1;
        }
        latencies.push_back(double(rowAt) / 1e6);
        Idle(5);
    }
    record->click();
    xdotool.closeWriteChannel();
    xdotool.waitForFinished();

    std::sort(latencies.begin(), latencies.end());
    const auto at = [&](double share) { return latencies[size_t(share * double(latencies.size() - 1))]; };
    out << "key event to row: median " << QString::number(at(0.5), 'f', 2) << " ms, 90th percentile "
        << QString::number(at(0.9), 'f', 2) << " ms, max " << QString::number(latencies.back(), 'f', 2) << " ms over "
        << latencies.size() << " key events\n";
    out << "recorder thread CPU over 3 s idle, not recording: " << QString::number(idleCpu, 'f', 1)
        << " ms; recording with nothing typed: " << QString::number(recordingCpu, 'f', 1) << " ms" << Qt::endl;
    return 0;
}
