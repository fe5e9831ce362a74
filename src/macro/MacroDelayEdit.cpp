#include "macro/MacroDelayEdit.h"

#include "ui/MessageBox.h"

#include <QListWidget>
#include <QSignalBlocker>

MacroDelayEdit::MacroDelayEdit(QListWidget* list, QObject* parent)
    : QObject(parent)
    , m_list(list)
{ }

void MacroDelayEdit::Begin(QListWidgetItem* item, bool open)
{
    if (item == nullptr)
        return;
    {
        const QSignalBlocker blocker(m_list);
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
    m_item = item;
    connect(m_list, &QListWidget::itemChanged, this, &MacroDelayEdit::ItemChanged, Qt::UniqueConnection);
    if (open)
        m_list->editItem(item);
}

void MacroDelayEdit::Forget()
{
    m_item = nullptr;
}

void MacroDelayEdit::ItemChanged(QListWidgetItem* item)
{
    disconnect(m_list, &QListWidget::itemChanged, this, &MacroDelayEdit::ItemChanged);
    if (item == nullptr || item != m_item)
        return;
    m_item = nullptr;
    QString text = item->text();
    if (text.endsWith(QLatin1String("ms")))
        text.chop(2);
    bool ok = false;
    const quint64 value = text.toULongLong(&ok, 10);
    if (ok) {
        emit Entered(value);
        return;
    }
    MessageBox::Critical(nullptr, tr("Error"), tr("Please Insert Number From 2 to 15000"));
    emit Refused();
}
