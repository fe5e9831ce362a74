#pragma once

#include "layout/PannelOverlay.h"

#include <QList>
#include <QPointer>

class KeyCap;

// Draws a clear outline around chosen caps of the key panel it covers, above the caps and
// without taking any mouse event from them.
class KeymapDiffOverlay final : public PannelOverlay
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KeymapDiffOverlay)

public:
    explicit KeymapDiffOverlay(QWidget* pannel);

    void SetMarked(const QList<KeyCap*>& caps);
    QList<KeyCap*> Marked() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<QPointer<KeyCap>> m_marked;
};
