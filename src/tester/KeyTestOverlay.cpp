#include "tester/KeyTestOverlay.h"

#include "keymap/KeyUseScale.h"

#include <QPaintEvent>
#include <QPainter>

namespace {
const QColor kHeld(0x02, 0x9F, 0xEA, 170);
const QColor kPressed(0x3C, 0xB3, 0x71, 90);
const QColor kUntestable(0x40, 0x40, 0x40, 150);
const QColor kChatter(0xE0, 0x20, 0x20);
const QColor kCountText(0x10, 0x10, 0x10);
constexpr int kChatterOutline = 3;
constexpr qreal kRadius = 5;
constexpr int kBadgeSize = 18;
constexpr int kCountPointSize = 7;
// Outlines and badges reach a little beyond the cap.
constexpr int kSpill = 4;
} // namespace

KeyTestOverlay::KeyTestOverlay(QWidget* pannel)
    : PannelOverlay(pannel)
{
    setObjectName(QStringLiteral("wdgKeyTestOverlay"));
}

void KeyTestOverlay::SetMarks(const QVector<Mark>& marks)
{
    m_marks = marks;
    Cover();
    update();
}

void KeyTestOverlay::SetMark(int index, const Mark& mark)
{
    if (index < 0 || index >= m_marks.size())
        return;
    const QRect before = m_marks.at(index).face;
    m_marks[index] = mark;
    update(before.united(mark.face).adjusted(-kSpill, -kSpill, kSpill, kSpill));
}

void KeyTestOverlay::SetHeatMap(bool on)
{
    m_heatMap = on;
    update();
}

void KeyTestOverlay::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    QFont countFont = font();
    countFont.setPointSize(kCountPointSize);
    countFont.setBold(true);
    painter.setFont(countFont);
    for (const Mark& mark : qAsConst(m_marks)) {
        const QRectF face(mark.face);
        if (!event->rect().intersects(mark.face.adjusted(-kSpill, -kSpill, kSpill, kSpill)))
            continue;
        painter.setPen(Qt::NoPen);
        switch (mark.kind) {
        case Mark::Kind::Untested:
            break;
        case Mark::Kind::Held:
            painter.setBrush(kHeld);
            painter.drawRoundedRect(face, kRadius, kRadius);
            break;
        case Mark::Kind::Pressed:
            if (m_heatMap)
                break;
            painter.setBrush(kPressed);
            painter.drawRoundedRect(face, kRadius, kRadius);
            break;
        case Mark::Kind::Untestable:
            painter.setBrush(QBrush(kUntestable, Qt::BDiagPattern));
            painter.drawRoundedRect(face, kRadius, kRadius);
            break;
        }
        const int count = m_heatMap ? mark.uses : mark.presses;
        if (count > 0) {
            painter.setPen(
                m_heatMap && mark.heat > 0 && mark.kind != Mark::Kind::Held ? KeyUseScale::Ink(mark.heat) : kCountText);
            painter.drawText(face.adjusted(0, 0, -4, -2), Qt::AlignRight | Qt::AlignBottom, QString::number(count));
        }
        if (mark.chatters > 0) {
            painter.setPen(QPen(kChatter, kChatterOutline));
            painter.setBrush(Qt::NoBrush);
            painter.drawRoundedRect(face.adjusted(1, 1, -1, -1), kRadius, kRadius);
            const QRectF badge(face.right() - kBadgeSize + kSpill, face.top() - kSpill, kBadgeSize, kBadgeSize);
            painter.setPen(Qt::NoPen);
            painter.setBrush(kChatter);
            painter.drawEllipse(badge);
            painter.setPen(Qt::white);
            painter.drawText(badge, Qt::AlignCenter, QString::number(mark.chatters));
        }
    }
}
