#include "macro/MacroEditTools.h"

#include "ui_MacroDialog.h"

#include "macro/MacroRows.h"
#include "macro/MacroStore.h"
#include "ui/Palette.h"

#include <QCursor>
#include <QMenu>

namespace {
// The edit buttons: a disabled one fades, as on the keymap page; the menu arrow sits inside.
const char* const kEditToolsStyle = "QToolButton::menu-indicator{subcontrol-position:right center;right:6px;}";

const QKeySequence kMoveUpKeys(Qt::ALT | Qt::Key_Up);
const QKeySequence kMoveDownKeys(Qt::ALT | Qt::Key_Down);
const QKeySequence kDeleteKeys(Qt::Key_Delete);
const QKeySequence kInsertKeys(Qt::Key_Insert);

QString ShortcutText(const QKeySequence& keys)
{
    return keys.toString(QKeySequence::NativeText);
}
} // namespace

MacroEditTools::MacroEditTools(Ui::MacroDialog* ui, const MacroStore* store, QObject* parent)
    : QObject(parent)
    , ui(ui)
    , m_store(store)
    , m_copyMenu(new QMenu(ui->tbtnCopyMacro))
    , m_exportMenu(new QMenu(ui->tbtnExportMacro))
{
    ui->wdgEditTools->setStyleSheet(QString::fromLatin1(kEditToolsStyle)
        + Palette::DisabledButtonSheet(QStringLiteral("QToolButton"))
        + Palette::FocusSheet(Palette::kFocus, Palette::kFocusOnLight));
    ui->spbInsertDelay->setRange(MacroAction::kMinDelay, MacroAction::kMaxDelay);

    // The keys work while the page is shown; a button's shortcut follows its enabled state.
    ui->tbtnInsertKey->setShortcut(kInsertKeys);
    ui->tbtnMoveUp->setShortcut(kMoveUpKeys);
    ui->tbtnMoveDown->setShortcut(kMoveDownKeys);
    ui->tbtnDeleteAction->setShortcut(kDeleteKeys);
    ui->tbtnInsertKey->setToolTip(
        tr("Insert a key at the chosen row, or at the end (%1)").arg(ShortcutText(kInsertKeys)));
    ui->tbtnInsertDelay->setToolTip(tr("Insert a pause of the length below at the chosen row, or at the end"));
    ui->tbtnMoveUp->setToolTip(tr("Move the chosen row up (%1)").arg(ShortcutText(kMoveUpKeys)));
    ui->tbtnMoveDown->setToolTip(tr("Move the chosen row down (%1)").arg(ShortcutText(kMoveDownKeys)));
    ui->tbtnDeleteAction->setToolTip(tr("Delete the chosen row (%1)").arg(ShortcutText(kDeleteKeys)));
    ui->tbtnTextToMacro->setToolTip(tr("Type a text and insert the keys that type it"));
    ui->tbtnCopyMacro->setToolTip(tr("Copy the shown macro to another macro"));
    ui->tbtnClearMacro->setToolTip(tr("Remove all actions of the shown macro"));
    ui->tbtnImportMacro->setToolTip(tr("Read macros from a file"));
    ui->tbtnExportMacro->setToolTip(tr("Save macros to a file"));
    ui->lblMacroUsage->setToolTip(tr("Actions of the shown macro / the most a macro holds"));

    m_copyMenu->setObjectName(QStringLiteral("menuCopyMacro"));
    connect(m_copyMenu, &QMenu::aboutToShow, this, &MacroEditTools::FillCopyMenu);
    ui->tbtnCopyMacro->setMenu(m_copyMenu);
    ui->tbtnCopyMacro->setPopupMode(QToolButton::InstantPopup);

    m_exportMenu->setObjectName(QStringLiteral("menuExportMacro"));
    m_exportMenu->addAction(tr("All Macros..."), this, [this] { emit ExportChosen(true); })
        ->setObjectName(QStringLiteral("actExportAll"));
    m_exportMenu->addAction(tr("Shown Macro..."), this, [this] { emit ExportChosen(false); })
        ->setObjectName(QStringLiteral("actExportShown"));
    ui->tbtnExportMacro->setMenu(m_exportMenu);
    ui->tbtnExportMacro->setPopupMode(QToolButton::InstantPopup);
}

void MacroEditTools::Update(int macro, int row)
{
    m_shown = macro;
    const int count = m_store->MacroActions(macro).size();
    const bool chosen = row >= 0 && row < count;
    ui->tbtnMoveUp->setEnabled(chosen && row > 0);
    ui->tbtnMoveDown->setEnabled(chosen && row + 1 < count);
    ui->tbtnDeleteAction->setEnabled(chosen);
    ui->tbtnCopyMacro->setEnabled(count > 0);
    ui->tbtnClearMacro->setEnabled(count > 0);
}

void MacroEditTools::FillCopyMenu()
{
    m_copyMenu->clear();
    for (int macro = 0; macro < Protocol::kMacroCount; macro++) {
        const int count = m_store->MacroActions(macro).size();
        const QString name = MacroRows::MacroName(macro);
        const QString text = count == 0 ? name : tr("%1 (%2 actions)").arg(name).arg(count);
        QAction* action = m_copyMenu->addAction(text, this, [this, macro] { emit CopyChosen(macro); });
        action->setObjectName(QStringLiteral("actCopyTo%1").arg(macro + 1));
        action->setEnabled(macro != m_shown);
    }
}

void MacroEditTools::ShowRowMenu(int macro, int row, QWidget* parent)
{
    const QVector<MacroAction> actions = m_store->MacroActions(macro);
    const bool delay = actions.value(row).type == MacroAction::kDelay;
    QMenu menu(parent);
    if (delay)
        menu.addAction(tr("Modify"), this, &MacroEditTools::ModifyChosen);
    else
        menu.addAction(tr("Delete"), this, &MacroEditTools::RemoveChosen);
    // The entries of hand editing follow the recorded macro's own.
    menu.addSeparator();
    menu.addAction(tr("Insert Key Tap...") + QLatin1Char('\t') + ShortcutText(kInsertKeys), this,
        [this] { emit InsertKeyChosen(MacroKeyChooser::Kind::Tap); });
    menu.addAction(tr("Insert Key Down..."), this, [this] { emit InsertKeyChosen(MacroKeyChooser::Kind::Down); });
    menu.addAction(tr("Insert Key Up..."), this, [this] { emit InsertKeyChosen(MacroKeyChooser::Kind::Up); });
    menu.addAction(
        tr("Insert Delay (%1 ms)").arg(ui->spbInsertDelay->value()), this, &MacroEditTools::InsertDelayChosen);
    menu.addSeparator();
    menu.addAction(tr("Move Up") + QLatin1Char('\t') + ShortcutText(kMoveUpKeys), this, [this] { emit MoveChosen(-1); })
        ->setEnabled(row > 0);
    menu.addAction(
            tr("Move Down") + QLatin1Char('\t') + ShortcutText(kMoveDownKeys), this, [this] { emit MoveChosen(1); })
        ->setEnabled(row + 1 < actions.size());
    if (delay)
        menu.addAction(
            tr("Delete") + QLatin1Char('\t') + ShortcutText(kDeleteKeys), this, &MacroEditTools::DeleteChosen);
    menu.exec(QCursor::pos());
}
