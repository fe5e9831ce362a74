#pragma once

#include "keymap/KeyCodePannelBase.h"

// The 32 macro keys M1-M32.
class KeyCodeMacroKeyPannel final : public KeyCodePannelBase
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KeyCodeMacroKeyPannel)

public:
    explicit KeyCodeMacroKeyPannel(QWidget* parent = nullptr);

signals:
    void MacroKeyPannelClicked(tdu2 code);

public slots:
    void MacroKeyClicked();
};
