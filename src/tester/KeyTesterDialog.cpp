#include "tester/KeyTesterDialog.h"

#include "codec/KeyboardModel.h"
#include "codec/MacroKeyTable.h"
#include "keymap/KeyCodeCatalogue.h"
#include "keymap/KeyCodePannelBase.h"
#include "keymap/KeyUseScale.h"
#include "keymap/KeyUseStore.h"
#include "layout/KeyCap.h"
#include "layout/KeyPannel.h"
#include "layout/LayoutDescription.h"
#include "macro/KeyCaptureService.h"
#include "macro/MacroRecorder.h"
#include "tester/KeyTestModel.h"
#include "tester/TesterLog.h"
#include "ui/MessageBox.h"
#include "ui/Palette.h"
#include "ui/Shortcuts.h"
#include "ui_KeyTesterDialog.h"

#include <QHideEvent>
#include <QSettings>
#include <QShowEvent>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <iterator>

using namespace Palette;

namespace {
const char* const kPageStyle = "QLabel{color:#202020;}";
// Names in the list of keys never pressed; the rest is counted.
constexpr int kNamesShown = 40;
const QString kHeatMapKey = QStringLiteral("keyTester/heatMap");
// Presses wait at most this long for the file, so that a crash loses little.
constexpr int kSaveDelayMs = 60 * 1000;

// Keys the computer sees that a macro cannot play, by HID usage: Menu and F13 to F24.
constexpr tdu1 kUsageMenu = 0x65;
constexpr tdu2 kVkMenu = 0x5D;
constexpr tdu1 kUsageF13 = 0x68;
constexpr tdu1 kUsageF24 = 0x73;
constexpr tdu2 kVkF13 = 0x7C;
// Ctrl+T ends a test from the keyboard, whose keys all go to the test meanwhile.
constexpr tdu2 kVkT = 0x54;
constexpr tdu2 kVkControls[] = {0x11, 0xA2, 0xA3};

// The virtual-key code a layout's code types, 0 for keys that send no plain key (Fn, layer and
// lighting keys), which the computer never sees. A dual-role key is tested by its tap and a
// combination by its key: those reach the computer.
tdu2 VkOfCode(tdu2 code)
{
    const int kind = KeyCodeCatalogue::CodeKind(code);
    if (kind >= KeyCodeCatalogue::KindDualLeft && kind <= KeyCodeCatalogue::KindCombRight)
        code = KeyCodeCatalogue::CodeKey(code);
    if (code == 0 || code > 0xFF)
        return 0;
    if (code == kUsageMenu)
        return kVkMenu;
    if (code >= kUsageF13 && code <= kUsageF24)
        return tdu2(kVkF13 + code - kUsageF13);
    return MacroKeyTable::Instance().HidToVk(tdu1(code));
}
} // namespace

KeyTesterDialog::KeyTesterDialog(QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::KeyTesterDialog)
    , m_model(new KeyTestModel(this))
    , m_keyUse(new KeyUseStore(this))
    , m_saveTimer(new QTimer(this))
{
    m_ui->setupUi(this);
    setAttribute(Qt::WA_StyledBackground, true);
    // The page's own buttons only: the key caps are tool buttons too and keep their own look.
    setStyleSheet(QString::fromLatin1(kPageStyle)
        + Palette::ButtonSheet({QStringLiteral("QToolButton#tbtnKeyTest"),
            QStringLiteral("QToolButton#tbtnKeyTestReset"), QStringLiteral("QToolButton#tbtnClearCounts")})
        + Palette::FocusSheet(Palette::kFocus, Palette::kFocusOnLight));
    m_ui->spbChatterMs->setRange(KeyTestModel::kMinThresholdMs, KeyTestModel::kMaxThresholdMs);
    m_ui->spbChatterMs->setValue(KeyTestModel::kDefaultThresholdMs);
    {
        const QSignalBlocker quiet(m_ui->chkHeatMap);
        m_ui->chkHeatMap->setChecked(QSettings().value(kHeatMapKey, false).toBool());
    }
    m_saveTimer->setSingleShot(true);
    m_saveTimer->setInterval(kSaveDelayMs);
    connect(m_saveTimer, &QTimer::timeout, this, [this] { SaveKeyUse(true); });
    m_pannel = new KeyPannel(m_ui->wdgKeyTestPannel);
    m_pannel->hide();
    SetCaptureService(nullptr);
    auto* keys = new Shortcuts(this, tr("Key tester"));
    keys->AddButton(m_ui->tbtnKeyTest, QKeySequence(Qt::CTRL | Qt::Key_T), tr("Start or stop the test"));
    keys->AddButton(m_ui->tbtnKeyTestReset, QKeySequence(Qt::CTRL | Qt::Key_Backspace), tr("Reset this test's counts"));
    keys->AddButton(m_ui->chkHeatMap, QKeySequence(Qt::CTRL | Qt::Key_H), tr("Show or hide the heat map"));
    keys->AddButton(
        m_ui->tbtnClearCounts, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete), tr("Clear the heat map's counts"));
    connect(m_model, &KeyTestModel::KeyChanged, this, &KeyTesterDialog::RefreshCell);
    connect(m_model, &KeyTestModel::Cleared, this, &KeyTesterDialog::RefreshAll);
    RefreshSummary();
}

