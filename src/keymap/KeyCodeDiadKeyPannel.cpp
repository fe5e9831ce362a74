#include "keymap/KeyCodeDiadKeyPannel.h"

#include "keymap/KeyCodeCatalogue.h"
#include "layout/KeyCap.h"

#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

KeyCodeDiadKeyPannel::KeyCodeDiadKeyPannel(QWidget* parent)
    : KeyCodePannelBase(parent)
{
    setObjectName(QStringLiteral("KeyCodeDiadKeyPannel"));
    SetUpNavigation(QStringLiteral("wdgDiadKeyCodeNav"), QStringLiteral("skwDiadKeyCode"));
    AddNavPage(QStringLiteral("tbtnLModDiadKey"), tr("Left Mod"), MakeModifierPage(LeftSide));
    AddNavPage(QStringLiteral("tbtnRModDiadKey"), tr("Right Mod"), MakeModifierPage(RightSide));
    for (Side side : {LeftSide, RightSide})
        ApplyButton(side)->setToolTip(
            tr("Makes the selected key act as the ticked modifiers while held and as itself when tapped"));

    // The layer caps show LM2-LM4 but stand for the dual-role layer high bytes.
    QWidget* caps = MakeCapPage(QStringLiteral("wdgDiadLayerCaps"), CodeRange(175, 177), 9, kCapsPerRow,
        QVector<tdu2> {
            KeyCodeCatalogue::kDualRoleLayer2, KeyCodeCatalogue::kDualRoleLayer3, KeyCodeCatalogue::kDualRoleLayer4});
    QWidget* layerPage = new QWidget();
    layerPage->setObjectName(QStringLiteral("skwLayer"));
    QVBoxLayout* column = new QVBoxLayout(layerPage);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(caps);
    QLabel* hint = new QLabel(tr("二合一按键，长按或组合按键实现"), layerPage);
    hint->setObjectName(QStringLiteral("lblDiadLayerTip"));
    hint->setContentsMargins(8, 0, 8, 0);
    column->addWidget(hint);
    column->addStretch(1);
    AddNavPage(QStringLiteral("tbtnLayerDiadKey"), tr("Layer"), layerPage);

    for (KeyCap* cap : Caps()) {
        connect(cap, &KeyCap::KeyCapClicked, this, &KeyCodeDiadKeyPannel::DiadKeyClicked);
    }
    QMetaObject::connectSlotsByName(this);
}

void KeyCodeDiadKeyPannel::DiadKeyClicked()
{
    const int value = ValueOfCap(sender());
    if (value >= 0) {
        emit DiadKeyPannelClicked(static_cast<tdu2>(value));
    }
}

void KeyCodeDiadKeyPannel::on_tbtnLModSet_clicked()
{
    emit DiadKeyPannelClicked(TakeModifiers(LeftSide, KeyCodeCatalogue::KindDualLeft));
}

void KeyCodeDiadKeyPannel::on_tbtnRModSet_clicked()
{
    emit DiadKeyPannelClicked(TakeModifiers(RightSide, KeyCodeCatalogue::KindDualRight));
}

void KeyCodeDiadKeyPannel::PageShown(int index)
{
    // A page always opens with its boxes cleared.
    if (index == LeftModPage) {
        ClearModifiers(LeftSide);
    } else if (index == RightModPage) {
        ClearModifiers(RightSide);
    }
}
