#include "keymap/KeyCodeMediaKeyPannel.h"

#include "layout/KeyCap.h"

KeyCodeMediaKeyPannel::KeyCodeMediaKeyPannel(QWidget* parent)
    : KeyCodePannelBase(parent)
{
    setObjectName(QStringLiteral("KeyCodeMediaKeyPannel"));
    // 18 caps: a full row of 13, then 5.
    const QVector<tdu2> codes = CodeRange(154, 158) + QVector<tdu2> {161, 162} + CodeRange(164, 174);
    SetSinglePage(MakeCapPage(QStringLiteral("wdgMediaKeyCode"), codes, 12));

    for (KeyCap* cap : Caps()) {
        connect(cap, &KeyCap::KeyCapClicked, this, &KeyCodeMediaKeyPannel::MediaKeyClicked);
    }
}

void KeyCodeMediaKeyPannel::MediaKeyClicked()
{
    const int value = ValueOfCap(sender());
    if (value >= 0) {
        emit MediaKeyPannelClicked(static_cast<tdu2>(value));
    }
}
