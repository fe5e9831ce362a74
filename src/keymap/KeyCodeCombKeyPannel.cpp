#include "keymap/KeyCodeCombKeyPannel.h"

#include "keymap/KeyCodeCatalogue.h"

#include <QToolButton>

KeyCodeCombKeyPannel::KeyCodeCombKeyPannel(QWidget* parent)
    : KeyCodePannelBase(parent)
{
    setObjectName(QStringLiteral("KeyCodeCombKeyPannel"));
    SetUpNavigation(QStringLiteral("wdgCombKeyCodeNav"), QStringLiteral("skwCombKeyCode"));
    AddNavPage(QStringLiteral("tbtnLModCombKey"), tr("Left Mod"), MakeModifierPage(LeftSide));
    AddNavPage(QStringLiteral("tbtnRModCombKey"), tr("Right Mod"), MakeModifierPage(RightSide));
    for (Side side : {LeftSide, RightSide})
        ApplyButton(side)->setToolTip(tr("Makes the selected key send the ticked modifiers together with it"));
    QMetaObject::connectSlotsByName(this);
}

void KeyCodeCombKeyPannel::on_tbtnLModSet_clicked()
{
    emit CombKeyPannelClicked(TakeModifiers(LeftSide, KeyCodeCatalogue::KindCombLeft));
}

void KeyCodeCombKeyPannel::on_tbtnRModSet_clicked()
{
    emit CombKeyPannelClicked(TakeModifiers(RightSide, KeyCodeCatalogue::KindCombRight));
}

void KeyCodeCombKeyPannel::PageShown(int index)
{
    // A page always opens with its boxes cleared.
    if (index == LeftModPage) {
        ClearModifiers(LeftSide);
    } else if (index == RightModPage) {
        ClearModifiers(RightSide);
    }
}
