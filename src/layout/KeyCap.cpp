#include "layout/KeyCap.h"

#include "layout/LayoutLog.h"
#include "ui/IconHelper.h"
#include "ui/Palette.h"

#include <QCoreApplication>
#include <QFont>
#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QToolButton>

namespace {
constexpr int kDefaultPixels = 56;
// Margin of a new cap; the style sheet keeps it as the bottom padding.
constexpr int kDefaultMargin = 5;
constexpr int kOuterRadius = 5;
constexpr int kInnerRadius = 3;
constexpr int kUnit = 100;
const char* const kCaptionFamily = "Timer";
// Role marks: a dark blue and a dark orange, a pair that colour-blind eyes tell apart as well,
// each over 5:1 on the face; the shapes differ too, so no one depends on the colours.
const QColor kDualRoleMark(0x15, 0x65, 0xC0);
const QColor kCombinationMark(0xA8, 0x4A, 0x00);
const QColor kMarkSign(0xFF, 0xFF, 0xFF);
// A mark takes this share of the face's shorter side, and never less than kSmallestMark pixels.
constexpr qreal kMarkShare = 0.3;
constexpr qreal kSmallestMark = 6;
// The disc of a combination mark keeps clear of the face's rounded corner; its plus sign's arms
// and stroke are shares of the disc.
constexpr qreal kDiscInset = 1.5;
constexpr qreal kSignArm = 0.28;
constexpr qreal kSignWidth = 0.14;
constexpr qreal kThinnestSign = 1.2;

// A rectangle from (x0, y0) to (x1, y1) whose corners are quadratic curves of the given radius.
QPainterPath RoundedFace(qreal x0, qreal y0, qreal x1, qreal y1, qreal r)
{
    QPainterPath path;
    path.moveTo(x1 - r, y0);
    path.lineTo(x0 + r, y0);
    path.quadTo(x0, y0, x0, y0 + r);
    path.lineTo(x0, y1 - r);
    path.quadTo(x0, y1, x0 + r, y1);
    path.lineTo(x1 - r, y1);
    path.quadTo(x1, y1, x1, y1 - r);
    path.lineTo(x1, y0 + r);
    path.quadTo(x1, y0, x1 - r, y0);
    path.closeSubpath();
    return path;
}

const char* const kStyleHostProperty = "capStyleHost";

bool InsideStyleHost(const QWidget* widget)
{
    for (; widget; widget = widget->parentWidget()) {
        if (widget->property(kStyleHostProperty).toBool())
            return true;
    }
    return false;
}

QString CapStyleSheet(int marpix)
{
    return QStringLiteral("QWidget#KeyCap{background:#000000;}"
                          "QWidget#tbtnBottom{background:transparent;border:1px solid #000000;padding-bottom:%1px;"
                          "border-radius:5px;}"
                          "QWidget#tbtnBottom[marked=\"true\"]{border:2px solid %3;}"
                          // A key written in live mode that the keyboard has not confirmed yet.
                          "QWidget#tbtnBottom[unconfirmed=\"true\"]{border:2px dotted #C05000;}"
                          "QWidget#tbtnBottom:pressed{background:transparent;border:1px solid #232323;"
                          "padding:0px 0px 1px 4px;border-radius:5px;}"
                          "QWidget#tbtnBottom[flag=\"outline\"]:hover{background:transparent;border:2px solid #00ff00;"
                          "border-radius:5px;}"
                          "QWidget#tbtnBottom[flag=\"outline\"]:pressed{background:transparent;"
                          "border:2px solid #ff0000;padding:0px 0px 1px 4px;border-radius:5px;}"
                          "QWidget#tbtnBottom[flag=\"outline\"]:checked{background:transparent;"
                          "border:2px solid #ff0000;border-radius:5px;}"
                          // The focus mark: dashed, so a focused key that is also checked stays told apart,
                          // and dark, since it is drawn on the light face of the cap.
                          "QWidget#tbtnBottom:focus:enabled{border:2px dashed %2;border-radius:5px;}")
        .arg(QString::number(marpix), QString::fromLatin1(Palette::kFocusOnLight),
            QString::fromLatin1(Palette::kAccent));
}
} // namespace

