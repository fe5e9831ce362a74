#include "macro/MacroDialog.h"

#include "ui_MacroDialog.h"

#include "macro/KeyboardHook.h"
#include "macro/KeyboardThread.h"
#include "macro/MacroCodec.h"
#include "macro/MacroKeyTable.h"
#include "macro/MacroLog.h"
#include "macro/PhysicalKeyMap.h"
#include "ui/IconHelper.h"
#include "ui/MessageBox.h"
#include "ui/Palette.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolButton>

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
                               "QWidget#scrollArea{background:#090909;}"
                               "QPushButton,QToolButton{background:%1;border-style:outset;border-width:2px;"
                               "border-radius:5px;border-color:#000000;color:%2;padding:5px;}"
                               "QPushButton:hover,QPushButton:pressed,QToolButton:hover,QToolButton:pressed"
                               "{background:%3;color:%4;}";
// The virtual-key code of a key typed into the program, by its place on the keyboard.
tdu2 VkOfKeyEvent(const QKeyEvent& key)
{
#ifdef Q_OS_WIN
    // Windows names the key itself; only the modifiers come without their side, which the scan
    // code tells (right Shift 0x36, right Ctrl and Alt with the extended bit 0x100).
    constexpr quint32 kRightShiftScan = 0x36;
    constexpr quint32 kExtendedScan = 0x100;
    const quint32 scan = key.nativeScanCode();
    switch (key.nativeVirtualKey()) {
    case 0x10:
        return (scan & 0xFF) == kRightShiftScan ? 0xA1 : 0xA0;
    case 0x11:
        return (scan & kExtendedScan) ? 0xA3 : 0xA2;
    case 0x12:
        return (scan & kExtendedScan) ? 0xA5 : 0xA4;
    default:
        return tdu2(key.nativeVirtualKey());
    }
#else
    return PhysicalKeyMap::VkOfXKeycode(key.nativeScanCode());
#endif
}

const char* const kListStyle = "QListWidget{border:1px solid gray; color:black; }"
                               "QListWidget::Item:hover{background:skyblue; }";
} // namespace

MacroDialog::MacroDialog(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::MacroDialog)
{
    ui->setupUi(this);
    m_selectedRow.fill(kNoSelection);
    SetupStyle();

    ui->lswMacro->setFocusPolicy(Qt::NoFocus);
    ui->lswMacro->setMouseTracking(true);
    ui->lswMacro->setContextMenuPolicy(Qt::CustomContextMenu);
    ui->lswMacro->setStyleSheet(QString::fromLatin1(kListStyle));
    // The chosen row shows by its own colour; the list's selection colour would hide it.
    ui->lswMacro->setSelectionMode(QAbstractItemView::NoSelection);
    m_delayIcon = IconHelper::Instance()->GetPixmap(
        QString::fromLatin1(kRowIconColor), kGlyphDelay, kRowIconSize, kRowIconSize, kRowIconSize);
    m_downIcon = IconHelper::Instance()->GetPixmap(
        QString::fromLatin1(kRowIconColor), kGlyphDown, kRowIconSize, kRowIconSize, kRowIconSize);
    m_upIcon = IconHelper::Instance()->GetPixmap(
        QString::fromLatin1(kRowIconColor), kGlyphUp, kRowIconSize, kRowIconSize, kRowIconSize);

    CreateMacroButtons();
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
    setStyleSheet(QString::fromLatin1(kPageStyle).arg(kBackground, kText, kDarkBackground, kLightText));
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
        button->setFocusPolicy(Qt::NoFocus);
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
    if (macro < 0 || macro >= Protocol::kMacroCount)
        return {};
    return m_macroActions[macro];
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
    KeyboardHook::hookThread.store(m_hookThread.get());
    KeyboardHook::macroRecording.store(true);
    m_recording = true;
    m_macroActions[m_currentMacro].clear();
    m_selectedRow[m_currentMacro] = kNoSelection;
    for (QToolButton* button : qAsConst(m_macroButtons))
        button->setCheckable(false);
    ui->tbtnMacroRec->setText(tr("Stop Rec"));
    m_lastTick = 0;
    RefreshCount();

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
    ui->ckbMacroTime->setEnabled(true);
    ui->tbtnWriteMacro->setEnabled(true);
    ui->tbtnReadMacro->setEnabled(true);
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
    if (m_recording)
        return;
    for (int i = 0; i < m_macroButtons.size(); i++) {
        QToolButton* button = m_macroButtons.at(i);
        if (button == sender()) {
            button->setChecked(true);
            m_currentMacro = tdu1(i);
        } else {
            button->setChecked(false);
        }
    }
    RedrawList();
}

