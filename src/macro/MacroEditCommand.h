#pragma once

#include "codec/MacroAction.h"

#include <QUndoCommand>
#include <QVector>

#include <functional>

// One undoable step on the macros: each macro it changed with its actions before and after. It
// puts them back in place through the function it was given, so that it knows nothing of where
// the macros are kept.
class MacroEditCommand final : public QUndoCommand
{
    Q_DISABLE_COPY_MOVE(MacroEditCommand)

public:
    struct Change
    {
        int macro;
        QVector<MacroAction> before;
        QVector<MacroAction> after;
    };
    // Puts the changes in place, as they were after the step (true) or before it.
    using Apply = std::function<void(const QVector<Change>& changes, bool after)>;

    MacroEditCommand(const QString& text, const QVector<Change>& changes, Apply apply);

    void undo() override;
    void redo() override;

private:
    QVector<Change> m_changes;
    Apply m_apply;
    // The first redo comes from the stack as the step is pushed; the edit is already in place.
    bool m_done = true;
};
