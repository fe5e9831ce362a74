#include "macro/MacroDialog.h"

#include "ui_MacroDialog.h"

#include "macro/KeyEventVk.h"
#include "macro/KeyboardHook.h"
#include "macro/KeyboardThread.h"
#include "macro/MacroCodec.h"
#include "macro/MacroFile.h"
#include "macro/MacroKeyBalance.h"
#include "macro/MacroKeyTable.h"
#include "macro/MacroLog.h"
#include "macro/MacroTextDialog.h"
#include "ui/FileDialog.h"
#include "ui/IconHelper.h"
#include "ui/MessageBox.h"
#include "ui/Palette.h"
#include "ui/UndoButtons.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
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

// Row icons: FontAwesome clock, arrow down and arrow up, 10 x 10 in black.
constexpr ushort kGlyphDelay = 0xF017;
constexpr ushort kGlyphDown = 0xF063;
constexpr ushort kGlyphUp = 0xF062;
constexpr int kRowIconSize = 10;
const char* const kRowIconColor = "#000000";

const QColor kHighlight(135, 206, 225);
const QColor kNoHighlight(0, 0, 0, 0);

const char* const kPageStyle = "QWidget#wdgSpilter{background:#090909;}"
                               "QWidget#scrollArea{background:#090909;}";
const char* const kListStyle = "QListWidget{border:1px solid gray; color:black; }"
                               "QListWidget::Item:hover{background:skyblue; }"
                               "QListWidget:focus{border:2px solid %1;}";

// The edit buttons: a disabled one fades, as on the keymap page; the menu arrow sits inside.
const char* const kEditToolsStyle = "QToolButton::menu-indicator{subcontrol-position:right center;right:6px;}";

const char* const kMacroFileSuffix = "json";

QString ShortcutText(const QKeySequence& keys)
{
    return keys.toString(QKeySequence::NativeText);
}

const QKeySequence kMoveUpKeys(Qt::ALT | Qt::Key_Up);
const QKeySequence kMoveDownKeys(Qt::ALT | Qt::Key_Down);
const QKeySequence kDeleteKeys(Qt::Key_Delete);
const QKeySequence kInsertKeys(Qt::Key_Insert);
} // namespace

MacroDialog::MacroDialog(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::MacroDialog)
    , m_store(new MacroStore(this))
{
    ui->setupUi(this);
    m_selectedRow.fill(kNoSelection);
    SetupStyle();

    ui->lswMacro->setFocusPolicy(Qt::NoFocus);
    ui->lswMacro->setMouseTracking(true);
    ui->lswMacro->setContextMenuPolicy(Qt::CustomContextMenu);
    ui->lswMacro->setStyleSheet(QString::fromLatin1(kListStyle).arg(QString::fromLatin1(Palette::kFocusOnLight)));
    // The chosen row shows by its own colour; the list's selection colour would hide it.
    ui->lswMacro->setSelectionMode(QAbstractItemView::NoSelection);
    m_delayIcon = IconHelper::Instance()->GetPixmap(
        QString::fromLatin1(kRowIconColor), kGlyphDelay, kRowIconSize, kRowIconSize, kRowIconSize);
    m_downIcon = IconHelper::Instance()->GetPixmap(
        QString::fromLatin1(kRowIconColor), kGlyphDown, kRowIconSize, kRowIconSize, kRowIconSize);
    m_upIcon = IconHelper::Instance()->GetPixmap(
        QString::fromLatin1(kRowIconColor), kGlyphUp, kRowIconSize, kRowIconSize, kRowIconSize);

    SetupEditing();
    CreateMacroButtons();
    connect(m_store, &MacroStore::MacroChanged, this, [this](int macro) {
        if (macro == m_currentMacro)
            RedrawList();
    });
    connect(m_store, &MacroStore::StepShown, this, &MacroDialog::ShowMacro);
    connect(m_store, &MacroStore::UnsavedChanged, this, &MacroDialog::UnsavedEditsChanged);
    m_macroButtons.first()->click();

    RegisterDeviceMetaTypes();
    m_hookThread = std::make_unique<KeyboardThread>(nullptr);
    m_hookThread->SetHookProc(nullptr, &KeyboardHook::HookProc);
    KeyboardHook::hookThread.store(m_hookThread.get());
    connect(m_hookThread.get(), &KeyboardThread::keyAction, this, &MacroDialog::onKeyAction, Qt::QueuedConnection);
    m_hookThread->start(QThread::InheritPriority);
}

