#include "keymap/KeymapKeyboardUse.h"

#include "keymap/KeyCodeSearchPannel.h"
#include "keymap/KeymapDialog.h"
#include "keymap/KeymapPickers.h"
#include "keymap/KeymapStore.h"
#include "layout/KeyCap.h"
#include "layout/KeyPannel.h"
#include "ui/Shortcuts.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

KeymapKeyboardUse::KeymapKeyboardUse(
    KeymapDialog* page, KeymapPickers* pickers, QLineEdit* search, QAction* undo, QAction* redo)
    : QObject(page)
    , m_page(page)
    , m_pickers(pickers)
    , m_search(search)
    , m_editKeys({undo, redo})
    , m_keys(new Shortcuts(page, tr("Keymap page")))
{
    connect(page->Pannel(), &KeyPannel::CodeChoiceRequested, this, [this] {
        m_fromKey = true;
        m_search->setFocus(Qt::TabFocusReason);
        m_search->selectAll();
    });
    // Page Up and Page Down on a key go to the layer before or after.
    connect(page->Pannel(), &KeyPannel::LayerStepRequested, this, [this](int step) {
        const int layer = qBound(0, m_page->Store()->CurrentLayer() + step, 3);
        m_page->findChild<QToolButton*>(QStringLiteral("tbtnLayer%1").arg(layer))->click();
    });
    // Each runs after the page has set the code.
    const auto chosen = [this] {
        if (m_fromKey)
            BackToKey();
    };
    connect(pickers, &KeymapPickers::CodeChosen, this, chosen);
    connect(pickers, &KeymapPickers::HighByteChosen, this, chosen);
    connect(search, &QLineEdit::returnPressed, this, [this] {
        if (m_pickers->Searching() && !m_pickers->Search()->Matches().isEmpty())
            BackToKey();
    });
    connect(pickers, &KeymapPickers::SearchEscaped, this, &KeymapKeyboardUse::BackToKey);
    search->installEventFilter(this);
    AddShortcuts(undo, redo);
}

void KeymapKeyboardUse::AddShortcuts(QAction* undo, QAction* redo)
{
    m_keys->AddNote(tr("Arrow keys, Home, End"), tr("Go to the key that way on the keyboard picture"));
    m_keys->AddNote(tr("Page Up, Page Down"), tr("On a key: the layer before or after"));
    m_keys->AddNote(tr("Space"), tr("Choose the focused key"));
    m_keys->AddNote(tr("Enter"), tr("Choose the focused key and search the code to put on it"));
    m_keys->AddNote(tr("Enter in the search"), tr("Put the first match on the key and go back to it"));
    m_keys->AddNote(tr("Down in the search"), tr("Go to the matches; Enter puts one on the key"));
    m_keys->AddNote(tr("Escape in the search"), tr("Empty the search and go back to the key"));
    m_keys->AddNote(QKeySequence(QKeySequence::Find).toString(QKeySequence::NativeText), tr("Search the keycodes"),
        {QKeySequence(QKeySequence::Find)});
    // Keymaps on Ctrl and layers on Alt with their number.
    for (const auto& [name, modifier] :
        {std::make_pair("tbtnKeymap%1", Qt::CTRL), std::make_pair("tbtnLayer%1", Qt::ALT)}) {
        for (int i = 0; i < 4; ++i) {
            auto* button = m_page->findChild<QToolButton*>(QString::fromLatin1(name).arg(i));
            m_keys->AddButton(button, QKeySequence(int(modifier) | (Qt::Key_1 + i)), tr("Show %1").arg(button->text()));
        }
    }
    m_keys->AddButton(QStringLiteral("tbtnUpLoad"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W),
        tr("Write the keymap to the keyboard"));
    m_keys->AddButton(QStringLiteral("tbtnDownLoad"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R),
        tr("Read the keymap from the keyboard"));
    m_keys->AddButton(QStringLiteral("tbtnCompare"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
        tr("Compare with the keyboard's keymap"));
    m_keys->AddButton(QStringLiteral("tbtnLoad"), QKeySequence(Qt::CTRL | Qt::Key_O), tr("Open a keymap file"));
    m_keys->AddButton(QStringLiteral("tbtnSave"), QKeySequence(Qt::CTRL | Qt::Key_S), tr("Save the keymap to a file"));
    m_keys->AddButton(
        QStringLiteral("tbtnChart"), QKeySequence(Qt::CTRL | Qt::Key_P), tr("Save or print the layer chart"));
    m_keys->AddButton(
        QStringLiteral("tbtnRevert"), QKeySequence(Qt::CTRL | Qt::Key_D), tr("Back to the layout's default keys"));
    m_keys->AddButton(QStringLiteral("tbtnClear"), QKeySequence(Qt::Key_Delete), tr("Clear the chosen key"));
    m_keys->AddExisting(undo, tr("Undo"));
    m_keys->AddExisting(redo, tr("Redo"));
    m_keys->AddAction(QKeySequence(Qt::CTRL | Qt::Key_L), tr("Copy or swap layers"),
        [this] { m_page->ShowLayerMenu(m_page->Store()->CurrentLayer()); });
    m_keys->AddButton(QStringLiteral("chkLiveMode"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L),
        tr("Live: write each edit at once"));
    m_keys->AddButton(QStringLiteral("chkNextKey"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N),
        tr("Next Key: go on to the next key after setting one"));
}

bool KeymapKeyboardUse::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_search)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::FocusOut && static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason)
        m_fromKey = false;
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    // Undo and redo in the search field mean the keymap: Enter there has just set a key.
    if (event->type() == QEvent::ShortcutOverride) {
        const QKeySequence pressed(int(key->modifiers()) | key->key());
        for (const QAction* action : qAsConst(m_editKeys)) {
            if (action->shortcuts().contains(pressed)) {
                event->ignore();
                return true;
            }
        }
    }
    if (event->type() == QEvent::KeyPress && key->key() == Qt::Key_Down && key->modifiers() == Qt::NoModifier
        && m_pickers->Searching()) {
        const QList<KeyCap*> matches = m_pickers->Search()->MatchingCaps();
        if (!matches.isEmpty())
            matches.first()->Button()->setFocus(Qt::TabFocusReason);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void KeymapKeyboardUse::BackToKey()
{
    m_fromKey = false;
    const KeymapStore* store = m_page->Store();
    if (!store->HasSelectedKey())
        return;
    if (KeyCap* cap = m_page->Pannel()->Cap(store->SelectedRow(), store->SelectedCol()))
        cap->Button()->setFocus(Qt::TabFocusReason);
}
