// Times one repaint of the keymap editor's key panel (every cap re-captioned, the selection and
// the status label refreshed): on the largest shipped layout and on a full 7 x 21 grid. Median of
// many runs, one line per measurement, debug logging off.
#include "device/Protocol.h"
#include "keymap/KeymapDialog.h"
#include "layout/KeyPannel.h"
#include "layout/LayoutFile.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// Repaints per figure; the first argument changes it (a few under callgrind), the second picks
// one panel ("shipped" or "full").
int kRuns = 500;

// The page as the main window builds it from a layout file.
std::unique_ptr<KeymapDialog> makePage(const QString& path)
{
    const LayoutDescription layout = LayoutFile::Read(path);
    if (!layout.ok) {
        return nullptr;
    }
    std::unique_ptr<KeymapDialog> page(new KeymapDialog());
    LayoutFile::FillPannel(page->Pannel(), layout, LayoutFile::PannelRole::Keymap);
    page->SetLayoutCodes(layout);
    page->SetupPannel();
    return page;
}

int keyCount(const LayoutDescription& layout)
{
    return static_cast<int>(
        std::count_if(layout.keys.begin(), layout.keys.end(), [](const LayoutKey& key) { return key.valid; }));
}

// The shipped layout with the most keys, looked for in config/ of the working folder first.
QString largestShippedLayout(const QString& fallbackFolder)
{
    QString best;
    int bestKeys = -1;
    for (const QString& folder : {QStringLiteral("config"), fallbackFolder}) {
        const QDir dir(folder);
        for (const QString& name : dir.entryList({QStringLiteral("*_*.json")}, QDir::Files, QDir::Name)) {
            const int keys = keyCount(LayoutFile::Read(dir.filePath(name)));
            if (keys > bestKeys) {
                bestKeys = keys;
                best = dir.filePath(name);
            }
        }
        if (!best.isEmpty()) {
            break;
        }
    }
    return best;
}

// A 7 x 21 grid of 1u keys mixing text, icon, icon-with-caption and italic codes.
bool writeFullGrid(const QString& path)
{
    const tdu2 sample[] = {0x0004, 0x0029, 0x002A, 0x004F, 0x009A, 0x00BA, 0x1104, 0x5504, 0x00B7, 0x0068};
    QJsonArray keys;
    int i = 0;
    for (int row = 0; row < Protocol::kMaxRows; ++row) {
        for (int col = 0; col < Protocol::kMaxCols; ++col, ++i) {
            QJsonArray codes;
            for (int layer = 0; layer < Protocol::kLayerCount; ++layer) {
                codes.append(sample[(i + layer) % 10]);
            }
            keys.append(QJsonObject {
                {"row", row}, {"col", col}, {"valid", true}, {"width", 100}, {"height", 100}, {"keycode", codes}});
        }
    }
    const QJsonObject root {{"rownum", Protocol::kMaxRows}, {"colnum", Protocol::kMaxCols}, {"cappix", 44},
        {"marpix", 5}, {"fontsize", 9}, {"pannelwidth", 21 * 44 + 20}, {"pannelheight", 7 * 44 + 20}, {"keys", keys}};
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(QJsonDocument(root).toJson()) > 0;
}

// Clicking a key repaints the whole panel; alternate between two keys so each run moves the
// selection.
void measureRepaint(const QString& name, KeymapDialog* page)
{
    KeyPannel* pannel = page->Pannel();
    tdu1 first[2] = {0, 0};
    tdu1 last[2] = {0, 0};
    bool found = false;
    for (int row = 0; row < pannel->RowNum(); ++row) {
        for (int col = 0; col < pannel->ColNum(); ++col) {
            if (pannel->Cap(row, col) != nullptr) {
                if (!found) {
                    first[0] = row;
                    first[1] = col;
                    found = true;
                }
                last[0] = row;
                last[1] = col;
            }
        }
    }
    std::vector<qint64> times;
    times.reserve(kRuns);
    for (int i = 0; i < kRuns; ++i) {
        const tdu1* key = (i % 2 == 0) ? first : last;
        QElapsedTimer timer;
        timer.start();
        page->KeyPannelKeyCapClicked(key[0], key[1]);
        times.push_back(timer.nsecsElapsed());
    }
    std::sort(times.begin(), times.end());
    const double medianUs = times[times.size() / 2] / 1000.0;
    QTextStream(stdout) << name << ": median " << QString::number(medianUs, 'f', 1) << " us over " << kRuns
                        << " runs\n";
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    RegisterDeviceMetaTypes();
    // The per-cap caption lines would dominate the measurement.
    QLoggingCategory::setFilterRules(QStringLiteral("driver.*.debug=false"));

    if (argc > 1)
        kRuns = std::max(1, QString::fromLocal8Bit(argv[1]).toInt());
    const QString only = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();

    const QString shipped = largestShippedLayout(QStringLiteral(DRIVER_CONFIG_DIR));
    std::unique_ptr<KeymapDialog> page = shipped.isEmpty() ? nullptr : makePage(shipped);
    if (page == nullptr) {
        QTextStream(stdout) << "repaint largest shipped layout: FAILED (no layout found)\n";
        return 1;
    }
    page->show();
    if (only != QLatin1String("full"))
        measureRepaint(QStringLiteral("repaint largest shipped layout (%1, %2 keys)")
                           .arg(QFileInfo(shipped).fileName())
                           .arg(keyCount(LayoutFile::Read(shipped))),
            page.get());

    QTemporaryDir dir;
    const QString grid = dir.filePath(QStringLiteral("GRID_0.json"));
    std::unique_ptr<KeymapDialog> full = (dir.isValid() && writeFullGrid(grid)) ? makePage(grid) : nullptr;
    if (full == nullptr) {
        QTextStream(stdout) << "repaint full 7x21 panel: FAILED\n";
        return 1;
    }
    full->show();
    if (only != QLatin1String("shipped"))
        measureRepaint(QStringLiteral("repaint full 7x21 panel (147 keys)"), full.get());
    return 0;
}
