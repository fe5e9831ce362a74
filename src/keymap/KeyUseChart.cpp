#include "keymap/KeyUseChart.h"

#include "keymap/KeyUseScale.h"
#include "layout/KeyCap.h"
#include "layout/KeyPannel.h"

#include <QLocale>
#include <QPainter>
#include <QToolButton>

#include <algorithm>

namespace {
// The legend: its heading line, then one line of swatches twice as high.
constexpr int kSwatchLines = 2;
constexpr qreal kSwatchWidthLines = 3.5;
constexpr qreal kSwatchGapShare = 0.15;
constexpr qreal kCountShare = 0.22;
constexpr qreal kCountInset = 3;
const QColor kInk(0x20, 0x20, 0x20);
} // namespace

KeyUseChart::KeyUseChart(KeyPannel& pannel, const KeyUseStore::Counts& counts)
    : m_pannel(pannel)
    , m_counts(counts)
{
    for (qint64 count : counts)
        m_most = std::max(m_most, count);
    m_pannel.setStyleSheet(m_pannel.styleSheet() + KeyUseScale::StyleRules());
}

QString KeyUseChart::Title()
{
    return tr("Key use");
}

qreal KeyUseChart::LegendHeight(qreal lineHeight)
{
    return (1 + kSwatchLines) * lineHeight;
}

void KeyUseChart::Paint(QPainter& painter, const QRectF& room, qreal lineHeight) const
{
    const qreal legend = LegendHeight(lineHeight);
    const QSizeF fit(room.width(), room.height() - legend);
    const QSizeF picture = QSizeF(m_pannel.size()).scaled(fit, Qt::KeepAspectRatio);
    const qreal scale = picture.width() / m_pannel.width();
    PaintLegend(painter, QRectF(room.left(), room.top() + picture.height(), room.width(), legend), lineHeight);

    for (tdu1 row = 0; row < m_pannel.RowNum(); ++row) {
        for (tdu1 col = 0; col < m_pannel.ColNum(); ++col) {
            if (KeyCap* cap = m_pannel.Cap(row, col))
                KeyUseScale::Apply(
                    cap->Button(), KeyUseScale::StepOf(m_counts.value(KeyUseStore::Place(row, col)), m_most));
        }
    }
    painter.save();
    painter.translate(room.topLeft());
    painter.scale(scale, scale);
    m_pannel.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren | QWidget::DrawWindowBackground);
    PaintCounts(painter);
    painter.restore();
    // The layer pages show the caps uncoloured.
    for (tdu1 row = 0; row < m_pannel.RowNum(); ++row) {
        for (tdu1 col = 0; col < m_pannel.ColNum(); ++col) {
            if (KeyCap* cap = m_pannel.Cap(row, col))
                KeyUseScale::Apply(cap->Button(), 0);
        }
    }
}

void KeyUseChart::PaintCounts(QPainter& painter) const
{
    QFont font = painter.font();
    font.setPixelSize(std::max(6, int(m_pannel.CapPix() * kCountShare)));
    font.setBold(true);
    painter.setFont(font);
    for (tdu1 row = 0; row < m_pannel.RowNum(); ++row) {
        for (tdu1 col = 0; col < m_pannel.ColNum(); ++col) {
            const KeyCap* cap = m_pannel.Cap(row, col);
            const qint64 count = m_counts.value(KeyUseStore::Place(row, col));
            if (cap == nullptr || count <= 0)
                continue;
            const QRectF face(cap->mapTo(&m_pannel, QPoint(0, 0)), cap->size());
            painter.setPen(KeyUseScale::Ink(KeyUseScale::StepOf(count, m_most)));
            painter.drawText(face.adjusted(0, 0, -kCountInset - 1, -kCountInset), Qt::AlignRight | Qt::AlignBottom,
                QLocale().toString(count));
        }
    }
}

void KeyUseChart::PaintLegend(QPainter& painter, const QRectF& area, qreal lineHeight) const
{
    painter.save();
    painter.setPen(kInk);
    painter.drawText(QRectF(area.left(), area.top(), area.width(), lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
        tr("Presses counted by the key tester, fewest to most:"));
    const qreal width = kSwatchWidthLines * kSwatchLines * lineHeight;
    const qreal gap = kSwatchGapShare * lineHeight;
    QRectF swatch(area.left(), area.top() + lineHeight + gap, width, kSwatchLines * lineHeight - 2 * gap);
    const QLocale locale;
    for (int step = 1; step <= KeyUseScale::kSteps; ++step) {
        const qint64 lowest = KeyUseScale::LowestOf(step, m_most);
        const qint64 highest = step == KeyUseScale::kSteps ? m_most : KeyUseScale::LowestOf(step + 1, m_most) - 1;
        // Steps no count reaches, when the counts are few.
        if (lowest > highest)
            continue;
        painter.setPen(Qt::NoPen);
        painter.setBrush(KeyUseScale::Color(step));
        painter.drawRoundedRect(swatch, gap * 2, gap * 2);
        painter.setPen(KeyUseScale::Ink(step));
        painter.drawText(swatch, Qt::AlignCenter,
            lowest == highest ? locale.toString(lowest)
                              : tr("%1 to %2").arg(locale.toString(lowest), locale.toString(highest)));
        swatch.translate(width + gap, 0);
    }
    painter.restore();
}
