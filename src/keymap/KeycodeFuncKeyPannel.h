#pragma once

#include "keymap/KeyCodePannelBase.h"

// Power, battery and wireless host keys.
class KeycodeFuncKeyPannel final : public KeyCodePannelBase
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KeycodeFuncKeyPannel)

public:
    explicit KeycodeFuncKeyPannel(QWidget* parent = nullptr);

signals:
    void FuncKeyPannelClicked(tdu2 code);

public slots:
    void FuncKeyClicked();
};
