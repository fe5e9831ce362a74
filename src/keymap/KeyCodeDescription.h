#pragma once

#include "device/DeviceTypes.h"

#include <QCoreApplication>
#include <QString>

// One sentence, in the current language, saying what a whole 16-bit code does: the plain key's
// long description, what a dual-role key is while held and when tapped, which keys a combination
// sends together. Tool tips of caps and pickers show it.
class KeyCodeDescription final
{
    Q_DECLARE_TR_FUNCTIONS(KeyCodeDescription)

public:
    static QString Of(tdu2 code);
    // What a picker's high byte makes of whichever key it is applied to.
    static QString OfHighByte(tdu2 highByte);
    // What sort of key the code makes ("Dual-role key", "Combination key", "Macro key", "Layer
    // key"); empty for a key that just sends itself.
    static QString KindOf(tdu2 code);

private:
    static QString Describe(tdu2 code, const QString& key);
    // "Left Ctrl+Left Shift", empty when no modifier bit is set.
    static QString ModifierNames(tdu2 code, bool right);
};
