#include "keymap/KeymapDialog.h"

#include "ui_KeymapDialog.h"

#include "device/Protocol.h"
#include "keymap/KeyCodeBasicKeyPannel.h"
#include "keymap/KeyCodeCatalogue.h"
#include "keymap/KeyCodeCombKeyPannel.h"
#include "keymap/KeyCodeDiadKeyPannel.h"
#include "keymap/KeyCodeLayerKeyPannel.h"
#include "keymap/KeyCodeLedKeyPannel.h"
#include "keymap/KeyCodeMacroKeyPannel.h"
#include "keymap/KeyCodeMediaKeyPannel.h"
#include "keymap/KeyCodeSearchPannel.h"
#include "keymap/KeycodeFuncKeyPannel.h"
#include "keymap/KeymapDiffOverlay.h"
#include "keymap/KeymapEditCommand.h"
#include "keymap/KeymapFile.h"
#include "keymap/KeymapLog.h"
#include "keymap/KeymapStore.h"
#include "keymap/LayerChart.h"
#include "layout/KeyCap.h"
#include "layout/KeyPannel.h"
#include "layout/LayoutDescription.h"
#include "ui/FileDialog.h"
#include "ui/IconHelper.h"
#include "ui/MessageBox.h"
#include "ui/Palette.h"
#include "ui/UndoButtons.h"

#include <QAction>
#include <QBoxLayout>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QShortcut>
#include <QToolButton>
#include <QUndoGroup>
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

// Command icons: glyph size and pixmap edge.
constexpr int kCommandGlyphSize = 16;
constexpr int kCommandIconSize = 20;
constexpr ushort kSearchGlyph = 0xF002;

// Steps kept per keymap; a step keeps only the codes it changed.
constexpr int kUndoLimit = 1000;

// %1 light text, %2 background, %3 dark background, %4 text, %5 accent.
// %1 light text, %2 bar, %3 dark, %4 text, %5 accent, %6 under the mouse.
const char* const kPageStyle
    = "QWidget#KeymapDialog,QWidget#wdgLeft,QWidget#wdgRight{background:%2;}"
      "QStackedWidget#skwKeyCode{background:%3;}"
      "QWidget#wdgLeftSpilter,QWidget#wdgLeftSpilter2,QWidget#wdgSpilter2{background:#090909;}"
      "QLabel,QCheckBox{color:%1;}"
      "QWidget[flag=\"func\"] QAbstractButton{border:2px solid transparent;border-radius:0px;padding:5px;color:%4;"
      "background:%2;text-align:left;}"
      "QWidget[flag=\"func\"] QAbstractButton:hover{color:%1;background:%6;}"
      "QWidget[flag=\"func\"] QAbstractButton:pressed{border-style:solid;border-width:0px 0px 0px 3px;"
      "padding:5px 5px 5px 4px;border-color:%5;color:%1;background:%3;}"
      "QWidget[flag=\"keycode\"] QAbstractButton{border:2px solid transparent;border-radius:0px;padding:5px;"
      "color:%4;background:%2;}"
      "QWidget[flag=\"keycode\"] QAbstractButton:hover{color:%1;background:%6;}"
      "QWidget[flag=\"keycode\"] QAbstractButton:pressed,QWidget[flag=\"keycode\"] QAbstractButton:checked{"
      "border-style:solid;border-width:0px 0px 3px 0px;padding:6px 6px 4px 6px;border-color:%5;color:%1;"
      "background:%3;}"
      "QToolButton#tbtnLModSet,QToolButton#tbtnRModSet{border:1px solid %5;border-radius:3px;padding:4px 12px;"
      "color:%1;background:%2;}"
      "QToolButton#tbtnLModSet:hover,QToolButton#tbtnRModSet:hover{background:%6;}"
      "QLineEdit#ldtKeySearch{border:1px solid %4;border-radius:3px;padding:3px 6px;color:%1;background:%3;"
      "selection-background-color:%6;}"
      "QWidget#KeyCodeSearchPannel,QScrollArea#scaKeySearch,QWidget#wdgKeySearchResult{background:%3;}"
      "QMenu#mnuLayer{background:%3;color:%1;border:1px solid %4;}"
      "QMenu#mnuLayer::item{padding:5px 18px;}"
      "QMenu#mnuLayer::item:selected{background:%6;}"
      "QMenu#mnuLayer::separator{height:1px;background:%4;margin:3px 6px;}"
      // The focus mark, over the rules above that name their buttons.
      "QToolButton#tbtnLModSet:focus,QToolButton#tbtnRModSet:focus,QLineEdit#ldtKeySearch:focus{"
      "border:2px solid %7;}";

struct CommandIcon
{
    const char* name;
    ushort glyph;
};
const CommandIcon kCommandIcons[] = {
    {"tbtnUpLoad", 0xF019},
    {"tbtnDownLoad", 0xF093},
    {"tbtnSave", 0xF0C7},
    {"tbtnChart", 0xF02F},
    {"tbtnLoad", 0xF115},
    {"tbtnRevert", 0xF021},
    {"tbtnClear", 0xF05E},
    {"tbtnCompare", 0xF0EC},
    {"tbtnUndo", 0xF0E2},
    {"tbtnRedo", 0xF01E},
};

// Places a picker on its page of the picker stack.
void PlacePicker(QWidget* page, QWidget* picker)
{
    page->layout()->addWidget(picker);
}
} // namespace

