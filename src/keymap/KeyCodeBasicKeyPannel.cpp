#include "keymap/KeyCodeBasicKeyPannel.h"

#include "layout/KeyCap.h"

KeyCodeBasicKeyPannel::KeyCodeBasicKeyPannel(QWidget* parent)
    : KeyCodePannelBase(parent)
{
    setObjectName(QStringLiteral("KeyCodeBasicKeyPannel"));
    SetUpNavigation(QStringLiteral("wdgBasicKeyCodeNav"), QStringLiteral("skwBasicKeyCode"));

    // Long two-line captions get the smaller point sizes so they fit a 1u cap.
    AddNavPage(QStringLiteral("tbtnBasicCharKeyCode"), tr("Character"),
        MakeCapPage(QStringLiteral("wdgBasicChar"), CodeRange(4, 29), 11));
    AddNavPage(QStringLiteral("tbtnBasicNumKeyCode"), tr("Numeral"),
        MakeCapPage(QStringLiteral("wdgBasicNum"), CodeRange(30, 39), 11));
    AddNavPage(QStringLiteral("tbtnBasicFuncKeyCode"), tr("Function"),
        MakeCapPage(QStringLiteral("wdgBasicFunc"), CodeRange(58, 69), 11));
    AddNavPage(QStringLiteral("tbtnBasicCtrlKeyCode"), tr("Ctrl"),
        MakeCapPage(
            QStringLiteral("wdgBasicCtrl"), QVector<tdu2> {40, 41, 42, 43, 44, 57, 101} + CodeRange(224, 231), 9));
    AddNavPage(QStringLiteral("tbtnBasicSymbolKeyCode"), tr("Symbol"),
        MakeCapPage(QStringLiteral("wdgBasicSymbol"), CodeRange(45, 49) + CodeRange(51, 56), 11));
    AddNavPage(QStringLiteral("tbtnBasicEditKeyCode"), tr("Edit"),
        MakeCapPage(QStringLiteral("wdgBasicEdit"), CodeRange(73, 78), 9));
    AddNavPage(QStringLiteral("tbtnBasicDirKeyCode"), tr("Direction"),
        MakeCapPage(QStringLiteral("wdgBasicDir"), QVector<tdu2> {79, 80, 81, 82}, 11));
    AddNavPage(QStringLiteral("tbtnBasicPadKeyCode"), tr("Pad"),
        MakeCapPage(QStringLiteral("wdgBasicPad"), CodeRange(83, 99), 9));
    AddNavPage(QStringLiteral("tbtnBasicSysKeyCode"), tr("System"),
        MakeCapPage(QStringLiteral("wdgBasicSys"), QVector<tdu2> {70, 71, 72}, 9));

    for (KeyCap* cap : Caps()) {
        connect(cap, &KeyCap::KeyCapClicked, this, &KeyCodeBasicKeyPannel::BasicKeyClicked);
    }
}

void KeyCodeBasicKeyPannel::BasicKeyClicked()
{
    const int value = ValueOfCap(sender());
    if (value >= 0) {
        emit BasicKeyPannelClicked(static_cast<tdu2>(value));
    }
}