KeyTesterDialog::~KeyTesterDialog()
{
    StopTest();
    // The window is going: nobody to tell.
    SaveKeyUse(false);
}

void KeyTesterDialog::SetCaptureService(KeyCaptureService* service)
{
    StopTest();
    if (m_capture) {
        disconnect(m_capture, nullptr, this, nullptr);
        if (m_ownCapture)
            delete m_capture;
    }
    m_ownCapture = service == nullptr;
    m_capture = m_ownCapture ? new KeyCaptureService(this) : service;
    connect(m_capture, &KeyCaptureService::KeyEvent, this, &KeyTesterDialog::OnKeyEvent);
    connect(m_capture, &KeyCaptureService::FellBack, this, [this](QObject* holder, KeyHookError) {
        if (holder == this)
            emit ResultShow(kWarning, WindowOnlyText());
    });
    if (isVisible())
        m_capture->Prepare();
}

KeyCaptureService* KeyTesterDialog::CaptureService() const
{
    return m_capture;
}

KeyPannel* KeyTesterDialog::Pannel() const
{
    return m_pannel;
}

KeyTestModel* KeyTesterDialog::Model() const
{
    return m_model;
}

KeyTestOverlay* KeyTesterDialog::Overlay() const
{
    return m_overlay;
}

KeyUseStore* KeyTesterDialog::KeyUse() const
{
    return m_keyUse;
}

bool KeyTesterDialog::IsHeatMap() const
{
    return m_ui->chkHeatMap->isChecked();
}

void KeyTesterDialog::SetKeyUseFile(const QString& path, tdu2 productId)
{
    QString error;
    if (!m_keyUse->Open(path, productId, &error))
        emit ResultShow(kWarning, tr("The kept key counts could not be read; the heat map starts again from nothing."));
    RefreshAll();
}

void KeyTesterDialog::SaveKeyUse(bool tell)
{
    m_saveTimer->stop();
    QString error;
    if (m_keyUse->Save(&error))
        return;
    qCDebug(lcTester) << "Key use not saved" << error;
    if (tell)
        emit ResultShow(kFailure, tr("The key counts could not be saved: %1").arg(error));
}

void KeyTesterDialog::SetLayoutCodes(const LayoutDescription& layout)
{
    QHash<int, int> cellAt;
    m_cells.clear();
    // A later entry for the same cell overrides an earlier one, as on the other panels.
    for (const LayoutKey& key : layout.keys) {
        const QPoint pos(key.col, key.row);
        const int cellKey = key.row * KeyPannel::kCols + key.col;
        const int existing = cellAt.value(cellKey, -1);
        if (!key.valid) {
            if (existing >= 0)
                m_cells[existing].layoutCode = 0;
            continue;
        }
        const Cell cell {pos, 0, 0, key.keycode[0], {}, {}};
        if (existing >= 0) {
            m_cells[existing] = cell;
        } else {
            cellAt.insert(cellKey, m_cells.size());
            m_cells.append(cell);
        }
    }
    TakeCodes();
}

