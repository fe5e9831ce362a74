#pragma once

#include <QObject>

#include <functional>

class QListWidget;
class QListWidgetItem;

// A macro's rows from the keyboard: the list takes Tab focus; Up, Down, Home and End choose a row as
// a click does, and Enter opens it as a double click does (a delay's length is then edited).
class MacroListKeys final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MacroListKeys)

public:
    MacroListKeys(QListWidget* list,
        const std::function<void(int)>& choose,
        const std::function<void(QListWidgetItem*)>& open,
        QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QListWidget* m_list;
    std::function<void(int)> m_choose;
    std::function<void(QListWidgetItem*)> m_open;
};
