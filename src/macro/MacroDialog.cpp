#include "macro/MacroDialog.h"

#include "ui_MacroDialog.h"

#include "codec/MacroCodec.h"
#include "macro/KeyCaptureService.h"
#include "macro/MacroDelayEdit.h"
#include "macro/MacroEditTools.h"
#include "macro/MacroFiles.h"
#include "macro/MacroListKeys.h"
#include "macro/MacroLog.h"
#include "macro/MacroRecorder.h"
#include "macro/MacroRows.h"
#include "macro/MacroTextDialog.h"
#include "macro/MacroTransfer.h"
#include "macro/MacroWriteCheck.h"
#include "ui/ChoiceRow.h"
#include "ui/IconHelper.h"
#include "ui/MessageBox.h"
#include "ui/Palette.h"
#include "ui/UndoButtons.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolButton>
#include <QUndoStack>

namespace {
using Palette::kAccent;
using Palette::kBackground;
using Palette::kDarkBackground;
using Palette::kLightText;
using Palette::kNavBorder;
using Palette::kText;

using Palette::kFailure;
using Palette::kSuccess;
using Palette::kWarning;

constexpr int kButtonWidth = 100;
constexpr int kButtonHeight = 60;

const char* const kPageStyle = "QWidget#wdgSpilter{background:#090909;}"
                               "QWidget#scrollArea{background:#090909;}";
const char* const kListStyle = "QListWidget{border:1px solid gray; color:black; }"
                               "QListWidget::Item:hover{background:skyblue; }"
                               "QListWidget:focus{border:2px solid %1;}";
} // namespace

MacroDialog::MacroDialog(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::MacroDialog)
    , m_store(new MacroStore(this))
    , m_transfer(new MacroTransfer(m_store, this))
    , m_recorder(new MacroRecorder(m_store, this))
{
    RegisterDeviceMetaTypes();
    ui->setupUi(this);
    m_rows = std::make_unique<MacroRows>(ui->lswMacro);
    m_selectedRow.fill(kNoSelection);
    SetupStyle();

    new MacroListKeys(
        ui->lswMacro, [this](int row) { HighlightRow(row); },
        [this](QListWidgetItem* item) { on_lswMacro_itemDoubleClicked(item); }, this);
    ui->lswMacro->setMouseTracking(true);
    ui->lswMacro->setContextMenuPolicy(Qt::CustomContextMenu);
    ui->lswMacro->setStyleSheet(QString::fromLatin1(kListStyle).arg(QString::fromLatin1(Palette::kFocusOnLight)));
    // The chosen row shows by its own colour; the list's selection colour would hide it.
    ui->lswMacro->setSelectionMode(QAbstractItemView::NoSelection);

    SetupEditing();
    CreateMacroButtons();
    connect(m_store, &MacroStore::MacroChanged, this, [this](int macro) {
        if (macro == m_currentMacro)
            RedrawList();
    });
    connect(m_store, &MacroStore::StepShown, this, &MacroDialog::ShowMacro);
    connect(m_store, &MacroStore::UnsavedChanged, this, &MacroDialog::UnsavedEditsChanged);
    connect(m_transfer, &MacroTransfer::ResultShow, this, &MacroDialog::ResultShow);
    connect(m_transfer, &MacroTransfer::Replacing, this,
        [this](int macro) { m_selectedRow[size_t(macro)] = kNoSelection; });
    connect(
        m_recorder, &MacroRecorder::Recorded, this, [this] { ui->lswMacro->setCurrentRow(ui->lswMacro->count() - 1); });
    connect(m_recorder, &MacroRecorder::FellBack, this,
        [this](KeyHookError error) { emit ResultShow(kWarning, MacroRecorder::WindowOnlyText(error)); });
    ShowMacro(0);
}

MacroDialog::~MacroDialog()
{
    StopRecording();
    delete ui;
}

