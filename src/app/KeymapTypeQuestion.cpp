#include "app/KeymapTypeQuestion.h"

#include "ui/MessageBox.h"

#include <QStringList>

namespace {
QString Numbers(const QList<int>& zeroBased)
{
    QStringList numbers;
    for (int number : zeroBased)
        numbers.append(QString::number(number + 1));
    return numbers.join(QStringLiteral(", "));
}
} // namespace

QString KeymapTypeQuestion::Text(int type, const QString& name, const QList<int>& keymaps, const QList<int>& macros)
{
    QStringList lost;
    if (!keymaps.isEmpty())
        lost << tr("keymaps: %1").arg(Numbers(keymaps));
    if (!macros.isEmpty())
        lost << tr("macros: %1").arg(Numbers(macros));
    return tr("The keyboard will read its keys in the arrangement of keymap type %1 (%2): its keymaps then mean other "
              "keys. Once the keyboard has taken it, this window closes, and a window with the layout of that type "
              "opens and reads the keyboard.")
               .arg(type)
               .arg(name)
        + QStringLiteral("\n\n")
        + (lost.isEmpty() ? tr("No unsaved edits are lost.")
                          : tr("Edits neither written nor saved are lost (%1).").arg(lost.join(QStringLiteral("; "))));
}

bool KeymapTypeQuestion::Ask(
    QWidget* parent, int type, const QString& name, const QList<int>& keymaps, const QList<int>& macros)
{
    return MessageBox::Warning(parent, tr("Set Keymap Type"), Text(type, name, keymaps, macros),
               QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel, {{QMessageBox::Ok, tr("Set Keymap Type")}})
        == QMessageBox::Ok;
}
