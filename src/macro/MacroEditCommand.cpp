#include "macro/MacroEditCommand.h"

MacroEditCommand::MacroEditCommand(const QString& text, MacroStore* store, const QVector<Change>& changes)
    : QUndoCommand(text)
    , m_store(store)
    , m_changes(changes)
{ }

void MacroEditCommand::undo()
{
    Apply(false);
}

void MacroEditCommand::redo()
{
    if (m_done) {
        m_done = false;
        return;
    }
    Apply(true);
}

void MacroEditCommand::Apply(bool after)
{
    for (const Change& change : qAsConst(m_changes))
        m_store->Set(change.macro, after ? change.after : change.before);
    m_store->UpdateUnsaved();
    if (!m_changes.isEmpty())
        emit m_store->StepShown(m_changes.first().macro);
}
