#pragma once

#include "codec/MacroAction.h"
#include "device/DeviceTypes.h"

#include <QString>
#include <QStringList>
#include <QVector>

// Turns a text into the key taps that type it on a US layout: letters, digits, the symbols of the
// main block, space, Tab and Enter (for line breaks). Upper-case letters and shifted symbols are
// typed with left Shift held; a run of them shares one Shift press.
class MacroTextConverter final
{
public:
    MacroTextConverter() = delete;

    struct Result
    {
        QVector<MacroAction> actions;
        // The characters no key of the table types, each once, as shown to the user: the
        // character itself in quotes, or U+XXXX for one that cannot be seen.
        QStringList refused;
    };

    // delayMs > 0 puts a pause of that many milliseconds (kept within 2 .. 15000) between the
    // keys of consecutive characters.
    static Result Convert(const QString& text, tdu2 delayMs = 0);
};
