// Time from a click on the main window's close button to the end of the process, in every state a
// user may close it in. Each run is a child process of its own (this program with --state), so the
// figure includes the whole teardown: the event loop's end, the window, the Device Manager, Qt and
// the process exit.
#include "macro/XvfbServer.h"
#include "support/ExitScenario.h"
#include "support/TestFolder.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QVector>

#include <algorithm>
#include <cstdio>

#include <hidapi.h>

namespace {
constexpr int kRuns = 7;

int Child(int argc, char* argv[], const QString& state)
{
    QApplication app(argc, argv);
    hid_init();
    int result = 0;
    {
        TestFolder folder;
        ExitScenario scenario(state);
        if (!scenario.Error().isEmpty()) {
            std::printf("error %s\n", qPrintable(scenario.Error()));
            return 1;
        }
        std::printf("closing\n");
        std::fflush(stdout);
        const qint64 loop = scenario.CloseAndRun(10000);
        const qint64 teardown = scenario.Finish();
        std::printf("loop %lld teardown %lld\n", loop, teardown);
        std::fflush(stdout);
        result = loop < 0 ? 1 : 0;
    }
    hid_exit();
    return result;
}

struct Run
{
    double totalMs = -1;
    double loopMs = -1;
    double teardownMs = -1;
};

Run RunOnce(const QString& state, const QProcessEnvironment& environment)
{
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {"--state", state});
    QByteArray out;
    QElapsedTimer timer;
    while (!out.contains("closing") && child.waitForReadyRead(30000))
        out += child.readAllStandardOutput();
    timer.start();
    if (!child.waitForFinished(30000) || child.exitCode() != 0)
        return {};
    Run run;
    run.totalMs = double(timer.nsecsElapsed()) / 1e6;
    out += child.readAllStandardOutput();
    const QList<QByteArray> words = out.mid(out.indexOf("loop")).simplified().split(' ');
    run.loopMs = words.value(1).toDouble();
    run.teardownMs = words.value(3).toDouble();
    return run;
}

double Median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? -1 : values.at(values.size() / 2);
}
} // namespace

int main(int argc, char* argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--state") == 0)
        return Child(argc, argv, QString::fromLocal8Bit(argv[2]));

    QCoreApplication app(argc, argv);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // The recorder grabs the keyboard of an X server; the windows stay where QT_QPA_PLATFORM says.
    XvfbServer xvfb;
    if (!xvfb.Display().isEmpty())
        environment.insert(QStringLiteral("DISPLAY"), xvfb.Display());
    std::printf("close to process exit, %d runs each (median, max; event loop end and teardown medians)\n", kRuns);
    for (const QString& state : ExitScenario::States()) {
        QVector<double> total;
        QVector<double> loop;
        QVector<double> teardown;
        for (int i = 0; i < kRuns; i++) {
            const Run run = RunOnce(state, environment);
            if (run.totalMs < 0) {
                std::printf("  %-26s failed\n", qPrintable(state));
                break;
            }
            total.append(run.totalMs);
            loop.append(run.loopMs);
            teardown.append(run.teardownMs);
        }
        if (total.size() < kRuns)
            continue;
        std::printf("  %-26s %7.1f ms, max %7.1f ms (loop %.0f ms, teardown %.0f ms)\n", qPrintable(state),
            Median(total), *std::max_element(total.begin(), total.end()), Median(loop), Median(teardown));
    }
    return 0;
}
