#pragma once

#include "codec/MacroAction.h"
#include "device/DeviceTypes.h"

#include <QVector>

// Whether a macro leaves the host's keys as it found them: every key it presses is released again
// and it releases no key it did not press. A key pressed twice is down until its first key-up.
class MacroKeyBalance final
{
public:
    MacroKeyBalance() = delete;

    struct Result
    {
        // Keys still down at the end, in the order they went down.
        QVector<tdu2> leftDown;
        // Keys released while not down, each once, in the order of their first such key-up.
        QVector<tdu2> releasedUnpressed;

        bool IsSound() const
        {
            return leftDown.isEmpty() && releasedUnpressed.isEmpty();
        }
    };

    static Result Check(const QVector<MacroAction>& actions);
    // The key-ups that release the keys left down, the last one pressed first (as fingers let go
    // of Ctrl+Shift+A).
    static QVector<MacroAction> MissingKeyUps(const Result& result);
};
