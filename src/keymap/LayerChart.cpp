#include "keymap/LayerChart.h"

#include "device/Protocol.h"
#include "keymap/KeyCodePannelBase.h"
#include "keymap/KeyUseChart.h"
#include "keymap/KeymapLog.h"
#include "keymap/KeymapStore.h"
#include "layout/KeyCap.h"
#include "layout/KeyPannel.h"
#include "ui/FileSaver.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QLayout>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <QtMath>

#include <algorithm>

namespace {
constexpr int kHeadingPointSize = 14;
constexpr int kSubheadingPointSize = 10;
constexpr int kHeadingGap = 6;
constexpr int kLayerGap = 24;
// White around the stacked picture.
constexpr int kMargin = 16;
constexpr int kPdfResolution = 300;
const QColor kInk(0x20, 0x20, 0x20);
// A legend line is two lines of text high, so that its sample face shows the mark at about the
// size the caps show it; the face takes most of the line.
constexpr int kLegendLineScale = 2;
constexpr qreal kLegendFaceShare = 0.85;

// Charts are drawn into memory first, so that the file is replaced only by a whole one.
bool SaveChart(const QString& path, const QByteArray& content, QString* error)
{
    const FileSaver::Result saved = FileSaver::Save(path, content);
    if (!saved.ok)
        *error = saved.error;
    return saved.ok;
}

} // namespace

LayerChart::LayerChart(const KeyPannel& geometry, const KeymapStore& store, int keymap, const Titles& titles)
    : m_store(store)
    , m_keymap(keymap)
    , m_titles(titles)
    , m_pannel(std::make_unique<KeyPannel>())
{
    // A panel of its own, so that the page's caps keep what they show.
    KeyPannel& pannel = *m_pannel;
    pannel.SetRowCol(geometry.RowNum(), geometry.ColNum());
    pannel.SetPannelParam(
        geometry.CapPix(), geometry.FontSize(), geometry.MarPix(), geometry.PannelWidth(), geometry.PannelHeight());
    for (tdu1 row = 0; row < geometry.RowNum(); ++row) {
        pannel.SetRowGap(row, geometry.RowGap(row));
        for (tdu1 col = 0; col < geometry.ColNum(); ++col) {
            pannel.SetKeyValid(row, col, geometry.IsKeyValid(row, col));
            pannel.SetKeyWidth(row, col, geometry.KeyWidth(row, col));
            pannel.SetKeyHeight(row, col, geometry.KeyHeight(row, col));
            pannel.SetKeyGap(row, col, geometry.KeyGap(row, col));
        }
    }
    KeyCap::MakeStyleHost(&pannel);
    pannel.BuildPannel();
    // Laid out and polished like a shown window, without appearing on screen.
    pannel.setAttribute(Qt::WA_DontShowOnScreen, true);
    pannel.show();
    pannel.layout()->activate();
    m_legend = LegendMarks();
}

LayerChart::~LayerChart() = default;

int LayerChart::HeadingHeight() const
{
    QFont heading;
    heading.setPointSize(kHeadingPointSize);
    QFont subheading;
    subheading.setPointSize(kSubheadingPointSize);
    return QFontMetrics(heading).height() + QFontMetrics(subheading).height() + 2 * kHeadingGap;
}

int LayerChart::LegendHeight() const
{
    if (m_legend.isEmpty())
        return 0;
    QFont subheading;
    subheading.setPointSize(kSubheadingPointSize);
    return kHeadingGap + m_legend.size() * kLegendLineScale * QFontMetrics(subheading).height();
}

QList<KeyCap::RoleMark> LayerChart::LegendMarks() const
{
    QList<KeyCap::RoleMark> shown;
    for (int layer = 0; layer < Protocol::kLayerCount; ++layer) {
        for (tdu1 row = 0; row < m_pannel->RowNum(); ++row) {
            for (tdu1 col = 0; col < m_pannel->ColNum(); ++col) {
                if (m_pannel->Cap(row, col) == nullptr)
                    continue;
                const KeyCap::RoleMark mark
                    = KeyCodePannelBase::RoleMarkOf(m_store.KeymapCode(m_keymap, layer, row, col));
                if (mark != KeyCap::RoleMark::None && !shown.contains(mark))
                    shown.append(mark);
            }
        }
    }
    std::sort(shown.begin(), shown.end());
    return shown;
}