void KeyTesterDialog::SetKeyboardModel(const KeyboardModel* model)
{
    if (m_keyboard)
        disconnect(m_keyboard, nullptr, this, nullptr);
    m_keyboard = model;
    if (model) {
        connect(model, &KeyboardModel::KeymapKnownChanged, this, [this](int keymap) {
            if (keymap == 0)
                TakeCodes();
        });
        connect(model, &KeyboardModel::Forgotten, this, &KeyTesterDialog::TakeCodes);
    }
    TakeCodes();
}

void KeyTesterDialog::TakeCodes()
{
    const bool known = m_keyboard && m_keyboard->KeymapKnown(0);
    m_cellsOfVk.clear();
    QList<tdu2> vks;
    for (int i = 0; i < m_cells.size(); ++i) {
        Cell& cell = m_cells[i];
        const QPoint& pos = cell.pos;
        const bool inGrid = pos.y() < Protocol::kMaxRows && pos.x() < Protocol::kMaxCols;
        cell.code = known && inGrid ? m_keyboard->Keymap(0)[0][size_t(pos.y())][size_t(pos.x())] : cell.layoutCode;
        cell.vk = VkOfCode(cell.code);
        if (cell.vk == 0)
            continue;
        if (!m_cellsOfVk.contains(cell.vk))
            vks.append(cell.vk);
        m_cellsOfVk.insert(cell.vk, i);
    }
    m_model->SetKeys(vks);
    m_ui->lblKeyTestSource->setText(
        (known ? tr("The caps show keymap 1 as the keyboard holds it (its first layer).")
               : tr("The keyboard's keymap 1 is not read yet: the caps show the layout's own keys."))
        + QLatin1Char(' ')
        + tr("Hatched caps (Fn, layer and lighting keys) never reach the computer, so they cannot be tested here."));
    if (m_overlay == nullptr)
        return;
    ShowCodes();
    RefreshAll();
}

void KeyTesterDialog::ShowCodes()
{
    for (Cell& cell : m_cells) {
        KeyCap* cap = m_pannel->Cap(tdu1(cell.pos.y()), tdu1(cell.pos.x()));
        if (cap == nullptr)
            continue;
        KeyCodePannelBase::ShowCode(cap, cell.code);
        cell.toolTip = cap->toolTip();
        cell.description = cap->Button()->accessibleDescription();
    }
}

void KeyTesterDialog::SetupPannel()
{
    KeyCap::MakeStyleHost(m_pannel);
    m_pannel->BuildPannel();
    // After the build, which sets the panel's own rules.
    m_pannel->setStyleSheet(m_pannel->styleSheet() + KeyUseScale::StyleRules());
    m_ui->layKeyTestPannel->addWidget(m_pannel);
    m_ui->layKeyTestPannel->addStretch(1);
    m_pannel->show();
    ShowCodes();
    m_overlay = new KeyTestOverlay(m_pannel);
    m_overlay->SetHeatMap(IsHeatMap());
    RefreshAll();
}

KeyTestOverlay::Mark KeyTesterDialog::MarkOf(int index) const
{
    const Cell& cell = m_cells.at(index);
    KeyTestOverlay::Mark mark;
    const KeyCap* cap = m_pannel->Cap(tdu1(cell.pos.y()), tdu1(cell.pos.x()));
    if (cap == nullptr)
        return mark;
    mark.face = QRect(cap->mapTo(m_pannel, QPoint(0, 0)), cap->size());
    // Counts stop at KeyUseStore::kMaxCount, well inside an int.
    mark.uses = int(m_keyUse->Count(KeyUseStore::Place(cell.pos.y(), cell.pos.x())));
    mark.heat = KeyUseScale::StepOf(mark.uses, m_shownMost);
    if (cell.vk == 0) {
        mark.kind = KeyTestOverlay::Mark::Kind::Untestable;
        return mark;
    }
    const KeyTestModel::KeyState state = m_model->State(cell.vk);
    mark.presses = state.presses;
    mark.chatters = state.chatters;
    if (state.held)
        mark.kind = KeyTestOverlay::Mark::Kind::Held;
    else if (state.presses > 0)
        mark.kind = KeyTestOverlay::Mark::Kind::Pressed;
    return mark;
}

