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
#include "keymap/KeycodeFuncKeyPannel.h"
#include "keymap/KeymapFile.h"
#include "keymap/KeymapLog.h"
#include "keymap/KeymapStore.h"
#include "layout/KeyCap.h"
#include "layout/KeyPannel.h"
#include "layout/LayoutDescription.h"
#include "ui/FileDialog.h"
#include "ui/IconHelper.h"

#include <QBoxLayout>
#include <QFileInfo>
#include <QStandardPaths>
#include <QToolButton>

namespace {
// The palette shared by the pages.
const char* const kLightText = "#FDFDFD";
const char* const kBackground = "#292F38";
const char* const kDarkBackground = "#1D2025";
const char* const kText = "#54626F";
const char* const kAccent = "#029FEA";
constexpr int kNavBorder = 3;

constexpr tdu1 kFailure = 1;
constexpr tdu1 kSuccess = 0;

// Command icons: glyph size and pixmap edge.
constexpr int kCommandGlyphSize = 16;
constexpr int kCommandIconSize = 20;

// %1 light text, %2 background, %3 dark background, %4 text, %5 accent.
const char* const kPageStyle
    = "QWidget#KeymapDialog,QWidget#wdgLeft,QWidget#wdgRight{background:%2;}"
      "QStackedWidget#skwKeyCode{background:%3;}"
      "QWidget#wdgLeftSpilter,QWidget#wdgLeftSpilter2,QWidget#wdgSpilter2{background:#090909;}"
      "QLabel,QCheckBox{color:%1;}"
      "QWidget[flag=\"func\"] QAbstractButton{border-style:none;border-radius:0px;padding:5px;color:%4;"
      "background:%2;text-align:left;}"
      "QWidget[flag=\"func\"] QAbstractButton:hover{color:%1;background:%3;}"
      "QWidget[flag=\"func\"] QAbstractButton:pressed{border-style:solid;border-width:0px 0px 0px 3px;"
      "padding:5px 5px 5px 2px;border-color:%5;color:%1;background:%3;}"
      "QWidget[flag=\"keycode\"] QAbstractButton{border-style:none;border-radius:0px;padding:5px;color:%4;"
      "background:%2;}"
      "QWidget[flag=\"keycode\"] QAbstractButton:hover,QWidget[flag=\"keycode\"] QAbstractButton:pressed,"
      "QWidget[flag=\"keycode\"] QAbstractButton:checked{border-style:solid;border-width:0px 0px 3px 0px;"
      "padding:6px 6px 3px 6px;border-color:%5;color:%1;background:%3;}"
      "QToolButton#tbtnLModSet,QToolButton#tbtnRModSet{border:1px solid %5;border-radius:3px;padding:4px 12px;"
      "color:%1;background:%2;}"
      "QToolButton#tbtnLModSet:hover,QToolButton#tbtnRModSet:hover{background:%5;}";

struct CommandIcon
{
    const char* name;
    ushort glyph;
};
const CommandIcon kCommandIcons[] = {
    {"tbtnUpLoad", 0xF019},
    {"tbtnDownLoad", 0xF093},
    {"tbtnSave", 0xF0C7},
    {"tbtnLoad", 0xF115},
    {"tbtnRevert", 0xF021},
    {"tbtnClear", 0xF05E},
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
        + QString::fromLatin1(kPageStyle).arg(light, background, dark, text, accent));
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
    // A keymap always opens on its first layer.
    m_layerButtons.first()->click();
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
}

void KeymapDialog::KeyPannelCodeClicked(tdu2 code)
{
    if (m_store->SetSelectedCode(code)) {
        Repaint();
    }
}

void KeymapDialog::DiadKeyPannelCodeClicked(tdu2 code)
{
    if (m_store->ApplySelectedHighByte(code)) {
        Repaint();
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
    emit SendCmd(Protocol::kCmdReadKeymap[keymap], nullptr, 0);
    qCDebug(lcKeymap) << "Get Keymap" << keymap;
}

void KeymapDialog::on_tbtnSave_clicked()
{
    // A reply that arrives while the dialog is open may switch the page to another keymap; the
    // file gets the keymap that was shown when Save was pressed.
    const int keymap = m_store->CurrentKeymap();
    QString path = FileDialog::GetSaveFileName(this, tr("Save Keymap File"), StartFolder(), QStringLiteral("*.xml"));
    if (path.isEmpty()) {
        return;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".xml");
    }
    QString error;
    if (!KeymapFile::Save(path, m_keyboardName, *m_store, keymap, &error)) {
        emit ResultShow(kFailure, tr("Failed to Save Keymap File: %1").arg(error) + ViewChangedNote(keymap));
        return;
    }
    emit ResultShow(kSuccess, tr("Success to Save Keymap File.") + ViewChangedNote(keymap));
}

