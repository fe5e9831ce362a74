#include "keymap/ChartCommands.h"

#include "keymap/KeyUseStore.h"
#include "keymap/LayerChart.h"
#include "ui/FileDialog.h"
#include "ui/Palette.h"

#include <QDir>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>

namespace {
// The window's key tester keeps the key use of its keyboard; the chart adds a page for it.
void TakeKeyUse(const QWidget* parent, LayerChart& chart)
{
    if (const KeyUseStore* use = parent ? parent->window()->findChild<const KeyUseStore*>() : nullptr)
        chart.SetKeyUse(use->AllCounts());
}
} // namespace

ChartCommands::Outcome ChartCommands::FromMenu(
    QWidget* parent, QWidget* anchor, const std::function<std::unique_ptr<LayerChart>()>& makeChart)
{
    QMenu menu(parent);
    const QAction* save = menu.addAction(tr("Save Chart as PDF, PNG or SVG..."));
    const QAction* print = menu.addAction(tr("Print Chart..."));
    const QAction* chosen = menu.exec(anchor->mapToGlobal(anchor->rect().bottomLeft()));
    if (chosen == save)
        return SaveAs(parent, *makeChart());
    if (chosen == print)
        return Print(parent, *makeChart());
    return {};
}

ChartCommands::Outcome ChartCommands::SaveAs(QWidget* parent, LayerChart& chart)
{
    const QString chosen = FileDialog::GetSaveFileName(parent, tr("Save Layer Chart"), FileDialog::StartFolder(),
        tr("PDF, one layer a page (*.pdf);;PNG picture (*.png);;SVG picture (*.svg)"));
    if (chosen.isEmpty())
        return {};
    const QString path = LayerChart::ChartPath(chosen);
    TakeKeyUse(parent, chart);
    QString error;
    if (chart.WriteFile(path, &error))
        return {Palette::kSuccess, tr("The layer chart was saved to %1.").arg(QDir::toNativeSeparators(path))};
    return {Palette::kFailure, tr("The layer chart could not be saved: %1").arg(error)};
}

ChartCommands::Outcome ChartCommands::Print(QWidget* parent, LayerChart& chart)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    // Owned by the window: the page's style sheet is made for its dark bars.
    QPrintDialog dialog(&printer, parent ? parent->window() : nullptr);
    dialog.setWindowTitle(tr("Print Layer Chart"));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    TakeKeyUse(parent, chart);
    if (chart.PaintPages(&printer))
        return {Palette::kSuccess, tr("The layer chart went to the printer.")};
    return {Palette::kFailure, tr("The layer chart could not be printed.")};
}