void MacroDialog::SetClient(CommandClient* client)
{
    m_transfer->SetClient(client);
}

void MacroDialog::SetModel(KeyboardModel* model)
{
    m_transfer->SetModel(model);
}

KeyboardModel* MacroDialog::Model() const
{
    return m_transfer->Model();
}

void MacroDialog::SetCaptureService(KeyCaptureService* service)
{
    if (IsRecording())
        StopRecording();
    m_recorder->SetCaptureService(service);
    if (isVisible())
        m_recorder->CaptureService()->Prepare();
}

KeyCaptureService* MacroDialog::CaptureService() const
{
    return m_recorder->CaptureService();
}

void MacroDialog::SetupStyle()
{
    setStyleSheet(QString::fromLatin1(kPageStyle)
        + Palette::ButtonSheet({QStringLiteral("QPushButton"), QStringLiteral("QToolButton")})
        + Palette::FocusSheet(Palette::kFocus, Palette::kFocusOnLight));
    ui->scrollArea->setFocusPolicy(Qt::NoFocus);
    ui->wdgMacroButton->setProperty("flag", QStringLiteral("left"));
    IconHelper::NavStyleLeft(ui->wdgMacroButton, kNavBorder, QString::fromLatin1(kAccent),
        QString::fromLatin1(kBackground), QString::fromLatin1(kDarkBackground), QString::fromLatin1(kText),
        QString::fromLatin1(kLightText));
}

void MacroDialog::CreateMacroButtons()
{
    m_macroRow = new ChoiceRow(this, [this](int macro) { ShowMacro(macro); });
    for (int i = 0; i < Protocol::kMacroCount; i++) {
        auto* button = new QToolButton(ui->wdgMacroButton);
        button->setObjectName(QStringLiteral("tbtnMacro%1").arg(i + 1));
        button->setText(MacroRows::MacroName(i));
        // Reached with Tab like the other buttons; the area around them follows the focus.
        button->setFocusPolicy(Qt::TabFocus);
        button->setGeometry(0, kButtonHeight * i, kButtonWidth, kButtonHeight);
        m_macroRow->Add(button);
        m_macroButtons.append(button);
    }
    // The buttons scroll: their holder is as tall as all of them, the area as wide as one.
    ui->wdgMacroButton->resize(kButtonWidth, kButtonHeight * Protocol::kMacroCount);
    ui->scrollArea->setFixedWidth(kButtonWidth + ui->scrollArea->verticalScrollBar()->sizeHint().width());
}

QVector<MacroAction> MacroDialog::Actions(int macro) const
{
    return m_store->MacroActions(macro);
}

bool MacroDialog::IsRecording() const
{
    return m_recorder->IsRecording();
}

bool MacroDialog::IsWindowOnlyRecording() const
{
    return m_recorder->IsWindowOnly();
}

void MacroDialog::on_tbtnMacroRec_clicked()
{
    if (IsRecording())
        StopRecording();
    else
        StartRecording();
}

void MacroDialog::StartRecording()
{
    const int replaced = m_store->MacroActions(m_currentMacro).size();
    KeyHookError error = KeyHookError::NoError;
    const KeyCaptureService::Mode mode = m_recorder->Start(m_currentMacro, this, ui->ckbMacroTime->isChecked(), &error);
    if (mode == KeyCaptureService::Mode::Off) {
        // The keyboard goes to one taker at a time.
        emit ResultShow(kFailure,
            m_recorder->HeldByRecorder() ? tr("Another window is recording a macro. Stop it there first.")
                                         : tr("The key test holds the keyboard. Switch Test Keys off first."));
        return;
    }
    m_selectedRow[m_currentMacro] = kNoSelection;
    ShowRecording(true);
    if (replaced > 0)
        emit ResultShow(kWarning,
            tr("Recording replaces the %1 actions of %2; Undo brings them back.")
                .arg(replaced)
                .arg(MacroRows::MacroName(m_currentMacro)));
    if (mode == KeyCaptureService::Mode::WindowOnly)
        emit ResultShow(kWarning, MacroRecorder::WindowOnlyText(error));
}

