#pragma once

#include <QList>
#include <QObject>

class ChoiceRow;
class QStackedWidget;
class Shortcuts;
class QToolButton;
class QWidget;

// The window's row of page buttons: each shows its page of the stack; Ctrl+Page Down and
// Ctrl+Page Up go to the next and the previous page offered, and F1 lists the shortcuts of the
// window and its pages.
class MainNavigation final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainNavigation)

public:
    // buttons: one for each page of pages, in its order; bar: the widget they sit on.
    MainNavigation(QWidget* window, QWidget* bar, QStackedWidget* pages, const QList<QToolButton*>& buttons);

    // Shows the next (step 1) or the previous (step -1) page offered, round the row.
    void Step(int step);
    // The window's own shortcuts.
    Shortcuts* Keys() const
    {
        return m_keys;
    }

private:
    QStackedWidget* m_pages;
    QList<QToolButton*> m_buttons;
    Shortcuts* m_keys;
    ChoiceRow* m_row;
};