void KeyTesterDialog::RefreshAll()
{
    if (m_overlay == nullptr)
        return;
    // Cap positions are known once the panel is laid out.
    m_pannel->layout()->activate();
    m_shownMost = m_keyUse->Most();
    QVector<KeyTestOverlay::Mark> marks;
    marks.reserve(m_cells.size());
    for (int i = 0; i < m_cells.size(); ++i) {
        marks.append(MarkOf(i));
        ShowUse(i, marks.last());
    }
    m_overlay->SetMarks(marks);
    RefreshSummary();
}

void KeyTesterDialog::RefreshCell(tdu2 vk)
{
    if (m_overlay == nullptr)
        return;
    // A new top moves every key on the scale.
    if (m_keyUse->Most() != m_shownMost) {
        RefreshAll();
        return;
    }
    const QList<int> cells = m_cellsOfVk.values(vk);
    for (int index : cells) {
        const KeyTestOverlay::Mark mark = MarkOf(index);
        ShowUse(index, mark);
        m_overlay->SetMark(index, mark);
    }
    RefreshSummary();
}

void KeyTesterDialog::ShowUse(int index, const KeyTestOverlay::Mark& mark)
{
    const Cell& cell = m_cells.at(index);
    KeyCap* cap = m_pannel->Cap(tdu1(cell.pos.y()), tdu1(cell.pos.x()));
    if (cap == nullptr)
        return;
    const bool on = IsHeatMap();
    KeyUseScale::Apply(cap->Button(), on ? mark.heat : 0);
    if (!on) {
        cap->setToolTip(cell.toolTip);
        cap->Button()->setAccessibleDescription(cell.description);
        return;
    }
    const QString pressed = mark.uses == 1 ? tr("Pressed once") : tr("Pressed %1 times").arg(mark.uses);
    const auto joined
        = [&pressed](const QString& text) { return text.isEmpty() ? pressed : text + QLatin1Char('\n') + pressed; };
    cap->setToolTip(joined(cell.toolTip));
    cap->Button()->setAccessibleDescription(joined(cell.description));
}

QString KeyTesterDialog::KeyName(tdu2 vk) const
{
    const QList<int> cells = m_cellsOfVk.values(vk);
    const QString caption = cells.isEmpty() ? QString()
                                            : KeyCodeCatalogue::KeyCaption(m_cells.at(cells.last()).code)
                                                  .replace(QLatin1Char('\n'), QLatin1Char(' '))
                                                  .replace(QStringLiteral("&&"), QStringLiteral("&"));
    return caption.trimmed().isEmpty() ? MacroKeyTable::ForeignKeyName(vk) : caption.trimmed();
}

void KeyTesterDialog::RefreshSummary()
{
    const int total = m_model->Keys().size();
    const QList<tdu2> never = m_model->NeverPressed();
    const QList<tdu2> chattering = m_model->Chattering();
    QStringList chatterNames;
    for (tdu2 vk : chattering)
        chatterNames.append(tr("%1 (%2x)").arg(KeyName(vk)).arg(m_model->State(vk).chatters));
    QString summary = tr("%1 of %2 keys pressed.").arg(total - never.size()).arg(total);
    summary += QLatin1Char(' ');
    summary += chattering.isEmpty() ? tr("No key chattered.")
                                    : tr("Chattering: %1.").arg(chatterNames.join(QStringLiteral(", ")));
    m_ui->lblKeyTestSummary->setText(summary);

    if (never.isEmpty()) {
        m_ui->lblNeverPressed->setText(total > 0 ? tr("Every key was pressed.") : QString());
        return;
    }
    QStringList names;
    for (int i = 0; i < never.size() && i < kNamesShown; ++i)
        names.append(KeyName(never.at(i)));
    if (never.size() > kNamesShown)
        names.append(tr("and %1 more").arg(never.size() - kNamesShown));
    m_ui->lblNeverPressed->setText(tr("Never pressed: %1").arg(names.join(QStringLiteral(", "))));
}

void KeyTesterDialog::on_tbtnKeyTest_clicked(bool checked)
{
    if (checked)
        StartTest();
    else
        StopTestAndSay();
}

void KeyTesterDialog::StopTestAndSay()
{
    if (!IsTesting())
        return;
    StopTest();
    emit ResultShow(kSuccess, tr("Key test off: the keyboard is the desktop's again."));
}

