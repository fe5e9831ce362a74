#include "app/MainDialog.h"

#include "about/AboutDialog.h"
#include "app/AppLog.h"
#include "app/KeymapTypeQuestion.h"
#include "app/MainNavigation.h"
#include "app/TitleBarDrag.h"
#include "app/UserDataFolder.h"
#include "app/WindowPlace.h"
#include "backup/BackupDialog.h"
#include "backup/BackupFile.h"
#include "device/Protocol.h"
#include "keymap/KeymapDialog.h"
#include "keymap/KeymapStore.h"
#include "layout/LayoutFile.h"
#include "macro/KeyCaptureService.h"
#include "macro/MacroDialog.h"
#include "macro/MacroStore.h"
#include "settings/GeneralConfigDialog.h"
#include "tester/KeyTesterDialog.h"
#include "ui/ButtonKeys.h"
#include "ui/FileDialog.h"
#include "ui/IconHelper.h"
#include "ui/MessageBox.h"
#include "ui/Palette.h"
#include "ui/Shortcuts.h"
#include "ui/TabOrder.h"
#include "ui_MainDialog.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QSizeGrip>
#include <QTimer>
#include <QToolButton>

#include <utility>

namespace {
using Palette::kFailure;
using Palette::kSuccess;
using Palette::kWarning;

const QString kNormalBackground = QString::fromLatin1(Palette::kBackground);

constexpr int kMenuIconSize = 9;
constexpr int kStatusHeight = 22;

QString TitleBarSheet()
{
    return QStringLiteral("QWidget#widgetTop{background-color:qlineargradient(spread:pad, x1:0, y1:0, x2:0, "
                          "y2:1, stop:0 %1, stop:1 %2);color:%3;}"
                          "QLabel#lblTitle{color:%3;font:32pt;}QLabel#lblWindowTitle{color:%3;font:18pt;}"
                          "QPushButton#btnMenu_Min,QPushButton#btnMenu_Close{color:%3;background:transparent;"
                          "border:2px solid transparent;}"
                          "QPushButton#btnMenu_Min:hover,QPushButton#btnMenu_Close:hover{background:%4;}"
                          "QPushButton#btnMenu_Min:focus,QPushButton#btnMenu_Close:focus{border-color:%5;}")
        .arg(QString::fromLatin1(Palette::kTitleTop), QString::fromLatin1(Palette::kTitleBottom),
            QString::fromLatin1(Palette::kTitleText), QString::fromLatin1(Palette::kHoverBackground),
            QString::fromLatin1(Palette::kFocus));
}
} // namespace

MainDialog::MainDialog(QWidget* parent, bool demo, tdu2 productId, tdu1 keymapType)
    : QDialog(parent)
    , ui(new Ui::MainDialog)
    , m_productId(productId)
    , m_session(productId)
    , m_keymapPage(new KeymapDialog(this))
    , m_generalPage(new GeneralConfigDialog(this))
    , m_aboutPage(new AboutDialog(this))
    , m_macroPage(new MacroDialog(this))
    , m_keyTestPage(new KeyTesterDialog(this))
    , m_capture(new KeyCaptureService(this))
    , m_demoMode(demo)
    , m_keymapType(keymapType)
    , m_layoutName(QStringLiteral("NOVA_0"))
{
    ui->setupUi(this);
    qApp->installEventFilter(this);
    setWindowTitle(windowTitle() + QStringLiteral("[*]"));
    setWindowIcon(IconHelper::WindowIcon());
    ButtonKeys::Install();
    m_session.SetDemo(demo);
    m_session.SetKeyboardKeymapType(keymapType);
    m_session.SetLayoutKeymapType(keymapType);
    connect(
        &m_session, &DeviceSession::Refused, this, [this](tdu1, DeviceSession::Refusal why) { CommandRefused(why); });
    connect(&m_session, &DeviceSession::Overdue, this,
        [this] { ResultShow(kFailure, tr("The keyboard did not answer.")); });
    connect(&m_session, &DeviceSession::Disconnected, this, &MainDialog::DeviceLost);
    connect(&m_session, &DeviceSession::Reconnected, this, &MainDialog::Reconnected);
    connect(&m_session, &DeviceSession::ReconnectRefused, this, [this](const QString& path) {
        ResultShow(kFailure, tr("The keyboard is back, but this user may not open %1.").arg(path));
    });
}

