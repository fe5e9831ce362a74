#pragma once

#include "keymap/KeyCodePannelBase.h"

// Plain keys: letters, digits, function, control, sign, edit, direction, keypad and system keys,
// on nine pages.
class KeyCodeBasicKeyPannel final : public KeyCodePannelBase
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KeyCodeBasicKeyPannel)

public:
    explicit KeyCodeBasicKeyPannel(QWidget* parent = nullptr);

signals:
    void BasicKeyPannelClicked(tdu2 code);

public slots:
    void BasicKeyClicked();
};
