#pragma once

#include "keymap/KeyCodePannelBase.h"

// Lighting keys of the backlight and of the bottom light, one page each.
class KeyCodeLedKeyPannel final : public KeyCodePannelBase
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KeyCodeLedKeyPannel)

public:
    explicit KeyCodeLedKeyPannel(QWidget* parent = nullptr);

signals:
    void LedKeyPannelClicked(tdu2 code);

public slots:
    void LedKeyClicked();
};
