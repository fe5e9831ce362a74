#include "macro/MacroTextConverter.h"

#include "codec/MacroCodec.h"

namespace {
constexpr tdu2 kVkShift = 0xA0; // left Shift
constexpr tdu2 kVkEnter = 0x0D;
constexpr tdu2 kVkTab = 0x09;
constexpr tdu2 kVkSpace = 0x20;

struct Typed
{
    tdu2 vk = 0;
    bool shift = false;
};

// The symbol keys of a US layout: the character typed alone, then with Shift.
struct SymbolKey
{
    tdu2 vk;
    char plain;
    char shifted;
};
const SymbolKey kSymbolKeys[] = {
    {0xBD, '-', '_'},
    {0xBB, '=', '+'},
    {0xDB, '[', '{'},
    {0xDD, ']', '}'},
    {0xDC, '\\', '|'},
    {0xBA, ';', ':'},
    {0xDE, '\'', '"'},
    {0xBC, ',', '<'},
    {0xBE, '.', '>'},
    {0xBF, '/', '?'},
    {0xC0, '`', '~'},
};
// Shift with the digit keys 0 .. 9.
const char kShiftedDigits[] = ")!@#$%^&*(";

bool KeyOf(char32_t c, Typed* typed)
{
    if (c >= 'a' && c <= 'z') {
        *typed = {tdu2('A' + (c - 'a')), false};
        return true;
    }
    if (c >= 'A' && c <= 'Z') {
        *typed = {tdu2(c), true};
        return true;
    }
    if (c >= '0' && c <= '9') {
        *typed = {tdu2(c), false};
        return true;
    }
    switch (c) {
    case ' ':
        *typed = {kVkSpace, false};
        return true;
    case '\t':
        *typed = {kVkTab, false};
        return true;
    case '\n':
        *typed = {kVkEnter, false};
        return true;
    default:
        break;
    }
    for (int digit = 0; digit < 10; digit++) {
        if (c == char32_t(kShiftedDigits[digit])) {
            *typed = {tdu2('0' + digit), true};
            return true;
        }
    }
    for (const SymbolKey& key : kSymbolKeys) {
        if (c == char32_t(key.plain) || c == char32_t(key.shifted)) {
            *typed = {key.vk, c == char32_t(key.shifted)};
            return true;
        }
    }
    return false;
}

QString Shown(char32_t c)
{
    if (QChar::isPrint(c) && !QChar::isSpace(c))
        return QLatin1Char('"') + QString::fromUcs4(&c, 1) + QLatin1Char('"');
    return QStringLiteral("U+%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper();
}
} // namespace

MacroTextConverter::Result MacroTextConverter::Convert(const QString& text, tdu2 delayMs)
{
    Result result;
    const QVector<uint> chars = text.toUcs4();
    bool shiftHeld = false;
    bool first = true;
    for (int i = 0; i < chars.size(); i++) {
        char32_t c = chars.at(i);
        // A Windows line break is one Enter, as a lone carriage return is.
        if (c == '\r') {
            if (i + 1 < chars.size() && chars.at(i + 1) == '\n')
                continue;
            c = '\n';
        }
        Typed typed;
        if (!KeyOf(c, &typed)) {
            const QString shown = Shown(c);
            if (!result.refused.contains(shown))
                result.refused.append(shown);
            continue;
        }
        // Shift goes up as soon as a run of shifted characters ends, before the pause.
        if (shiftHeld && !typed.shift) {
            result.actions.append({MacroAction::kKeyUp, kVkShift});
            shiftHeld = false;
        }
        if (!first && delayMs > 0)
            result.actions.append({MacroAction::kDelay, MacroCodec::ClampDelay(delayMs)});
        if (typed.shift && !shiftHeld) {
            result.actions.append({MacroAction::kKeyDown, kVkShift});
            shiftHeld = true;
        }
        result.actions.append({MacroAction::kKeyDown, typed.vk});
        result.actions.append({MacroAction::kKeyUp, typed.vk});
        first = false;
    }
    if (shiftHeld)
        result.actions.append({MacroAction::kKeyUp, kVkShift});
    return result;
}
