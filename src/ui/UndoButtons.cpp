#include "ui/UndoButtons.h"

QString UndoButtons::UndoTip(const QString& step)
{
    return step.isEmpty() ? tr("Nothing to undo") : tr("Undo \"%1\" (Ctrl+Z)").arg(step);
}

QString UndoButtons::RedoTip(const QString& step)
{
    return step.isEmpty() ? tr("Nothing to redo") : tr("Redo \"%1\" (Ctrl+Shift+Z, Ctrl+Y)").arg(step);
}
