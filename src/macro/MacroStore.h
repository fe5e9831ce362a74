#pragma once

#include "codec/MacroAction.h"
#include "device/Protocol.h"
#include "macro/MacroEditCommand.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QVector>

#include <array>

class QUndoStack;

// The keyboard's 32 macros as the user edits them: every edit is one undoable step, a macro
// never holds more than the keyboard takes, and each macro knows whether it differs from what
// the keyboard or a file was last known to hold.
class MacroStore final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MacroStore)

public:
    using Actions = QVector<MacroAction>;

    explicit MacroStore(QObject* parent = nullptr);

    Actions MacroActions(int macro) const;
    // Actions the macro still has room for.
    int Room(int macro) const;
    QUndoStack* UndoStack() const;

    // The edits; each is one step, refused (false) when it would change nothing, name a row that
    // is not there or overfill the macro. A row past the end inserts at the end.
    bool Insert(int macro, int row, const Actions& actions);
    bool Move(int macro, int row, int step);
    bool Remove(int macro, int row);
    bool SetDelay(int macro, int row, tdu2 milliseconds);
    // Replaces whole macros at once (clear, copy, import, a read from the keyboard). Macros
    // beyond the keyboard's size are cut to it.
    bool Replace(const QMap<int, Actions>& macros, const QString& text);

    // A recording fills the macro action by action; the whole recording is one step, whose undo
    // brings back what the macro held before.
    void BeginRecording(int macro);
    // False once the macro is full.
    bool Record(const MacroAction& action);
    void EndRecording();
    bool IsRecording() const
    {
        return m_recording >= 0;
    }

    // How many times the macro changed so far (edits, undo, redo, a recording, replacements):
    // whether it changed since some moment, even back to what it was.
    quint64 Generation(int macro) const;

    // The keyboard or a file now holds these actions for the macro.
    void MarkKept(int macro, const Actions& actions);
    Actions Kept(int macro) const;
    // Macros whose actions are neither on the keyboard nor in a file, as far as is known.
    QList<int> UnsavedMacros() const;

signals:
    // A macro's actions changed, by an edit, an undo or a redo.
    void MacroChanged(int macro);
    // An undo or redo changed this macro: the view may move to it.
    void StepShown(int macro);
    // The macros come to have unsaved edits, or have none left.
    void UnsavedChanged(bool unsaved);

private:
    static bool Valid(int macro);
    // Puts actions in place without a step; the steps' undo and redo go through it.
    void Set(int macro, const Actions& actions);
    bool Push(int macro, const Actions& after, const QString& text);
    // Pushes a step whose changes are already in place.
    void PushStep(const QString& text, const QVector<MacroEditCommand::Change>& changes);
    // A step's undo (after false) or redo.
    void ApplyStep(const QVector<MacroEditCommand::Change>& changes, bool after);
    void UpdateUnsaved();

    std::array<Actions, Protocol::kMacroCount> m_macros;
    std::array<Actions, Protocol::kMacroCount> m_kept;
    std::array<quint64, Protocol::kMacroCount> m_generation {};
    QUndoStack* m_undo;
    int m_recording = -1;
    Actions m_beforeRecording;
    bool m_unsaved = false;
};