KeymapDialog::KeymapDialog(QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::KeymapDialog)
    , m_store(new KeymapStore)
{
    m_ui->setupUi(this);
    setAttribute(Qt::WA_StyledBackground, true);

    // Empty until the main window has loaded a layout into it.
    m_pannel = new KeyPannel(m_ui->wdgKeyPannel);
    m_pannel->hide();

    SetUpPickers();
    SetUpEditing();
    SetUpSearch();
    SetUpNavigation();

    m_keymapButtons.first()->click();
    m_keyCodeButtons.first()->click();
}

KeymapDialog::~KeymapDialog() = default;

void KeymapDialog::SetUpNavigation()
{
    m_layerButtons = {m_ui->tbtnLayer0, m_ui->tbtnLayer1, m_ui->tbtnLayer2, m_ui->tbtnLayer3};
    m_keymapButtons = {m_ui->tbtnKeymap0, m_ui->tbtnKeymap1, m_ui->tbtnKeymap2, m_ui->tbtnKeymap3};
    m_keyCodeButtons = {m_ui->tbtnBasicKey, m_ui->tbtnLayerKey, m_ui->tbtnLedKey, m_ui->tbtnMediaKey, m_ui->tbtnCombKey,
        m_ui->tbtnDiadKey, m_ui->tbtnMacroKey, m_ui->tbtnFuncKey};
    for (QToolButton* button : qAsConst(m_layerButtons)) {
        connect(button, &QToolButton::clicked, this, &KeymapDialog::tbtnLayerClicked);
        button->setContextMenuPolicy(Qt::CustomContextMenu);
        button->setToolTip(tr("Right click (or Ctrl+L) to copy or swap layers"));
        connect(button, &QToolButton::customContextMenuRequested, this,
            [this, button] { ShowLayerMenu(m_layerButtons.indexOf(button)); });
    }
    for (QToolButton* button : qAsConst(m_keymapButtons)) {
        connect(button, &QToolButton::clicked, this, &KeymapDialog::tbtnKeymapClicked);
    }
    for (QToolButton* button : qAsConst(m_keyCodeButtons)) {
        connect(button, &QToolButton::clicked, this, &KeymapDialog::tbtnKeyCodeClicked);
    }

    for (const CommandIcon& command : kCommandIcons) {
        QToolButton* button = findChild<QToolButton*>(QString::fromLatin1(command.name));
        button->setIcon(QIcon(IconHelper::Instance()->GetPixmap(
            QString::fromLatin1(kText), QChar(command.glyph), kCommandGlyphSize, kCommandIconSize, kCommandIconSize)));
        button->setIconSize(QSize(kCommandIconSize, kCommandIconSize));
    }

    const QString light = QString::fromLatin1(kLightText);
    const QString background = QString::fromLatin1(kBackground);
    const QString dark = QString::fromLatin1(kDarkBackground);
    const QString text = QString::fromLatin1(kText);
    const QString accent = QString::fromLatin1(kAccent);
    setStyleSheet(IconHelper::NavStyleLeftSheet(kNavBorder, accent, background, dark, text, light)
        + QString::fromLatin1(kPageStyle)
              .arg(light, background, dark, text, accent, QString::fromLatin1(Palette::kHoverBackground),
                  QString::fromLatin1(Palette::kFocus))
        + Palette::DisabledButtonSheet(QStringLiteral("QWidget[flag=\"func\"] QAbstractButton"))
        + Palette::FocusSheet(Palette::kFocus, Palette::kFocus));
}

void KeymapDialog::SetUpPickers()
{
    m_basicPannel = new KeyCodeBasicKeyPannel();
    m_layerPannel = new KeyCodeLayerKeyPannel();
    m_ledPannel = new KeyCodeLedKeyPannel();
    m_mediaPannel = new KeyCodeMediaKeyPannel();
    m_combPannel = new KeyCodeCombKeyPannel();
    m_diadPannel = new KeyCodeDiadKeyPannel();
    m_macroPannel = new KeyCodeMacroKeyPannel();
    m_funcPannel = new KeycodeFuncKeyPannel();

    PlacePicker(m_ui->skwBaseKey, m_basicPannel);
    PlacePicker(m_ui->skwLayerKey, m_layerPannel);
    PlacePicker(m_ui->skwLedKey, m_ledPannel);
    PlacePicker(m_ui->skwMediaKey, m_mediaPannel);
    PlacePicker(m_ui->skwCombKey, m_combPannel);
    PlacePicker(m_ui->skwDiadKey, m_diadPannel);
    PlacePicker(m_ui->skwMacroKey, m_macroPannel);
    PlacePicker(m_ui->skwFuncKey, m_funcPannel);

    connect(m_basicPannel, &KeyCodeBasicKeyPannel::BasicKeyPannelClicked, this, &KeymapDialog::KeyPannelCodeClicked);
    connect(m_mediaPannel, &KeyCodeMediaKeyPannel::MediaKeyPannelClicked, this, &KeymapDialog::KeyPannelCodeClicked);
    connect(m_layerPannel, &KeyCodeLayerKeyPannel::LayerKeyPannelClicked, this, &KeymapDialog::KeyPannelCodeClicked);
    connect(m_ledPannel, &KeyCodeLedKeyPannel::LedKeyPannelClicked, this, &KeymapDialog::KeyPannelCodeClicked);
    connect(m_macroPannel, &KeyCodeMacroKeyPannel::MacroKeyPannelClicked, this, &KeymapDialog::KeyPannelCodeClicked);
    connect(m_funcPannel, &KeycodeFuncKeyPannel::FuncKeyPannelClicked, this, &KeymapDialog::KeyPannelCodeClicked);
    connect(m_diadPannel, &KeyCodeDiadKeyPannel::DiadKeyPannelClicked, this, &KeymapDialog::DiadKeyPannelCodeClicked);
    connect(m_combPannel, &KeyCodeCombKeyPannel::CombKeyPannelClicked, this, &KeymapDialog::DiadKeyPannelCodeClicked);
}

