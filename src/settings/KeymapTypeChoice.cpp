#include "settings/KeymapTypeChoice.h"

#include "layout/LayoutFile.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QStandardItemModel>

KeymapTypeChoice::Option KeymapTypeChoice::For(const QString& prefix, int keymapType)
{
    const QString path = LayoutFile::FileName(prefix, keymapType);
    if (LayoutFile::Read(path).ok)
        return {true, QString()};
    return {false,
        QCoreApplication::translate("KeymapTypeChoice",
            "No layout of this keyboard has this keymap type (%1 is missing or unusable), so the window could not "
            "show its keys.")
            .arg(path)};
}

void KeymapTypeChoice::Apply(QComboBox* box, const QString& prefix)
{
    auto* model = qobject_cast<QStandardItemModel*>(box->model());
    for (int type = 0; model && type < box->count(); type++) {
        const Option option = For(prefix, type);
        if (QStandardItem* item = model->item(type)) {
            item->setEnabled(option.available);
            item->setToolTip(option.why);
        }
    }
}
