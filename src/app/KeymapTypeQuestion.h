#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

class QWidget;

// The question before the keyboard is set to another keymap type: what changes on the keyboard,
// what the window does then, and which unsaved edits are lost with it.
class KeymapTypeQuestion final
{
    Q_DECLARE_TR_FUNCTIONS(KeymapTypeQuestion)

public:
    KeymapTypeQuestion() = delete;

    // Keymaps and macros are numbered from 0; true when the user chose to set the type.
    static bool Ask(
        QWidget* parent, int type, const QString& name, const QList<int>& keymaps, const QList<int>& macros);
    static QString Text(int type, const QString& name, const QList<int>& keymaps, const QList<int>& macros);
};
