#pragma once

#include "keymap/KeyCodePannelBase.h"

// Media, volume and browser keys.
class KeyCodeMediaKeyPannel final : public KeyCodePannelBase
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KeyCodeMediaKeyPannel)

public:
    explicit KeyCodeMediaKeyPannel(QWidget* parent = nullptr);

signals:
    void MediaKeyPannelClicked(tdu2 code);

public slots:
    void MediaKeyClicked();
};
