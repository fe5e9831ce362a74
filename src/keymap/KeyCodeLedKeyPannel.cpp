#include "keymap/KeyCodeLedKeyPannel.h"

#include "layout/KeyCap.h"

KeyCodeLedKeyPannel::KeyCodeLedKeyPannel(QWidget* parent)
    : KeyCodePannelBase(parent)
{
    setObjectName(QStringLiteral("KeyCodeLedKeyPannel"));
    SetUpNavigation(QStringLiteral("wdgLedKeyCodeNav"), QStringLiteral("skwLedKeyCode"));
    AddNavPage(QStringLiteral("tbtnLedKeyCode"), tr("Back Led"),
        MakeCapPage(QStringLiteral("wdgBackLed"), CodeRange(135, 145), 9));
    AddNavPage(QStringLiteral("tbtnBLedKeyCode"), tr("Bottom Led"),
        MakeCapPage(QStringLiteral("wdgBottomLed"), CodeRange(193, 203), 9));

    for (KeyCap* cap : Caps()) {
        connect(cap, &KeyCap::KeyCapClicked, this, &KeyCodeLedKeyPannel::LedKeyClicked);
    }
}

void KeyCodeLedKeyPannel::LedKeyClicked()
{
    const int value = ValueOfCap(sender());
    if (value >= 0) {
        emit LedKeyPannelClicked(static_cast<tdu2>(value));
    }
}
