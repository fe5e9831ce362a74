// The settings page: reading the largest firmware information file the page accepts, building the
// page for the largest shipped layout, and repainting the indicator picture after a key click on
// a full 7 x 21 grid where every key carries an LED. Prints the median of many runs per figure.
#include "layout/KeyCap.h"
#include "layout/KeyPannel.h"
#include "layout/LayoutFile.h"
#include "settings/FirmwareInfo.h"
#include "settings/GeneralConfigDialog.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QTextStream>
#include <QToolButton>
#include <algorithm>
#include <functional>
#include <vector>

namespace {
int kRuns = 200;

double MedianUs(const std::function<void()>& run)
{
    std::vector<qint64> samples;
    QElapsedTimer timer;
    for (int i = 0; i < kRuns; ++i) {
        timer.start();
        run();
        samples.push_back(timer.nsecsElapsed());
    }
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2] / 1000.0;
}

// Just under the size limit: a device and version line, then as many notes as fit.
QByteArray LargestInfoFile()
{
    QByteArray body = "[Device]=NOVA\r\n[Version]=1_3_0";
    const QByteArray note = "\r\n[Desc]=Indicator LEDs follow the active keymap after waking up";
    while (body.size() + note.size() <= FirmwareInfo::kMaxFileSize)
        body += note;
    return body;
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

void Load(GeneralConfigDialog* page, const LayoutDescription& layout)
{
    LayoutFile::FillPannel(page->ILedPannel(), layout, LayoutFile::PannelRole::Indicator);
    LayoutFile::FillPannel(page->LengthPannel(), layout, LayoutFile::PannelRole::Length);
    page->SetKeyboardType(layout.keyboardtype);
    page->SetFirmwareUrl(layout.firmware);
    for (const LayoutKey& key : layout.keys) {
        if (key.valid && key.iledflag)
            page->SetILedDefault(key.row, key.col, key.iledtype);
    }
    page->InitKeyPannels();
}

// Every position of the largest grid is a 1u key with an LED.
LayoutDescription FullGrid()
{
    LayoutDescription layout;
    layout.rownum = Protocol::kMaxRows;
    layout.colnum = Protocol::kMaxCols;
    layout.cappix = 44;
    layout.marpix = 5;
    layout.fontsize = 9;
    layout.pannelwidth = Protocol::kMaxCols * 44 + 20;
    layout.pannelheight = Protocol::kMaxRows * 44 + 20;
    for (int row = 0; row < Protocol::kMaxRows; ++row) {
        for (int col = 0; col < Protocol::kMaxCols; ++col) {
            LayoutKey key;
            key.row = tdu1(row);
            key.col = tdu1(col);
            key.valid = true;
            key.width = 100;
            key.height = 100;
            key.iledflag = true;
            key.iledtype = tdu1(1 + (row * Protocol::kMaxCols + col) % 18);
            layout.keys.append(key);
        }
    }
    layout.ok = true;
    return layout;
}
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("driver.*.debug=false"));
    if (argc > 1)
        kRuns = std::max(1, QString::fromLocal8Bit(argv[1]).toInt());
    QTextStream out(stdout);

    const QByteArray info = LargestInfoFile();
    const double parseUs = MedianUs([&info] { FirmwareInfo::Parse(info); });
    out << "firmware info parse " << info.size() << " bytes: median " << QString::number(parseUs, 'f', 1) << " us over "
        << kRuns << " runs\n";

    const LayoutDescription shipped = LayoutFile::Read(LargestShippedLayout());
    const double buildUs = MedianUs([&shipped] {
        GeneralConfigDialog page;
        Load(&page, shipped);
    });
    out << "settings page build + load " << shipped.rownum << "x" << shipped.colnum << ": median "
        << QString::number(buildUs, 'f', 1) << " us over " << kRuns << " runs\n";

    GeneralConfigDialog full;
    Load(&full, FullGrid());
    int click = 0;
    const double refreshUs = MedianUs([&full, &click] {
        const int cell = click++ % (Protocol::kMaxRows * Protocol::kMaxCols);
        full.ILedPannel()->Cap(tdu1(cell / Protocol::kMaxCols), tdu1(cell % Protocol::kMaxCols))->Button()->click();
    });
    out << "indicator key click + refresh 7x21: median " << QString::number(refreshUs, 'f', 1) << " us over " << kRuns
        << " runs\n";
    return 0;
}
