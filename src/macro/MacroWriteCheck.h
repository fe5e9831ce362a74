#pragma once

#include "codec/MacroAction.h"

#include <QCoreApplication>
#include <QVector>

class QWidget;

// What is asked before a macro is written: about keys the keyboard cannot play, and about keys
// the macro would leave down or release without pressing them.
class MacroWriteCheck final
{
    Q_DECLARE_TR_FUNCTIONS(MacroWriteCheck)

public:
    MacroWriteCheck() = delete;

    enum class Answer {
        Write,
        // Write it with the missing key-ups added at the end.
        AddKeyUps,
        Cancel,
    };

    // Keys the keyboard cannot play are written as empty keys; false when the user does not want that.
    static bool ConfirmUnplayable(const QVector<MacroAction>& actions);
    // A macro that leaves keys down or releases keys it never pressed is pointed out. With
    // AddKeyUps, keyUps holds the key-ups to add.
    static Answer ConfirmKeyBalance(
        QWidget* parent, int macro, const QVector<MacroAction>& actions, QVector<MacroAction>* keyUps);
};
