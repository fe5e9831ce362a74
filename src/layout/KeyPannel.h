#pragma once

#include "device/DeviceTypes.h"
#include "device/Protocol.h"

#include <QWidget>

class KeyCap;
class QHBoxLayout;
class QVBoxLayout;

// The picture of the whole keyboard: a fixed grid of KeyCaps placed row by row from the
// layout. It owns no keycodes; it knows which cells hold keys, their sizes, which may be
// selected, and turns a click on a cap into its row and column.
class KeyPannel final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KeyPannel)

public:
    static constexpr int kRows = Protocol::kMaxRows;
    static constexpr int kCols = Protocol::kMaxCols;

    explicit KeyPannel(QWidget* parent = nullptr);

    // Setters return 1 when stored and 0 when the row or column lies outside the grid in use.
    tdu1 SetRowCol(tdu1 rownum, tdu1 colnum);
    tdu1 SetPannelParam(tdu1 cappix, tdu1 fontsize, tdu1 marpix, tdu2 pannelwidth, tdu2 pannelheight);
    tdu1 SetRowGap(tdu1 row, tdu2 gap);
    tdu1 SetKeyValid(tdu1 row, tdu1 col, tdu1 flag);
    tdu1 SetKeyCheckable(tdu1 row, tdu1 col, tdu1 flag);
    tdu1 SetKeyWidth(tdu1 row, tdu1 col, tdu2 width);
    tdu1 SetKeyHeight(tdu1 row, tdu1 col, tdu2 height);
    tdu1 SetKeyGap(tdu1 row, tdu1 col, tdu2 gap);

    // Both check the fixed 7 x 21 grid, not the grid in use.
    tdu1 IsKeyValid(tdu1 row, tdu1 col) const;
    tdu1 IsKeyCheckable(tdu1 row, tdu1 col) const;
    // The cap of a cell once built, null where there is none.
    KeyCap* Cap(tdu1 row, tdu1 col) const;

    // Creates the caps and the row layouts; called once by the owner after loading.
    void BuildPannel();

    tdu1 RowNum() const;
    tdu1 ColNum() const;
    tdu2 PannelWidth() const;
    tdu2 PannelHeight() const;
    tdu1 CapPix() const;
    tdu1 FontSize() const;
    tdu1 MarPix() const;
    tdu2 RowGap(tdu1 row) const;
    tdu2 KeyWidth(tdu1 row, tdu1 col) const;
    tdu2 KeyHeight(tdu1 row, tdu1 col) const;
    tdu2 KeyGap(tdu1 row, tdu1 col) const;
    bool IsBuilt() const;

    // Arrow keys, Home and End on a cap move the focus to the cap that way (see KeyNavigation);
    // Page Up and Page Down ask for the layer before or after; Enter chooses the cap, as Space does,
    // and asks for the code to put on it.
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void KeyCapClicked(tdu1 row, tdu1 col);
    void LayerStepRequested(int step);
    void CodeChoiceRequested();

public slots:
    void KeyCapChecked();

private:
    bool InUse(tdu1 row, tdu1 col) const;
    // Stores value in one cell of a per-key array when the cell lies in the grid in use.
    template <typename T> tdu1 SetCell(T (&cells)[kRows][kCols], tdu1 row, tdu1 col, T value);
    static bool InGrid(tdu1 row, tdu1 col);

    KeyCap* m_caps[kRows][kCols] = {};
    tdu1 m_rownum = 0;
    tdu1 m_colnum = 0;
    tdu2 m_pannelwidth = 0;
    tdu2 m_pannelheight = 0;
    tdu1 m_cappix = 0;
    tdu1 m_fontsize = 0;
    tdu1 m_marpix = 0;
    tdu2 m_rowgap[kRows] = {};
    tdu1 m_valid[kRows][kCols] = {};
    tdu1 m_checkable[kRows][kCols] = {};
    tdu2 m_width[kRows][kCols] = {};
    tdu2 m_height[kRows][kCols] = {};
    tdu2 m_gap[kRows][kCols] = {};
    QHBoxLayout* m_rowLayouts[kRows] = {};
    QVBoxLayout* m_outerLayout = nullptr;
};
