#include "ui/Shortcuts.h"

#include <QAbstractButton>
#include <QAction>
#include <QStackedWidget>
#include <QWidget>

#include <algorithm>

Shortcuts::Shortcuts(QWidget* page, const QString& title)
    : QObject(page)
    , m_page(page)
    , m_title(title)
{ }

void Shortcuts::AddButton(QAbstractButton* button, const QKeySequence& keys, const QString& what)
{
    Q_ASSERT(button != nullptr);
    // The button's own shortcut: active while it is shown, and told to screen readers with it.
    button->setShortcut(keys);
    m_entries.append({{keys}, keys.toString(QKeySequence::NativeText), what});
}

void Shortcuts::AddButton(const QString& name, const QKeySequence& keys, const QString& what)
{
    AddButton(m_page->findChild<QAbstractButton*>(name), keys, what);
}

QAction* Shortcuts::AddAction(const QKeySequence& keys, const QString& what, const std::function<void()>& run)
{
    auto* action = new QAction(what, m_page);
    action->setShortcut(keys);
    connect(action, &QAction::triggered, m_page, run);
    m_page->addAction(action);
    m_entries.append({{keys}, keys.toString(QKeySequence::NativeText), what});
    return action;
}

void Shortcuts::AddExisting(const QAction* action, const QString& what)
{
    QStringList texts;
    for (const QKeySequence& keys : action->shortcuts())
        texts.append(keys.toString(QKeySequence::NativeText));
    m_entries.append({action->shortcuts(), texts.join(QStringLiteral(", ")), what});
}

void Shortcuts::AddNote(const QString& keysText, const QString& what, const QList<QKeySequence>& keys)
{
    m_entries.append({keys, keysText, what});
}

namespace {
// Where a page stands among the pages of a stack (-1 for the window's own), so that the help
// page lists them as the window offers them.
int StackPlace(const QWidget* page)
{
    for (const QWidget* widget = page; widget->parentWidget() != nullptr; widget = widget->parentWidget()) {
        if (const auto* stack = qobject_cast<const QStackedWidget*>(widget->parentWidget()))
            return stack->indexOf(const_cast<QWidget*>(widget));
    }
    return -1;
}
} // namespace

QList<const Shortcuts*> Shortcuts::Of(const QWidget* window)
{
    QList<const Shortcuts*> tables;
    for (const Shortcuts* table : window->findChildren<Shortcuts*>())
        tables.append(table);
    std::stable_sort(tables.begin(), tables.end(),
        [](const Shortcuts* a, const Shortcuts* b) { return StackPlace(a->m_page) < StackPlace(b->m_page); });
    return tables;
}
