#pragma once

#include "keymap/KeyCodePannelBase.h"

// Combination keys: the key is sent together with the chosen left or right modifiers. Emits
// only the high byte; the editor keeps the key's plain code under it.
class KeyCodeCombKeyPannel final : public KeyCodePannelBase
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KeyCodeCombKeyPannel)

public:
    enum Page {
        LeftModPage = 0,
        RightModPage = 1,
    };

    explicit KeyCodeCombKeyPannel(QWidget* parent = nullptr);

signals:
    void CombKeyPannelClicked(tdu2 highByte);

public slots:
    void on_tbtnLModSet_clicked();
    void on_tbtnRModSet_clicked();

protected:
    void PageShown(int index) override;
};