MainDialog::~MainDialog()
{
    // The pages and their clients go before the session and the model they use.
    delete m_keyTestPage;
    delete m_macroPage;
    delete m_generalPage;
    delete m_keymapPage;
    delete ui;
}

void MainDialog::SetDeviceNames(const QString& prefix, const QString& name)
{
    m_prefix = prefix;
    m_deviceName = name;
    qCDebug(lcApp) << prefix << name;
}

void MainDialog::SetDevicePath(const QString& path)
{
    m_session.SetDevicePath(path);
}

bool MainDialog::Connect()
{
    if (m_demoMode)
        return true;
    qCDebug(lcApp) << "pid" << m_productId;
    const HidDeviceHandle& hid = *m_session.Device();
    if (!m_session.Open()) {
        const bool noAccess = hid.LastOpenError() == HidDeviceHandle::OpenError::NoAccess;
        const QMessageBox::StandardButton answer = noAccess
            ? MessageBox::Critical(nullptr, tr("Keyboard Access Denied"),
                AccessHelp(m_deviceName, hid.LastOpenPath(), hid.LastOpenReason()) + QStringLiteral("\n\n")
                    + tr("Click \"Ignore\" to demo mode, click \"Close\" to exit."),
                QMessageBox::Ignore | QMessageBox::Close)
            : MessageBox::Critical(nullptr, tr("No Device Found"),
                m_deviceName
                    + tr(" not found,Please reconnect the keyboard to your computer and try again. \nClick \"Ignore\" "
                         "to demo mode, click \"Close\" to exit."),
                QMessageBox::Ignore | QMessageBox::Close);
        if (answer != QMessageBox::Ignore) {
            QCoreApplication::exit(0);
            return false;
        }
        m_demoMode = true;
        m_session.SetDemo(true);
        return true;
    }
    // The window shows the layout of the type the keyboard uses.
    m_keymapType = m_session.KeyboardKeymapType();
    m_session.SetLayoutKeymapType(m_keymapType);
    return true;
}

void MainDialog::Setup()
{
    ShowUnsavedMarker(false);
    m_layoutName = m_prefix + QLatin1Char('_') + QString::number(m_keymapType);
    LoadLayout(LayoutFile::FileName(m_prefix, m_keymapType));
    SetupForm();
    SetupNavigation();
    // The pages were built before the window's own form and their key panels after it.
    TabOrder::FollowPlacement(this);
    TabOrder::KeepFocusInView(this);
    // A keyboard set up earlier must show its own keys, or an upload would put the layout's
    // defaults over them.
    connect(&m_session, &DeviceSession::KeyboardKeymapTypeChanged, this, &MainDialog::KeyboardKeymapTypeChanged);
    if (!m_demoMode && m_session.Device()->IsOpen())
        m_keymapPage->ReadFromKeyboard();
}

void MainDialog::LoadLayout(const QString& path)
{
    const LayoutDescription layout = LayoutFile::Read(path);
    if (!layout.ok) {
        ResultShow(kFailure, tr("The layout for this keyboard is missing or unusable: %1").arg(path));
        return;
    }
    LayoutFile::FillPannel(m_keymapPage->Pannel(), layout, LayoutFile::PannelRole::Keymap);
    LayoutFile::FillPannel(m_generalPage->ILedPannel(), layout, LayoutFile::PannelRole::Indicator);
    LayoutFile::FillPannel(m_generalPage->LengthPannel(), layout, LayoutFile::PannelRole::Length);
    LayoutFile::FillPannel(m_keyTestPage->Pannel(), layout, LayoutFile::PannelRole::Length);
    m_keyTestPage->SetLayoutCodes(layout);
    m_keyboardType = layout.keyboardtype;
    m_generalPage->SetKeyboardType(layout.keyboardtype);
    m_generalPage->SetFirmwareUrl(layout.firmware);
    m_keymapPage->SetLayoutCodes(layout);
    for (const LayoutKey& key : layout.keys) {
        if (key.valid && key.iledflag)
            m_generalPage->SetILedDefault(key.row, key.col, key.iledtype);
    }
}