KeyCap::KeyCap(QWidget* parent)
    : QWidget(parent)
{
    if (objectName().isEmpty()) {
        setObjectName(QStringLiteral("KeyCap"));
    }
    setWindowTitle(tr("Form"));
    resize(kDefaultPixels, kDefaultPixels);

    m_button = new QToolButton(this);
    m_button->setObjectName(QStringLiteral("tbtnBottom"));
    m_button->setGeometry(0, 0, kDefaultPixels, kDefaultPixels);
    QFont font(QStringLiteral("Times New Roman"), 15);
    font.setKerning(true);
    font.setStyleStrategy(QFont::PreferDefault);
    m_button->setFont(font);
    m_button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_button->setText(QString());
    m_button->installEventFilter(this);
    QMetaObject::connectSlotsByName(this);

    ApplyGeometry();
    SetSelectable(false);
    // Built once from the margin at construction; later size changes keep this padding.
    if (!InsideStyleHost(parent))
        setStyleSheet(StyleSheet());
}

QString KeyCap::StyleSheet()
{
    return CapStyleSheet(kDefaultMargin);
}

void KeyCap::MakeStyleHost(QWidget* container)
{
    container->setProperty(kStyleHostProperty, true);
    container->setStyleSheet(container->styleSheet() + StyleSheet());
}

void KeyCap::SetKeySize(tdu2 width, tdu2 height, tdu1 cappix, tdu1 marpix, tdu1 fontsize)
{
    m_width = width;
    m_height = height;
    m_cappix = cappix;
    m_marpix = marpix;
    m_fontsize = fontsize;
    ApplyGeometry();
}

void KeyCap::ApplyGeometry()
{
    const int w = PixelWidth();
    const int h = PixelHeight();
    m_button->setGeometry(0, 0, w, h);
    setFixedSize(w, h);
}

int KeyCap::PixelWidth() const
{
    return m_cappix * m_width / kUnit;
}

int KeyCap::PixelHeight() const
{
    return m_cappix * m_height / kUnit;
}

tdu2 KeyCap::KeyWidth() const
{
    return m_width;
}

tdu2 KeyCap::KeyHeight() const
{
    return m_height;
}

QToolButton* KeyCap::Button() const
{
    return m_button;
}

void KeyCap::SetSelectable(bool selectable)
{
    m_button->setCheckable(selectable);
    const QString flag = selectable ? QStringLiteral("outline") : QStringLiteral("null");
    if (m_button->property("flag").toString() == flag) {
        return;
    }
    m_button->setProperty("flag", flag);
    // Property selectors of the style sheet are evaluated at polish time; a button not yet
    // polished picks the new value up when it is.
    if (m_button->testAttribute(Qt::WA_WState_Polished)) {
        m_button->style()->unpolish(m_button);
        m_button->style()->polish(m_button);
        m_button->update();
    }
}

void KeyCap::SetMarked(bool marked)
{
    m_button->setProperty("marked", marked);
    if (m_button->testAttribute(Qt::WA_WState_Polished)) {
        m_button->style()->unpolish(m_button);
        m_button->style()->polish(m_button);
        m_button->update();
    }
}

void KeyCap::SetChecked(bool checked)
{
    m_button->setChecked(checked);
    if (checked) {
        qCDebug(lcLayout) << "Checked";
    }
}

void KeyCap::SetCaption(const QString& text, bool italic)
{
    // Each display mode sets its own style: a cap that once showed icon and caption would
    // otherwise keep room for a caption under everything it shows later.
    m_button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_button->setText(QString());
    m_button->setIcon(QIcon(QPixmap(0, 0)));
    m_button->setFont(QFont(QString::fromLatin1(kCaptionFamily), m_fontsize, -1, italic));
    m_button->setText(text);
}

void KeyCap::ShowGlyph(QChar glyph)
{
    m_button->setText(QString());
    m_button->setIcon(QIcon(QPixmap(0, 0)));
    m_button->setIconSize(QSize(m_fontsize + 2, m_fontsize + 2));
    m_button->setIcon(QIcon(IconHelper::Instance()->GetPixmap(
        QStringLiteral("#000000"), glyph, m_fontsize, m_fontsize + 4, m_fontsize + 4)));
}

void KeyCap::SetIcon(QChar glyph)
{
    m_button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    ShowGlyph(glyph);
}

void KeyCap::SetIconCaption(QChar glyph, const QString& text)
{
    m_button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    ShowGlyph(glyph);
    m_button->setFont(QFont(QString::fromLatin1(kCaptionFamily), m_fontsize, -1, false));
    m_button->setText(text);
}