void KeymapDialog::on_tbtnLoad_clicked()
{
    const int keymap = m_store->CurrentKeymap();
    const int layer = m_store->CurrentLayer();
    const QString path
        = FileDialog::GetOpenFileName(this, tr("Load Keymap File"), StartFolder(), QStringLiteral("XML文件(*.xml)"));
    qCDebug(lcKeymap) << path;
    if (path.isEmpty()) {
        return;
    }
    const QString note = ViewChangedNote(keymap);
    switch (KeymapFile::Load(path, m_keyboardName, *m_store, keymap)) {
    case KeymapFile::Loaded:
        // Show the keymap the file went into, as it was shown when Open was pressed.
        if (m_store->CurrentKeymap() != keymap) {
            m_keymapButtons.at(keymap)->click();
            m_layerButtons.at(layer)->click();
        }
        emit ResultShow(kSuccess, tr("Success to Load Keymap File") + note);
        Repaint();
        break;
    case KeymapFile::Refused:
        emit ResultShow(kFailure, tr("Failed to Load Keymap File") + note);
        break;
    case KeymapFile::NotRead:
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
    QByteArray payload = m_store->PackKeymap(keymap);
    emit SendCmd(
        Protocol::kCmdWriteKeymap[keymap], reinterpret_cast<tdu1*>(payload.data()), static_cast<tdu2>(payload.size()));
    qCDebug(lcKeymap) << "Set Keymap" << keymap;
}

void KeymapDialog::on_tbtnRevert_clicked()
{
    m_store->RevertToDefault();
    Repaint();
}

void KeymapDialog::on_tbtnClear_clicked()
{
    if (m_store->SetCurrentKeyNull()) {
        Repaint();
    }
}

void KeymapDialog::KeyPannelKeyCapClicked(tdu1 row, tdu1 col)
{
    m_store->SelectKey(row, col);
    Repaint();
}

void KeymapDialog::RecHidCmd(tdu1 cmd, tdu1* data, tdu2 len)
{
    bool isWrite = false;
    const int keymap = KeymapStore::KeymapOfCommand(cmd, &isWrite);
    if (keymap < 0) {
        return;
    }
    const QString number = QString::number(keymap + 1);

    if (isWrite) {
        // A reply without its status byte is no confirmation.
        const bool done = data != nullptr && len > 0 && data[0] == 0;
        if (done) {
            emit ResultShow(kSuccess, tr("Set Keyboard Keymap ") + number + tr(" Success"));
        } else {
            emit ResultShow(kFailure, tr("Set Keyboard Keymap ") + number + tr(" Fail"));
        }
        return;
    }

    // A short reply would leave part of the keymap from the keyboard and part from before.
    if (data == nullptr || len < m_store->PayloadSize()) {
        qCDebug(lcKeymap) << "Keymap Reply Too Short" << len << m_store->PayloadSize();
        emit ResultShow(kFailure, tr("Get Keyboard Keymap ") + number + tr(" Fail"));
        return;
    }
    m_keymapButtons.at(keymap)->click();
    if (!m_store->UnpackKeymap(keymap, data, len)) {
        emit ResultShow(kFailure, tr("Get Keyboard Keymap ") + number + tr(" Fail"));
        return;
    }
    Repaint();
    emit ResultShow(kSuccess, tr("Get Keyboard Keymap ") + number + tr(" Success"));
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

QString KeymapDialog::StartFolder()
{
    // The desktop folder is often missing on Linux; a missing folder would end up as the file name.
    for (const QStandardPaths::StandardLocation location :
        {QStandardPaths::DesktopLocation, QStandardPaths::DocumentsLocation, QStandardPaths::HomeLocation}) {
        const QString folder = QStandardPaths::writableLocation(location);
        if (!folder.isEmpty() && QFileInfo(folder).isDir()) {
            return folder + QLatin1Char('/');
        }
    }
    return QString();
}
