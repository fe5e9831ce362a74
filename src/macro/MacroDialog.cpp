#include "macro/MacroDialog.h"

MacroDialog::MacroDialog(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("MacroDialog"));
}

void MacroDialog::RecHidCmd(tdu1 cmd, tdu1* data, tdu2 len)
{
    Q_UNUSED(cmd)
    Q_UNUSED(data)
    Q_UNUSED(len)
}