QString LayerChart::LegendText(KeyCap::RoleMark mark)
{
    switch (mark) {
    case KeyCap::RoleMark::DualRole:
        return tr("Dual-role key: a modifier or layer while held, the key when tapped");
    case KeyCap::RoleMark::Combination:
        return tr("Combination key: modifiers and key sent together");
    default:
        return QString();
    }
}

void LayerChart::PaintLegend(QPainter& painter, const QPointF& topLeft, qreal lineHeight) const
{
    // A sample face a little smaller than the line, its mark in the corner, then what it means.
    const qreal side = lineHeight * kLegendFaceShare;
    QPointF at = topLeft;
    for (KeyCap::RoleMark mark : m_legend) {
        const QRectF face(at.x(), at.y() + (lineHeight - side) / 2, side, side);
        KeyCap::PaintFace(painter, face, mark);
        const QRectF text(face.right() + side / 3, at.y(), painter.device()->width(), lineHeight);
        painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, LegendText(mark));
        at.ry() += lineHeight;
    }
}

void LayerChart::SetKeyUse(const KeyUseStore::Counts& counts)
{
    const bool any = std::any_of(counts.cbegin(), counts.cend(), [](qint64 count) { return count > 0; });
    m_keyUse = any ? std::make_unique<KeyUseChart>(*m_pannel, counts) : nullptr;
}

bool LayerChart::HasKeyUsePage() const
{
    return m_keyUse != nullptr;
}

int LayerChart::PageCount() const
{
    return Protocol::kLayerCount + (m_keyUse ? 1 : 0);
}

int LayerChart::PageHeight(int page) const
{
    QFont subheading;
    subheading.setPointSize(kSubheadingPointSize);
    const int legend = page < Protocol::kLayerCount
        ? LegendHeight()
        : kHeadingGap + qCeil(KeyUseChart::LegendHeight(QFontMetrics(subheading).height()));
    return m_pannel->PannelHeight() + HeadingHeight() + legend;
}

QSize LayerChart::PictureSize() const
{
    int height = 2 * kMargin + (PageCount() - 1) * kLayerGap;
    for (int page = 0; page < PageCount(); ++page)
        height += PageHeight(page);
    return QSize(m_pannel->PannelWidth() + 2 * kMargin, height);
}

void LayerChart::ShowLayer(int layer)
{
    for (tdu1 row = 0; row < m_pannel->RowNum(); ++row) {
        for (tdu1 col = 0; col < m_pannel->ColNum(); ++col) {
            if (KeyCap* cap = m_pannel->Cap(row, col))
                KeyCodePannelBase::ShowCode(cap, m_store.KeymapCode(m_keymap, layer, row, col));
        }
    }
}

void LayerChart::PaintLayer(QPainter& painter, const QRectF& area, int layer)
{
    const bool keyUse = layer >= Protocol::kLayerCount;
    // The key use page shows the caps of the first layer.
    ShowLayer(keyUse ? 0 : layer);
    painter.save();
    painter.setPen(kInk);
    QFont heading = painter.font();
    heading.setPointSize(kHeadingPointSize);
    heading.setBold(true);
    QFont subheading = painter.font();
    subheading.setPointSize(kSubheadingPointSize);
    // Point sizes follow the device; the heading is measured in the device's own units.
    const qreal headingHeight = QFontMetricsF(heading, painter.device()).height();
    const qreal subheadingHeight = QFontMetricsF(subheading, painter.device()).height();
    const qreal gap = kHeadingGap * painter.device()->logicalDpiY() / 96.0;

    QRectF line(area.left(), area.top(), area.width(), headingHeight);
    painter.setFont(heading);
    painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, m_titles.model);
    painter.setFont(subheading);
    painter.drawText(line, Qt::AlignRight | Qt::AlignVCenter, QLocale().toString(m_titles.date, QLocale::ShortFormat));
    line.translate(0, headingHeight + gap / 2);
    line.setHeight(subheadingHeight);
    painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter,
        keyUse ? KeyUseChart::Title() : tr("%1, %2").arg(m_titles.keymap, m_titles.layers.value(layer)));
    if (keyUse) {
        const QRectF room(area.left(), line.bottom() + gap, area.width(), area.bottom() - line.bottom() - gap);
        m_keyUse->Paint(painter, room, subheadingHeight);
        painter.restore();
        return;
    }

    const qreal legendLine = kLegendLineScale * subheadingHeight;
    const qreal legend = m_legend.isEmpty() ? 0 : gap + m_legend.size() * legendLine;
    const QRectF room(area.left(), line.bottom() + gap, area.width(), area.bottom() - line.bottom() - gap - legend);
    const QSizeF picture = QSizeF(m_pannel->size()).scaled(room.size(), Qt::KeepAspectRatio);
    const qreal scale = picture.width() / m_pannel->width();
    PaintLegend(painter, QPointF(room.left(), room.top() + picture.height() + gap), legendLine);
    painter.translate(room.topLeft());
    painter.scale(scale, scale);
    m_pannel->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren | QWidget::DrawWindowBackground);
    painter.restore();
}

