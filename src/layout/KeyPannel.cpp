#include "layout/KeyPannel.h"

#include "layout/KeyCap.h"
#include "layout/KeyNavigation.h"
#include "layout/LayoutLog.h"

#include <QHBoxLayout>
#include <QHash>
#include <QKeyEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int kUnit = 100;
constexpr int kOuterMargin = 10;
} // namespace

KeyPannel::KeyPannel(QWidget* parent)
    : QWidget(parent)
{
    if (objectName().isEmpty()) {
        setObjectName(QStringLiteral("KeyPannel"));
    }
    // The black board behind the caps is the panel's own style-sheet background.
    setAttribute(Qt::WA_StyledBackground);
    resize(400, 300);
    setWindowTitle(tr("Form"));
}

bool KeyPannel::InGrid(tdu1 row, tdu1 col)
{
    return row < kRows && col < kCols;
}

bool KeyPannel::InUse(tdu1 row, tdu1 col) const
{
    // m_rownum/m_colnum never exceed the fixed grid, so this also bounds the arrays.
    return row < m_rownum && col < m_colnum;
}

tdu1 KeyPannel::SetRowCol(tdu1 rownum, tdu1 colnum)
{
    if (rownum > kRows || colnum > kCols) {
        // Larger grids cannot be stored; leave the panel without a usable grid.
        m_rownum = 0;
        m_colnum = 0;
        qCDebug(lcLayout) << "grid too large" << rownum << colnum;
        return 0;
    }
    m_rownum = rownum;
    m_colnum = colnum;
    return 1;
}

tdu1 KeyPannel::SetPannelParam(tdu1 cappix, tdu1 fontsize, tdu1 marpix, tdu2 pannelwidth, tdu2 pannelheight)
{
    m_cappix = cappix;
    m_fontsize = fontsize;
    m_marpix = marpix;
    m_pannelwidth = pannelwidth;
    m_pannelheight = pannelheight;
    return 1;
}

tdu1 KeyPannel::SetRowGap(tdu1 row, tdu2 gap)
{
    if (row >= m_rownum) {
        return 0;
    }
    m_rowgap[row] = gap;
    return 1;
}

template <typename T> tdu1 KeyPannel::SetCell(T (&cells)[kRows][kCols], tdu1 row, tdu1 col, T value)
{
    if (!InUse(row, col)) {
        return 0;
    }
    cells[row][col] = value;
    return 1;
}

tdu1 KeyPannel::SetKeyValid(tdu1 row, tdu1 col, tdu1 flag)
{
    return SetCell(m_valid, row, col, flag);
}

tdu1 KeyPannel::SetKeyCheckable(tdu1 row, tdu1 col, tdu1 flag)
{
    return SetCell(m_checkable, row, col, flag);
}

tdu1 KeyPannel::SetKeyWidth(tdu1 row, tdu1 col, tdu2 width)
{
    return SetCell(m_width, row, col, width);
}

tdu1 KeyPannel::SetKeyHeight(tdu1 row, tdu1 col, tdu2 height)
{
    return SetCell(m_height, row, col, height);
}

tdu1 KeyPannel::SetKeyGap(tdu1 row, tdu1 col, tdu2 gap)
{
    return SetCell(m_gap, row, col, gap);
}

tdu1 KeyPannel::IsKeyValid(tdu1 row, tdu1 col) const
{
    return InGrid(row, col) ? m_valid[row][col] : 0;
}

tdu1 KeyPannel::IsKeyCheckable(tdu1 row, tdu1 col) const
{
    return InGrid(row, col) ? m_checkable[row][col] : 0;
}

KeyCap* KeyPannel::Cap(tdu1 row, tdu1 col) const
{
    return InGrid(row, col) ? m_caps[row][col] : nullptr;
}

tdu1 KeyPannel::RowNum() const
{
    return m_rownum;
}

tdu1 KeyPannel::ColNum() const
{
    return m_colnum;
}

tdu2 KeyPannel::PannelWidth() const
{
    return m_pannelwidth;
}

tdu2 KeyPannel::PannelHeight() const
{
    return m_pannelheight;
}

tdu1 KeyPannel::CapPix() const
{
    return m_cappix;
}

tdu1 KeyPannel::FontSize() const
{
    return m_fontsize;
}

tdu1 KeyPannel::MarPix() const
{
    return m_marpix;
}

tdu2 KeyPannel::RowGap(tdu1 row) const
{
    return row < kRows ? m_rowgap[row] : 0;
}

tdu2 KeyPannel::KeyWidth(tdu1 row, tdu1 col) const
{
    return InGrid(row, col) ? m_width[row][col] : 0;
}

tdu2 KeyPannel::KeyHeight(tdu1 row, tdu1 col) const
{
    return InGrid(row, col) ? m_height[row][col] : 0;
}

