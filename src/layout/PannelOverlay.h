#pragma once

#include <QWidget>

// A layer drawn over a key panel: covers the whole panel as it grows, stays above its caps and
// takes no mouse event from them. Subclasses paint what they mark.
class PannelOverlay : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PannelOverlay)

public:
    explicit PannelOverlay(QWidget* pannel);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Covers the panel again and comes to the top, for what has just been marked.
    void Cover();
};
