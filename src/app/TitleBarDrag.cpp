#include "app/TitleBarDrag.h"

#include <QMouseEvent>
#include <QWidget>

TitleBarDrag::TitleBarDrag(QWidget* window, QWidget* titleBar)
    : QObject(window)
    , m_window(window)
    , m_titleBar(titleBar)
{
    window->installEventFilter(this);
}

bool TitleBarDrag::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            m_pressPos = static_cast<QMouseEvent*>(event)->pos();
            m_pressed = m_pressPos.x() <= m_titleBar->width() && m_pressPos.y() <= m_titleBar->height();
            break;
        case QEvent::MouseMove:
            if (m_pressed)
                m_window->move(static_cast<QMouseEvent*>(event)->globalPos() - m_pressPos);
            break;
        case QEvent::MouseButtonRelease:
            m_pressed = false;
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}
