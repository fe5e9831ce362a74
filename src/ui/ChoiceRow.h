#pragma once

#include <QList>
#include <QObject>

#include <functional>

class QAbstractButton;

// A row of checkable buttons of which one is chosen, such as the pages of a window. Not a
// QButtonGroup, which would let Tab reach only the checked button. A click, or a screen reader's
// toggle, chooses a button: it alone is checked, and chosen runs with its index.
class ChoiceRow final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ChoiceRow)

public:
    ChoiceRow(QObject* parent, const std::function<void(int)>& chosen);

    void Add(QAbstractButton* button);
    void Choose(int index);
    // Checks the button alone, without choosing it: the row follows a choice made elsewhere.
    void Check(int index);

private:
    QList<QAbstractButton*> m_buttons;
    std::function<void(int)> m_chosen;
    bool m_choosing = false;
};
