#pragma once

#include "device/DeviceTypes.h"
#include "layout/KeyCap.h"

#include <QList>
#include <QString>
#include <QVector>
#include <QWidget>

class ChoiceRow;
class QCheckBox;
class QHBoxLayout;
class QStackedWidget;
class QToolButton;

// Common ground of the keycode pickers: caps that show a code and stand for a value, and an
// optional bar of navigation buttons over a stack of pages.
class KeyCodePannelBase : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KeyCodePannelBase)

public:
    // Every picker cap is a 1u key at 44 pixels per unit with a 5-pixel margin.
    static constexpr tdu1 kCapPix = 44;
    static constexpr tdu1 kCapMargin = 5;
    static constexpr tdu2 kCapUnits = 100;
    static constexpr int kCapsPerRow = 13;
    static constexpr int kCapSpacing = 6;

    enum Side {
        LeftSide = 0,
        RightSide = 1,
    };

    explicit KeyCodePannelBase(QWidget* parent = nullptr);
    ~KeyCodePannelBase() override;

    // Shows a code on a cap as every keycap of the program does: icon, icon over caption, or
    // caption (in italics for dual-role and combination codes), the mark of its role, and what it
    // does as the cap's tool tip.
    static void ShowCode(KeyCap* cap, tdu2 code);
    // The mark of dual-role and of combination codes.
    static KeyCap::RoleMark RoleMarkOf(tdu2 code);
    // Width a caption line may take on a cap, and the widest line of a cap's caption.
    static int CaptionRoom(const KeyCap* cap);
    static int CaptionWidth(const KeyCap* cap);

    // The value a cap of this picker stands for, -1 when the object is none of its caps.
    int ValueOfCap(const QObject* cap) const;
    // Caption point size of a cap of this picker, 0 when the object is none of its caps.
    tdu1 PointSizeOfCap(const QObject* cap) const;
    QList<KeyCap*> Caps() const;
    QList<QToolButton*> NavButtons() const;
    // Null for a picker of one page.
    QStackedWidget* Pages() const;

protected:
    // first, first + 1, ..., last.
    static QVector<tdu2> CodeRange(tdu2 first, tdu2 last);
    // A page of caps in rows of at most perRow. A cap shows shown[i] and stands for values[i]
    // (for shown[i] itself when values is empty).
    QWidget* MakeCapPage(const QString& name,
        const QVector<tdu2>& shown,
        tdu1 pointSize,
        int perRow = kCapsPerRow,
        const QVector<tdu2>& values = QVector<tdu2>());
    // One cap on parent showing shown and standing for value, marked and described as value.
    KeyCap* MakeCap(QWidget* parent, tdu2 shown, tdu1 pointSize, tdu2 value);
    // Narrows a caption that would not fit its cap in the caption font.
    static void FitCaption(KeyCap* cap);
    // The picker shows one page and no navigation.
    void SetSinglePage(QWidget* page);
    // Navigation bar over a stack; pages are added with AddNavPage in bar order.
    void SetUpNavigation(const QString& barName, const QString& stackName);
    QToolButton* AddNavPage(const QString& buttonName, const QString& caption, QWidget* page);
    // Called after a navigation button has shown page index.
    virtual void PageShown(int index);

    // A page of four modifier check boxes and an "Apply" button, named for its side.
    QWidget* MakeModifierPage(Side side);
    QToolButton* ApplyButton(Side side) const;
    // The high byte for the boxes of a side with the given code kind; clears the boxes.
    tdu2 TakeModifiers(Side side, int kind);
    void ClearModifiers(Side side);

private:
    QList<KeyCap*> m_caps;
    QVector<tdu2> m_values;
    QVector<tdu1> m_pointSizes;
    QHBoxLayout* m_navLayout = nullptr;
    QList<QToolButton*> m_navButtons;
    ChoiceRow* m_navRow = nullptr;
    QStackedWidget* m_pages = nullptr;
    QCheckBox* m_modifierBoxes[2][4] = {};
    QToolButton* m_applyButtons[2] = {};
};
