#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

class MacroStore;
class QWidget;

// Macros to and from files the user picks: all 32 or the shown one exported, a file imported into
// the store as one undoable step, and what to tell the user.
class MacroFiles final
{
    Q_DECLARE_TR_FUNCTIONS(MacroFiles)

public:
    MacroFiles() = delete;

    struct Outcome
    {
        // Macros were imported or saved; false also when the user cancelled.
        bool done = false;
        // What the status line says, as a success, when done.
        QString text;
        // The macros an import replaced.
        QList<int> macros;
    };

    // A file of one macro goes into the shown macro; a file of several back to their numbers.
    static Outcome Import(QWidget* parent, MacroStore* store, int shown);
    static Outcome Export(QWidget* parent, MacroStore* store, int shown, bool all);
    // Which macros have edits neither written nor exported, asking to save them to a macro file.
    static QString UnsavedText(const MacroStore& store);
};
