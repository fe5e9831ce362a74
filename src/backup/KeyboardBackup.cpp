#include "backup/KeyboardBackup.h"

#include "codec/KeyboardModel.h"
#include "codec/KeymapCodec.h"
#include "codec/MacroCodec.h"

namespace {
int DifferingCodes(const KeyboardBackup::KeymapLayers& a, const KeyboardBackup::KeymapLayers& b)
{
    int differing = 0;
    for (int layer = 0; layer < Protocol::kLayerCount; layer++) {
        const int cells = qMax(a[size_t(layer)].size(), b[size_t(layer)].size());
        for (int i = 0; i < cells; i++)
            differing += a[size_t(layer)].value(i) != b[size_t(layer)].value(i) ? 1 : 0;
    }
    return differing;
}
} // namespace

QString KeyboardBackup::PartName(int part)
{
    switch (part) {
    case Keymap1:
    case Keymap2:
    case Keymap3:
    case Keymap4:
        return tr("Keymap %1").arg(part - Keymap1 + 1);
    case Macros:
        return tr("Macros");
    case Rollover:
        return tr("Key rollover");
    case SleepTime:
        return tr("Sleep time");
    case WakeupMode:
        return tr("Wake-up mode");
    case Indicators:
        return tr("Indicator LEDs");
    case WirelessType:
        return tr("Wireless type");
    default:
        return QString();
    }
}

QString KeyboardBackup::WriteProblem(const KeyboardBackup& backup)
{
    if (!KeymapCodec::Transferable(backup.rows, backup.cols))
        return tr("Its key grid of %1 x %2 cannot be written to a keyboard; the keyboard's layout file is missing or "
                  "wrong.")
            .arg(backup.rows)
            .arg(backup.cols);
    if (backup.keymapType < 0 || backup.keymapType >= Protocol::kKeymapTypeCount)
        return tr("Its keymap type %1 is not one a keyboard has.").arg(backup.keymapType);
    const int cells = backup.rows * backup.cols;
    for (int keymap = 0; keymap < Protocol::kKeymapCount; keymap++) {
        for (int layer = 0; layer < Protocol::kLayerCount; layer++) {
            if (backup.keymaps[size_t(keymap)][size_t(layer)].size() != cells)
                return tr("Keymap %1, layer %2 does not hold %3 key codes.").arg(keymap + 1).arg(layer + 1).arg(cells);
        }
    }
    for (int macro = 0; macro < Protocol::kMacroCount; macro++) {
        if (backup.macros[size_t(macro)].size() > Protocol::kMaxMacroActions)
            return tr("Macro %1 has more than %2 actions.").arg(macro + 1).arg(Protocol::kMaxMacroActions);
    }
    if (backup.indicators.size() != cells)
        return tr("The indicator LEDs do not cover the %1 keys of the grid.").arg(cells);
    if ((backup.rollover != 0 && backup.rollover != 1) || (backup.wakeupMode != 0 && backup.wakeupMode != 1))
        return tr("Its key rollover or wake-up mode is not one the keyboard can be set to.");
    return QString();
}

bool KeyboardBackup::Fits(const KeyboardBackup& backup, const KeyboardBackup& keyboard)
{
    return backup.productId == keyboard.productId && backup.keymapType == keyboard.keymapType
        && backup.rows == keyboard.rows && backup.cols == keyboard.cols;
}

QVector<KeyboardBackup::Outcome> KeyboardBackup::Verify(
    const KeyboardBackup& restored, const QSet<int>& refused, const KeyboardBackup& readBack)
{
    QVector<Outcome> outcomes;
    // The wireless type is the keyboard's own and never written.
    for (int part = 0; part < WirelessType; part++) {
        outcomes.append(refused.contains(part)       ? Outcome::Refused
                : SamePart(readBack, restored, part) ? Outcome::Verified
                                                     : Outcome::Differs);
    }
    return outcomes;
}

QString KeyboardBackup::OutcomeText(int part, Outcome outcome)
{
    switch (outcome) {
    case Outcome::Verified:
        return tr("%1: written and verified.").arg(PartName(part));
    case Outcome::Refused:
        return tr("%1: the keyboard refused it.").arg(PartName(part));
    case Outcome::Differs:
        break;
    }
    return tr("%1: written, but the keyboard holds something else.").arg(PartName(part));
}

bool KeyboardBackup::SamePart(const KeyboardBackup& a, const KeyboardBackup& b, int part)
{
    switch (part) {
    case Keymap1:
    case Keymap2:
    case Keymap3:
    case Keymap4:
        return DifferingCodes(a.keymaps[size_t(part - Keymap1)], b.keymaps[size_t(part - Keymap1)]) == 0;
    case Macros:
        return a.macros == b.macros;
    case Rollover:
        return a.rollover == b.rollover;
    case SleepTime:
        return a.sleepTime == b.sleepTime;
    case WakeupMode:
        return a.wakeupMode == b.wakeupMode;
    case Indicators:
        return a.indicators == b.indicators;
    case WirelessType:
        return a.wirelessType == b.wirelessType;
    default:
        return true;
    }
}

QStringList KeyboardBackup::Differences(const KeyboardBackup& keyboard, const KeyboardBackup& backup)
{
    QStringList lines;
    for (int keymap = 0; keymap < Protocol::kKeymapCount; keymap++) {
        const int keys = DifferingCodes(keyboard.keymaps[size_t(keymap)], backup.keymaps[size_t(keymap)]);
        if (keys > 0)
            lines.append(tr("Keymap %1: %2 key codes change.").arg(keymap + 1).arg(keys));
    }
    QStringList macros;
    for (int macro = 0; macro < Protocol::kMacroCount; macro++) {
        if (keyboard.macros[size_t(macro)] != backup.macros[size_t(macro)])
            macros.append(QString::number(macro + 1));
    }
    if (!macros.isEmpty())
        lines.append(tr("Macros %1 change.").arg(macros.join(QStringLiteral(", "))));
    for (int part = Rollover; part < PartCount; part++) {
        if (SamePart(keyboard, backup, part))
            continue;
        lines.append(part == WirelessType ? tr("Wireless type differs; it is the keyboard's own and is not written.")
                                          : tr("%1 changes.").arg(PartName(part)));
    }
    return lines;
}

void KeyboardBackup::Record(KeyboardModel* model) const
{
    using Setting = KeyboardModel::Setting;
    for (int keymap = 0; keymap < Protocol::kKeymapCount; keymap++) {
        KeyboardModel::KeymapCodes codes {};
        for (int layer = 0; layer < Protocol::kLayerCount; layer++) {
            const LayerCodes& cells = keymaps[size_t(keymap)][size_t(layer)];
            for (int i = 0;
                 i < cells.size() && cols > 0 && i / cols < Protocol::kMaxRows && i % cols < Protocol::kMaxCols; i++)
                codes[size_t(layer)][size_t(i / cols)][size_t(i % cols)] = cells.at(i);
        }
        model->SetKeymap(keymap, codes);
    }
    for (int macro = 0; macro < Protocol::kMacroCount; macro++)
        model->SetMacro(macro, MacroCodec::Actions(macros[size_t(macro)]));
    model->SetSetting(Setting::Rollover, rollover);
    model->SetSetting(Setting::SleepTime, uint(sleepTime));
    model->SetSetting(Setting::WakeupMode, wakeupMode);
    model->SetSetting(Setting::Indicators, indicators);
    model->SetSetting(Setting::WirelessType, wirelessType);
    model->SetSetting(Setting::KeymapType, keymapType);
}