QString KeyCap::KeySizeName() const
{
    switch (m_width) {
    case 125:
        return QStringLiteral("1.25u");
    case 150:
        return QStringLiteral("1.5u");
    case 175:
        return QStringLiteral("1.75u");
    case 200:
        return QStringLiteral("2u");
    case 225:
        return QStringLiteral("2.25u");
    case 250:
        return QStringLiteral("2.5u");
    case 275:
        return QStringLiteral("2.75u");
    case 300:
        return QStringLiteral("3u");
    case 600:
        return QStringLiteral("6u");
    case 625:
        return QStringLiteral("6.25u");
    case 700:
        return QStringLiteral("7u");
    default:
        return QStringLiteral("1u");
    }
}

void KeyCap::SetRoleMark(RoleMark mark)
{
    if (mark == m_roleMark)
        return;
    m_roleMark = mark;
    update();
}

KeyCap::RoleMark KeyCap::ShownRoleMark() const
{
    return m_roleMark;
}

void KeyCap::PaintFace(QPainter& painter, const QRectF& face, RoleMark mark)
{
    painter.save();
    painter.setPen(QPen(QColor(183, 183, 183), 1, Qt::SolidLine, Qt::RoundCap, Qt::BevelJoin));
    painter.setBrush(QColor(252, 252, 252));
    painter.drawPath(RoundedFace(face.left(), face.top(), face.right(), face.bottom(), kInnerRadius));
    painter.restore();
    PaintMark(painter, face, mark);
}

void KeyCap::PaintMark(QPainter& painter, const QRectF& face, RoleMark mark)
{
    if (mark == RoleMark::None)
        return;
    const qreal size = qMax(kSmallestMark, qMin(face.width(), face.height()) * kMarkShare);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    if (mark == RoleMark::DualRole) {
        // A folded corner, cut to the face's rounded outline.
        QPainterPath corner;
        corner.moveTo(face.right() - size, face.top());
        corner.lineTo(face.right(), face.top());
        corner.lineTo(face.right(), face.top() + size);
        corner.closeSubpath();
        painter.setBrush(kDualRoleMark);
        painter.drawPath(
            corner.intersected(RoundedFace(face.left(), face.top(), face.right(), face.bottom(), kInnerRadius)));
    } else {
        const QRectF disc(face.right() - kDiscInset - size, face.top() + kDiscInset, size, size);
        painter.setBrush(kCombinationMark);
        painter.drawEllipse(disc);
        const qreal arm = size * kSignArm;
        painter.setPen(QPen(kMarkSign, qMax(kThinnestSign, size * kSignWidth), Qt::SolidLine, Qt::FlatCap));
        const QPointF c = disc.center();
        painter.drawLine(QPointF(c.x() - arm, c.y()), QPointF(c.x() + arm, c.y()));
        painter.drawLine(QPointF(c.x(), c.y() - arm), QPointF(c.x(), c.y() + arm));
    }
    painter.restore();
}

void KeyCap::on_tbtnBottom_clicked()
{
    emit KeyCapClicked();
}

QRectF KeyCap::Face() const
{
    // The top face sits above centre: half a margin on top, one and a half below.
    const qreal m = m_marpix;
    const qreal y0 = (m_marpix + 1) / 2;
    return QRectF(QPointF(m, y0), QPointF(PixelWidth() - m, y0 + PixelHeight() - 2 * m));
}

void KeyCap::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.setBrush(QColor(204, 204, 204));
    painter.drawPath(RoundedFace(0, 0, PixelWidth(), PixelHeight(), kOuterRadius));
    PaintFace(painter, Face(), m_roleMark);
    painter.end();

    QWidget::paintEvent(event);
}

bool KeyCap::eventFilter(QObject* watched, QEvent* event)
{
    // The mark goes over whatever the button paints on the face too, such as a heat colour.
    if (watched != m_button || event->type() != QEvent::Paint || m_roleMark == RoleMark::None || m_buttonPainting)
        return QWidget::eventFilter(watched, event);
    m_buttonPainting = true;
    QCoreApplication::sendEvent(m_button, event);
    m_buttonPainting = false;
    QPainter painter(m_button);
    PaintMark(painter, Face(), m_roleMark);
    return true;
}
