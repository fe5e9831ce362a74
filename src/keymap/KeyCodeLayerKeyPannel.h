#pragma once

#include "keymap/KeyCodePannelBase.h"

// Layer toggles (LT), momentary layers (LM) and keymap switches (KM).
class KeyCodeLayerKeyPannel final : public KeyCodePannelBase
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KeyCodeLayerKeyPannel)

public:
    explicit KeyCodeLayerKeyPannel(QWidget* parent = nullptr);

signals:
    void LayerKeyPannelClicked(tdu2 code);

public slots:
    void LayerKeyClicked();
};