void MacroDialog::StopRecording()
{
    if (!IsRecording())
        return;
    m_recorder->Stop();
    ShowRecording(false);
}

void MacroDialog::ShowRecording(bool recording)
{
    ui->ckbMacroTime->setEnabled(!recording);
    ui->tbtnWriteMacro->setEnabled(!recording);
    ui->tbtnReadMacro->setEnabled(!recording);
    ui->wdgEditTools->setEnabled(!recording);
    m_undoAction->setEnabled(!recording);
    m_redoAction->setEnabled(!recording);
    ui->tbtnMacroRec->setText(recording ? tr("Stop Rec") : tr("Start Rec"));
    // The shown macro stays chosen while the keys go into it.
    for (QToolButton* button : qAsConst(m_macroButtons))
        button->setCheckable(!recording);
    m_macroRow->Check(m_currentMacro);
    RefreshCount();
}

void MacroDialog::ShowMacro(int macro)
{
    if (IsRecording() || macro < 0 || macro >= Protocol::kMacroCount)
        return;
    m_macroRow->Check(macro);
    m_currentMacro = tdu1(macro);
    RedrawList();
}

void MacroDialog::on_tbtnWriteMacro_clicked()
{
    const int macro = m_currentMacro;
    if (!MacroWriteCheck::ConfirmUnplayable(m_store->MacroActions(macro)))
        return;
    QVector<MacroAction> keyUps;
    switch (MacroWriteCheck::ConfirmKeyBalance(this, macro, m_store->MacroActions(macro), &keyUps)) {
    case MacroWriteCheck::Answer::Cancel:
        return;
    case MacroWriteCheck::Answer::AddKeyUps:
        if (!HasRoom(keyUps.size()))
            return;
        m_store->Insert(macro, -1, keyUps);
        ui->lswMacro->scrollToBottom();
        break;
    case MacroWriteCheck::Answer::Write:
        break;
    }
    m_transfer->Write(macro);
}

void MacroDialog::on_tbtnReadMacro_clicked()
{
    m_transfer->Read(m_currentMacro);
}

