#include "ui/ChoiceRow.h"

#include <QAbstractButton>

ChoiceRow::ChoiceRow(QObject* parent, const std::function<void(int)>& chosen)
    : QObject(parent)
    , m_chosen(chosen)
{ }

void ChoiceRow::Add(QAbstractButton* button)
{
    button->setCheckable(true);
    m_buttons.append(button);
    // A click toggles the button first; a toggle alone (a screen reader's action) chooses too. A
    // chosen button toggled off is chosen again.
    connect(button, &QAbstractButton::toggled, this, [this, button] {
        if (!m_choosing)
            Choose(m_buttons.indexOf(button));
    });
}

void ChoiceRow::Choose(int index)
{
    if (index < 0 || index >= m_buttons.size())
        return;
    Check(index);
    m_chosen(index);
}

void ChoiceRow::Check(int index)
{
    m_choosing = true;
    for (int i = 0; i < m_buttons.size(); ++i)
        m_buttons.at(i)->setChecked(i == index);
    m_choosing = false;
}
