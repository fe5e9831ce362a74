#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

class KeyCap;

// Draws a clear outline around chosen caps of the key panel it covers, above the caps and
// without taking any mouse event from them.
class KeymapDiffOverlay final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KeymapDiffOverlay)

public:
    explicit KeymapDiffOverlay(QWidget* pannel);

    void SetMarked(const QList<KeyCap*>& caps);
    QList<KeyCap*> Marked() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QList<QPointer<KeyCap>> m_marked;
};