void KeyTesterDialog::StartTest()
{
    if (IsTesting() || !m_capture)
        return;
    const KeyCaptureService::Mode mode = m_capture->Take(this, this);
    if (mode == KeyCaptureService::Mode::Off) {
        // The keyboard goes to one taker at a time.
        m_ui->tbtnKeyTest->setChecked(false);
        emit ResultShow(kFailure,
            qobject_cast<MacroRecorder*>(m_capture->Holder()) != nullptr
                ? tr("A macro is being recorded. Stop the recording first.")
                : tr("Another window is testing keys. Stop it there first."));
        return;
    }
    m_ui->tbtnKeyTest->setChecked(true);
    if (mode == KeyCaptureService::Mode::WindowOnly)
        emit ResultShow(kWarning, WindowOnlyText());
    else
        emit ResultShow(kSuccess, tr("Testing keys: every key goes to this page until Test Keys is switched off."));
}

QString KeyTesterDialog::WindowOnlyText() const
{
    return tr("Only the keys typed into this window are tested: the keyboard could not be taken from the desktop.");
}

void KeyTesterDialog::StopTest()
{
    if (!IsTesting())
        return;
    m_capture->Release(this);
    m_ui->tbtnKeyTest->setChecked(false);
    // A key held when the test stopped would stay lit.
    m_model->ReleaseHeld();
    SaveKeyUse(false);
    qCDebug(lcTester) << "Key Test Stopped";
}

bool KeyTesterDialog::IsTesting() const
{
    return m_capture && m_capture->Holder() == this;
}

bool KeyTesterDialog::IsWindowOnly() const
{
    return IsTesting() && m_capture->CurrentMode() == KeyCaptureService::Mode::WindowOnly;
}

void KeyTesterDialog::on_tbtnKeyTestReset_clicked()
{
    m_model->Reset();
}

void KeyTesterDialog::on_spbChatterMs_valueChanged(int ms)
{
    m_model->SetThreshold(ms);
}

void KeyTesterDialog::on_chkHeatMap_toggled(bool on)
{
    QSettings().setValue(kHeatMapKey, on);
    if (m_overlay)
        m_overlay->SetHeatMap(on);
    RefreshAll();
}

void KeyTesterDialog::on_tbtnClearCounts_clicked()
{
    const QMessageBox::StandardButton answer = MessageBox::Warning(this, tr("Clear Counts"),
        tr("Forget every press kept for the heat map of this keyboard model? This cannot be undone."),
        QMessageBox::Yes | QMessageBox::Cancel, QMessageBox::Cancel);
    if (answer != QMessageBox::Yes)
        return;
    QString error;
    if (m_keyUse->Clear(&error)) {
        m_saveTimer->stop();
        emit ResultShow(kSuccess, tr("The kept key counts were cleared."));
    } else {
        emit ResultShow(kFailure, tr("The key counts could not be cleared: %1").arg(error));
    }
    RefreshAll();
}

void KeyTesterDialog::OnKeyEvent(QObject* holder, bool down, tdu2 vk, tdu4 timeMs)
{
    if (holder != this)
        return;
    // Counted before the model tells the caps, which then show the new count; a held key's
    // auto-repeat is no press.
    if (down && !m_model->State(vk).held) {
        const QList<int> cells = m_cellsOfVk.values(vk);
        for (int index : cells)
            m_keyUse->Add(KeyUseStore::Place(m_cells.at(index).pos.y(), m_cells.at(index).pos.x()));
        if (!cells.isEmpty() && !m_saveTimer->isActive())
            m_saveTimer->start();
    }
    if (down)
        m_model->KeyDown(vk, timeMs);
    else
        m_model->KeyUp(vk, timeMs);
    if (down && vk == kVkT && std::any_of(std::begin(kVkControls), std::end(kVkControls), [this](tdu2 control) {
            return m_model->State(control).held;
        }))
        StopTestAndSay();
}

void KeyTesterDialog::showEvent(QShowEvent* event)
{
    if (m_capture)
        m_capture->Prepare();
    QWidget::showEvent(event);
}

void KeyTesterDialog::hideEvent(QHideEvent* event)
{
    StopTestAndSay();
    SaveKeyUse(true);
    QWidget::hideEvent(event);
}
