#pragma once

#include <QMenu>
#include <QStringList>

// The copy and swap menu of one layer: copy it onto, or swap it with, each other layer.
class KeymapLayerMenu final : public QMenu
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KeymapLayerMenu)

public:
    explicit KeymapLayerMenu(QWidget* parent = nullptr);

    // Fills the menu for layer, naming every layer as names does.
    void Fill(int layer, const QStringList& names);

signals:
    void CopyChosen(int from, int to);
    void SwapChosen(int first, int second);
};
