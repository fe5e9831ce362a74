#include "ui/TabOrder.h"

#include <QApplication>
#include <QList>
#include <QScrollArea>
#include <QWidget>

namespace {
void Collect(QWidget* parent, QList<QWidget*>* stops)
{
    for (QObject* child : parent->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget || widget->isWindow())
            continue;
        // A widget that hands its focus on (the edit inside a spin box) is reached through
        // the widget it hands it to.
        if ((widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy())
            stops->append(widget);
        Collect(widget, stops);
    }
}
} // namespace

void TabOrder::FollowPlacement(QWidget* window)
{
    QList<QWidget*> stops;
    Collect(window, &stops);
    for (int i = 1; i < stops.size(); i++)
        QWidget::setTabOrder(stops.at(i - 1), stops.at(i));
}

void TabOrder::KeepFocusInView(QWidget* window)
{
    QObject::connect(qApp, &QApplication::focusChanged, window, [window](QWidget*, QWidget* now) {
        if (!now || now->window() != window)
            return;
        for (QWidget* outer = now->parentWidget(); outer; outer = outer->parentWidget()) {
            if (auto* area = qobject_cast<QScrollArea*>(outer))
                area->ensureWidgetVisible(now);
        }
    });
}