QString MainDialog::AccessHelp(const QString& deviceName, const QString& path, const QString& reason)
{
    return tr("%1 is plugged in, but this user may not open it (%2: %3).").arg(deviceName, path, reason)
        + QStringLiteral("\n\n") + GrantAccessHelp();
}

QString MainDialog::GrantAccessHelp()
{
    return tr("On Linux, access to the keyboard comes from the udev rule installed with the program's package. "
              "Without the package, install the rule (packaging/70-driver-keyboard.rules in the source folder) as "
              "root:")
        + QStringLiteral("\n  sudo install -m 644 70-driver-keyboard.rules /etc/udev/rules.d/"
                         "\n  sudo udevadm control --reload-rules"
                         "\n  sudo udevadm trigger --subsystem-match=hidraw\n")
        + tr("Then unplug the keyboard and plug it in again.");
}

void MainDialog::SetupForm()
{
    new TitleBarDrag(this, ui->widgetTop);
    setProperty("form", true);
    setProperty("canMove", true);
    ui->widgetNavLeft->setProperty("flag", QStringLiteral("left"));
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint);

    IconHelper::Instance()->SetIcon(ui->btnMenu_Min, 0xF068, kMenuIconSize);
    IconHelper::Instance()->SetIcon(ui->btnMenu_Close, 0xF00D, kMenuIconSize);

    ui->lblStatus->setFixedHeight(kStatusHeight);
    setStyleSheet(TitleBarSheet()
        + QStringLiteral(
            "QWidget#skwMain{background:%1;}QWidget#lblStatus{background:%2;padding-left:4px;}"
            "QWidget#widgetNavLeft{background:%3;}QScrollArea#scaPage{background:transparent;border:none;}")
              .arg(QString::fromLatin1(Palette::kPageBackground), QString::fromLatin1(Palette::kStatusBackground),
                  kNormalBackground));
    // The frameless window is resized from the grip at the end of the status line.
    auto* grip = new QSizeGrip(ui->lblStatus);
    grip->setObjectName(QStringLiteral("gripResize"));
    auto* statusLayout = new QHBoxLayout(ui->lblStatus);
    statusLayout->setContentsMargins(0, 0, 0, 0);
    statusLayout->addStretch(1);
    statusLayout->addWidget(grip, 0, Qt::AlignRight | Qt::AlignBottom);
    WindowPlace::Place(this, QSize(m_windowWidth, m_windowHeight));

    WindowPlace::ScrollPage(ui->skwKeymap, m_keymapPage);
    m_keymapPage->SetupPannel();
    m_keymapPage->SetKeyboardName(m_layoutName);
    m_keymapPage->SetModelName(m_deviceName);
    m_keymapPage->SetModel(&m_model);
    m_keymapPage->SetClient(m_session.NewClient(m_keymapPage));
    connect(m_keymapPage, &KeymapDialog::ResultShow, this, &MainDialog::ResultShow);
    connect(m_keymapPage, &KeymapDialog::UnsavedEditsChanged, this, &MainDialog::UpdateUnsavedMarker);

    WindowPlace::ScrollPage(ui->skwGeneralConfig, m_generalPage);
    m_generalPage->InitKeyPannels();
    m_generalPage->SetModel(&m_model);
    m_generalPage->SetClient(m_session.NewClient(m_generalPage));
    m_generalPage->SetKeymapTypeChoice(
        m_prefix, [this](int type, const QString& name) { return m_demoMode || ConfirmKeymapType(type, name); });
    connect(m_generalPage, &GeneralConfigDialog::ResultShow, this, &MainDialog::ResultShow);

    WindowPlace::ScrollPage(ui->skwAbout, m_aboutPage);

    WindowPlace::ScrollPage(ui->skwMacro, m_macroPage);
    m_macroPage->SetModel(&m_model);
    m_macroPage->SetCaptureService(m_capture);
    m_macroPage->SetClient(m_session.NewClient(m_macroPage));
    connect(m_macroPage, &MacroDialog::ResultShow, this, &MainDialog::ResultShow);
    connect(m_macroPage, &MacroDialog::UnsavedEditsChanged, this, &MainDialog::UpdateUnsavedMarker);

    WindowPlace::ScrollPage(ui->skwKeyTest, m_keyTestPage);
    m_keyTestPage->SetupPannel();
    m_keyTestPage->SetCaptureService(m_capture);
    m_keyTestPage->SetKeyboardModel(&m_model);
    m_keyTestPage->SetKeyUseFile(UserDataFolder::KeyUseFile(), m_productId);
    connect(m_keyTestPage, &KeyTesterDialog::ResultShow, this, &MainDialog::ResultShow);
}

