#pragma once

#include "codec/MacroAction.h"

#include <QMetaType>
#include <QVector>

// Short names for the actions the macro tests build their expectations from.
using Actions = QVector<MacroAction>;
Q_DECLARE_METATYPE(Actions)

inline MacroAction Down(tdu2 vk)
{
    return {MacroAction::kKeyDown, vk};
}
inline MacroAction Up(tdu2 vk)
{
    return {MacroAction::kKeyUp, vk};
}
inline MacroAction Delay(tdu2 ms)
{
    return {MacroAction::kDelay, ms};
}
