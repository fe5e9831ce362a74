#include "keymap/KeyCodeMacroKeyPannel.h"

#include "layout/KeyCap.h"

KeyCodeMacroKeyPannel::KeyCodeMacroKeyPannel(QWidget* parent)
    : KeyCodePannelBase(parent)
{
    setObjectName(QStringLiteral("KeyCodeMacroKeyPannel"));
    // M1-M12 and M13-M32 lie in two separate ranges; rows of 13, 13 and 6.
    const QVector<tdu2> codes = CodeRange(104, 115) + CodeRange(204, 223);
    SetSinglePage(MakeCapPage(QStringLiteral("wdgMacroKeyCode"), codes, 11));

    for (KeyCap* cap : Caps()) {
        connect(cap, &KeyCap::KeyCapClicked, this, &KeyCodeMacroKeyPannel::MacroKeyClicked);
    }
}

void KeyCodeMacroKeyPannel::MacroKeyClicked()
{
    const int value = ValueOfCap(sender());
    if (value >= 0) {
        emit MacroKeyPannelClicked(static_cast<tdu2>(value));
    }
}