void MainDialog::hideEvent(QHideEvent* event)
{
    // Hidden by closing or minimising: the size and place the user gave the window stay for
    // the next start.
    if (!isMinimized())
        WindowPlace::Remember(this);
    QDialog::hideEvent(event);
}

void MainDialog::SetupNavigation()
{
    // The lighting pages are not offered yet.
    ui->tbtn2->setVisible(false);
    ui->tbtn3->setVisible(false);
    auto* navigation = new MainNavigation(this, ui->widgetNavLeft, ui->skwMain,
        {ui->tbtn1, ui->tbtn2, ui->tbtn3, ui->tbtn4, ui->tbtn5, ui->tbtn6, ui->tbtn7});
    navigation->Keys()->AddButton(ui->tbtnBackup, QKeySequence(Qt::CTRL | Qt::Key_B), tr("Back up the keyboard"));
    navigation->Keys()->AddButton(
        ui->tbtnRestore, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_B), tr("Restore the keyboard from a backup"));
    ui->tbtn1->click();
}

void MainDialog::CommandRefused(DeviceSession::Refusal why)
{
    switch (why) {
    case DeviceSession::Refusal::Demo:
        ResultShow(kWarning, tr("Demo Mode,Please connect keyboard and try again."));
        return;
    case DeviceSession::Refusal::NoDevice:
        ResultShow(kFailure, tr("Connect failed,Please try again."));
        return;
    case DeviceSession::Refusal::TooLong:
        ResultShow(kFailure, tr("Too much data for the keyboard, nothing was sent."));
        return;
    case DeviceSession::Refusal::LayoutMismatch:
        ShowLayoutMismatch(kFailure);
        return;
    }
}

bool MainDialog::BackupIdentity(KeyboardBackup* identity)
{
    const KeymapStore* store = m_keymapPage->Store();
    if (m_demoMode) {
        CommandRefused(DeviceSession::Refusal::Demo);
        return false;
    }
    if (!m_session.Device()->IsOpen()) {
        CommandRefused(DeviceSession::Refusal::NoDevice);
        return false;
    }
    if (!LayoutMatchesKeyboard()) {
        ShowLayoutMismatch(kFailure);
        return false;
    }
    if (!store->Loaded() || !store->KeymapTransferable()) {
        ResultShow(kFailure, tr("No keyboard layout is loaded that the keymaps can travel with."));
        return false;
    }
    identity->model = m_deviceName;
    identity->productId = m_productId;
    identity->keymapType = m_keymapType;
    identity->rows = store->RowNum();
    identity->cols = store->ColNum();
    identity->program = QStringLiteral(DRIVER_VERSION);
    return true;
}

void MainDialog::on_tbtnBackup_clicked()
{
    KeyboardBackup identity;
    if (!BackupIdentity(&identity))
        return;
    const QString path = FileDialog::GetSaveFileName(this, tr("Back Up Keyboard"),
        FileDialog::StartFolder() + m_prefix + QStringLiteral("-backup.json"), tr("Keyboard backups (*.json)"));
    if (path.isEmpty())
        return;
    BackupDialog dialog(identity, &m_session, this);
    dialog.StartBackup(path);
    dialog.exec();
}