void MacroDialog::TakeKeyboardMacros()
{
    StopRecording();
    const QList<int> edited = m_store->UnsavedMacros();
    if (edited.isEmpty())
        return;
    QStringList numbers;
    for (int macro : edited)
        numbers.append(QString::number(macro + 1));
    const bool keep = MessageBox::Question(this, tr("Keyboard Restored"),
                          tr("Macros %1 had edits that were not written to the keyboard. Keep them? With No, every "
                             "macro shows what the keyboard now holds.")
                              .arg(numbers.join(QStringLiteral(", "))),
                          QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
    if (keep)
        return;
    // Back to what was last kept, so that the keyboard's actions replace them once known; the
    // step can be undone like any other.
    QMap<int, MacroStore::Actions> kept;
    for (int macro : edited)
        kept.insert(macro, m_store->Kept(macro));
    m_store->Replace(kept, tr("Restore"));
}

void MacroDialog::on_lswMacro_customContextMenuRequested(const QPoint& pos)
{
    QListWidgetItem* item = ui->lswMacro->itemAt(pos);
    if (IsRecording() || item == nullptr)
        return;
    const int row = ui->lswMacro->row(item);
    HighlightRow(row);
    ui->lswMacro->setCurrentRow(row);
    m_tools->ShowRowMenu(m_currentMacro, row, this);
}

void MacroDialog::on_lswMacro_itemClicked(QListWidgetItem* item)
{
    HighlightRow(ui->lswMacro->row(item));
}

void MacroDialog::on_lswMacro_itemDoubleClicked(QListWidgetItem* item)
{
    const int row = ui->lswMacro->row(item);
    HighlightRow(row);
    if (m_store->MacroActions(m_currentMacro).value(row).type == MacroAction::kDelay)
        m_delayEdit->Begin(item, false);
}

void MacroDialog::itemModify()
{
    m_delayEdit->Begin(ui->lswMacro->currentItem(), true);
}

void MacroDialog::itemDelete()
{
    qCDebug(lcMacro) << "Item Del";
    const tdu2 row = m_selectedRow[m_currentMacro];
    m_selectedRow[m_currentMacro] = kNoSelection;
    if (!m_store->Remove(m_currentMacro, row))
        RedrawList();
}

bool MacroDialog::eventFilter(QObject* watched, QEvent* event)
{
    // A click below the rows takes the highlight away, so that inserts go to the end again.
    if (watched == ui->lswMacro->viewport() && event->type() == QEvent::MouseButtonPress && !IsRecording()
        && ui->lswMacro->itemAt(static_cast<QMouseEvent*>(event)->pos()) == nullptr)
        ClearHighlight();
    return QWidget::eventFilter(watched, event);
}

void MacroDialog::showEvent(QShowEvent* event)
{
    m_recorder->CaptureService()->Prepare();
    QWidget::showEvent(event);
}

void MacroDialog::hideEvent(QHideEvent* event)
{
    StopRecording();
    QWidget::hideEvent(event);
}

void MacroDialog::RedrawList()
{
    m_delayEdit->Forget();
    m_rows->Show(m_store->MacroActions(m_currentMacro), m_selectedRow[m_currentMacro]);
    RefreshCount();
}

void MacroDialog::HighlightRow(int row)
{
    if (!m_rows->Highlight(row))
        return;
    m_selectedRow[m_currentMacro] = tdu2(row);
    UpdateEditButtons();
}

void MacroDialog::RefreshCount()
{
    const int count = m_store->MacroActions(m_currentMacro).size();
    ui->lblActionCnt->setText(QString::number(count));
    ui->lblMacroUsage->setText(QStringLiteral("%1 / %2").arg(count).arg(Protocol::kMaxMacroActions));
    UpdateEditButtons();
}

void MacroDialog::SetupEditing()
{
    m_tools = new MacroEditTools(ui, m_store, this);
    m_delayEdit = new MacroDelayEdit(ui->lswMacro, this);
    // The row shows the delay as it is kept, also when it was refused or clamped.
    connect(m_delayEdit, &MacroDelayEdit::Entered, this, [this](quint64 ms) {
        m_store->SetDelay(m_currentMacro, m_selectedRow[m_currentMacro], MacroCodec::ClampDelay(ms));
        RedrawList();
    });
    connect(m_delayEdit, &MacroDelayEdit::Refused, this, &MacroDialog::RedrawList);
    ui->lswMacro->viewport()->installEventFilter(this);
    connect(m_tools, &MacroEditTools::CopyChosen, this, &MacroDialog::CopyShownMacroTo);
    connect(m_tools, &MacroEditTools::ExportChosen, this, &MacroDialog::ExportMacros);
    connect(m_tools, &MacroEditTools::ModifyChosen, this, &MacroDialog::itemModify);
    connect(m_tools, &MacroEditTools::RemoveChosen, this, &MacroDialog::itemDelete);
    connect(m_tools, &MacroEditTools::InsertKeyChosen, this, &MacroDialog::InsertKey);
    connect(m_tools, &MacroEditTools::InsertDelayChosen, this, &MacroDialog::on_tbtnInsertDelay_clicked);
    connect(m_tools, &MacroEditTools::MoveChosen, this, &MacroDialog::MoveSelected);
    connect(m_tools, &MacroEditTools::DeleteChosen, this, &MacroDialog::on_tbtnDeleteAction_clicked);

    // Every edit of every macro is one step; undo shows the macro it changed.
    const UndoButtons::Actions keys = UndoButtons::Attach(
        this, m_store->UndoStack(), ui->tbtnMacroUndo, ui->tbtnMacroRedo, [this] { on_tbtnMacroUndo_clicked(); },
        [this] { on_tbtnMacroRedo_clicked(); });
    m_undoAction = keys.undo;
    m_redoAction = keys.redo;
    m_tools->AddShortcuts(this, m_undoAction, m_redoAction);
}

void MacroDialog::UpdateEditButtons()
{
    const tdu2 row = m_selectedRow[m_currentMacro];
    m_tools->Update(m_currentMacro, row == kNoSelection ? -1 : row);
}

bool MacroDialog::HasRoom(int count)
{
    const int used = m_store->MacroActions(m_currentMacro).size();
    if (used + count <= Protocol::kMaxMacroActions)
        return true;
    const QString text = used >= Protocol::kMaxMacroActions
        ? tr("%1 is full: a macro holds at most %2 actions. Delete some to make room.")
              .arg(MacroRows::MacroName(m_currentMacro))
              .arg(Protocol::kMaxMacroActions)
        : tr("%1 has room for %2 more actions, but this needs %3. A macro holds at most %4 actions.")
              .arg(MacroRows::MacroName(m_currentMacro))
              .arg(Protocol::kMaxMacroActions - used)
              .arg(count)
              .arg(Protocol::kMaxMacroActions);
    MessageBox::Warning(this, tr("Macro Full"), text, QMessageBox::Ok);
    return false;
}

void MacroDialog::InsertActions(const QVector<MacroAction>& inserted)
{
    if (inserted.isEmpty() || !HasRoom(inserted.size()))
        return;
    tdu2& selected = m_selectedRow[m_currentMacro];
    const bool atRow = selected < m_store->MacroActions(m_currentMacro).size();
    // In front of the chosen row, which stays chosen, so that further inserts follow these.
    if (atRow)
        selected = tdu2(selected + inserted.size());
    m_store->Insert(m_currentMacro, atRow ? selected - inserted.size() : -1, inserted);
    if (selected < ui->lswMacro->count())
        ui->lswMacro->scrollToItem(ui->lswMacro->item(selected));
    else
        ui->lswMacro->scrollToBottom();
}

bool MacroDialog::IsEditingDelay() const
{
    // A delay's editor is a widget inside the list.
    const QWidget* focus = QApplication::focusWidget();
    return focus != nullptr && focus != ui->lswMacro && ui->lswMacro->isAncestorOf(focus);
}

void MacroDialog::InsertKey(MacroKeyChooser::Kind kind)
{
    if (IsRecording() || !HasRoom(1))
        return;
    MacroKeyChooser chooser(kind, this);
    if (chooser.exec() != QDialog::Accepted)
        return;
    InsertActions(chooser.Actions());
}

void MacroDialog::on_tbtnInsertKey_clicked()
{
    InsertKey(MacroKeyChooser::Kind::Tap);
}

void MacroDialog::on_tbtnInsertDelay_clicked()
{
    if (IsRecording())
        return;
    InsertActions({{MacroAction::kDelay, tdu2(ui->spbInsertDelay->value())}});
}

void MacroDialog::MoveSelected(int step)
{
    const int row = m_selectedRow[m_currentMacro];
    const int target = row + step;
    // Not while a delay is being typed: the edit belongs to the row where it started.
    if (IsRecording() || IsEditingDelay())
        return;
    const tdu2 before = m_selectedRow[m_currentMacro];
    m_selectedRow[m_currentMacro] = tdu2(target);
    if (!m_store->Move(m_currentMacro, row, step)) {
        m_selectedRow[m_currentMacro] = before;
        return;
    }
    ui->lswMacro->scrollToItem(ui->lswMacro->item(target));
}

void MacroDialog::on_tbtnMoveUp_clicked()
{
    MoveSelected(-1);
}

void MacroDialog::on_tbtnMoveDown_clicked()
{
    MoveSelected(1);
}

void MacroDialog::on_tbtnDeleteAction_clicked()
{
    const int row = m_selectedRow[m_currentMacro];
    const int count = m_store->MacroActions(m_currentMacro).size();
    if (IsRecording() || row >= count || IsEditingDelay())
        return;
    // The row that moves up into the place is chosen next, so that deleting can go on.
    m_selectedRow[m_currentMacro] = count == 1 ? kNoSelection : tdu2(qMin(row, count - 2));
    m_store->Remove(m_currentMacro, row);
}

void MacroDialog::ClearHighlight()
{
    m_selectedRow[m_currentMacro] = kNoSelection;
    m_rows->ClearHighlight();
    UpdateEditButtons();
}

void MacroDialog::on_tbtnTextToMacro_clicked()
{
    if (IsRecording() || !HasRoom(1))
        return;
    MacroTextDialog dialog(MacroRows::MacroName(m_currentMacro), m_store->Room(m_currentMacro), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    InsertActions(dialog.Actions());
}

void MacroDialog::CopyShownMacroTo(int target)
{
    if (IsRecording() || target == m_currentMacro || target < 0 || target >= Protocol::kMacroCount)
        return;
    const QVector<MacroAction> source = m_store->MacroActions(m_currentMacro);
    const QVector<MacroAction> replaced = m_store->MacroActions(target);
    if (!replaced.isEmpty()) {
        const QMessageBox::StandardButton answer = MessageBox::Warning(this, tr("Copy Macro"),
            tr("%1 already has %2 actions. Replace them with the %3 actions of %4?")
                .arg(MacroRows::MacroName(target))
                .arg(replaced.size())
                .arg(source.size())
                .arg(MacroRows::MacroName(m_currentMacro)),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return;
    }
    m_selectedRow[target] = kNoSelection;
    m_store->Replace({{target, source}}, tr("Copy Macro"));
    emit ResultShow(kSuccess,
        tr("%1 copied to %2; write it to keep it on the keyboard.")
            .arg(MacroRows::MacroName(m_currentMacro), MacroRows::MacroName(target)));
}

void MacroDialog::on_tbtnClearMacro_clicked()
{
    const QVector<MacroAction> actions = m_store->MacroActions(m_currentMacro);
    if (IsRecording() || actions.isEmpty())
        return;
    const QMessageBox::StandardButton answer = MessageBox::Warning(this, tr("Clear Macro"),
        tr("Remove all %1 actions of %2?").arg(actions.size()).arg(MacroRows::MacroName(m_currentMacro)),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    m_selectedRow[m_currentMacro] = kNoSelection;
    m_store->Replace({{int(m_currentMacro), {}}}, tr("Clear Macro"));
}

void MacroDialog::on_tbtnImportMacro_clicked()
{
    if (IsRecording())
        return;
    const MacroFiles::Outcome outcome = MacroFiles::Import(this, m_store, m_currentMacro);
    if (!outcome.done)
        return;
    for (int macro : outcome.macros)
        m_selectedRow[size_t(macro)] = kNoSelection;
    RedrawList();
    emit ResultShow(kSuccess, outcome.text);
}

bool MacroDialog::ExportMacros(bool all)
{
    if (IsRecording())
        return false;
    const MacroFiles::Outcome outcome = MacroFiles::Export(this, m_store, m_currentMacro, all);
    if (outcome.done)
        emit ResultShow(kSuccess, outcome.text);
    return outcome.done;
}

bool MacroDialog::SaveUnsavedMacros()
{
    return ExportMacros(true);
}

void MacroDialog::on_tbtnMacroUndo_clicked()
{
    if (!IsRecording() && !IsEditingDelay())
        m_store->UndoStack()->undo();
}

void MacroDialog::on_tbtnMacroRedo_clicked()
{
    if (!IsRecording() && !IsEditingDelay())
        m_store->UndoStack()->redo();
}
