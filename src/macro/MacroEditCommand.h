#pragma once

#include "macro/MacroStore.h"

#include <QUndoCommand>

// One undoable step on the macros: each macro it changed with its actions before and after.
class MacroEditCommand final : public QUndoCommand
{
    Q_DISABLE_COPY_MOVE(MacroEditCommand)

public:
    struct Change
    {
        int macro;
        MacroStore::Actions before;
        MacroStore::Actions after;
    };

    MacroEditCommand(const QString& text, MacroStore* store, const QVector<Change>& changes);

    void undo() override;
    void redo() override;

private:
    void Apply(bool after);

    MacroStore* m_store;
    QVector<Change> m_changes;
    // The first redo comes from the stack as the step is pushed; the edit is already in place.
    bool m_done = true;
};
