// Times the keymap file and transfer paths on the largest grid: median of many runs, one line per
// measurement.
#include "device/Protocol.h"
#include "keymap/KeymapFile.h"
#include "keymap/KeymapStore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <functional>
#include <vector>

namespace {

void fill(KeymapStore& store, int rows, int cols)
{
    store.SetLayoutSize(rows, cols);
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < cols; ++col)
            store.SetKeyPresent(row, col, true);
    }
    for (int keymap = 0; keymap < Protocol::kKeymapCount; ++keymap) {
        for (int layer = 0; layer < Protocol::kLayerCount; ++layer) {
            for (int row = 0; row < rows; ++row) {
                for (int col = 0; col < cols; ++col)
                    store.SetKeymapCode(
                        keymap, layer, row, col, static_cast<tdu2>(keymap * 7919 + layer * 331 + row * 41 + col));
            }
        }
    }
}

// Runs `work` `runs` times and prints the median time of one run.
bool measure(const QString& name, int runs, const std::function<bool()>& work)
{
    std::vector<qint64> times;
    times.reserve(runs);
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        if (!work()) {
            QTextStream(stdout) << name << ": FAILED\n";
            return false;
        }
        times.push_back(timer.nsecsElapsed());
    }
    std::sort(times.begin(), times.end());
    const double medianUs = times[times.size() / 2] / 1000.0;
    QTextStream(stdout) << name << ": median " << QString::number(medianUs, 'f', 2) << " us over " << runs << " runs\n";
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // The loader's progress lines would dominate the measurement.
    QLoggingCategory::setFilterRules(QStringLiteral("driver.keymap.debug=false"));
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    const QString file = dir.filePath(QStringLiteral("keymap.xml"));
    const QString name = QStringLiteral("Bench Keyboard");

    KeymapStore store;
    fill(store, Protocol::kMaxRows, Protocol::kMaxCols);
    KeymapStore target;
    fill(target, Protocol::kMaxRows, Protocol::kMaxCols);
    KeymapStore small;
    fill(small, 5, 15);

    bool ok = true;
    ok &= measure(QStringLiteral("save 7x21 keymap file"), 200, [&] {
        QString error;
        return KeymapFile::Save(file, name, store, 1, &error);
    });
    ok &= measure(QStringLiteral("load 7x21 keymap file"), 200,
        [&] { return KeymapFile::Load(file, name, target, 2) == KeymapFile::Loaded; });

    // Hostile files must be turned away before any DOM is built.
    const QString deepFile = dir.filePath(QStringLiteral("deep.xml"));
    {
        QFile deep(deepFile);
        deep.open(QIODevice::WriteOnly);
        deep.write("<DEVICE KEYBOARD_NAME=\"Bench Keyboard\">");
        for (int i = 0; i < 10000; ++i)
            deep.write("<N>");
        for (int i = 0; i < 10000; ++i)
            deep.write("</N>");
        deep.write("</DEVICE>");
    }
    ok &= measure(QStringLiteral("refuse 10000-deep file"), 200,
        [&] { return KeymapFile::Load(deepFile, name, target, 2) == KeymapFile::NotRead; });
    const QString bigFile = dir.filePath(QStringLiteral("big.xml"));
    {
        QFile big(bigFile);
        big.open(QIODevice::WriteOnly);
        big.write(QByteArray(2 * 1024 * 1024, ' '));
    }
    ok &= measure(QStringLiteral("refuse 2 MB file"), 200,
        [&] { return KeymapFile::Load(bigFile, name, target, 2) == KeymapFile::NotRead; });

    QByteArray payload;
    ok &= measure(QStringLiteral("pack 7x21 keymap (1176 bytes)"), 20000, [&] {
        payload = store.PackKeymap(1);
        return payload.size() == Protocol::KeymapPayloadSize(Protocol::kMaxRows, Protocol::kMaxCols);
    });
    ok &= measure(QStringLiteral("unpack 7x21 keymap (1176 bytes)"), 20000, [&] {
        return target.UnpackKeymap(3, reinterpret_cast<const tdu1*>(payload.constData()), tdu2(payload.size()));
    });
    QByteArray smallPayload;
    ok &= measure(QStringLiteral("pack 5x15 keymap (600 bytes)"), 20000, [&] {
        smallPayload = small.PackKeymap(2);
        return smallPayload.size() == 600;
    });
    ok &= measure(QStringLiteral("unpack 5x15 keymap (600 bytes)"), 20000, [&] {
        return small.UnpackKeymap(
            0, reinterpret_cast<const tdu1*>(smallPayload.constData()), tdu2(smallPayload.size()));
    });
    return ok ? 0 : 1;
}
