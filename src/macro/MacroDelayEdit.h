#pragma once

#include <QObject>

class QListWidget;
class QListWidgetItem;

// Typing a pause's length into its row of the macro list: the row becomes editable, and what was
// typed comes back as milliseconds, or is refused with a message.
class MacroDelayEdit final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MacroDelayEdit)

public:
    explicit MacroDelayEdit(QListWidget* list, QObject* parent = nullptr);

    // Lets the row be edited; open: the editor opens now (otherwise the list's double-click does).
    void Begin(QListWidgetItem* item, bool open);
    // The rows were drawn anew: an edit in progress is gone.
    void Forget();

signals:
    // The length typed, unclamped; or nothing usable was typed (the user was told).
    void Entered(quint64 milliseconds);
    void Refused();

private:
    void ItemChanged(QListWidgetItem* item);

    QListWidget* m_list;
    QListWidgetItem* m_item = nullptr;
};
