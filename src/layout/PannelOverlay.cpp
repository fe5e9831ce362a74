#include "layout/PannelOverlay.h"

#include <QEvent>

PannelOverlay::PannelOverlay(QWidget* pannel)
    : QWidget(pannel)
{
    setAttribute(Qt::WA_TransparentForMouseEvents, true);
    setAttribute(Qt::WA_NoSystemBackground, true);
    setGeometry(pannel->rect());
    pannel->installEventFilter(this);
}

bool PannelOverlay::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void PannelOverlay::Cover()
{
    setGeometry(parentWidget()->rect());
    raise();
}
