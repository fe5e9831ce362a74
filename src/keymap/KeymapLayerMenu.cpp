#include "keymap/KeymapLayerMenu.h"

KeymapLayerMenu::KeymapLayerMenu(QWidget* parent)
    : QMenu(parent)
{
    setObjectName(QStringLiteral("mnuLayer"));
}

void KeymapLayerMenu::Fill(int layer, const QStringList& names)
{
    clear();
    const QString subject = names.value(layer);
    for (int other = 0; other < names.size(); ++other) {
        if (other != layer) {
            addAction(tr("Copy %1 onto %2").arg(subject, names.at(other)), this,
                [this, layer, other] { emit CopyChosen(layer, other); });
        }
    }
    addSeparator();
    for (int other = 0; other < names.size(); ++other) {
        if (other != layer) {
            addAction(tr("Swap %1 with %2").arg(subject, names.at(other)), this,
                [this, layer, other] { emit SwapChosen(layer, other); });
        }
    }
}