void LayerChart::PaintStack(QPainter& painter)
{
    qreal top = kMargin;
    for (int page = 0; page < PageCount(); ++page) {
        const QRectF area(kMargin, top, m_pannel->PannelWidth(), PageHeight(page));
        PaintLayer(painter, area, page);
        top = area.bottom() + kLayerGap;
    }
}

bool LayerChart::PaintPages(QPagedPaintDevice* device)
{
    QPainter painter;
    if (!painter.begin(device))
        return false;
    const QRectF page(QPointF(0, 0), QSizeF(device->width(), device->height()));
    for (int layer = 0; layer < PageCount(); ++layer) {
        if (layer > 0 && !device->newPage())
            return false;
        PaintLayer(painter, page, layer);
    }
    return painter.end();
}

QString LayerChart::ChartPath(const QString& chosen)
{
    const QString suffix = QFileInfo(chosen).suffix().toLower();
    const bool known
        = suffix == QLatin1String("pdf") || suffix == QLatin1String("png") || suffix == QLatin1String("svg");
    return known ? chosen : chosen + QStringLiteral(".pdf");
}

bool LayerChart::WriteFile(const QString& path, QString* error)
{
    const QString target = ChartPath(path);
    const QString suffix = QFileInfo(target).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return WritePng(target, error);
    if (suffix == QLatin1String("svg"))
        return WriteSvg(target, error);
    return WritePdf(target, error);
}

bool LayerChart::WritePdf(const QString& path, QString* error)
{
    QByteArray content;
    QBuffer buffer(&content);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setCreator(QCoreApplication::applicationName());
        pdf.setTitle(m_titles.model + QStringLiteral(" - ") + m_titles.keymap);
        pdf.setResolution(kPdfResolution);
        pdf.setPageLayout(QPageLayout(
            QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter));
        if (!PaintPages(&pdf)) {
            *error = tr("The pages could not be drawn.");
            return false;
        }
    }
    if (!SaveChart(path, content, error))
        return false;
    qCDebug(lcKeymap) << "Chart PDF" << path;
    return true;
}

bool LayerChart::WritePng(const QString& path, QString* error)
{
    QImage image(PictureSize() * kImageScale, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        *error = tr("Not enough memory for the picture.");
        return false;
    }
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        painter.scale(kImageScale, kImageScale);
        PaintStack(painter);
    }
    QByteArray content;
    QBuffer buffer(&content);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) {
        *error = tr("The picture could not be drawn.");
        return false;
    }
    if (!SaveChart(path, content, error))
        return false;
    qCDebug(lcKeymap) << "Chart PNG" << path;
    return true;
}

bool LayerChart::WriteSvg(const QString& path, QString* error)
{
    QByteArray content;
    QBuffer buffer(&content);
    buffer.open(QIODevice::WriteOnly);
    {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(PictureSize());
        svg.setViewBox(QRect(QPoint(0, 0), PictureSize()));
        svg.setTitle(m_titles.model + QStringLiteral(" - ") + m_titles.keymap);
        QPainter painter;
        if (!painter.begin(&svg)) {
            *error = tr("The picture could not be drawn.");
            return false;
        }
        painter.fillRect(QRect(QPoint(0, 0), PictureSize()), Qt::white);
        PaintStack(painter);
        painter.end();
    }
    if (!SaveChart(path, content, error))
        return false;
    qCDebug(lcKeymap) << "Chart SVG" << path;
    return true;
}
