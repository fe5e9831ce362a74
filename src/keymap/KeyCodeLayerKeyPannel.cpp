#include "keymap/KeyCodeLayerKeyPannel.h"

#include "layout/KeyCap.h"

KeyCodeLayerKeyPannel::KeyCodeLayerKeyPannel(QWidget* parent)
    : KeyCodePannelBase(parent)
{
    setObjectName(QStringLiteral("KeyCodeLayerKeyPannel"));
    // Toggles LT2-LT4, momentary LM2-LM4, then the keymap switches KM1-KM4.
    const QVector<tdu2> codes = CodeRange(178, 180) + CodeRange(175, 177) + CodeRange(181, 184);
    SetSinglePage(MakeCapPage(QStringLiteral("wdgLayerKeyCode"), codes, 9));

    for (KeyCap* cap : Caps()) {
        connect(cap, &KeyCap::KeyCapClicked, this, &KeyCodeLayerKeyPannel::LayerKeyClicked);
    }
}

void KeyCodeLayerKeyPannel::LayerKeyClicked()
{
    const int value = ValueOfCap(sender());
    if (value >= 0) {
        emit LayerKeyPannelClicked(static_cast<tdu2>(value));
    }
}
