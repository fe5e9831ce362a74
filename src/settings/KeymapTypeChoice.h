#pragma once

#include <QString>

class QComboBox;

// Which keymap types a keyboard may be set to from its window: only those with a layout file of
// its model, since the window then draws the keys in that arrangement. A type without one would
// leave the window showing keys the keyboard no longer has.
class KeymapTypeChoice final
{
public:
    KeymapTypeChoice() = delete;

    struct Option
    {
        bool available = false;
        // Why a type cannot be chosen; empty when it can.
        QString why;
    };

    // The layout files are looked for in the config folder, as the window loads them.
    static Option For(const QString& prefix, int keymapType);
    // Enables the box's items of the types that can be chosen; the others stay listed, dimmed,
    // with the reason as their tooltip.
    static void Apply(QComboBox* box, const QString& prefix);
};