tdu2 KeyPannel::KeyGap(tdu1 row, tdu1 col) const
{
    return InGrid(row, col) ? m_gap[row][col] : 0;
}

bool KeyPannel::IsBuilt() const
{
    return m_outerLayout != nullptr;
}

void KeyPannel::BuildPannel()
{
    if (IsBuilt()) {
        // Caps are made once; a second build would stack a second grid on the first.
        qCDebug(lcLayout) << "pannel already built";
        return;
    }

    // The panel carries the caps' style rules once, and caps are born inside it.
    setStyleSheet(QStringLiteral("QWidget#KeyPannel{background:#000000}"));
    KeyCap::MakeStyleHost(this);

    m_outerLayout = new QVBoxLayout();
    m_outerLayout->setContentsMargins(kOuterMargin, kOuterMargin, kOuterMargin, kOuterMargin);
    m_outerLayout->setSpacing(0);

    for (int r = 0; r < m_rownum; ++r) {
        int place = 0;
        QHBoxLayout* rowLayout = new QHBoxLayout();
        rowLayout->setContentsMargins(0, 0, 0, 0);
        rowLayout->setSpacing(0);
        m_rowLayouts[r] = rowLayout;

        for (int c = 0; c < m_colnum; ++c) {
            if (m_valid[r][c] != 1) {
                continue;
            }
            KeyCap* cap = new KeyCap(this);
            m_caps[r][c] = cap;
            cap->SetKeySize(m_width[r][c], m_height[r][c], m_cappix, m_marpix, m_fontsize);
            if (m_gap[r][c] != 0) {
                rowLayout->addSpacing(m_gap[r][c] * m_cappix / kUnit);
            }
            rowLayout->addWidget(cap, 0);
            cap->SetSelectable(m_checkable[r][c] == 1);
            connect(cap, &KeyCap::KeyCapClicked, this, &KeyPannel::KeyCapChecked);
            cap->Button()->installEventFilter(this);
            cap->Button()->setProperty("handlesEnter", true);
            // Where the key is, for whoever names it to a screen reader.
            cap->Button()->setProperty("place", tr("row %1, key %2").arg(r + 1).arg(++place));
        }
        rowLayout->addStretch(0);

        // The gap of a row lies above it.
        m_outerLayout->addSpacing(m_rowgap[r] * m_cappix / kUnit);
        m_outerLayout->addLayout(rowLayout);
    }

    setLayout(m_outerLayout);
    setFixedSize(m_pannelwidth, m_pannelheight);
}

bool KeyPannel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* press = static_cast<QKeyEvent*>(event);
    auto* button = qobject_cast<QAbstractButton*>(watched);
    if ((press->key() == Qt::Key_Return || press->key() == Qt::Key_Enter) && button != nullptr
        && (press->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        button->click();
        emit CodeChoiceRequested();
        return true;
    }
    if (press->key() == Qt::Key_PageUp || press->key() == Qt::Key_PageDown) {
        emit LayerStepRequested(press->key() == Qt::Key_PageUp ? -1 : 1);
        return true;
    }
    static const QHash<int, KeyNavigation::Move> kMoves {{Qt::Key_Left, KeyNavigation::Move::Left},
        {Qt::Key_Right, KeyNavigation::Move::Right}, {Qt::Key_Up, KeyNavigation::Move::Up},
        {Qt::Key_Down, KeyNavigation::Move::Down}, {Qt::Key_Home, KeyNavigation::Move::RowStart},
        {Qt::Key_End, KeyNavigation::Move::RowEnd}};
    if (!kMoves.contains(press->key()))
        return QWidget::eventFilter(watched, event);
    // The caps the focus can go to: those that take it on this page.
    QVector<QRect> places;
    QVector<QToolButton*> buttons;
    int from = -1;
    for (int r = 0; r < m_rownum; ++r) {
        for (int c = 0; c < m_colnum; ++c) {
            KeyCap* cap = m_caps[r][c];
            if (cap == nullptr || !cap->Button()->isEnabled() || cap->isHidden())
                continue;
            if (cap->Button() == watched)
                from = places.size();
            places.append(cap->geometry());
            buttons.append(cap->Button());
        }
    }
    const int to = KeyNavigation::Next(places, from, kMoves.value(press->key()));
    if (to >= 0 && to != from)
        buttons.at(to)->setFocus(Qt::TabFocusReason);
    return true;
}

void KeyPannel::KeyCapChecked()
{
    const QObject* source = sender();
    if (source == nullptr) {
        return;
    }
    for (int r = 0; r < m_rownum; ++r) {
        for (int c = 0; c < m_colnum; ++c) {
            if (m_valid[r][c] == 1 && m_caps[r][c] == source) {
                emit KeyCapClicked(static_cast<tdu1>(r), static_cast<tdu1>(c));
                qCDebug(lcLayout) << "Row" << r << "Col" << c << "Clicked";
            }
        }
    }
}
