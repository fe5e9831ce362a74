#pragma once

#include "keymap/KeymapStore.h"

#include <QUndoCommand>
#include <QVector>

#include <functional>

// One undoable step on a keymap: the codes it changed with their values before and after, the
// keys that were selected on its layers, and the layer to show when the step is undone or redone.
// Only changed codes are kept, so a step on one key costs a few bytes.
class KeymapEditCommand final : public QUndoCommand
{
    Q_DISABLE_COPY_MOVE(KeymapEditCommand)

public:
    // Called after the codes were put back or in again, to show the keymap on that layer.
    using ShowFunction = std::function<void(int keymap, int layer)>;

    KeymapEditCommand(const QString& text,
        KeymapStore* store,
        int keymap,
        int layer,
        const KeymapStore::KeymapCodes& before,
        const KeymapStore::KeymapCodes& after,
        const KeymapStore::KeymapSelection& selection,
        ShowFunction show);

    void undo() override;
    void redo() override;

    int Keymap() const;
    // Codes that differ between before and after; a step without any is not worth keeping.
    int ChangedCodes() const;

private:
    struct Change
    {
        tdu1 layer;
        tdu1 row;
        tdu1 col;
        tdu2 before;
        tdu2 after;
    };

    void Apply(bool after);

    KeymapStore* m_store;
    int m_keymap;
    int m_layer;
    KeymapStore::KeymapSelection m_selection;
    QVector<Change> m_changes;
    ShowFunction m_show;
};
