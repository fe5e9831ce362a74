#include "macro/MacroListKeys.h"

#include <QKeyEvent>
#include <QListWidget>

MacroListKeys::MacroListKeys(QListWidget* list,
    const std::function<void(int)>& choose,
    const std::function<void(QListWidgetItem*)>& open,
    QObject* parent)
    : QObject(parent)
    , m_list(list)
    , m_choose(choose)
    , m_open(open)
{
    list->setFocusPolicy(Qt::StrongFocus);
    list->installEventFilter(this);
}

bool MacroListKeys::eventFilter(QObject* watched, QEvent* event)
{
    // Keys an open delay editor passes on to the list are not the list's.
    if (watched != m_list || event->type() != QEvent::KeyPress || !m_list->hasFocus())
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const int count = m_list->count();
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || count == 0)
        return QObject::eventFilter(watched, event);
    const int row = m_list->currentRow();
    int to = row;
    switch (key->key()) {
    case Qt::Key_Up:
        to = row < 0 ? count - 1 : row - 1;
        break;
    case Qt::Key_Down:
        to = row + 1;
        break;
    case Qt::Key_Home:
        to = 0;
        break;
    case Qt::Key_End:
        to = count - 1;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (QListWidgetItem* item = m_list->currentItem()) {
            m_open(item);
            // A row that may be edited now opens its editor, as a double click's second press does.
            if (item->flags() & Qt::ItemIsEditable)
                m_list->editItem(item);
        }
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
    to = qBound(0, to, count - 1);
    // The page's own choice, not the list's current row, is what the edit tools act on.
    m_list->setCurrentRow(to);
    m_list->scrollToItem(m_list->item(to));
    m_choose(to);
    return true;
}
