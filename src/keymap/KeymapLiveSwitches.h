#pragma once

#include <QObject>

class KeymapLiveMode;
class QCheckBox;

// The keymap page's "Live" and "Next Key" boxes: each shows its state and remembers the user's
// choice in the settings; "Live" follows the live mode, which may turn itself off or be
// unavailable.
class KeymapLiveSwitches final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KeymapLiveSwitches)

public:
    KeymapLiveSwitches(KeymapLiveMode* live, QCheckBox* liveBox, QCheckBox* nextKeyBox, QObject* parent = nullptr);

    // After an assignment the selection moves to the next key.
    bool NextKey() const;

private:
    void ShowLiveState();

    KeymapLiveMode* m_live;
    QCheckBox* m_liveBox;
    QCheckBox* m_nextKeyBox;
};
