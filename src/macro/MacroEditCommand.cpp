#include "macro/MacroEditCommand.h"

MacroEditCommand::MacroEditCommand(const QString& text, const QVector<Change>& changes, Apply apply)
    : QUndoCommand(text)
    , m_changes(changes)
    , m_apply(std::move(apply))
{ }

void MacroEditCommand::undo()
{
    m_apply(m_changes, false);
}

void MacroEditCommand::redo()
{
    if (m_done) {
        m_done = false;
        return;
    }
    m_apply(m_changes, true);
}