void KeymapDialog::SetUpSearch()
{
    m_ui->ldtKeySearch->addAction(QIcon(IconHelper::Instance()->GetPixmap(QString::fromLatin1(kText),
                                      QChar(kSearchGlyph), kCommandGlyphSize - 2, kCommandIconSize, kCommandIconSize)),
        QLineEdit::LeadingPosition);
    QAction* find = new QAction(this);
    find->setShortcut(QKeySequence::Find);
    connect(find, &QAction::triggered, this, [this] {
        m_ui->ldtKeySearch->setFocus(Qt::ShortcutFocusReason);
        m_ui->ldtKeySearch->selectAll();
    });
    addAction(find);
    m_ui->ldtKeySearch->installEventFilter(this);
    // Escape empties the field, as in search fields elsewhere.
    QShortcut* escape = new QShortcut(QKeySequence(Qt::Key_Escape), m_ui->ldtKeySearch);
    escape->setContext(Qt::WidgetShortcut);
    connect(escape, &QShortcut::activated, m_ui->ldtKeySearch, &QLineEdit::clear);
}

bool KeymapDialog::eventFilter(QObject* watched, QEvent* event)
{
    // The results are built as the user moves into the field, before the first letter is typed.
    if (watched == m_ui->ldtKeySearch && event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::MouseFocusReason || reason == Qt::ShortcutFocusReason || reason == Qt::TabFocusReason) {
            SearchPannel();
        }
    }
    // Undo and redo in the search field mean the keymap: Enter there has just set a key.
    if (watched == m_ui->ldtKeySearch && event->type() == QEvent::ShortcutOverride) {
        QKeyEvent* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(int(key->modifiers()) | key->key());
        for (const QAction* action : {m_undoAction, m_redoAction}) {
            if (action->shortcuts().contains(pressed)) {
                event->ignore();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

KeyCodeSearchPannel* KeymapDialog::SearchPannel()
{
    // Built on the first search: its two hundred caps would slow every window's opening.
    if (m_searchPannel == nullptr) {
        m_searchPannel = new KeyCodeSearchPannel(
            {m_basicPannel, m_layerPannel, m_ledPannel, m_mediaPannel, m_macroPannel, m_funcPannel}, m_ui->wdgRight);
        m_searchPannel->hide();
        // Shown in place of the picker stack while the search field holds text.
        static_cast<QBoxLayout*>(m_ui->wdgRight->layout())->addWidget(m_searchPannel, 1);
        connect(
            m_searchPannel, &KeyCodeSearchPannel::SearchKeyPannelClicked, this, &KeymapDialog::KeyPannelCodeClicked);
    }
    return m_searchPannel;
}

void KeymapDialog::SetUpEditing()
{
    m_undoGroup = new QUndoGroup(this);
    for (QUndoStack*& stack : m_undoStacks) {
        stack = new QUndoStack(this);
        stack->setUndoLimit(kUndoLimit);
        m_undoGroup->addStack(stack);
    }
    const UndoButtons::Actions keys = UndoButtons::Attach(
        this, m_undoGroup, m_ui->tbtnUndo, m_ui->tbtnRedo, [this] { on_tbtnUndo_clicked(); },
        [this] { on_tbtnRedo_clicked(); });
    m_undoAction = keys.undo;
    m_redoAction = keys.redo;

    m_layerMenu = new QMenu(this);
    m_layerMenu->setObjectName(QStringLiteral("mnuLayer"));
    QAction* layerMenu = new QAction(this);
    layerMenu->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    connect(layerMenu, &QAction::triggered, this, [this] { ShowLayerMenu(m_store->CurrentLayer()); });
    addAction(layerMenu);
}

KeyPannel* KeymapDialog::Pannel() const
{
    return m_pannel;
}

KeymapStore* KeymapDialog::Store() const
{
    return m_store.get();
}

int KeymapDialog::SetKeymapCode(tdu1 keymap, tdu1 layer, tdu1 row, tdu1 col, tdu2 code)
{
    return m_store->SetKeymapCode(keymap, layer, row, col, code);
}

void KeymapDialog::SetLayoutCodes(const LayoutDescription& layout)
{
    for (const LayoutKey& key : layout.keys) {
        if (!key.valid) {
            continue;
        }
        for (tdu1 keymap = 0; keymap < Protocol::kKeymapCount; ++keymap) {
            for (tdu1 layer = 0; layer < Protocol::kLayerCount; ++layer) {
                SetKeymapCode(keymap, layer, key.row, key.col, key.keycode[layer]);
            }
        }
    }
}

void KeymapDialog::SetupPannel()
{
    if (m_store->Loaded()) {
        // The panel is built once; a second setup would connect every cap twice.
        qCDebug(lcKeymap) << "Keymap pannel already set up";
        return;
    }
    m_pannel->BuildPannel();
    static_cast<QBoxLayout*>(m_ui->wdgKeyPannel->layout())->addWidget(m_pannel, 0, Qt::AlignHCenter | Qt::AlignTop);
    m_pannel->show();
    connect(m_pannel, &KeyPannel::KeyCapClicked, this, &KeymapDialog::KeyPannelKeyCapClicked);

    m_store->SetLayoutSize(m_pannel->RowNum(), m_pannel->ColNum());
    for (int row = 0; row < m_pannel->RowNum(); ++row) {
        for (int col = 0; col < m_pannel->ColNum(); ++col) {
            m_store->SetKeyPresent(row, col, m_pannel->Cap(row, col) != nullptr);
        }
    }
    m_store->TakeDefaultFromKeymap1();
    m_store->SetLoaded(true);
    // The layout's codes are where editing starts; only changes from them need keeping.
    for (int keymap = 0; keymap < Protocol::kKeymapCount; ++keymap) {
        m_baseline[keymap] = m_store->KeymapCopy(keymap);
    }
    m_diffOverlay = new KeymapDiffOverlay(m_pannel);
    Repaint();
}

void KeymapDialog::SetKeyboardName(const QString& name)
{
    m_keyboardName = name;
}

QString KeymapDialog::KeyboardName() const
{
    return m_keyboardName;
}

void KeymapDialog::tbtnLayerClicked()
{
    const int index = m_layerButtons.indexOf(qobject_cast<QToolButton*>(sender()));
    if (index < 0) {
        return;
    }
    for (int i = 0; i < m_layerButtons.size(); ++i) {
        m_layerButtons.at(i)->setChecked(i == index);
    }
    m_store->SetCurrentLayer(index);
    ClearCompareMarks();
    if (m_store->Loaded()) {
        Repaint();
    }
}

void KeymapDialog::tbtnKeymapClicked()
{
    const int index = m_keymapButtons.indexOf(qobject_cast<QToolButton*>(sender()));
    if (index < 0) {
        return;
    }
    for (int i = 0; i < m_keymapButtons.size(); ++i) {
        m_keymapButtons.at(i)->setChecked(i == index);
    }
    m_store->SetCurrentKeymap(index);
    m_undoGroup->setActiveStack(m_undoStacks[index]);
    // A keymap always opens on its first layer.
    m_layerButtons.first()->click();
    ReadIfFirstShown(index);
}

void KeymapDialog::tbtnKeyCodeClicked()
{
    const int index = m_keyCodeButtons.indexOf(qobject_cast<QToolButton*>(sender()));
    if (index < 0) {
        return;
    }
    for (int i = 0; i < m_keyCodeButtons.size(); ++i) {
        m_keyCodeButtons.at(i)->setChecked(i == index);
    }
    m_ui->skwKeyCode->setCurrentIndex(index);
    // Choosing a picker leaves the search.
    if (!m_ui->ldtKeySearch->text().isEmpty()) {
        m_ui->ldtKeySearch->clear();
    }
}

void KeymapDialog::KeyPannelCodeClicked(tdu2 code)
{
    RecordEdit(m_store->CurrentKeymap(), m_store->CurrentLayer(), tr("Set Key"),
        [this, code] { return m_store->SetSelectedCode(code); });
}

void KeymapDialog::DiadKeyPannelCodeClicked(tdu2 code)
{
    RecordEdit(m_store->CurrentKeymap(), m_store->CurrentLayer(), tr("Set Key"),
        [this, code] { return m_store->ApplySelectedHighByte(code); });
}

bool KeymapDialog::RecordEdit(int keymap, int layer, const QString& text, const std::function<bool()>& change)
{
    const KeymapStore::KeymapCodes before = m_store->KeymapCopy(keymap);
    const KeymapStore::KeymapSelection selection = m_store->SelectionOf(keymap);
    if (!change()) {
        return false;
    }
    std::unique_ptr<KeymapEditCommand> step(new KeymapEditCommand(text, m_store.get(), keymap, layer, before,
        m_store->KeymapCopy(keymap), selection, [this](int k, int l) { ShowStep(k, l); }));
    if (step->ChangedCodes() == 0) {
        // Nothing to undo; the view still answers the edit.
        ShowStep(keymap, layer);
        return true;
    }
    qCDebug(lcKeymap) << "Edit" << text << keymap << layer << step->ChangedCodes();
    // The stack does the step again as it takes it, which shows it.
    m_undoStacks[keymap]->push(step.release());
    return true;
}

void KeymapDialog::ShowStep(int keymap, int layer)
{
    if (m_store->CurrentKeymap() != keymap) {
        m_keymapButtons.at(keymap)->click();
    }
    if (m_store->CurrentLayer() != layer) {
        m_layerButtons.at(layer)->click();
    }
    ClearCompareMarks();
    Repaint();
    UpdateUnsaved();
}

void KeymapDialog::on_tbtnUndo_clicked()
{
    m_undoGroup->undo();
}

void KeymapDialog::on_tbtnRedo_clicked()
{
    m_undoGroup->redo();
}

QUndoStack* KeymapDialog::UndoStack(int keymap) const
{
    return keymap >= 0 && keymap < Protocol::kKeymapCount ? m_undoStacks[keymap] : nullptr;
}

void KeymapDialog::CopyLayer(int from, int to)
{
    if (!m_store->Loaded()) {
        return;
    }
    const int keymap = m_store->CurrentKeymap();
    RecordEdit(keymap, to, tr("Copy Layer"), [this, keymap, from, to] { return m_store->CopyLayer(keymap, from, to); });
}

void KeymapDialog::SwapLayers(int first, int second)
{
    if (!m_store->Loaded()) {
        return;
    }
    const int keymap = m_store->CurrentKeymap();
    RecordEdit(keymap, second, tr("Swap Layers"),
        [this, keymap, first, second] { return m_store->SwapLayers(keymap, first, second); });
}

QMenu* KeymapDialog::ShowLayerMenu(int layer)
{
    if (!m_store->Loaded() || layer < 0 || layer >= m_layerButtons.size()) {
        return nullptr;
    }
    m_layerMenu->clear();
    const QString subject = m_layerButtons.at(layer)->text();
    for (int other = 0; other < m_layerButtons.size(); ++other) {
        if (other != layer) {
            m_layerMenu->addAction(tr("Copy %1 onto %2").arg(subject, m_layerButtons.at(other)->text()), this,
                [this, layer, other] { CopyLayer(layer, other); });
        }
    }
    m_layerMenu->addSeparator();
    for (int other = 0; other < m_layerButtons.size(); ++other) {
        if (other != layer) {
            m_layerMenu->addAction(tr("Swap %1 with %2").arg(subject, m_layerButtons.at(other)->text()), this,
                [this, layer, other] { SwapLayers(layer, other); });
        }
    }
    QToolButton* button = m_layerButtons.at(layer);
    m_layerMenu->popup(button->mapToGlobal(QPoint(button->width(), 0)));
    return m_layerMenu;
}

void KeymapDialog::on_ldtKeySearch_textChanged(const QString& text)
{
    const bool searching = !text.trimmed().isEmpty();
    if (searching) {
        SearchPannel()->SetFilter(text);
    }
    m_ui->skwKeyCode->setVisible(!searching);
    if (m_searchPannel != nullptr) {
        m_searchPannel->setVisible(searching);
    }
}

void KeymapDialog::on_ldtKeySearch_returnPressed()
{
    if (m_searchPannel == nullptr || !m_searchPannel->isVisible()) {
        return;
    }
    const QVector<tdu2> matches = m_searchPannel->Matches();
    if (!matches.isEmpty()) {
        KeyPannelCodeClicked(matches.first());
    }
}

bool KeymapDialog::KeymapCanTravel(const QString& refusal)
{
    if (!m_store->Loaded() || m_store->PayloadSize() == 0) {
        emit ResultShow(kFailure, tr("No keyboard layout is loaded."));
        return false;
    }
    // Over 112 keys the packets of one keymap can no longer be numbered.
    if (!m_store->KeymapTransferable()) {
        qCDebug(lcKeymap) << "Keymap Too Large" << m_store->PayloadSize();
        emit ResultShow(kFailure, refusal);
        return false;
    }
    return true;
}

void KeymapDialog::on_tbtnDownLoad_clicked()
{
    if (!KeymapCanTravel(tr("Keymap not read: this layout has more keys than one transfer can carry."))) {
        return;
    }
    const int keymap = m_store->CurrentKeymap();
    SendTransfer({Transfer::Kind::Download, keymap, {}});
    qCDebug(lcKeymap) << "Get Keymap" << keymap;
}

void KeymapDialog::on_tbtnCompare_clicked()
{
    if (!KeymapCanTravel(tr("Keymap not compared: this layout has more keys than one transfer can carry."))) {
        return;
    }
    const int keymap = m_store->CurrentKeymap();
    SendTransfer({Transfer::Kind::Compare, keymap, {}});
    qCDebug(lcKeymap) << "Compare Keymap" << keymap;
}

void KeymapDialog::SendTransfer(const Transfer& transfer, QByteArray payload)
{
    const tdu1 cmd = transfer.kind == Transfer::Kind::Upload ? Protocol::kCmdWriteKeymap[transfer.keymap]
                                                             : Protocol::kCmdReadKeymap[transfer.keymap];
    emit SendCmd(cmd, payload.isEmpty() ? nullptr : reinterpret_cast<tdu1*>(payload.data()),
        static_cast<tdu2>(payload.size()), CommandIntent {QVariant::fromValue(transfer), QByteArray()});
}

void KeymapDialog::ReadFromKeyboard()
{
    m_readsKeyboard = true;
    ReadIfFirstShown(m_store->CurrentKeymap());
}

void KeymapDialog::ReadIfFirstShown(int keymap)
{
    if (!m_readsKeyboard || m_firstReadAsked[keymap] || m_known[keymap] || !m_store->Loaded()
        || !m_store->KeymapTransferable()) {
        return;
    }
    m_firstReadAsked[keymap] = true;
    emit ResultShow(kWarning, tr("Reading keymap %1 from the keyboard…").arg(keymap + 1));
    SendTransfer({Transfer::Kind::FirstRead, keymap, {}});
    qCDebug(lcKeymap) << "First Read Keymap" << keymap;
}

bool KeymapDialog::KeymapKnown(int keymap) const
{
    return keymap >= 0 && keymap < Protocol::kKeymapCount && m_known[keymap];
}

void KeymapDialog::on_tbtnSave_clicked()
{
    SaveShownKeymap();
}

bool KeymapDialog::SaveShownKeymap()
{
    // A reply that arrives while the dialog is open may switch the page to another keymap; the
    // file gets the keymap that was shown when Save was pressed.
    const int keymap = m_store->CurrentKeymap();
    QString path
        = FileDialog::GetSaveFileName(this, tr("Save Keymap File"), FileDialog::StartFolder(), QStringLiteral("*.xml"));
    if (path.isEmpty()) {
        return false;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".xml");
    }
    QString error;
    if (!KeymapFile::Save(path, m_keyboardName, *m_store, keymap, &error)) {
        emit ResultShow(kFailure, tr("Failed to Save Keymap File: %1").arg(error) + ViewChangedNote(keymap));
        return false;
    }
    SetBaseline(keymap);
    emit ResultShow(kSuccess, tr("Success to Save Keymap File.") + ViewChangedNote(keymap));
    return true;
}

void KeymapDialog::SetModelName(const QString& name)
{
    m_modelName = name;
}

void KeymapDialog::on_tbtnChart_clicked()
{
    QMenu menu(this);
    const QAction* save = menu.addAction(tr("Save Chart as PDF, PNG or SVG..."));
    const QAction* print = menu.addAction(tr("Print Chart..."));
    const QAction* chosen = menu.exec(m_ui->tbtnChart->mapToGlobal(m_ui->tbtnChart->rect().bottomLeft()));
    if (chosen == save)
        SaveChart();
    else if (chosen == print)
        PrintChart();
}

std::unique_ptr<LayerChart> KeymapDialog::MakeChart() const
{
    const int keymap = m_store->CurrentKeymap();
    LayerChart::Titles titles;
    titles.model = m_modelName.isEmpty() ? m_keyboardName : m_modelName;
    titles.keymap = m_keymapButtons.at(keymap)->text();
    for (const QToolButton* button : m_layerButtons)
        titles.layers.append(button->text());
    titles.date = QDate::currentDate();
    return std::make_unique<LayerChart>(*m_pannel, *m_store, keymap, titles);
}

void KeymapDialog::SaveChart()
{
    if (!m_pannel->IsBuilt())
        return;
    const QString chosen = FileDialog::GetSaveFileName(this, tr("Save Layer Chart"), FileDialog::StartFolder(),
        tr("PDF, one layer a page (*.pdf);;PNG picture (*.png);;SVG picture (*.svg)"));
    if (chosen.isEmpty())
        return;
    const QString path = LayerChart::ChartPath(chosen);
    QString error;
    const bool saved = MakeChart()->WriteFile(path, &error);
    if (saved)
        emit ResultShow(kSuccess, tr("The layer chart was saved to %1.").arg(QDir::toNativeSeparators(path)));
    else
        emit ResultShow(kFailure, tr("The layer chart could not be saved: %1").arg(error));
}

void KeymapDialog::PrintChart()
{
    if (!m_pannel->IsBuilt())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("Print Layer Chart"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (MakeChart()->PaintPages(&printer))
        emit ResultShow(kSuccess, tr("The layer chart went to the printer."));
    else
        emit ResultShow(kFailure, tr("The layer chart could not be printed."));
}

void KeymapDialog::on_tbtnLoad_clicked()
{
    const int keymap = m_store->CurrentKeymap();
    const int layer = m_store->CurrentLayer();
    const QString path
        = FileDialog::GetOpenFileName(this, tr("Load Keymap File"), FileDialog::StartFolder(), tr("XML文件(*.xml)"));
    qCDebug(lcKeymap) << path;
    if (path.isEmpty()) {
        return;
    }
    const QString note = ViewChangedNote(keymap);
    KeymapFile::LoadResult result = KeymapFile::NotRead;
    // The step shows the keymap the file went into, on the layer shown when Open was pressed.
    RecordEdit(keymap, layer, tr("Open"), [&] {
        result = KeymapFile::Load(path, m_keyboardName, *m_store, keymap);
        return result == KeymapFile::Loaded;
    });
    switch (result) {
    case KeymapFile::Loaded:
        SetBaseline(keymap);
        m_known[keymap] = true;
        emit ResultShow(kSuccess, tr("Success to Load Keymap File") + note);
        break;
    case KeymapFile::Refused:
        emit ResultShow(kFailure, tr("Failed to Load Keymap File") + note);
        break;
    case KeymapFile::NotRead:
        // A file the user picked and that could not be read at all still gets an answer.
        emit ResultShow(kFailure, tr("Failed to Load Keymap File: it cannot be read or is not a keymap file.") + note);
        break;
    }
}

QString KeymapDialog::ViewChangedNote(int keymap) const
{
    const int shown = m_store->CurrentKeymap();
    if (shown == keymap) {
        return QString();
    }
    return QLatin1Char(' ') + tr("(Keymap %1 was read from the keyboard while the dialog was open.)").arg(shown + 1);
}

void KeymapDialog::on_tbtnUpLoad_clicked()
{
    if (!KeymapCanTravel(tr("Keymap not written: this layout has more keys than one transfer can carry."))) {
        return;
    }
    const int keymap = m_store->CurrentKeymap();
    // Writing replaces the whole keymap on the keyboard, also the keys nobody looked at.
    if (m_readsKeyboard && !m_known[keymap]) {
        const QMessageBox::StandardButton answer = MessageBox::Question(this, tr("Write Keymap"),
            tr("Keymap %1 was not read from the keyboard; writing replaces all of it with the keys shown here.")
                .arg(keymap + 1),
            QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel);
        if (answer != QMessageBox::Ok) {
            return;
        }
    }
    SendTransfer({Transfer::Kind::Upload, keymap, m_store->KeymapCopy(keymap)}, m_store->PackKeymap(keymap));
    qCDebug(lcKeymap) << "Set Keymap" << keymap;
}

void KeymapDialog::on_tbtnRevert_clicked()
{
    RecordEdit(m_store->CurrentKeymap(), m_store->CurrentLayer(), tr("Default"), [this] {
        m_store->RevertToDefault();
        return true;
    });
}

void KeymapDialog::on_tbtnClear_clicked()
{
    RecordEdit(m_store->CurrentKeymap(), m_store->CurrentLayer(), tr("Clear"),
        [this] { return m_store->SetCurrentKeyNull(); });
}

void KeymapDialog::KeyPannelKeyCapClicked(tdu1 row, tdu1 col)
{
    m_store->SelectKey(row, col);
    Repaint();
}

void KeymapDialog::RecHidCmd(tdu1 cmd, tdu1* data, tdu2 len, const QVariant& context)
{
    if (!context.canConvert<Transfer>()) {
        qCDebug(lcKeymap) << "Keymap Reply Without Transfer" << cmd;
        return;
    }
    const Transfer transfer = context.value<Transfer>();
    const int keymap = transfer.keymap;
    const QString number = QString::number(keymap + 1);
    switch (transfer.kind) {
    case Transfer::Kind::Upload:
        // A reply without its status byte is no confirmation.
        HandleWriteReply(transfer, data != nullptr && len > 0 && data[0] == 0);
        return;
    case Transfer::Kind::Compare: {
        KeymapStore::KeymapCodes keyboard = m_store->KeymapCopy(keymap);
        if (!m_store->UnpackCodes(data, len, &keyboard)) {
            emit ResultShow(kFailure, tr("Get Keyboard Keymap ") + number + tr(" Fail"));
            return;
        }
        CompareWithKeyboard(keymap, keyboard);
        return;
    }
    case Transfer::Kind::FirstRead:
        HandleFirstRead(keymap, data, len);
        return;
    case Transfer::Kind::Download:
        break;
    }

    // A short reply would leave part of the keymap from the keyboard and part from before.
    if (data == nullptr || len < m_store->PayloadSize()) {
        qCDebug(lcKeymap) << "Keymap Reply Too Short" << len << m_store->PayloadSize();
        emit ResultShow(kFailure, tr("Get Keyboard Keymap ") + number + tr(" Fail"));
        return;
    }
    m_keymapButtons.at(keymap)->click();
    if (!RecordEdit(keymap, 0, tr("Download"), [&] { return m_store->UnpackKeymap(keymap, data, len); })) {
        emit ResultShow(kFailure, tr("Get Keyboard Keymap ") + number + tr(" Fail"));
        return;
    }
    SetBaseline(keymap);
    m_known[keymap] = true;
    emit ResultShow(kSuccess, tr("Get Keyboard Keymap ") + number + tr(" Success"));
}

void KeymapDialog::HandleFirstRead(int keymap, tdu1* data, tdu2 len)
{
    if (data == nullptr || len < m_store->PayloadSize()) {
        emit ResultShow(kFailure, tr("Keymap %1 could not be read from the keyboard.").arg(keymap + 1));
        return;
    }
    // Keys the user set, or a file opened, before the keyboard answered are not replaced behind
    // their back.
    if (m_known[keymap] || m_undoStacks[keymap]->count() > 0) {
        emit ResultShow(kWarning,
            tr("Keymap %1 was changed before the keyboard answered, so it still shows your keys; Download "
               "shows the keyboard's.")
                .arg(keymap + 1));
        return;
    }
    // The keyboard's keys are where editing of this keymap starts, not an edit to undo.
    if (!m_store->UnpackKeymap(keymap, data, len)) {
        emit ResultShow(kFailure, tr("Keymap %1 could not be read from the keyboard.").arg(keymap + 1));
        return;
    }
    SetBaseline(keymap);
    m_known[keymap] = true;
    if (m_store->CurrentKeymap() == keymap) {
        Repaint();
    }
    emit ResultShow(kSuccess, tr("Keymap %1 shows what the keyboard holds.").arg(keymap + 1));
}

void KeymapDialog::HandleWriteReply(const Transfer& transfer, bool done)
{
    const int keymap = transfer.keymap;
    const QString number = QString::number(keymap + 1);
    if (!done) {
        emit ResultShow(kFailure, tr("Set Keyboard Keymap ") + number + tr(" Fail"));
        return;
    }
    // The keyboard holds what this write carried, whatever was edited since.
    m_baseline[keymap] = transfer.codes;
    m_known[keymap] = true;
    UpdateUnsaved();
    if (m_store->CurrentKeymap() == keymap) {
        ClearCompareMarks();
    }
    emit ResultShow(kSuccess, tr("Set Keyboard Keymap ") + number + tr(" Success"));
}

void KeymapDialog::CompareWithKeyboard(int keymap, const KeymapStore::KeymapCodes& keyboard)
{
    if (m_diffOverlay == nullptr) {
        return;
    }
    // The comparison is of the keymap that was asked for, on the layer it shows.
    if (m_store->CurrentKeymap() != keymap) {
        const int layer = m_store->LayerOfKeymap(keymap);
        m_keymapButtons.at(keymap)->click();
        m_layerButtons.at(layer)->click();
    }
    ClearCompareMarks();
    const int layer = m_store->CurrentLayer();
    int elsewhere = 0;
    for (int other = 0; other < Protocol::kLayerCount; ++other) {
        if (other != layer) {
            elsewhere += m_store->DifferingKeys(keymap, other, keyboard).size();
        }
    }
    const QVector<QPair<int, int>> differing = m_store->DifferingKeys(keymap, layer, keyboard);
    QList<KeyCap*> marked;
    for (const QPair<int, int>& key : differing) {
        KeyCap* cap = m_pannel->Cap(tdu1(key.first), tdu1(key.second));
        if (cap == nullptr) {
            continue;
        }
        cap->Button()->setToolTip(tr("On the keyboard: %1").arg(CodeText(keyboard[layer][key.first][key.second]))
            + QLatin1Char('\n')
            + tr("Here: %1").arg(CodeText(m_store->KeymapCode(keymap, layer, key.first, key.second))));
        marked.append(cap);
    }
    m_diffOverlay->SetMarked(marked);
    qCDebug(lcKeymap) << "Compare Keymap" << keymap << "Layer" << layer << differing.size() << elsewhere;

    if (differing.isEmpty() && elsewhere == 0) {
        emit ResultShow(kSuccess, tr("Keymap matches the keyboard"));
        return;
    }
    QString text;
    if (differing.isEmpty()) {
        text = tr("This layer matches the keyboard; keys on other layers differ: %1").arg(elsewhere);
    } else {
        text = differing.size() == 1 ? tr("1 key differs from the keyboard")
                                     : tr("%1 keys differ from the keyboard").arg(differing.size());
        if (elsewhere > 0) {
            text += tr(" (and %1 on other layers)").arg(elsewhere);
        }
    }
    emit ResultShow(kWarning, text);
}

QList<KeyCap*> KeymapDialog::CompareMarks() const
{
    return m_diffOverlay != nullptr ? m_diffOverlay->Marked() : QList<KeyCap*>();
}

void KeymapDialog::ClearCompareMarks()
{
    if (m_diffOverlay == nullptr) {
        return;
    }
    for (KeyCap* cap : m_diffOverlay->Marked()) {
        cap->Button()->setToolTip(QString());
    }
    m_diffOverlay->SetMarked({});
}

QString KeymapDialog::CodeText(tdu2 code)
{
    QStringList parts;
    const QString caption = KeyCodeCatalogue::KeyCaption(code)
                                .replace(QStringLiteral("&&"), QStringLiteral("&"))
                                .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                                .join(QLatin1Char(' '));
    if (!caption.isEmpty()) {
        parts.append(caption);
    }
    const QString tip = KeyCodeCatalogue::KeyTipText(code);
    if (!tip.isEmpty()) {
        parts.append(tip);
    }
    parts.append(QStringLiteral("0x") + QString::number(code, 16).rightJustified(4, QLatin1Char('0')).toUpper());
    return parts.join(QStringLiteral(" \u2013 "));
}

QList<int> KeymapDialog::UnsavedKeymaps() const
{
    QList<int> keymaps;
    if (!m_store->Loaded()) {
        return keymaps;
    }
    for (int keymap = 0; keymap < Protocol::kKeymapCount; ++keymap) {
        if (!m_store->SameKeys(keymap, m_baseline[keymap])) {
            keymaps.append(keymap);
        }
    }
    return keymaps;
}

bool KeymapDialog::HasUnsavedEdits() const
{
    return !UnsavedKeymaps().isEmpty();
}

QString KeymapDialog::UnsavedEditsText() const
{
    const QList<int> keymaps = UnsavedKeymaps();
    QStringList numbers;
    for (int keymap : keymaps) {
        numbers.append(QString::number(keymap + 1));
    }
    const QString what = keymaps.size() == 1
        ? tr("Keymap %1 has edits that were neither written to the keyboard nor saved to a file.").arg(numbers.first())
        : tr("Keymaps %1 have edits that were neither written to the keyboard nor saved to a file.")
              .arg(numbers.join(QStringLiteral(", ")));
    return what + QStringLiteral("\n\n") + tr("Save before closing? Each keymap goes to a file of its own.");
}

bool KeymapDialog::SaveUnsavedKeymaps()
{
    for (int keymap : UnsavedKeymaps()) {
        // The user sees which keymap the dialog is for.
        if (m_store->CurrentKeymap() != keymap) {
            m_keymapButtons.at(keymap)->click();
        }
        if (!SaveShownKeymap()) {
            return false;
        }
    }
    return true;
}

void KeymapDialog::SetBaseline(int keymap)
{
    m_baseline[keymap] = m_store->KeymapCopy(keymap);
    UpdateUnsaved();
}

void KeymapDialog::UpdateUnsaved()
{
    const bool unsaved = HasUnsavedEdits();
    if (unsaved != m_unsaved) {
        m_unsaved = unsaved;
        emit UnsavedEditsChanged(unsaved);
    }
}

void KeymapDialog::Repaint()
{
    const int keymap = m_store->CurrentKeymap();
    const int layer = m_store->CurrentLayer();
    for (int row = 0; row < m_pannel->RowNum(); ++row) {
        for (int col = 0; col < m_pannel->ColNum(); ++col) {
            KeyCap* cap = m_pannel->Cap(row, col);
            if (cap == nullptr) {
                continue;
            }
            const tdu2 code = m_store->KeymapCode(keymap, layer, row, col);
            KeyCodePannelBase::ShowCode(cap, code);
            if (KeyCodeCatalogue::KeyDisplayKind(code) == KeyCodeCatalogue::DisplayText) {
                qCDebug(lcKeymap) << KeyCodeCatalogue::KeyCaption(code);
            }
            cap->SetChecked(false);
        }
    }

    KeyCap* selected
        = m_store->HasSelectedKey() ? m_pannel->Cap(m_store->SelectedRow(), m_store->SelectedCol()) : nullptr;
    if (selected == nullptr) {
        m_ui->lblKeyPannelTip->clear();
        return;
    }
    const tdu2 code = m_store->SelectedCode();
    qCDebug(lcKeymap) << "DiadCode" << code;
    selected->SetChecked(true);
    m_ui->lblKeyPannelTip->setText(KeyCodeCatalogue::KeyTipText(code));
}
