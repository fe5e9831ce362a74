#include "macro/MacroEditTools.h"

#include "ui_MacroDialog.h"

#include "macro/MacroRows.h"
#include "macro/MacroStore.h"
#include "ui/Palette.h"
#include "ui/Shortcuts.h"

#include <QCursor>
#include <QMenu>

namespace {
// The edit buttons: a disabled one fades, as on the keymap page; the menu arrow sits inside.
const char* const kEditToolsStyle = "QToolButton::menu-indicator{subcontrol-position:right center;right:6px;}";

} // namespace

MacroEditTools::MacroEditTools(Ui::MacroDialog* ui, const MacroStore* store, QWidget* page)
    : QObject(page)
    , ui(ui)
    , m_store(store)
    , m_copyMenu(new QMenu(ui->tbtnCopyMacro))
    , m_exportMenu(new QMenu(ui->tbtnExportMacro))
{
    ui->wdgEditTools->setStyleSheet(QString::fromLatin1(kEditToolsStyle)
        + Palette::DisabledButtonSheet(QStringLiteral("QToolButton"))
        + Palette::FocusSheet(Palette::kFocus, Palette::kFocusOnLight));
    ui->spbInsertDelay->setRange(MacroAction::kMinDelay, MacroAction::kMaxDelay);

    ui->tbtnInsertDelay->setToolTip(tr("Insert a pause of the length below at the chosen row, or at the end"));
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

void MacroEditTools::AddShortcuts(QWidget* page, const QAction* undo, const QAction* redo)
{
    // The keys work while the page is shown; a button's shortcut follows its enabled state.
    auto* keys = new Shortcuts(page, tr("Macro page"));
    keys->AddButton(ui->tbtnMacroRec, QKeySequence(Qt::CTRL | Qt::Key_E), tr("Start or stop recording"));
    keys->AddButton(ui->tbtnInsertKey, QKeySequence(Qt::Key_Insert), tr("Insert a key"));
    keys->AddButton(ui->tbtnInsertDelay, QKeySequence(Qt::ALT | Qt::Key_Insert), tr("Insert a pause"));
    keys->AddButton(ui->tbtnMoveUp, QKeySequence(Qt::ALT | Qt::Key_Up), tr("Move the chosen row up"));
    keys->AddButton(ui->tbtnMoveDown, QKeySequence(Qt::ALT | Qt::Key_Down), tr("Move the chosen row down"));
    keys->AddButton(ui->tbtnDeleteAction, QKeySequence(Qt::Key_Delete), tr("Delete the chosen row"));
    keys->AddButton(ui->tbtnTextToMacro, QKeySequence(Qt::CTRL | Qt::Key_T), tr("Type a text as keys"));
    keys->AddButton(ui->tbtnCopyMacro, QKeySequence(Qt::CTRL | Qt::Key_D), tr("Copy the macro to another"));
    keys->AddButton(ui->tbtnClearMacro, QKeySequence(Qt::CTRL | Qt::Key_Delete), tr("Clear the macro"));
    keys->AddButton(ui->tbtnImportMacro, QKeySequence(Qt::CTRL | Qt::Key_O), tr("Open a macro file"));
    keys->AddButton(ui->tbtnExportMacro, QKeySequence(Qt::CTRL | Qt::Key_S), tr("Save macros to a file"));
    keys->AddButton(
        ui->tbtnWriteMacro, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W), tr("Write the macros to the keyboard"));
    keys->AddButton(
        ui->tbtnReadMacro, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R), tr("Read the macros from the keyboard"));
    keys->AddExisting(undo, tr("Undo"));
    keys->AddExisting(redo, tr("Redo"));
    const auto keysOf
        = [](const QAbstractButton* button) { return button->shortcut().toString(QKeySequence::NativeText); };
    ui->tbtnInsertKey->setToolTip(
        tr("Insert a key at the chosen row, or at the end (%1)").arg(keysOf(ui->tbtnInsertKey)));
    ui->tbtnMoveUp->setToolTip(tr("Move the chosen row up (%1)").arg(keysOf(ui->tbtnMoveUp)));
    ui->tbtnMoveDown->setToolTip(tr("Move the chosen row down (%1)").arg(keysOf(ui->tbtnMoveDown)));
    ui->tbtnDeleteAction->setToolTip(tr("Delete the chosen row (%1)").arg(keysOf(ui->tbtnDeleteAction)));
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
    menu.addAction(
        tr("Insert Key Tap...") + QLatin1Char('\t') + ui->tbtnInsertKey->shortcut().toString(QKeySequence::NativeText),
        this, [this] { emit InsertKeyChosen(MacroKeyChooser::Kind::Tap); });
    menu.addAction(tr("Insert Key Down..."), this, [this] { emit InsertKeyChosen(MacroKeyChooser::Kind::Down); });
    menu.addAction(tr("Insert Key Up..."), this, [this] { emit InsertKeyChosen(MacroKeyChooser::Kind::Up); });
    menu.addAction(
        tr("Insert Delay (%1 ms)").arg(ui->spbInsertDelay->value()), this, &MacroEditTools::InsertDelayChosen);
    menu.addSeparator();
    menu.addAction(tr("Move Up") + QLatin1Char('\t') + ui->tbtnMoveUp->shortcut().toString(QKeySequence::NativeText),
            this, [this] { emit MoveChosen(-1); })
        ->setEnabled(row > 0);
    menu.addAction(
            tr("Move Down") + QLatin1Char('\t') + ui->tbtnMoveDown->shortcut().toString(QKeySequence::NativeText), this,
            [this] { emit MoveChosen(1); })
        ->setEnabled(row + 1 < actions.size());
    if (delay)
        menu.addAction(
            tr("Delete") + QLatin1Char('\t') + ui->tbtnDeleteAction->shortcut().toString(QKeySequence::NativeText),
            this, &MacroEditTools::DeleteChosen);
    menu.exec(QCursor::pos());
}
