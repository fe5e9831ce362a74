#include "keymap/KeycodeFuncKeyPannel.h"

#include "layout/KeyCap.h"

KeycodeFuncKeyPannel::KeycodeFuncKeyPannel(QWidget* parent)
    : KeyCodePannelBase(parent)
{
    setObjectName(QStringLiteral("KeycodeFuncKeyPannel"));
    // Low power and battery level, then the Bluetooth, Unifying and 2.4G hosts.
    const QVector<tdu2> codes = QVector<tdu2> {232, 233} + CodeRange(186, 192);
    SetSinglePage(MakeCapPage(QStringLiteral("wdgFuncKeyCode"), codes, 10));

    for (KeyCap* cap : Caps()) {
        connect(cap, &KeyCap::KeyCapClicked, this, &KeycodeFuncKeyPannel::FuncKeyClicked);
    }
}

void KeycodeFuncKeyPannel::FuncKeyClicked()
{
    const int value = ValueOfCap(sender());
    if (value >= 0) {
        emit FuncKeyPannelClicked(static_cast<tdu2>(value));
    }
}
