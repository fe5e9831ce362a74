// Loaded with LD_PRELOAD into the real program, this library answers its hidapi calls with
// simulated keyboards instead of hidraw, so the program can be tried and photographed without a
// keyboard. DRIVER_SIM_KEYBOARDS lists what is plugged at start, separated by commas:
// "pid:ROWSxCOLS[:keymaptype]" with the product ID in hexadecimal, e.g. "0602:5x15:0". With
// DRIVER_SIM_CONFIG naming a config folder, each keyboard's four keymaps start as its layout's own
// codes (found through the folder's index.json), as a new keyboard's do, rather than empty.
// These variables belong to the tool only; the program itself reads no environment.

#include "SimBus.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

constexpr std::uint16_t kVendorId = 0x4E4F;

QJsonObject readJson(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object() : QJsonObject();
}

// The layout's codes of each key, layer by layer, in all four keymaps.
void fillFromLayout(sim::KeyboardState& state, unsigned pid, int keymapType)
{
    const char* folder = std::getenv("DRIVER_SIM_CONFIG");
    if (!folder)
        return;
    const QDir config(QString::fromLocal8Bit(folder));
    QString prefix;
    for (const QJsonValue& entry : readJson(config.filePath(QStringLiteral("index.json"))).value("inst").toArray()) {
        if (unsigned(entry.toObject().value("pid").toInt()) == pid)
            prefix = entry.toObject().value("prefix").toString();
    }
    const QJsonObject layout = readJson(config.filePath(QStringLiteral("%1_%2.json").arg(prefix).arg(keymapType)));
    for (const QJsonValue& value : layout.value("keys").toArray()) {
        const QJsonObject key = value.toObject();
        const int row = key.value("row").toInt(-1);
        const int col = key.value("col").toInt(-1);
        const QJsonArray codes = key.value("keycode").toArray();
        if (prefix.isEmpty() || !key.value("valid").toBool() || row < 0 || row >= sim::kMaxRows || col < 0
            || col >= sim::kMaxCols)
            continue;
        for (int keymap = 0; keymap < sim::kKeymapCount; ++keymap) {
            for (int layer = 0; layer < sim::kLayerCount && layer < codes.size(); ++layer)
                state.keymaps[keymap][layer][row][col] = static_cast<std::uint16_t>(codes.at(layer).toInt());
        }
    }
}

void plugFromEnvironment()
{
    const char* list = std::getenv("DRIVER_SIM_KEYBOARDS");
    if (!list)
        return;
    std::stringstream entries(list);
    std::string entry;
    while (std::getline(entries, entry, ',')) {
        unsigned pid = 0;
        int rows = 5;
        int cols = 15;
        int keymapType = 0;
        const int fields = std::sscanf(entry.c_str(), "%x:%dx%d:%d", &pid, &rows, &cols, &keymapType);
        if (fields < 1) {
            std::fprintf(stderr, "simulated keyboard: cannot read \"%s\"\n", entry.c_str());
            continue;
        }
        auto keyboard = sim::SimBus::instance().plug(kVendorId, static_cast<std::uint16_t>(pid), rows, cols);
        keyboard->modify([pid, keymapType](sim::KeyboardState& state) {
            state.keymapType = static_cast<std::uint8_t>(keymapType);
            fillFromLayout(state, pid, keymapType);
        });
        std::fprintf(stderr, "simulated keyboard: plugged %04x (%dx%d, keymap type %d)\n", pid, rows, cols, keymapType);
    }
}

struct Plugger
{
    Plugger()
    {
        plugFromEnvironment();
    }
} g_plugger;

} // namespace
