#include "ui/ButtonKeys.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>

void ButtonKeys::Install()
{
    static ButtonKeys* filter = nullptr;
    if (filter)
        return;
    filter = new ButtonKeys;
    filter->setParent(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(filter);
}

bool ButtonKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    auto* button = qobject_cast<QAbstractButton*>(watched);
    if (!button || !button->hasFocus() || !button->isEnabled() || !button->isVisible()
        || button->property("handlesEnter").toBool())
        return false;
    button->click();
    return true;
}
