// Times the editing aids of the keymap editor on the largest shipped layout: the first search
// (which builds the result caps), a search per keystroke, one key edit as an undoable step, undo
// and redo of "Default", and a compare reply. Median of many runs, one line per measurement.
#include "device/Protocol.h"
#include "keymap/KeyCodeSearchPannel.h"
#include "keymap/KeymapDialog.h"
#include "keymap/KeymapTransfer.h"
#include "layout/KeyPannel.h"
#include "layout/LayoutFile.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QTextStream>
#include <QToolButton>
#include <QUndoStack>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace {

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
    page->show();
    return page;
}

QString largestShippedLayout()
{
    QString best;
    int bestKeys = -1;
    const QDir dir(QStringLiteral(DRIVER_CONFIG_DIR));
    for (const QString& name : dir.entryList({QStringLiteral("*_*.json")}, QDir::Files, QDir::Name)) {
        const LayoutDescription layout = LayoutFile::Read(dir.filePath(name));
        const int keys = int(
            std::count_if(layout.keys.begin(), layout.keys.end(), [](const LayoutKey& key) { return key.valid; }));
        if (keys > bestKeys) {
            bestKeys = keys;
            best = dir.filePath(name);
        }
    }
    return best;
}

void report(const QString& name, int runs, const std::function<void(int)>& work)
{
    std::vector<qint64> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work(i);
        times.push_back(timer.nsecsElapsed());
    }
    std::sort(times.begin(), times.end());
    QTextStream(stdout) << name << ": median " << QString::number(times[times.size() / 2] / 1000.0, 'f', 1)
                        << " us over " << runs << " runs\n";
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    RegisterDeviceMetaTypes();
    QLoggingCategory::setFilterRules(QStringLiteral("driver.*.debug=false"));
    const QString path = largestShippedLayout();
    QTextStream(stdout) << "layout " << QFileInfo(path).fileName() << "\n";

    report(QStringLiteral("page construction and setup"), 20, [&](int) { makePage(path); });
    {
        std::vector<std::unique_ptr<KeymapDialog>> pages;
        for (int i = 0; i < 20; ++i) {
            pages.push_back(makePage(path));
        }
        report(QStringLiteral("first search on a page (builds the result caps)"), 20, [&](int i) {
            pages.at(size_t(i))->findChild<QLineEdit*>(QStringLiteral("ldtKeySearch"))->setText(QStringLiteral("a"));
            QApplication::processEvents();
        });
    }

    auto page = makePage(path);
    QLineEdit* field = page->findChild<QLineEdit*>(QStringLiteral("ldtKeySearch"));
    const QStringList typed {QStringLiteral("p"), QStringLiteral("pa"), QStringLiteral("pag"), QStringLiteral("page"),
        QStringLiteral("音"), QStringLiteral("m1")};
    report(QStringLiteral("search per keystroke"), 300, [&](int i) { field->setText(typed.at(i % typed.size())); });
    field->clear();

    int row = 0;
    int col = 0;
    while (page->Pannel()->Cap(tdu1(row), tdu1(col)) == nullptr) {
        ++col;
    }
    page->KeyPannelKeyCapClicked(tdu1(row), tdu1(col));
    report(QStringLiteral("key edit as undoable step (with repaint)"), 300,
        [&](int i) { page->KeyPannelCodeClicked(tdu2(4 + i % 26)); });
    page->UndoStack(0)->clear();

    for (int r = 0; r < page->Pannel()->RowNum(); ++r) {
        for (int c = 0; c < page->Pannel()->ColNum(); ++c) {
            for (int layer = 0; layer < Protocol::kLayerCount; ++layer) {
                page->Store()->SetKeymapCode(0, layer, r, c, 0x0029);
            }
        }
    }
    // The keyboard's side for the compare below: every key differs from the defaults.
    const KeymapStore::KeymapCodes keyboard = page->Store()->KeymapCopy(0);
    page->findChild<QToolButton*>(QStringLiteral("tbtnRevert"))->click();
    report(QStringLiteral("undo or redo of \"Default\" (whole keymap)"), 300, [&](int i) {
        if (i % 2 == 0) {
            page->UndoStack(0)->undo();
        } else {
            page->UndoStack(0)->redo();
        }
    });

    report(QStringLiteral("compare reply, every key differing (diff, marks, tool tips, status)"), 300,
        [&](int) { emit page->Transfer()->CompareReady(0, keyboard); });
    return 0;
}
