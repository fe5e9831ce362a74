#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

// Moves a frameless window while the mouse drags it by its title bar (the window's top-left
// rectangle the size of titleBar); presses anywhere else leave it where it is.
class TitleBarDrag final : public QObject
{
public:
    TitleBarDrag(QWidget* window, QWidget* titleBar);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    QWidget* m_titleBar;
    bool m_pressed = false;
    QPoint m_pressPos;
};
