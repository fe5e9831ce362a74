#include "macro/MacroKeyBalance.h"

MacroKeyBalance::Result MacroKeyBalance::Check(const QVector<MacroAction>& actions)
{
    Result result;
    for (const MacroAction& action : actions) {
        if (action.type == MacroAction::kKeyDown) {
            if (!result.leftDown.contains(action.value))
                result.leftDown.append(action.value);
        } else if (action.type == MacroAction::kKeyUp) {
            if (!result.leftDown.removeOne(action.value) && !result.releasedUnpressed.contains(action.value))
                result.releasedUnpressed.append(action.value);
        }
    }
    return result;
}

QVector<MacroAction> MacroKeyBalance::MissingKeyUps(const Result& result)
{
    QVector<MacroAction> ups;
    for (auto vk = result.leftDown.crbegin(); vk != result.leftDown.crend(); ++vk)
        ups.append({MacroAction::kKeyUp, *vk});
    return ups;
}
