#include "macro/MacroKeyBalance.h"

MacroKeyBalance::Result MacroKeyBalance::Check(const QVector<MacroAction>& actions)
{
    Result result;
    for (const MacroAction& action : actions) {
        // A copy: the packed record's field may not be bound to a reference.
        const tdu2 vk = action.value;
        if (action.type == MacroAction::kKeyDown) {
            if (!result.leftDown.contains(vk))
                result.leftDown.append(vk);
        } else if (action.type == MacroAction::kKeyUp) {
            if (!result.leftDown.removeOne(vk) && !result.releasedUnpressed.contains(vk))
                result.releasedUnpressed.append(vk);
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
