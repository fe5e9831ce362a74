#pragma once

#include <QList>
#include <QObject>

class KeymapDialog;
class KeymapPickers;
class QAction;
class QLineEdit;
class Shortcuts;

// The keymap page from the keyboard alone. Enter on a key of the picture chooses it and goes to
// the keycode search; Enter there sets the first match on the key, Down goes to the matches, and
// Escape empties the search; each way the focus comes back to the chosen key. The page's commands,
// keymaps and layers have shortcuts, listed on the help page.
class KeymapKeyboardUse final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KeymapKeyboardUse)

public:
    // undo and redo: the page's actions, which act on the keymap also in the search field.
    KeymapKeyboardUse(KeymapDialog* page, KeymapPickers* pickers, QLineEdit* search, QAction* undo, QAction* redo);

    Shortcuts* Keys() const
    {
        return m_keys;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void AddShortcuts(QAction* undo, QAction* redo);
    // Focus to the chosen key of the picture, when there is one.
    void BackToKey();

    KeymapDialog* m_page;
    KeymapPickers* m_pickers;
    QLineEdit* m_search;
    QList<QAction*> m_editKeys;
    Shortcuts* m_keys;
    // The user came to the pickers from a key with Enter: a choice sends the focus back there.
    bool m_fromKey = false;
};
