#include "keymap/KeyCodeDescription.h"

#include "keymap/KeyCodeCatalogue.h"

#include <QStringList>

namespace {
// Plain codes of the modifier keys; the right-hand ones follow the four left-hand ones.
constexpr tdu2 kLeftCtrlKey = 224;
constexpr int kRightModifierOffset = 4;
constexpr int kModifierBits = 4;

// Macro keys M1-M12 and M13-M32 lie in two runs of plain codes.
struct MacroRun
{
    tdu2 first;
    tdu2 last;
    int number;
};
constexpr MacroRun kMacroRuns[] = {{104, 115, 1}, {204, 223, 13}};
// LM2-LM4 and LT2-LT4: a layer while held, or switched on and off.
constexpr tdu2 kFirstLayerKey = 175;
constexpr tdu2 kLastLayerKey = 180;

QString Hex(tdu2 code, int digits)
{
    return QString::number(code, 16).toUpper().rightJustified(digits, QLatin1Char('0'));
}
} // namespace

QString KeyCodeDescription::Of(tdu2 code)
{
    const QString key = KeyCodeCatalogue::KeyDescription(code);
    return Describe(code, key.isEmpty() ? tr("unknown key 0x%1").arg(Hex(KeyCodeCatalogue::CodeKey(code), 2)) : key);
}

QString KeyCodeDescription::KindOf(tdu2 code)
{
    switch (KeyCodeCatalogue::CodeKind(code)) {
    case KeyCodeCatalogue::KindDualLeft:
    case KeyCodeCatalogue::KindDualRight:
    case KeyCodeCatalogue::KindDualLayer:
        return tr("Dual-role key");
    case KeyCodeCatalogue::KindCombLeft:
    case KeyCodeCatalogue::KindCombRight:
        return tr("Combination key");
    case KeyCodeCatalogue::KindPlain:
        for (const MacroRun& run : kMacroRuns) {
            if (code >= run.first && code <= run.last)
                return tr("Macro key");
        }
        return code >= kFirstLayerKey && code <= kLastLayerKey ? tr("Layer key") : QString();
    default:
        return QString();
    }
}

QString KeyCodeDescription::OfHighByte(tdu2 highByte)
{
    return Describe(highByte, tr("the selected key"));
}

QString KeyCodeDescription::Describe(tdu2 code, const QString& key)
{
    const QString unknown = tr("Unknown key code 0x%1").arg(Hex(code, 4));
    switch (KeyCodeCatalogue::CodeKind(code)) {
    case KeyCodeCatalogue::KindPlain: {
        const tdu2 plain = KeyCodeCatalogue::CodeKey(code);
        for (const MacroRun& run : kMacroRuns) {
            if (plain >= run.first && plain <= run.last)
                return tr("Plays macro %1").arg(run.number + plain - run.first);
        }
        return KeyCodeCatalogue::KeyDescription(code).isEmpty() ? unknown : key;
    }
    case KeyCodeCatalogue::KindDualLeft:
    case KeyCodeCatalogue::KindDualRight: {
        const QString held = ModifierNames(code, KeyCodeCatalogue::CodeKind(code) == KeyCodeCatalogue::KindDualRight);
        return tr("%1 when held, %2 when tapped").arg(held.isEmpty() ? tr("No modifier") : held, key);
    }
    case KeyCodeCatalogue::KindDualLayer: {
        // Layer field 1..3 stands for layers 2..4; anything else names no layer.
        const int layer = KeyCodeCatalogue::CodeModifiers(code) + 1;
        if (layer < 2 || layer > 4)
            return unknown;
        return tr("Layer %1 while held, %2 when tapped").arg(layer).arg(key);
    }
    case KeyCodeCatalogue::KindCombLeft:
    case KeyCodeCatalogue::KindCombRight: {
        const QString modifiers
            = ModifierNames(code, KeyCodeCatalogue::CodeKind(code) == KeyCodeCatalogue::KindCombRight);
        // Without a modifier only the key itself is sent.
        return modifiers.isEmpty() ? key : tr("%1 sent together").arg(modifiers + QLatin1Char('+') + key);
    }
    default:
        return unknown;
    }
}

QString KeyCodeDescription::ModifierNames(tdu2 code, bool right)
{
    // The modifier keys' own descriptions name them, in the language they are shown in.
    QStringList names;
    const int modifiers = KeyCodeCatalogue::CodeModifiers(code);
    for (int bit = 0; bit < kModifierBits; ++bit) {
        if (modifiers & (1 << bit))
            names.append(
                KeyCodeCatalogue::KeyDescription(tdu2(kLeftCtrlKey + bit + (right ? kRightModifierOffset : 0))));
    }
    return names.join(QLatin1Char('+'));
}