MacroDialog::~MacroDialog()
{
    StopRecording();
    KeyboardThread* mine = m_hookThread.get();
    KeyboardHook::hookThread.compare_exchange_strong(mine, nullptr);
    m_hookThread.reset();
    delete ui;
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
    for (int i = 0; i < Protocol::kMacroCount; i++) {
        auto* button = new QToolButton(ui->wdgMacroButton);
        button->setObjectName(QStringLiteral("tbtnMacro%1").arg(i + 1));
        button->setText(tr("Macro") + QString::number(i + 1));
        button->setCheckable(true);
        // Reached with Tab like the other buttons; the area around them follows the focus.
        button->setFocusPolicy(Qt::TabFocus);
        button->setGeometry(0, kButtonHeight * i, kButtonWidth, kButtonHeight);
        connect(button, &QToolButton::clicked, this, &MacroDialog::tbtnMacro_clicked);
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

void MacroDialog::on_tbtnMacroRec_clicked()
{
    if (m_recording)
        StopRecording();
    else
        StartRecording();
}

void MacroDialog::StartRecording()
{
    // The recording flag and the keyboard are the process's: one window records at a time.
    if (KeyboardHook::macroRecording.load()) {
        emit ResultShow(kFailure, tr("Another window is recording a macro. Stop it there first."));
        return;
    }
    ui->lswMacro->clear();
    m_editedItem = nullptr;
    ui->ckbMacroTime->setEnabled(false);
    ui->tbtnWriteMacro->setEnabled(false);
    ui->tbtnReadMacro->setEnabled(false);
    ui->wdgEditTools->setEnabled(false);
    const int replaced = m_store->MacroActions(m_currentMacro).size();
    m_store->BeginRecording(m_currentMacro);
    KeyboardHook::hookThread.store(m_hookThread.get());
    KeyboardHook::ReleaseAll();
    KeyboardHook::macroRecording.store(true);
    m_recording = true;
    m_selectedRow[m_currentMacro] = kNoSelection;
    m_undoAction->setEnabled(false);
    m_redoAction->setEnabled(false);
    for (QToolButton* button : qAsConst(m_macroButtons))
        button->setCheckable(false);
    ui->tbtnMacroRec->setText(tr("Stop Rec"));
    m_lastTick = 0;
    RefreshCount();
    if (replaced > 0)
        emit ResultShow(kWarning,
            tr("Recording replaces the %1 actions of %2; Undo brings them back.")
                .arg(replaced)
                .arg(MacroName(m_currentMacro)));

    QString detail;
    const KeyHookError error = m_hookThread->SetCapture(true, &detail);
    m_windowOnly = error != KeyHookError::NoError;
    if (m_windowOnly) {
        qCDebug(lcMacro) << "Recording in this window only:" << detail;
        qApp->installEventFilter(this);
        emit ResultShow(kWarning, WindowOnlyText(error));
    }
}

void MacroDialog::StopRecording()
{
    if (!m_recording)
        return;
    if (m_windowOnly)
        qApp->removeEventFilter(this);
    // The desktop gets its keyboard back before the flag drops, so no key is lost in between.
    m_hookThread->SetCapture(false);
    KeyboardHook::macroRecording.store(false);
    m_recording = false;
    m_windowOnly = false;
    m_store->EndRecording();
    m_undoAction->setEnabled(true);
    m_redoAction->setEnabled(true);
    ui->ckbMacroTime->setEnabled(true);
    ui->tbtnWriteMacro->setEnabled(true);
    ui->tbtnReadMacro->setEnabled(true);
    ui->wdgEditTools->setEnabled(true);
    ui->tbtnMacroRec->setText(tr("Start Rec"));
    for (QToolButton* button : qAsConst(m_macroButtons))
        button->setCheckable(true);
    m_macroButtons.at(m_currentMacro)->setChecked(true);
}

QString MacroDialog::WindowOnlyText(KeyHookError error) const
{
    QString reason;
    switch (error) {
    case KeyHookError::NoServer:
        reason = tr("no X display");
        break;
    case KeyHookError::GrabRefused:
        reason = tr("another program holds the keyboard");
        break;
    case KeyHookError::HookFailed:
        reason = tr("the keyboard hook could not be installed");
        break;
    case KeyHookError::ConnectionLost:
        reason = tr("the connection to the display was lost");
        break;
    case KeyHookError::NoAnswer:
    case KeyHookError::NoError:
        reason = tr("the key recorder does not answer");
        break;
    }
    return tr("Recording keys typed in this window only (%1).").arg(reason);
}

void MacroDialog::tbtnMacro_clicked()
{
    const int index = m_macroButtons.indexOf(qobject_cast<QToolButton*>(sender()));
    if (index >= 0)
        ShowMacro(index);
}

void MacroDialog::ShowMacro(int macro)
{
    if (m_recording || macro < 0 || macro >= m_macroButtons.size())
        return;
    for (int i = 0; i < m_macroButtons.size(); i++)
        m_macroButtons.at(i)->setChecked(i == macro);
    m_currentMacro = tdu1(macro);
    RedrawList();
}

void MacroDialog::on_tbtnWriteMacro_clicked()
{
    QStringList unplayable;
    for (const MacroAction& action : m_store->MacroActions(m_currentMacro)) {
        if (action.IsKey() && !MacroKeyTable::Instance().Contains(action.value)) {
            const QString name = KeyText(action.value);
            if (!unplayable.contains(name))
                unplayable.append(name);
        }
    }
    if (!unplayable.isEmpty()) {
        const QMessageBox::StandardButton answer = MessageBox::Critical(nullptr, tr("Write Macro"),
            tr("The keyboard cannot play these keys: %1.\nThey are written as empty keys. Write the macro anyway?")
                .arg(unplayable.join(QStringLiteral(", "))),
            QMessageBox::Yes | QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return;
    }
    if (!ConfirmKeyBalance())
        return;
    const Transfer transfer {m_currentMacro, m_store->MacroActions(m_currentMacro)};
    QByteArray payload = MacroCodec::EncodeWrite(m_currentMacro, transfer.actions);
    emit SendCmd(Protocol::kCmdWriteMacro, reinterpret_cast<tdu1*>(payload.data()), tdu2(payload.size()),
        CommandIntent {QVariant::fromValue(transfer), QByteArray()});
}

void MacroDialog::on_tbtnReadMacro_clicked()
{
    tdu1 index = m_currentMacro;
    // The answer names its macro, so the answer to another program's read of another macro is
    // not taken for this one.
    emit SendCmd(Protocol::kCmdReadMacro, &index, 1,
        CommandIntent {QVariant::fromValue(Transfer {index, {}}), QByteArray(1, char(index))});
}

void MacroDialog::on_lswMacro_customContextMenuRequested(const QPoint& pos)
{
    if (m_recording)
        return;
    QListWidgetItem* item = ui->lswMacro->itemAt(pos);
    if (item == nullptr)
        return;
    const int row = ui->lswMacro->row(item);
    HighlightRow(row);
    ui->lswMacro->setCurrentRow(row);
    const bool delay = m_store->MacroActions(m_currentMacro).value(row).type == MacroAction::kDelay;
    QMenu menu(this);
    if (delay)
        menu.addAction(tr("Modify"), this, &MacroDialog::itemModify);
    else
        menu.addAction(tr("Delete"), this, &MacroDialog::itemDelete);
    // The entries of hand editing follow the recorded macro's own.
    menu.addSeparator();
    menu.addAction(tr("Insert Key Tap...") + QLatin1Char('\t') + ShortcutText(kInsertKeys), this,
        [this] { InsertKey(MacroKeyChooser::Kind::Tap); });
    menu.addAction(tr("Insert Key Down..."), this, [this] { InsertKey(MacroKeyChooser::Kind::Down); });
    menu.addAction(tr("Insert Key Up..."), this, [this] { InsertKey(MacroKeyChooser::Kind::Up); });
    menu.addAction(
        tr("Insert Delay (%1 ms)").arg(ui->spbInsertDelay->value()), this, &MacroDialog::on_tbtnInsertDelay_clicked);
    menu.addSeparator();
    menu.addAction(
            tr("Move Up") + QLatin1Char('\t') + ShortcutText(kMoveUpKeys), this, &MacroDialog::on_tbtnMoveUp_clicked)
        ->setEnabled(row > 0);
    menu.addAction(tr("Move Down") + QLatin1Char('\t') + ShortcutText(kMoveDownKeys), this,
            &MacroDialog::on_tbtnMoveDown_clicked)
        ->setEnabled(row + 1 < ui->lswMacro->count());
    if (delay)
        menu.addAction(tr("Delete") + QLatin1Char('\t') + ShortcutText(kDeleteKeys), this,
            &MacroDialog::on_tbtnDeleteAction_clicked);
    menu.exec(QCursor::pos());
}

void MacroDialog::on_lswMacro_itemClicked(QListWidgetItem* item)
{
    HighlightRow(ui->lswMacro->row(item));
}

void MacroDialog::on_lswMacro_itemDoubleClicked(QListWidgetItem* item)
{
    qCDebug(lcMacro) << "Item Double Clicked";
    const int row = ui->lswMacro->row(item);
    HighlightRow(row);
    if (m_store->MacroActions(m_currentMacro).value(row).type != MacroAction::kDelay)
        return;
    // The list's double-click trigger opens the editor right after this slot.
    {
        const QSignalBlocker blocker(ui->lswMacro);
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
    m_editedItem = item;
    connect(ui->lswMacro, &QListWidget::itemChanged, this, &MacroDialog::delayItemChanged, Qt::UniqueConnection);
}

void MacroDialog::itemModify()
{
    QListWidgetItem* item = ui->lswMacro->currentItem();
    if (item == nullptr)
        return;
    {
        const QSignalBlocker blocker(ui->lswMacro);
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
    m_editedItem = item;
    connect(ui->lswMacro, &QListWidget::itemChanged, this, &MacroDialog::delayItemChanged, Qt::UniqueConnection);
    ui->lswMacro->editItem(item);
}

void MacroDialog::delayItemChanged(QListWidgetItem* item)
{
    disconnect(ui->lswMacro, &QListWidget::itemChanged, this, &MacroDialog::delayItemChanged);
    if (item == nullptr || item != m_editedItem)
        return;
    QString text = item->text();
    if (text.endsWith(QLatin1String("ms")))
        text.chop(2);
    bool ok = false;
    const quint64 value = text.toULongLong(&ok, 10);
    if (!ok)
        MessageBox::Critical(nullptr, tr("Error"), tr("Please Insert Number From 2 to 15000"));
    else
        m_store->SetDelay(m_currentMacro, m_selectedRow[m_currentMacro], MacroCodec::ClampDelay(value));
    // The row shows the delay as it is kept, also when it was refused or clamped.
    RedrawList();
}

void MacroDialog::itemDelete()
{
    qCDebug(lcMacro) << "Item Del";
    const tdu2 row = m_selectedRow[m_currentMacro];
    m_selectedRow[m_currentMacro] = kNoSelection;
    if (!m_store->Remove(m_currentMacro, row))
        RedrawList();
}

void MacroDialog::onKeyAction(tdu1 action, tdu2 vkCode, tdu4 time)
{
    Q_UNUSED(time)
    // Keys still on their way when recording stopped belong to no macro.
    if (!m_recording)
        return;
    if (ui->ckbMacroTime->isChecked()) {
        const tdu4 now = KeyHookBackend::TickCount();
        if (m_lastTick != 0) {
            const tdu4 delay = now - m_lastTick;
            m_lastTick = now;
            if (!m_store->Record({MacroAction::kDelay, MacroCodec::ClampDelay(delay)}))
                return;
        } else {
            m_lastTick = now;
        }
    }
    if (action == 0 || action == 1)
        m_store->Record({action == 0 ? MacroAction::kKeyDown : MacroAction::kKeyUp, vkCode});
    ui->lswMacro->setCurrentRow(ui->lswMacro->count() - 1);
}

bool MacroDialog::eventFilter(QObject* watched, QEvent* event)
{
    // A click below the rows takes the highlight away, so that inserts go to the end again.
    if (watched == ui->lswMacro->viewport() && event->type() == QEvent::MouseButtonPress && !m_recording
        && ui->lswMacro->itemAt(static_cast<QMouseEvent*>(event)->pos()) == nullptr)
        ClearHighlight();
    if (!m_recording || !m_windowOnly)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Claimed, so that no shortcut fires while the keys go into the macro.
        event->accept();
        return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        bool down = false;
        if (const tdu2 vk = KeyEventVk::Typed(*event, &down))
            KeyboardHook::HookProc(down ? KeyHookMessage::KeyDown : KeyHookMessage::KeyUp, vk);
        return true;
    }
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void MacroDialog::hideEvent(QHideEvent* event)
{
    StopRecording();
    QWidget::hideEvent(event);
}

void MacroDialog::RedrawList()
{
    m_editedItem = nullptr;
    {
        const QSignalBlocker blocker(ui->lswMacro);
        ui->lswMacro->clear();
    }
    for (const MacroAction& action : m_store->MacroActions(m_currentMacro))
        AppendRow(action);
    const tdu2 selected = m_selectedRow[m_currentMacro];
    if (selected < ui->lswMacro->count()) {
        const QSignalBlocker blocker(ui->lswMacro);
        ui->lswMacro->item(selected)->setBackground(kHighlight);
    }
    RefreshCount();
}

void MacroDialog::AppendRow(const MacroAction& action)
{
    const QPixmap& icon = action.type == MacroAction::kDelay
        ? m_delayIcon
        : (action.type == MacroAction::kKeyDown ? m_downIcon : m_upIcon);
    const QSignalBlocker blocker(ui->lswMacro);
    ui->lswMacro->addItem(new QListWidgetItem(QIcon(icon), RowText(action)));
}

void MacroDialog::HighlightRow(int row)
{
    if (row < 0 || row >= ui->lswMacro->count())
        return;
    // Colouring rows changes items; those changes are no delay edits.
    const QSignalBlocker blocker(ui->lswMacro);
    for (int i = 0; i < ui->lswMacro->count(); i++)
        ui->lswMacro->item(i)->setBackground(i == row ? kHighlight : kNoHighlight);
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

QString MacroDialog::RowText(const MacroAction& action) const
{
    if (action.type == MacroAction::kDelay)
        return QString::number(action.value) + QStringLiteral("ms");
    if (MacroKeyTable::Instance().Contains(action.value))
        return MacroKeyTable::Instance().KeyName(action.value);
    return tr("%1 (cannot be played)").arg(KeyText(action.value));
}

QString MacroDialog::KeyText(tdu2 vk)
{
    if (vk == 0)
        return tr("Unknown key");
    const QString name = MacroKeyTable::Instance().KeyName(vk);
    return name.isEmpty() ? MacroKeyTable::ForeignKeyName(vk) : name;
}

void MacroDialog::RecHidCmd(tdu1 cmd, tdu1* data, tdu2 len, const QVariant& context)
{
    if (!context.canConvert<Transfer>())
        return;
    const Transfer transfer = context.value<Transfer>();
    if (transfer.macro < 0 || transfer.macro >= Protocol::kMacroCount)
        return;
    if (cmd == Protocol::kCmdWriteMacro)
        HandleWriteReply(transfer, data, len);
    else if (cmd == Protocol::kCmdReadMacro)
        HandleReadReply(transfer.macro, data, len);
}

void MacroDialog::HandleWriteReply(const Transfer& transfer, const tdu1* data, tdu2 len)
{
    if (data == nullptr || len < 1 || data[0] != 0) {
        emit ResultShow(kFailure, tr("Fail to Write Macro Data"));
        return;
    }
    // The keyboard holds what this write carried, whatever was edited since.
    m_store->MarkKept(transfer.macro, transfer.actions);
    emit ResultShow(kSuccess, tr("Success to Write Macro Data"));
}

void MacroDialog::HandleReadReply(int macro, const tdu1* data, tdu2 len)
{
    // A recording owns the shown macro until it stops.
    if (m_recording && macro == m_currentMacro) {
        emit ResultShow(kWarning, tr("The macro read from the keyboard was not shown: a recording was running."));
        return;
    }
    const MacroCodec::ReadReply reply = MacroCodec::DecodeReadReply(data, len);
    switch (reply.status) {
    case MacroCodec::ReadReply::Status::BadIndex:
    case MacroCodec::ReadReply::Status::BadCount:
        qCDebug(lcMacro) << "Read reply ignored" << reply.index << reply.count;
        emit ResultShow(kFailure, tr("Fail to Read Macro Data: the keyboard's reply is incomplete."));
        return;
    case MacroCodec::ReadReply::Status::TooShort:
        qCDebug(lcMacro) << "Read reply too short" << len;
        emit ResultShow(kFailure, tr("Fail to Read Macro Data: the keyboard's reply is incomplete."));
        return;
    case MacroCodec::ReadReply::Status::Ok:
        break;
    }
    if (reply.skippedWords > 0)
        qCDebug(lcMacro) << "Read reply words without a type skipped:" << reply.skippedWords;
    m_selectedRow[size_t(macro)] = kNoSelection;
    m_store->Replace({{macro, reply.actions}}, tr("Read Macro"));
    m_store->MarkKept(macro, reply.actions);
    if (macro == m_currentMacro)
        RedrawList();
}

void MacroDialog::SetupEditing()
{
    ui->wdgEditTools->setStyleSheet(QString::fromLatin1(kEditToolsStyle)
        + Palette::DisabledButtonSheet(QStringLiteral("QToolButton"))
        + Palette::FocusSheet(Palette::kFocus, Palette::kFocusOnLight));
    ui->spbInsertDelay->setRange(MacroAction::kMinDelay, MacroAction::kMaxDelay);
    ui->lswMacro->viewport()->installEventFilter(this);

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

    // Every edit of every macro is one step; undo shows the macro it changed.
    const UndoButtons::Actions keys = UndoButtons::Attach(
        this, m_store->UndoStack(), ui->tbtnMacroUndo, ui->tbtnMacroRedo, [this] { on_tbtnMacroUndo_clicked(); },
        [this] { on_tbtnMacroRedo_clicked(); });
    m_undoAction = keys.undo;
    m_redoAction = keys.redo;

    m_copyMenu = new QMenu(ui->tbtnCopyMacro);
    m_copyMenu->setObjectName(QStringLiteral("menuCopyMacro"));
    connect(m_copyMenu, &QMenu::aboutToShow, this, &MacroDialog::FillCopyMenu);
    ui->tbtnCopyMacro->setMenu(m_copyMenu);
    ui->tbtnCopyMacro->setPopupMode(QToolButton::InstantPopup);

    m_exportMenu = new QMenu(ui->tbtnExportMacro);
    m_exportMenu->setObjectName(QStringLiteral("menuExportMacro"));
    m_exportMenu->addAction(tr("All Macros..."), this, [this] { ExportMacros(true); })
        ->setObjectName(QStringLiteral("actExportAll"));
    m_exportMenu->addAction(tr("Shown Macro..."), this, [this] { ExportMacros(false); })
        ->setObjectName(QStringLiteral("actExportShown"));
    ui->tbtnExportMacro->setMenu(m_exportMenu);
    ui->tbtnExportMacro->setPopupMode(QToolButton::InstantPopup);
}

void MacroDialog::UpdateEditButtons()
{
    const int count = m_store->MacroActions(m_currentMacro).size();
    const int row = m_selectedRow[m_currentMacro];
    const bool selected = row < count;
    ui->tbtnMoveUp->setEnabled(selected && row > 0);
    ui->tbtnMoveDown->setEnabled(selected && row + 1 < count);
    ui->tbtnDeleteAction->setEnabled(selected);
    ui->tbtnCopyMacro->setEnabled(count > 0);
    ui->tbtnClearMacro->setEnabled(count > 0);
}

QString MacroDialog::MacroName(int macro) const
{
    return tr("Macro") + QString::number(macro + 1);
}

bool MacroDialog::HasRoom(int count)
{
    const int used = m_store->MacroActions(m_currentMacro).size();
    if (used + count <= Protocol::kMaxMacroActions)
        return true;
    const QString text = used >= Protocol::kMaxMacroActions
        ? tr("%1 is full: a macro holds at most %2 actions. Delete some to make room.")
              .arg(MacroName(m_currentMacro))
              .arg(Protocol::kMaxMacroActions)
        : tr("%1 has room for %2 more actions, but this needs %3. A macro holds at most %4 actions.")
              .arg(MacroName(m_currentMacro))
              .arg(Protocol::kMaxMacroActions - used)
              .arg(count)
              .arg(Protocol::kMaxMacroActions);
    MessageBox::Information(this, tr("Macro Full"), text);
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
    // The list itself takes no focus; only a delay's editor inside it does.
    const QWidget* focus = QApplication::focusWidget();
    return focus != nullptr && ui->lswMacro->isAncestorOf(focus);
}

void MacroDialog::InsertKey(MacroKeyChooser::Kind kind)
{
    if (m_recording || !HasRoom(1))
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
    if (m_recording)
        return;
    InsertActions({{MacroAction::kDelay, tdu2(ui->spbInsertDelay->value())}});
}

void MacroDialog::MoveSelected(int step)
{
    const int row = m_selectedRow[m_currentMacro];
    const int target = row + step;
    // Not while a delay is being typed: the edit belongs to the row where it started.
    if (m_recording || IsEditingDelay())
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
    if (m_recording || row >= count || IsEditingDelay())
        return;
    // The row that moves up into the place is chosen next, so that deleting can go on.
    m_selectedRow[m_currentMacro] = count == 1 ? kNoSelection : tdu2(qMin(row, count - 2));
    m_store->Remove(m_currentMacro, row);
}

void MacroDialog::ClearHighlight()
{
    m_selectedRow[m_currentMacro] = kNoSelection;
    const QSignalBlocker blocker(ui->lswMacro);
    for (int i = 0; i < ui->lswMacro->count(); i++)
        ui->lswMacro->item(i)->setBackground(kNoHighlight);
    UpdateEditButtons();
}

void MacroDialog::on_tbtnTextToMacro_clicked()
{
    if (m_recording || !HasRoom(1))
        return;
    MacroTextDialog dialog(MacroName(m_currentMacro), m_store->Room(m_currentMacro), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    InsertActions(dialog.Actions());
}

void MacroDialog::FillCopyMenu()
{
    m_copyMenu->clear();
    for (int macro = 0; macro < Protocol::kMacroCount; macro++) {
        const int count = m_store->MacroActions(macro).size();
        const QString text = count == 0 ? MacroName(macro) : tr("%1 (%2 actions)").arg(MacroName(macro)).arg(count);
        QAction* action = m_copyMenu->addAction(text, this, [this, macro] { CopyShownMacroTo(macro); });
        action->setObjectName(QStringLiteral("actCopyTo%1").arg(macro + 1));
        action->setEnabled(macro != m_currentMacro);
    }
}

void MacroDialog::CopyShownMacroTo(int target)
{
    if (m_recording || target == m_currentMacro || target < 0 || target >= Protocol::kMacroCount)
        return;
    const QVector<MacroAction> source = m_store->MacroActions(m_currentMacro);
    const QVector<MacroAction> replaced = m_store->MacroActions(target);
    if (!replaced.isEmpty()) {
        const QMessageBox::StandardButton answer = MessageBox::Question(this, tr("Copy Macro"),
            tr("%1 already has %2 actions. Replace them with the %3 actions of %4?")
                .arg(MacroName(target))
                .arg(replaced.size())
                .arg(source.size())
                .arg(MacroName(m_currentMacro)),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return;
    }
    m_selectedRow[target] = kNoSelection;
    m_store->Replace({{target, source}}, tr("Copy Macro"));
    emit ResultShow(kSuccess,
        tr("%1 copied to %2; write it to keep it on the keyboard.").arg(MacroName(m_currentMacro), MacroName(target)));
}

void MacroDialog::on_tbtnClearMacro_clicked()
{
    const QVector<MacroAction> actions = m_store->MacroActions(m_currentMacro);
    if (m_recording || actions.isEmpty())
        return;
    const QMessageBox::StandardButton answer = MessageBox::Question(this, tr("Clear Macro"),
        tr("Remove all %1 actions of %2?").arg(actions.size()).arg(MacroName(m_currentMacro)),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    m_selectedRow[m_currentMacro] = kNoSelection;
    m_store->Replace({{int(m_currentMacro), {}}}, tr("Clear Macro"));
}

void MacroDialog::on_tbtnImportMacro_clicked()
{
    if (m_recording)
        return;
    const QString path = FileDialog::GetOpenFileName(this, tr("Import Macros"), FileDialog::StartFolder(),
        tr("Macro files (*.%1)").arg(QLatin1String(kMacroFileSuffix)));
    if (path.isEmpty())
        return;
    MacroFile::Result file = MacroFile::Load(path);
    if (!file.ok) {
        MessageBox::Critical(this, tr("Import Macros"),
            tr("%1 cannot be imported; no macro was changed.\n%2").arg(QFileInfo(path).fileName(), file.error));
        return;
    }
    // A file of one macro goes into the shown macro; a file of several back to their numbers.
    if (file.macros.size() == 1)
        file.macros.first().index = m_currentMacro;
    QStringList replaced;
    for (const MacroFile::Macro& macro : qAsConst(file.macros)) {
        const QVector<MacroAction> current = m_store->MacroActions(macro.index);
        if (!current.isEmpty() && current != macro.actions)
            replaced.append(MacroName(macro.index));
    }
    if (!replaced.isEmpty()) {
        const QMessageBox::StandardButton answer = MessageBox::Question(this, tr("Import Macros"),
            tr("Importing replaces these macros, which are not empty: %1. Import?")
                .arg(replaced.join(QStringLiteral(", "))),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return;
    }
    QMap<int, MacroStore::Actions> imported;
    for (const MacroFile::Macro& macro : qAsConst(file.macros)) {
        imported.insert(macro.index, macro.actions);
        m_selectedRow[macro.index] = kNoSelection;
    }
    m_store->Replace(imported, tr("Import Macros"));
    // The file holds them.
    for (auto it = imported.cbegin(); it != imported.cend(); ++it)
        m_store->MarkKept(it.key(), it.value());
    RedrawList();
    emit ResultShow(kSuccess,
        tr("%1 macros imported from %2; write them to keep them on the keyboard.")
            .arg(file.macros.size())
            .arg(QFileInfo(path).fileName()));
}

bool MacroDialog::ExportMacros(bool all)
{
    if (m_recording)
        return false;
    const QString caption = all ? tr("Export All Macros") : tr("Export %1").arg(MacroName(m_currentMacro));
    const QString suggested = all ? QStringLiteral("macros") : QStringLiteral("macro%1").arg(m_currentMacro + 1);
    QString path = FileDialog::GetSaveFileName(this, caption,
        FileDialog::StartFolder() + suggested + QLatin1Char('.') + QLatin1String(kMacroFileSuffix),
        tr("Macro files (*.%1)").arg(QLatin1String(kMacroFileSuffix)));
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + QLatin1String(kMacroFileSuffix);
    QVector<MacroFile::Macro> macros;
    for (int macro = 0; macro < Protocol::kMacroCount; macro++) {
        if (all || macro == m_currentMacro)
            macros.append({macro, m_store->MacroActions(macro)});
    }
    QString error;
    if (!MacroFile::Save(path, macros, &error)) {
        MessageBox::Critical(
            this, caption, tr("%1 could not be saved:\n%2").arg(QDir::toNativeSeparators(path), error));
        return false;
    }
    for (const MacroFile::Macro& macro : qAsConst(macros))
        m_store->MarkKept(macro.index, macro.actions);
    emit ResultShow(kSuccess, tr("Macros saved to %1").arg(QDir::toNativeSeparators(path)));
    return true;
}

bool MacroDialog::HasUnsavedEdits() const
{
    return !m_store->UnsavedMacros().isEmpty();
}

QString MacroDialog::UnsavedEditsText() const
{
    QStringList numbers;
    for (int macro : m_store->UnsavedMacros())
        numbers.append(QString::number(macro + 1));
    const QString what = numbers.size() == 1
        ? tr("Macro %1 has edits that were neither written to the keyboard nor exported to a file.")
              .arg(numbers.first())
        : tr("Macros %1 have edits that were neither written to the keyboard nor exported to a file.")
              .arg(numbers.join(QStringLiteral(", ")));
    return what + QStringLiteral("\n\n") + tr("Save before closing? All macros go to one macro file.");
}

bool MacroDialog::SaveUnsavedMacros()
{
    return ExportMacros(true);
}

void MacroDialog::on_tbtnMacroUndo_clicked()
{
    if (!m_recording && !IsEditingDelay())
        m_store->UndoStack()->undo();
}

void MacroDialog::on_tbtnMacroRedo_clicked()
{
    if (!m_recording && !IsEditingDelay())
        m_store->UndoStack()->redo();
}

bool MacroDialog::ConfirmKeyBalance()
{
    const MacroKeyBalance::Result balance = MacroKeyBalance::Check(m_store->MacroActions(m_currentMacro));
    if (balance.IsSound())
        return true;
    const auto names = [](const QVector<tdu2>& keys) {
        QStringList list;
        for (const tdu2 vk : keys)
            list.append(KeyText(vk));
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
    const QMessageBox::StandardButton answer = MessageBox::Question(this, tr("Stuck Keys"),
        tr("%1 may leave the computer with stuck keys.").arg(MacroName(m_currentMacro)) + QLatin1Char('\n')
            + lines.join(QLatin1Char('\n')),
        buttons, QMessageBox::Cancel, texts);
    if (answer == QMessageBox::No)
        return true;
    if (answer != QMessageBox::Yes || balance.leftDown.isEmpty())
        return false;
    const QVector<MacroAction> ups = MacroKeyBalance::MissingKeyUps(balance);
    if (!HasRoom(ups.size()))
        return false;
    m_store->Insert(m_currentMacro, -1, ups);
    ui->lswMacro->scrollToBottom();
    return true;
}
