#include "macro/MacroFiles.h"

#include "macro/MacroFile.h"
#include "macro/MacroRows.h"
#include "macro/MacroStore.h"
#include "ui/FileDialog.h"
#include "ui/MessageBox.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>

namespace {
const char* const kMacroFileSuffix = "json";
} // namespace

MacroFiles::Outcome MacroFiles::Import(QWidget* parent, MacroStore* store, int shown)
{
    Outcome outcome;
    const QString path = FileDialog::GetOpenFileName(parent, tr("Import Macros"), FileDialog::StartFolder(),
        tr("Macro files (*.%1)").arg(QLatin1String(kMacroFileSuffix)));
    if (path.isEmpty())
        return outcome;
    MacroFile::Result file = MacroFile::Load(path);
    if (!file.ok) {
        MessageBox::Critical(parent, tr("Import Macros"),
            tr("%1 cannot be imported; no macro was changed.\n%2").arg(QFileInfo(path).fileName(), file.error));
        return outcome;
    }
    if (file.macros.size() == 1)
        file.macros.first().index = shown;
    QStringList replaced;
    for (const MacroFile::Macro& macro : qAsConst(file.macros)) {
        const QVector<MacroAction> current = store->MacroActions(macro.index);
        if (!current.isEmpty() && current != macro.actions)
            replaced.append(MacroRows::MacroName(macro.index));
    }
    if (!replaced.isEmpty()) {
        const QMessageBox::StandardButton answer = MessageBox::Question(parent, tr("Import Macros"),
            tr("Importing replaces these macros, which are not empty: %1. Import?")
                .arg(replaced.join(QStringLiteral(", "))),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return outcome;
    }
    QMap<int, MacroStore::Actions> imported;
    for (const MacroFile::Macro& macro : qAsConst(file.macros))
        imported.insert(macro.index, macro.actions);
    store->Replace(imported, tr("Import Macros"));
    // The file holds them.
    for (auto it = imported.cbegin(); it != imported.cend(); ++it)
        store->MarkKept(it.key(), it.value());
    outcome.done = true;
    outcome.text = tr("%1 macros imported from %2; write them to keep them on the keyboard.")
                       .arg(file.macros.size())
                       .arg(QFileInfo(path).fileName());
    outcome.macros = imported.keys();
    return outcome;
}

MacroFiles::Outcome MacroFiles::Export(QWidget* parent, MacroStore* store, int shown, bool all)
{
    Outcome outcome;
    const QString caption = all ? tr("Export All Macros") : tr("Export %1").arg(MacroRows::MacroName(shown));
    const QString suggested = all ? QStringLiteral("macros") : QStringLiteral("macro%1").arg(shown + 1);
    QString path = FileDialog::GetSaveFileName(parent, caption,
        FileDialog::StartFolder() + suggested + QLatin1Char('.') + QLatin1String(kMacroFileSuffix),
        tr("Macro files (*.%1)").arg(QLatin1String(kMacroFileSuffix)));
    if (path.isEmpty())
        return outcome;
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + QLatin1String(kMacroFileSuffix);
    QVector<MacroFile::Macro> macros;
    for (int macro = 0; macro < Protocol::kMacroCount; macro++) {
        if (all || macro == shown)
            macros.append({macro, store->MacroActions(macro)});
    }
    QString error;
    if (!MacroFile::Save(path, macros, &error)) {
        MessageBox::Critical(
            parent, caption, tr("%1 could not be saved:\n%2").arg(QDir::toNativeSeparators(path), error));
        return outcome;
    }
    for (const MacroFile::Macro& macro : qAsConst(macros))
        store->MarkKept(macro.index, macro.actions);
    outcome.done = true;
    outcome.text = tr("Macros saved to %1").arg(QDir::toNativeSeparators(path));
    return outcome;
}

QString MacroFiles::UnsavedText(const MacroStore& store)
{
    QStringList numbers;
    for (int macro : store.UnsavedMacros())
        numbers.append(QString::number(macro + 1));
    const QString what = numbers.size() == 1
        ? tr("Macro %1 has edits that were neither written to the keyboard nor exported to a file.")
              .arg(numbers.first())
        : tr("Macros %1 have edits that were neither written to the keyboard nor exported to a file.")
              .arg(numbers.join(QStringLiteral(", ")));
    return what + QStringLiteral("\n\n") + tr("Save before closing? All macros go to one macro file.");
}
