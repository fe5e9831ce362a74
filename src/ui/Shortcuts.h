#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class QAbstractButton;
class QAction;
class QWidget;

// The keyboard shortcuts of one page or window, kept in one table so that the help page lists
// exactly what is bound. A button's shortcut presses it, as a click does; a page's shortcuts act
// only while the page is shown.
class Shortcuts final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Shortcuts)

public:
    struct Entry
    {
        // Empty for keys a widget handles itself, told in keysText.
        QList<QKeySequence> keys;
        QString keysText;
        QString what;
    };

    // The table belongs to page; title names the page on the help page.
    Shortcuts(QWidget* page, const QString& title);

    void AddButton(QAbstractButton* button, const QKeySequence& keys, const QString& what);
    // The button named name under the page, which must exist.
    void AddButton(const QString& name, const QKeySequence& keys, const QString& what);
    QAction* AddAction(const QKeySequence& keys, const QString& what, const std::function<void()>& run);
    // An action bound elsewhere, listed with all its keys.
    void AddExisting(const QAction* action, const QString& what);
    // Keys a widget handles itself, such as the arrow keys on the keyboard picture; keys, where
    // given, are those it takes from the window.
    void AddNote(const QString& keysText, const QString& what, const QList<QKeySequence>& keys = {});

    QString Title() const
    {
        return m_title;
    }
    const QList<Entry>& Entries() const
    {
        return m_entries;
    }
    // The tables of a window: its own first, then its pages' in the order they were made.
    static QList<const Shortcuts*> Of(const QWidget* window);

private:
    QWidget* m_page;
    QString m_title;
    QList<Entry> m_entries;
};
