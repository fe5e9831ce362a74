#pragma once

#include "keymap/KeyUseStore.h"

#include <QCoreApplication>
#include <QString>

class KeyPannel;
class QPainter;
class QRectF;

// The chart's page of key use: the keyboard picture with each cap coloured on the heat map's
// scale by how often the key tester saw it pressed, its count in the corner, and under it a
// legend of the scale's steps with the counts each stands for.
class KeyUseChart final
{
    Q_DECLARE_TR_FUNCTIONS(KeyUseChart)
    Q_DISABLE_COPY_MOVE(KeyUseChart)

public:
    // Draws on `pannel`, the chart's own panel (a style host showing the captions to draw).
    KeyUseChart(KeyPannel& pannel, const KeyUseStore::Counts& counts);

    static QString Title();
    // The legend's height under the picture, for text lines lineHeight high.
    static qreal LegendHeight(qreal lineHeight);
    // The picture at the top of room, scaled to fit above the legend, and the legend under it.
    void Paint(QPainter& painter, const QRectF& room, qreal lineHeight) const;

private:
    void PaintLegend(QPainter& painter, const QRectF& line, qreal lineHeight) const;
    void PaintCounts(QPainter& painter) const;

    KeyPannel& m_pannel;
    KeyUseStore::Counts m_counts;
    qint64 m_most = 0;
};
