// Time to read a layout file and build the three key panels of a main window from it, for the
// largest shipped layout and for a full 7 x 21 grid. Prints the median of many runs per figure.
#include "device/Protocol.h"
#include "layout/KeyPannel.h"
#include "layout/LayoutFile.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <vector>

namespace {
// Runs per figure; the first argument changes it (1 under callgrind), the second picks one layout
// ("shipped" or "full").
int kRuns = 200;

struct Figures
{
    double readUs = 0;
    double buildUs = 0;
};

double Median(std::vector<qint64> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2] / 1000.0;
}

Figures Measure(const QString& path)
{
    std::vector<qint64> reads;
    std::vector<qint64> builds;
    QElapsedTimer timer;
    for (int run = 0; run < kRuns; ++run) {
        timer.start();
        const LayoutDescription layout = LayoutFile::Read(path);
        reads.push_back(timer.nsecsElapsed());

        timer.start();
        KeyPannel keymap;
        KeyPannel iled;
        KeyPannel length;
        LayoutFile::FillPannel(&keymap, layout, LayoutFile::PannelRole::Keymap);
        LayoutFile::FillPannel(&iled, layout, LayoutFile::PannelRole::Indicator);
        LayoutFile::FillPannel(&length, layout, LayoutFile::PannelRole::Length);
        keymap.BuildPannel();
        iled.BuildPannel();
        length.BuildPannel();
        builds.push_back(timer.nsecsElapsed());
    }
    return {Median(reads), Median(builds)};
}

QString LargestShippedLayout()
{
    const QDir config(QStringLiteral(DRIVER_CONFIG_DIR));
    QString largest;
    int mostKeys = -1;
    for (const QString& name : config.entryList({QStringLiteral("*_*.json")}, QDir::Files)) {
        const LayoutDescription layout = LayoutFile::Read(config.filePath(name));
        const int keys = static_cast<int>(
            std::count_if(layout.keys.begin(), layout.keys.end(), [](const LayoutKey& key) { return key.valid; }));
        if (keys > mostKeys) {
            mostKeys = keys;
            largest = config.filePath(name);
        }
    }
    return largest;
}

QString WriteFullGrid(const QTemporaryDir& dir)
{
    QJsonArray keys;
    for (int row = 0; row < Protocol::kMaxRows; ++row) {
        for (int col = 0; col < Protocol::kMaxCols; ++col) {
            keys.append(
                QJsonObject {{"row", row}, {"col", col}, {"valid", true}, {"gap", 0}, {"width", 100}, {"height", 100},
                    {"keycode", QJsonArray {4 + col, 3, 3, 3}}, {"iledflag", row == 0 && col == 0}, {"iledtype", 1}});
        }
    }
    const QJsonObject root {{"rownum", Protocol::kMaxRows}, {"colnum", Protocol::kMaxCols}, {"cappix", 44},
        {"marpix", 5}, {"fontsize", 9}, {"pannelwidth", 21 * 44 + 20}, {"pannelheight", 7 * 44 + 20},
        {"keyboardtype", 0}, {"firmware", "https://download.example.com/driver/firmware/FULL/"},
        {"rowgap", QJsonArray {0, 0, 0, 0, 0, 0, 0}}, {"keys", keys}};
    const QString path = dir.filePath(QStringLiteral("FULL_0.json"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(QJsonDocument(root).toJson());
    }
    return path;
}
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    // The reader's debug lines would dominate the figures.
    QLoggingCategory::setFilterRules(QStringLiteral("driver.*.debug=false"));

    if (argc > 1)
        kRuns = std::max(1, QString::fromLocal8Bit(argv[1]).toInt());
    const QString only = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();

    QTemporaryDir dir;
    QStringList paths;
    if (only != QLatin1String("full"))
        paths.append(LargestShippedLayout());
    if (only != QLatin1String("shipped"))
        paths.append(WriteFullGrid(dir));
    QTextStream out(stdout);
    for (const QString& path : qAsConst(paths)) {
        const Figures figures = Measure(path);
        const QString name = QFileInfo(path).fileName();
        out << "layout read " << name << ": median " << QString::number(figures.readUs, 'f', 1) << " us over " << kRuns
            << " runs\n";
        out << "layout fill+build 3 pannels " << name << ": median " << QString::number(figures.buildUs, 'f', 1)
            << " us over " << kRuns << " runs\n";
    }
    return 0;
}
