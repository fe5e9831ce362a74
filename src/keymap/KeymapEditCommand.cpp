#include "keymap/KeymapEditCommand.h"

#include <utility>

KeymapEditCommand::KeymapEditCommand(const QString& text,
    KeymapStore* store,
    int keymap,
    int layer,
    const KeymapStore::KeymapCodes& before,
    const KeymapStore::KeymapCodes& after,
    const KeymapStore::KeymapSelection& selection,
    ShowFunction show)
    : QUndoCommand(text)
    , m_store(store)
    , m_keymap(keymap)
    , m_layer(layer)
    , m_selection(selection)
    , m_show(std::move(show))
{
    for (int l = 0; l < Protocol::kLayerCount; ++l) {
        for (int row = 0; row < Protocol::kMaxRows; ++row) {
            for (int col = 0; col < Protocol::kMaxCols; ++col) {
                if (before[l][row][col] != after[l][row][col]) {
                    m_changes.append({tdu1(l), tdu1(row), tdu1(col), before[l][row][col], after[l][row][col]});
                }
            }
        }
    }
}

void KeymapEditCommand::undo()
{
    Apply(false);
}

void KeymapEditCommand::redo()
{
    Apply(true);
}

int KeymapEditCommand::Keymap() const
{
    return m_keymap;
}

int KeymapEditCommand::ChangedCodes() const
{
    return m_changes.size();
}

void KeymapEditCommand::Apply(bool after)
{
    for (const Change& change : qAsConst(m_changes)) {
        m_store->SetKeymapCode(m_keymap, change.layer, change.row, change.col, after ? change.after : change.before);
    }
    m_store->RestoreSelection(m_keymap, m_selection);
    if (m_show) {
        m_show(m_keymap, m_layer);
    }
}