void MainDialog::on_tbtnRestore_clicked()
{
    KeyboardBackup identity;
    if (!BackupIdentity(&identity))
        return;
    const QString path = FileDialog::GetOpenFileName(
        this, tr("Restore Keyboard"), FileDialog::StartFolder(), tr("Keyboard backups (*.json)"));
    if (path.isEmpty())
        return;
    const BackupFile::Result file = BackupFile::Load(path);
    if (!file.ok || !KeyboardBackup::Fits(file.backup, identity)) {
        MessageBox::Critical(this, tr("Restore Keyboard"),
            tr("%1 cannot be restored to this keyboard; nothing was written.").arg(QDir::toNativeSeparators(path))
                + QLatin1Char('\n')
                + (file.ok ? tr("It is a backup of %1 with keymap type %2; this keyboard is %3 with keymap type %4.")
                                 .arg(file.backup.model)
                                 .arg(file.backup.keymapType)
                                 .arg(identity.model)
                                 .arg(identity.keymapType)
                           : file.error));
        return;
    }
    BackupDialog dialog(identity, &m_session, this);
    dialog.StartRestore(file.backup, UserDataFolder::RestoreCopiesDir());
    dialog.exec();
    if (!dialog.Wrote())
        return;
    TakeRestored(dialog.ReadBackWhole() ? &dialog.ReadBack() : nullptr);
    const QString copy = tr("What it held before is saved in %1.").arg(QDir::toNativeSeparators(dialog.CopyPath()));
    if (dialog.Verified())
        ResultShow(
            kSuccess, tr("The keyboard was restored; every page shows what it holds now.") + QLatin1Char(' ') + copy);
    else
        ResultShow(kWarning,
            tr("The restore did not complete; every page shows what the keyboard holds now.") + QLatin1Char(' ')
                + copy);
}

void MainDialog::TakeRestored(const KeyboardBackup* readBack)
{
    // Edits made before are kept only where the user asks; then every page shows what the
    // restore read back, or reads the keyboard anew where the read-back did not finish.
    m_keymapPage->TakeKeyboardKeymaps();
    m_macroPage->TakeKeyboardMacros();
    m_model.Forget(KeyboardModel::Reason::Restored);
    if (readBack != nullptr)
        readBack->Record(&m_model);
}

void MainDialog::KeyboardKeymapTypeChanged(tdu1 type)
{
    qCDebug(lcApp) << "Keyboard Keymap Type" << type << m_keymapType;
    // Unknown for a while after "Set Keymap Type": the read that follows tells what it became.
    if (type != DeviceSession::kUnknownKeymapType && std::exchange(m_wantedKeymapType, -1) == type
        && type != m_keymapType) {
        // Not from inside the session's signal: the session goes with this window.
        QTimer::singleShot(0, this, [this, type] { OpenLayoutOfType(type); });
        return;
    }
    if (!LayoutMatchesKeyboard())
        ShowLayoutMismatch(kWarning);
}

bool MainDialog::ConfirmKeymapType(int type, const QString& name)
{
    if (type == m_keymapType)
        return true;
    if (!KeymapTypeQuestion::Ask(
            this, type, name, m_keymapPage->UnsavedKeymaps(), m_macroPage->Store()->UnsavedMacros()))
        return false;
    m_wantedKeymapType = type;
    return true;
}

void MainDialog::OpenLayoutOfType(tdu1 type)
{
    WindowPlace::Remember(this);
    const QString path = m_session.Device()->LastOpenPath();
    // The keyboard is one successor's only.
    m_session.Close();
    auto* next = new MainDialog(nullptr, false, m_productId, type);
    next->setAttribute(Qt::WA_DeleteOnClose, testAttribute(Qt::WA_DeleteOnClose));
    next->SetWindowSize(m_windowWidth, m_windowHeight);
    next->SetDeviceNames(m_prefix, m_deviceName);
    next->SetDevicePath(path);
    next->Session()->SetClock(m_session.ClockSource());
    m_replaced = true;
    if (!next->Connect()) {
        // Gone meanwhile, and the user chose to quit.
        delete next;
        close();
        return;
    }
    next->Setup();
    next->show();
    emit Replaced(next);
    close();
}

