// Starts both programs alternately, many times, and reports the median time from process start
// to "shown" on their output, and the ratio.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QVector>

#include <algorithm>
#include <cstdio>

namespace {
double TimeToShown(const QString& program)
{
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(program, QStringList());
    while (process.waitForReadyRead(10000)) {
        if (process.readAllStandardOutput().contains("shown"))
            break;
    }
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    process.waitForFinished(10000);
    return ms;
}

double Median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    constexpr int kRuns = 41;
    QVector<double> driver;
    QVector<double> bare;
    TimeToShown(QStringLiteral(DRIVER_BIN));
    TimeToShown(QStringLiteral(BARE_BIN));
    for (int i = 0; i < kRuns; i++) {
        driver.append(TimeToShown(QStringLiteral(DRIVER_BIN)));
        bare.append(TimeToShown(QStringLiteral(BARE_BIN)));
    }
    const double driverMs = Median(driver);
    const double bareMs = Median(bare);
    std::printf("start-up to shown window, median of %d: Device Manager %.1f ms, bare widget %.1f ms, ratio %.2f\n",
        kRuns, driverMs, bareMs, driverMs / bareMs);
    return 0;
}