void MacroDialog::on_tbtnWriteMacro_clicked()
{
    const QVector<MacroAction>& actions = m_macroActions[m_currentMacro];
    QStringList unplayable;
    for (const MacroAction& action : actions) {
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
    QByteArray payload = MacroCodec::EncodeWrite(m_currentMacro, actions);
    emit SendCmd(Protocol::kCmdWriteMacro, reinterpret_cast<tdu1*>(payload.data()), tdu2(payload.size()));
}

void MacroDialog::on_tbtnReadMacro_clicked()
{
    tdu1 index = m_currentMacro;
    emit SendCmd(Protocol::kCmdReadMacro, &index, 1);
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
    const bool delay = m_macroActions[m_currentMacro].value(row).type == MacroAction::kDelay;
    QMenu menu(this);
    if (delay)
        menu.addAction(tr("Modify"), this, &MacroDialog::itemModify);
    else
        menu.addAction(tr("Delete"), this, &MacroDialog::itemDelete);
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
    if (m_macroActions[m_currentMacro].value(row).type != MacroAction::kDelay)
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
    QVector<MacroAction>& actions = m_macroActions[m_currentMacro];
    const tdu2 row = m_selectedRow[m_currentMacro];
    if (!ok) {
        MessageBox::Critical(nullptr, tr("Error"), tr("Please Insert Number From 2 to 15000"));
    } else if (row < actions.size() && actions.at(row).type == MacroAction::kDelay) {
        actions[row].value = MacroCodec::ClampDelay(value);
    }
    RedrawList();
}

void MacroDialog::itemDelete()
{
    qCDebug(lcMacro) << "Item Del";
    QVector<MacroAction>& actions = m_macroActions[m_currentMacro];
    const tdu2 row = m_selectedRow[m_currentMacro];
    if (row < actions.size())
        actions.remove(row);
    m_selectedRow[m_currentMacro] = kNoSelection;
    RedrawList();
}

void MacroDialog::onKeyAction(tdu1 action, tdu2 vkCode, tdu4 time)
{
    Q_UNUSED(time)
    // Keys still on their way when recording stopped belong to no macro.
    if (!m_recording)
        return;
    QVector<MacroAction>& actions = m_macroActions[m_currentMacro];
    if (ui->ckbMacroTime->isChecked()) {
        const tdu4 now = KeyHookBackend::TickCount();
        if (m_lastTick != 0) {
            const tdu4 delay = now - m_lastTick;
            m_lastTick = now;
            if (actions.size() >= Protocol::kMaxMacroActions)
                return;
            MacroAction pause;
            pause.type = MacroAction::kDelay;
            pause.value = MacroCodec::ClampDelay(delay);
            actions.append(pause);
            AppendRow(pause);
            RefreshCount();
        } else {
            m_lastTick = now;
        }
    }
    if (actions.size() >= Protocol::kMaxMacroActions)
        return;
    if (action == 0 || action == 1) {
        MacroAction key;
        key.type = action == 0 ? MacroAction::kKeyDown : MacroAction::kKeyUp;
        key.value = vkCode;
        actions.append(key);
        AppendRow(key);
    }
    ui->lswMacro->setCurrentRow(ui->lswMacro->count() - 1);
    RefreshCount();
}

bool MacroDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_recording || !m_windowOnly)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Claimed, so that no shortcut fires while the keys go into the macro.
        event->accept();
        return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat()) {
            const tdu2 vk = VkOfKeyEvent(*key);
            if (vk != 0)
                KeyboardHook::HookProc(
                    event->type() == QEvent::KeyPress ? KeyHookMessage::KeyDown : KeyHookMessage::KeyUp, vk);
        }
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
    const QVector<MacroAction>& actions = m_macroActions[m_currentMacro];
    for (const MacroAction& action : actions)
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
}

void MacroDialog::RefreshCount()
{
    ui->lblActionCnt->setText(QString::number(m_macroActions[m_currentMacro].size()));
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

void MacroDialog::RecHidCmd(tdu1 cmd, tdu1* data, tdu2 len)
{
    if (cmd == Protocol::kCmdWriteMacro)
        HandleWriteReply(data, len);
    else if (cmd == Protocol::kCmdReadMacro)
        HandleReadReply(data, len);
}

void MacroDialog::HandleWriteReply(const tdu1* data, tdu2 len)
{
    if (data != nullptr && len >= 1 && data[0] == 0)
        emit ResultShow(kSuccess, tr("Success to Write Macro Data"));
    else
        emit ResultShow(kFailure, tr("Fail to Write Macro Data"));
}

void MacroDialog::HandleReadReply(const tdu1* data, tdu2 len)
{
    if (m_recording)
        return;
    // Replies for another macro than the shown one are not ours to show.
    if (data != nullptr && len >= 1 && data[0] != m_currentMacro)
        return;
    const MacroCodec::ReadReply reply = MacroCodec::DecodeReadReply(data, len);
    switch (reply.status) {
    case MacroCodec::ReadReply::Status::BadIndex:
    case MacroCodec::ReadReply::Status::BadCount:
        qCDebug(lcMacro) << "Read reply ignored" << reply.index << reply.count;
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
    m_macroActions[m_currentMacro] = reply.actions;
    m_selectedRow[m_currentMacro] = kNoSelection;
    RedrawList();
}
