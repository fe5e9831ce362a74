#include "macro/MacroStore.h"

#include "macro/MacroLog.h"

#include <QUndoStack>

namespace {
// Steps kept; a step keeps the macros it changed, at most a few kilobytes.
constexpr int kUndoLimit = 1000;
} // namespace

MacroStore::MacroStore(QObject* parent)
    : QObject(parent)
    , m_undo(new QUndoStack(this))
{
    m_undo->setUndoLimit(kUndoLimit);
}

bool MacroStore::Valid(int macro)
{
    return macro >= 0 && macro < Protocol::kMacroCount;
}

MacroStore::Actions MacroStore::MacroActions(int macro) const
{
    return Valid(macro) ? m_macros[size_t(macro)] : Actions();
}

int MacroStore::Room(int macro) const
{
    return Valid(macro) ? Protocol::kMaxMacroActions - m_macros[size_t(macro)].size() : 0;
}

QUndoStack* MacroStore::UndoStack() const
{
    return m_undo;
}

bool MacroStore::Insert(int macro, int row, const Actions& actions)
{
    if (!Valid(macro) || actions.isEmpty() || actions.size() > Room(macro) || IsRecording())
        return false;
    Actions after = m_macros[size_t(macro)];
    const int at = row >= 0 && row < after.size() ? row : after.size();
    for (int i = 0; i < actions.size(); i++)
        after.insert(at + i, actions.at(i));
    return Push(macro, after, tr("Insert"));
}

bool MacroStore::Move(int macro, int row, int step)
{
    if (!Valid(macro) || IsRecording())
        return false;
    Actions after = m_macros[size_t(macro)];
    const int target = row + step;
    if (row < 0 || row >= after.size() || target < 0 || target >= after.size() || step == 0)
        return false;
    after.move(row, target);
    return Push(macro, after, tr("Move"));
}

bool MacroStore::Remove(int macro, int row)
{
    if (!Valid(macro) || IsRecording() || row < 0 || row >= m_macros[size_t(macro)].size())
        return false;
    Actions after = m_macros[size_t(macro)];
    after.remove(row);
    return Push(macro, after, tr("Delete"));
}

bool MacroStore::SetDelay(int macro, int row, tdu2 milliseconds)
{
    if (!Valid(macro) || IsRecording() || row < 0 || row >= m_macros[size_t(macro)].size())
        return false;
    Actions after = m_macros[size_t(macro)];
    if (after.at(row).type != MacroAction::kDelay)
        return false;
    after[row].value = qBound(MacroAction::kMinDelay, milliseconds, MacroAction::kMaxDelay);
    return Push(macro, after, tr("Change Delay"));
}

bool MacroStore::Replace(const QMap<int, Actions>& macros, const QString& text)
{
    if (IsRecording())
        return false;
    QVector<MacroEditCommand::Change> changes;
    for (auto it = macros.cbegin(); it != macros.cend(); ++it) {
        if (!Valid(it.key()))
            continue;
        const Actions after = it.value().mid(0, Protocol::kMaxMacroActions);
        if (after != m_macros[size_t(it.key())])
            changes.append({it.key(), m_macros[size_t(it.key())], after});
    }
    if (changes.isEmpty())
        return false;
    for (const MacroEditCommand::Change& change : qAsConst(changes))
        Set(change.macro, change.after);
    PushStep(text, changes);
    UpdateUnsaved();
    return true;
}

bool MacroStore::Push(int macro, const Actions& after, const QString& text)
{
    if (after == m_macros[size_t(macro)])
        return false;
    const MacroEditCommand::Change change {macro, m_macros[size_t(macro)], after};
    Set(macro, after);
    PushStep(text, {change});
    UpdateUnsaved();
    return true;
}

void MacroStore::BeginRecording(int macro)
{
    if (!Valid(macro) || IsRecording())
        return;
    m_recording = macro;
    m_beforeRecording = m_macros[size_t(macro)];
    Set(macro, {});
}

bool MacroStore::Record(const MacroAction& action)
{
    if (!IsRecording() || Room(m_recording) <= 0)
        return false;
    Actions after = m_macros[size_t(m_recording)];
    after.append(action);
    Set(m_recording, after);
    return true;
}

void MacroStore::EndRecording()
{
    if (!IsRecording())
        return;
    const int macro = m_recording;
    m_recording = -1;
    const Actions recorded = m_macros[size_t(macro)];
    if (recorded != m_beforeRecording)
        PushStep(tr("Record"), {{macro, m_beforeRecording, recorded}});
    m_beforeRecording.clear();
    UpdateUnsaved();
}

void MacroStore::PushStep(const QString& text, const QVector<MacroEditCommand::Change>& changes)
{
    m_undo->push(new MacroEditCommand(
        text, changes, [this](const QVector<MacroEditCommand::Change>& step, bool after) { ApplyStep(step, after); }));
}

void MacroStore::ApplyStep(const QVector<MacroEditCommand::Change>& changes, bool after)
{
    for (const MacroEditCommand::Change& change : changes)
        Set(change.macro, after ? change.after : change.before);
    UpdateUnsaved();
    if (!changes.isEmpty())
        emit StepShown(changes.first().macro);
}

quint64 MacroStore::Generation(int macro) const
{
    return Valid(macro) ? m_generation[size_t(macro)] : 0;
}

MacroStore::Actions MacroStore::Kept(int macro) const
{
    return Valid(macro) ? m_kept[size_t(macro)] : Actions();
}

void MacroStore::MarkKept(int macro, const Actions& actions)
{
    if (!Valid(macro))
        return;
    m_kept[size_t(macro)] = actions;
    UpdateUnsaved();
}

QList<int> MacroStore::UnsavedMacros() const
{
    QList<int> unsaved;
    for (int macro = 0; macro < Protocol::kMacroCount; macro++) {
        if (m_macros[size_t(macro)] != m_kept[size_t(macro)])
            unsaved.append(macro);
    }
    return unsaved;
}

void MacroStore::Set(int macro, const Actions& actions)
{
    m_macros[size_t(macro)] = actions;
    m_generation[size_t(macro)]++;
    emit MacroChanged(macro);
}

void MacroStore::UpdateUnsaved()
{
    // A recording in progress is judged once it ends.
    if (IsRecording())
        return;
    const bool unsaved = !UnsavedMacros().isEmpty();
    if (unsaved != m_unsaved) {
        m_unsaved = unsaved;
        qCDebug(lcMacro) << "Unsaved Macros" << unsaved;
        emit UnsavedChanged(unsaved);
    }
}
