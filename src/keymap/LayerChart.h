#pragma once

#include "keymap/KeyUseStore.h"
#include "layout/KeyCap.h"

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

#include <memory>

class KeyPannel;
class KeymapStore;
class KeyUseChart;
class QPagedPaintDevice;
class QPainter;
class QRectF;

// A printable chart of the four layers of one keymap: each layer's keyboard picture drawn with
// the window's own caps, headed by the model's name, the keymap and layer names and the date.
// PDF and print give one layer a page; PNG and SVG stack the four layers in one picture. Under
// each picture a legend explains the marks of dual-role and combination keys the keymap holds.
// When the key tester counted presses, a last page shows the key use as a heat map.
class LayerChart final
{
    Q_DECLARE_TR_FUNCTIONS(LayerChart)
    Q_DISABLE_COPY_MOVE(LayerChart)

public:
    // The PNG is drawn at twice the window's size, sharp enough to print.
    static constexpr int kImageScale = 2;

    struct Titles
    {
        QString model;
        QString keymap;
        QStringList layers; // one name a layer
        QDate date;
    };

    // The caps take their places and sizes from `geometry`, the page's built panel, and their
    // codes from keymap `keymap` of `store`; both must outlive the chart.
    LayerChart(const KeyPannel& geometry, const KeymapStore& store, int keymap, const Titles& titles);
    ~LayerChart();

    // The path a chart goes to: as chosen when it ends in .pdf, .png or .svg, else with ".pdf".
    static QString ChartPath(const QString& chosen);
    // PDF, PNG or SVG by the suffix of ChartPath(path).
    bool WriteFile(const QString& path, QString* error);
    // Each writes the whole file or, on failure, leaves what was there and says why in error.
    bool WritePdf(const QString& path, QString* error);
    bool WritePng(const QString& path, QString* error);
    bool WriteSvg(const QString& path, QString* error);
    // One layer a page on a printer or PDF writer already set up, then the key use page.
    bool PaintPages(QPagedPaintDevice* device);

    // Counts by KeyUseStore::Place of the keys of this model; with none, no key use page.
    void SetKeyUse(const KeyUseStore::Counts& counts);
    bool HasKeyUsePage() const;

    // The marks the legend explains: those the keymap's codes show on any layer, in a fixed order.
    QList<KeyCap::RoleMark> LegendMarks() const;
    static QString LegendText(KeyCap::RoleMark mark);

private:
    // Size of the stacked picture at scale 1.
    QSize PictureSize() const;

    // Shows one layer's codes on the chart's caps.
    void ShowLayer(int layer);
    int PageCount() const;
    // Height of a page of the stacked picture at scale 1.
    int PageHeight(int page) const;
    // Draws one layer (or, after the last, the key use) with its heading into `area`, the picture
    // scaled to fit.
    void PaintLayer(QPainter& painter, const QRectF& area, int layer);
    void PaintStack(QPainter& painter);
    int HeadingHeight() const;
    int LegendHeight() const;
    // Draws the legend's lines from top left, each line `lineHeight` high.
    void PaintLegend(QPainter& painter, const QPointF& topLeft, qreal lineHeight) const;

    const KeymapStore& m_store;
    int m_keymap;
    Titles m_titles;
    std::unique_ptr<KeyPannel> m_pannel;
    QList<KeyCap::RoleMark> m_legend;
    std::unique_ptr<KeyUseChart> m_keyUse;
};
