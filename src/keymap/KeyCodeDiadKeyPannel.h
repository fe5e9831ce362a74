#pragma once

#include "keymap/KeyCodePannelBase.h"

// Dual-role keys: left or right modifiers, or a layer, that act while the key is held or
// combined. Emits only the high byte; the editor keeps the key's plain code under it.
class KeyCodeDiadKeyPannel final : public KeyCodePannelBase
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KeyCodeDiadKeyPannel)

public:
    enum Page {
        LeftModPage = 0,
        RightModPage = 1,
        LayerPage = 2,
    };

    explicit KeyCodeDiadKeyPannel(QWidget* parent = nullptr);

signals:
    void DiadKeyPannelClicked(tdu2 highByte);

public slots:
    void DiadKeyClicked();
    void on_tbtnLModSet_clicked();
    void on_tbtnRModSet_clicked();

protected:
    void PageShown(int index) override;
};
