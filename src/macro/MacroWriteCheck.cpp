#include "macro/MacroWriteCheck.h"

#include "codec/MacroKeyTable.h"
#include "macro/MacroKeyBalance.h"
#include "macro/MacroRows.h"
#include "ui/MessageBox.h"

#include <QStringList>

bool MacroWriteCheck::ConfirmUnplayable(const QVector<MacroAction>& actions)
{
    QStringList unplayable;
    for (const MacroAction& action : actions) {
        if (action.IsKey() && !MacroKeyTable::Instance().Contains(action.value)) {
            const QString name = MacroRows::KeyText(action.value);
            if (!unplayable.contains(name))
                unplayable.append(name);
        }
    }
    if (unplayable.isEmpty())
        return true;
    const QMessageBox::StandardButton answer = MessageBox::Warning(nullptr, tr("Write Macro"),
        tr("The keyboard cannot play these keys: %1.\nThey are written as empty keys. Write the macro anyway?")
            .arg(unplayable.join(QStringLiteral(", "))),
        QMessageBox::Yes | QMessageBox::No);
    return answer == QMessageBox::Yes;
}

MacroWriteCheck::Answer MacroWriteCheck::ConfirmKeyBalance(
    QWidget* parent, int macro, const QVector<MacroAction>& actions, QVector<MacroAction>* keyUps)
{
    const MacroKeyBalance::Result balance = MacroKeyBalance::Check(actions);
    if (balance.IsSound())
        return Answer::Write;
    const auto names = [](const QVector<tdu2>& keys) {
        QStringList list;
        for (const tdu2 vk : keys)
            list.append(MacroRows::KeyText(vk));
        return list.join(QStringLiteral(", "));
    };
    QStringList lines;
    if (!balance.leftDown.isEmpty())
        lines.append(tr("It leaves these keys down: %1.").arg(names(balance.leftDown)));
    if (!balance.releasedUnpressed.isEmpty())
        lines.append(tr("It releases keys it never pressed: %1.").arg(names(balance.releasedUnpressed)));
    QMessageBox::StandardButtons buttons = QMessageBox::No | QMessageBox::Cancel;
    MessageBox::ButtonTexts texts {{QMessageBox::No, tr("Write As It Is")}};
    if (!balance.leftDown.isEmpty()) {
        buttons |= QMessageBox::Yes;
        texts.append({QMessageBox::Yes, tr("Add Key-Ups at End")});
        lines.append(tr("Add the missing key-ups at the end, write the macro as it is, or cancel?"));
    } else {
        lines.append(tr("Write the macro as it is, or cancel?"));
    }
    const QMessageBox::StandardButton answer = MessageBox::Question(parent, tr("Stuck Keys"),
        tr("%1 may leave the computer with stuck keys.").arg(MacroRows::MacroName(macro)) + QLatin1Char('\n')
            + lines.join(QLatin1Char('\n')),
        buttons, QMessageBox::Cancel, texts);
    if (answer == QMessageBox::No)
        return Answer::Write;
    if (answer != QMessageBox::Yes || balance.leftDown.isEmpty())
        return Answer::Cancel;
    *keyUps = MacroKeyBalance::MissingKeyUps(balance);
    return Answer::AddKeyUps;
}
