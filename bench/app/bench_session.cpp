// Peak memory (resident set) of the program in two situations, each in a child process of its own so
// that each peak is its own:
// - a whole session on the largest layouts: the main window opened on a simulated keyboard, every
//   keymap read and written, the indicator block and a macro read, every page shown and painted;
// - the worst hostile files: each of the largest files the readers accept, and the deepest and
//   largest ones they refuse, read by the program as it reads them (layouts and keymap files in the
//   main window, the device index in the Device Manager).
#include "app/DeviceManager.h"
#include "app/MainDialog.h"
#include "device/Protocol.h"
#include "keymap/KeymapDialog.h"
#include "keymap/KeymapFile.h"
#include "layout/LayoutFile.h"
#include "sim/SimBus.h"
#include "support/TestFolder.h"
#include "support/TestLayouts.h"
#include "ui/FileDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <cstdio>

namespace {
constexpr tdu2 kPid = 0x0601;

qint64 StatusKiB(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

void Click(QWidget& window, const char* name)
{
    if (auto* button = window.findChild<QAbstractButton*>(QString::fromLatin1(name)))
        QTest::mouseClick(button, Qt::LeftButton);
}

// The largest layout the reader takes: a 7 x 21 grid whose keys repeat up to its size limit.
QByteArray LargestLayout()
{
    QJsonObject root = QJsonDocument::fromJson(TestLayouts::Grid(7, 21)).object();
    const QJsonArray keys = root.value("keys").toArray();
    QJsonArray many;
    while (QJsonDocument(QJsonObject {{"keys", many}}).toJson().size() < LayoutFile::kMaxFileSize * 9 / 10) {
        for (const QJsonValue& key : keys)
            many.append(key);
    }
    root.insert("keys", many);
    return QJsonDocument(root).toJson();
}

// A 5 x 15 keymap file whose rows are extraColumns longer than the grid.
QByteArray KeymapXml(int extraColumns)
{
    QByteArray xml
        = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<DEVICE KEYBOARD_NAME=\"PFX_0\">\n"
          "<LAYERNUM LAYER_NUMBER=\"4\"/>\n<ROWNUM ROW_NUMBER=\"5\"/>\n<COLNUM COL_NUMBER=\"15\"/>\n<KEYMAP>\n";
    for (int l = 0; l < 4; l++) {
        xml += "<LAYER LAYER_INDEX=\"" + QByteArray::number(l) + "\">\n";
        for (int r = 0; r < 5; r++) {
            xml += "<ROW ROW_INDEX=\"" + QByteArray::number(r) + "\">";
            for (int c = 0; c < 15 + extraColumns; c++)
                xml += "<COLUMN COL_INDEX=\"" + QByteArray::number(c) + "\" KEYCODE=\"6404\"/>";
            xml += "</ROW>\n";
        }
        xml += "</LAYER>\n";
    }
    return xml + "</KEYMAP>\n</DEVICE>\n";
}

// The main window on a layout file, either on a simulated keyboard or in demo mode.
std::unique_ptr<MainDialog> OpenWindow(bool demo, int rows = 0, int cols = 0)
{
    if (!demo)
        sim::SimBus::instance().plug(Protocol::kVendorId, kPid, rows, cols);
    auto window = std::make_unique<MainDialog>(nullptr, demo, kPid, 0);
    window->SetWindowSize(1294, 800);
    window->SetDeviceNames(QStringLiteral("PFX"), QStringLiteral("Board"));
    if (!window->Connect())
        return nullptr;
    window->Setup();
    window->show();
    return window;
}

void PaintEveryPage(MainDialog& window)
{
    for (const char* page : {"tbtn1", "tbtn4", "tbtn5", "tbtn6"}) {
        Click(window, page);
        window.grab();
    }
}

bool Session(TestFolder& folder, const QString& layout)
{
    // The grid has 112 keys, the most whose keymap fits in one reply.
    const bool shipped = layout == "shipped";
    if (shipped)
        QFile::copy(QStringLiteral(DRIVER_CONFIG_DIR "/NOVA65_0.json"), folder.Path("config/PFX_0.json"));
    else
        folder.Write("config/PFX_0.json", TestLayouts::Grid(7, 16));
    std::unique_ptr<MainDialog> window = OpenWindow(false, shipped ? 5 : 7, shipped ? 15 : 16);
    if (!window)
        return false;
    for (int keymap = 0; keymap < Protocol::kKeymapCount; keymap++) {
        Click(*window, qPrintable(QStringLiteral("tbtnKeymap%1").arg(keymap)));
        // A keymap is read from the keyboard when first shown.
        if (!QTest::qWaitFor([&] { return window->KeymapPage()->KeymapKnown(keymap); }))
            return false;
        Click(*window, "tbtnDownLoad");
        QTest::qWait(50);
        Click(*window, "tbtnUpLoad");
        QTest::qWait(50);
        window->grab();
    }
    Click(*window, "tbtn4");
    Click(*window, "tbtnILedConfig");
    Click(*window, "btnReadILedConfig");
    Click(*window, "tbtn5");
    Click(*window, "tbtnReadMacro");
    QTest::qWait(200);
    PaintEveryPage(*window);
    return true;
}

bool HostileLayout(TestFolder& folder, const QByteArray& content)
{
    folder.Write("config/PFX_0.json", content);
    std::unique_ptr<MainDialog> window = OpenWindow(true);
    if (window)
        PaintEveryPage(*window);
    return window != nullptr;
}

bool HostileKeymapFile(TestFolder& folder, const QByteArray& content)
{
    folder.Write("config/PFX_0.json", TestLayouts::Grid(5, 15));
    folder.Write("hostile.xml", content);
    std::unique_ptr<MainDialog> window = OpenWindow(true);
    if (!window)
        return false;
    FileDialog::SetNextFileName(folder.Path("hostile.xml"));
    Click(*window, "tbtnLoad");
    window->grab();
    return true;
}

bool HostileIndex(TestFolder& folder)
{
    QJsonObject entry = TestLayouts::Entry(kPid, QStringLiteral("PFX"), QStringLiteral("Board"));
    entry.insert("type", QJsonArray {"Win", "Mac"});
    QJsonArray many;
    while (QJsonDocument(many).toJson().size() < 450 * 1024)
        many.append(entry);
    folder.Write(
        "config/index.json", QJsonDocument(QJsonObject {{"priver", 1}, {"inst", many}, {"demo", many}}).toJson());
    DeviceManager manager;
    manager.show();
    manager.grab();
    return true;
}

int Child(int argc, char* argv[], const QString& name)
{
    QApplication app(argc, argv);
    TestFolder folder;
    const QByteArray deepJson = QByteArray(100000, '[') + QByteArray(100000, ']');
    const QByteArray deepXml = "<?xml version=\"1.0\"?>" + QByteArray("<a>").repeated(100000);
    const QByteArray overLimit = TestLayouts::Grid(5, 15) + QByteArray(2 * 1024 * 1024, ' ');
    const QByteArray entities
        = "<?xml version=\"1.0\"?><!DOCTYPE d [<!ENTITY a \"aaaaaaaaaa\">"
          "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\"><!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">"
          "<!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">]><DEVICE KEYBOARD_NAME=\"&d;\"/>";
    bool ok = false;
    if (name == "baseline")
        ok = true;
    else if (name.startsWith("session "))
        ok = Session(folder, name.mid(8));
    else if (name == "layout: largest accepted")
        ok = HostileLayout(folder, LargestLayout());
    else if (name == "layout: nested 100000 deep")
        ok = HostileLayout(folder, deepJson);
    else if (name == "layout: 2 MiB, over the limit")
        ok = HostileLayout(folder, overLimit);
    else if (name == "keymap file: largest accepted")
        ok = HostileKeymapFile(folder, KeymapXml(KeymapFile::kMaxFileSize / 4 / 5 / 40 * 9 / 10));
    else if (name == "keymap file: nested 100000 deep")
        ok = HostileKeymapFile(folder, deepXml);
    else if (name == "keymap file: entity expansion")
        ok = HostileKeymapFile(folder, entities);
    else if (name == "device index: about 1 MiB of models")
        ok = HostileIndex(folder);
    QTest::qWait(100);
    std::printf("%lld\n", StatusKiB("VmHWM:"));
    return ok ? 0 : 1;
}
} // namespace

int main(int argc, char* argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--case") == 0)
        return Child(argc, argv, QString::fromLocal8Bit(argv[2]));

    QCoreApplication app(argc, argv);
    const QStringList cases {"baseline", "session shipped", "session grid", "layout: largest accepted",
        "layout: nested 100000 deep", "layout: 2 MiB, over the limit", "keymap file: largest accepted",
        "keymap file: nested 100000 deep", "keymap file: entity expansion", "device index: about 1 MiB of models"};
    std::printf("peak resident memory of the whole process (an application that only starts: baseline)\n");
    for (const QString& name : cases) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), {"--case", name});
        if (!child.waitForFinished(120000) || child.exitCode() != 0) {
            std::printf("  %-52s failed\n", qPrintable(name));
            continue;
        }
        // The last line; the recorder may write its own before it.
        const double peak = child.readAllStandardOutput().trimmed().split('\n').last().toDouble() / 1024;
        const QString label = name == "session shipped" ? "session, largest shipped layout (NOVA65_0, 5 x 15)"
            : name == "session grid"                    ? "session, 7 x 16 grid (112 keys)"
                                                        : name;
        std::printf("  %-52s %6.1f MiB\n", qPrintable(label), peak);
    }
    return 0;
}
