#pragma once

#include "device/DeviceTypes.h"

#include <QChar>
#include <QString>
#include <QWidget>

class QPainter;
class QRectF;
class QToolButton;

// One key of the keyboard picture or of a keycode picker: a painted keycap with a flat,
// transparent tool button on top that carries the caption and reports clicks.
class KeyCap final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KeyCap)

public:
    // What a key does besides sending itself, drawn in the top right corner of its face: a folded
    // corner for a key that acts otherwise while held, a plus sign in a disc for a key sent
    // together with modifiers. Shapes, not only colours, tell them apart.
    enum class RoleMark {
        None,
        DualRole,
        Combination,
    };

    explicit KeyCap(QWidget* parent = nullptr);

    // The caps' style rules. A widget that holds many caps carries them once as a style host;
    // caps created inside it go without a style sheet of their own, which would cost Qt a style
    // object and a re-polish per cap.
    static QString StyleSheet();
    static void MakeStyleHost(QWidget* container);

    // Sizes are in hundredths of a key unit; pixels = size * cappix / 100, truncated.
    void SetKeySize(tdu2 width, tdu2 height, tdu1 cappix, tdu1 marpix, tdu1 fontsize);
    void SetSelectable(bool selectable);
    // An accent outline for the keys that stand out on their page, such as those with an LED.
    void SetMarked(bool marked);
    void SetChecked(bool checked);
    void SetCaption(const QString& text, bool italic);
    void SetIcon(QChar glyph);
    void SetIconCaption(QChar glyph, const QString& text);
    QString KeySizeName() const;
    void SetRoleMark(RoleMark mark);
    RoleMark ShownRoleMark() const;
    // Draws a key's top face with its mark as a cap does; legends use it too.
    static void PaintFace(QPainter& painter, const QRectF& face, RoleMark mark);

    QToolButton* Button() const;
    tdu2 KeyWidth() const;
    tdu2 KeyHeight() const;
    int PixelWidth() const;
    int PixelHeight() const;

signals:
    void KeyCapClicked();

private slots:
    void on_tbtnBottom_clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static void PaintMark(QPainter& painter, const QRectF& face, RoleMark mark);
    // The top face, on the cap and on its button alike.
    QRectF Face() const;
    void ApplyGeometry();
    void ShowGlyph(QChar glyph);

    QToolButton* m_button = nullptr;
    tdu2 m_width = 100;
    tdu2 m_height = 100;
    tdu1 m_cappix = 56;
    tdu1 m_marpix = 5;
    tdu1 m_fontsize = 0;
    RoleMark m_roleMark = RoleMark::None;
    bool m_buttonPainting = false;
};
