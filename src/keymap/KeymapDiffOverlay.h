#pragma once

#include "keymap/KeymapStore.h"
#include "layout/PannelOverlay.h"

#include <QList>
#include <QPointer>

class KeyCap;
class KeyPannel;

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
    // Marks the caps of one layer whose code differs from the keyboard's, each with a tip that
    // names both codes; returns how many differ.
    int ShowDifferences(const KeyPannel& pannel,
        const KeymapStore& store,
        int keymap,
        int layer,
        const KeymapStore::KeymapCodes& keyboard);
    // Removes the marks and their tips.
    void Clear();
    // What a comparison found, for the status line.
    static QString Summary(int differing, int elsewhere);
    // A code as the tips name it: caption, description and number.
    static QString CodeText(tdu2 code);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<QPointer<KeyCap>> m_marked;
};
