#include "keymap/KeymapDiffOverlay.h"

#include "layout/KeyCap.h"

#include <QPainter>

namespace {
// The page's accent, drawn in the gap around the cap so the red outline of a selected key
// stays visible inside it.
const QColor kOutline(0x02, 0x9F, 0xEA);
constexpr int kOutlineWidth = 3;
constexpr qreal kOutlineOffset = 2;
constexpr qreal kOutlineRadius = 7;
} // namespace

KeymapDiffOverlay::KeymapDiffOverlay(QWidget* pannel)
    : PannelOverlay(pannel)
{
    setObjectName(QStringLiteral("wdgKeymapDiff"));
    hide();
}

void KeymapDiffOverlay::SetMarked(const QList<KeyCap*>& caps)
{
    m_marked.clear();
    for (KeyCap* cap : caps) {
        m_marked.append(cap);
    }
    setVisible(!m_marked.isEmpty());
    if (!m_marked.isEmpty()) {
        Cover();
    }
    update();
}

QList<KeyCap*> KeymapDiffOverlay::Marked() const
{
    QList<KeyCap*> caps;
    for (const QPointer<KeyCap>& cap : m_marked) {
        if (cap) {
            caps.append(cap);
        }
    }
    return caps;
}

void KeymapDiffOverlay::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(kOutline, kOutlineWidth));
    painter.setBrush(Qt::NoBrush);
    for (KeyCap* cap : Marked()) {
        const QRectF face(cap->mapTo(parentWidget(), QPoint(0, 0)), cap->size());
        painter.drawRoundedRect(face.adjusted(-kOutlineOffset, -kOutlineOffset, kOutlineOffset, kOutlineOffset),
            kOutlineRadius, kOutlineRadius);
    }
}
