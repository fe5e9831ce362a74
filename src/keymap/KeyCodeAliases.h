#pragma once

#include "device/DeviceTypes.h"

#include <QStringList>
#include <QVector>

// The names people bring from other keyboard tools ("Esc", "PgUp", "KC_BSPC", "MO(1)") for the
// catalogue's plain keys, read from the program's alias table on first use. The table never
// changes afterwards, so every function here may be called from any thread.
class KeyCodeAliases final
{
public:
    // The aliases of a code as the table writes them; empty when it lists none.
    static QStringList Of(tdu2 code);
    // Every code the table names, in ascending order.
    static QVector<tdu2> Codes();
    // Lines of the table that could not be read, each with its line number; empty for a good table.
    static QStringList Problems();
};