void MainDialog::ShowLayoutMismatch(tdu1 level)
{
    const tdu1 keyboard = m_session.KeyboardKeymapType();
    if (keyboard == DeviceSession::kUnknownKeymapType) {
        ResultShow(level,
            tr("The keyboard's keymap type is not known since it was changed; keymaps and indicators are neither "
               "written nor read until Read Keymap Type on the settings page tells it."));
        return;
    }
    ResultShow(level,
        tr("The keyboard now uses keymap type %1, but this window shows the layout of type %2: keymaps and "
           "indicators are neither written nor read until the program is started again to load that layout.")
            .arg(keyboard)
            .arg(m_keymapType));
}

bool MainDialog::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if ((type == QEvent::MouseButtonPress || type == QEvent::KeyPress) && watched->isWidgetType()
        && static_cast<QWidget*>(watched)->window() == this) {
        // Typing (a search, the key tester) is no new action; Enter, Space and shortcuts are.
        bool acts = type == QEvent::MouseButtonPress;
        if (!acts) {
            const auto* key = static_cast<QKeyEvent*>(event);
            acts = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Space
                || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        }
        if (acts)
            ui->lblStatus->clear();
    }
    return QDialog::eventFilter(watched, event);
}

void MainDialog::ResultShow(tdu1 code, const QString& text)
{
    const QColor color = Palette::StatusColor(code);
    QPalette palette = ui->lblStatus->palette();
    palette.setColor(QPalette::All, QPalette::WindowText, color);
    ui->lblStatus->setPalette(palette);
    ui->lblStatus->setText(text);
    // Screen readers announce it, as they do an alert.
    QAccessibleEvent alert(ui->lblStatus, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void MainDialog::ShowUnsavedMarker(bool unsaved)
{
    // The window title carries "[*]", where Qt shows the marker.
    setWindowModified(unsaved);
    const QString title = m_deviceName + (m_demoMode ? tr(" Driver (DEMO MODE)") : tr(" Driver"));
    ui->lblWindowTitle->setText(unsaved ? title + QStringLiteral("*") : title);
}

void MainDialog::UpdateUnsavedMarker()
{
    ShowUnsavedMarker(m_keymapPage->HasUnsavedEdits() || m_macroPage->HasUnsavedEdits());
}

void MainDialog::closeEvent(QCloseEvent* event)
{
    const bool keymaps = !m_replaced && m_keymapPage->HasUnsavedEdits();
    const bool macros = !m_replaced && m_macroPage->HasUnsavedEdits();
    if (keymaps || macros) {
        QStringList texts;
        if (keymaps)
            texts.append(m_keymapPage->UnsavedEditsText());
        if (macros)
            texts.append(m_macroPage->UnsavedEditsText());
        const QMessageBox::StandardButton answer = MessageBox::Question(this,
            macros ? tr("Unsaved Edits") : tr("Unsaved Keymap Edits"), texts.join(QStringLiteral("\n\n")),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
        const bool close = answer == QMessageBox::Discard
            || (answer == QMessageBox::Save && (!keymaps || m_keymapPage->SaveUnsavedKeymaps())
                && (!macros || m_macroPage->SaveUnsavedMacros()));
        if (!close) {
            event->ignore();
            return;
        }
    }
    QDialog::closeEvent(event);
}

void MainDialog::DeviceLost()
{
    // A recording must not keep the desktop's keyboard once the keyboard it was for is gone.
    m_macroPage->StopRecording();
    ResultShow(kFailure, tr("Keyboard disconnected. Plug it in again to go on; your edits are kept."));
}

void MainDialog::Reconnected()
{
    // It may have been changed elsewhere meanwhile: what was known of it is read again.
    m_model.Forget(
        LayoutMatchesKeyboard() ? KeyboardModel::Reason::Reconnected : KeyboardModel::Reason::KeymapTypeChanged);
    if (!LayoutMatchesKeyboard()) {
        ShowLayoutMismatch(kWarning);
        return;
    }
    ResultShow(kSuccess, tr("Keyboard reconnected."));
}

void MainDialog::on_btnMenu_Close_clicked()
{
    close();
}

void MainDialog::on_btnMenu_Min_clicked()
{
    showMinimized();
}

void MainDialog::keyPressEvent(QKeyEvent* event)
{
    // Escape would close the whole window, as in any dialog; here it only leaves edits alone.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
