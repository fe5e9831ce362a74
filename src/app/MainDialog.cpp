#include "app/MainDialog.h"

#include "about/AboutDialog.h"
#include "app/AppLog.h"
#include "device/Protocol.h"
#include "keymap/KeymapDialog.h"
#include "layout/LayoutFile.h"
#include "macro/MacroDialog.h"
#include "settings/GeneralConfigDialog.h"
#include "tester/KeyTesterDialog.h"
#include "ui/IconHelper.h"
#include "ui/MessageBox.h"
#include "ui/Palette.h"
#include "ui_MainDialog.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolButton>

namespace {
const QString kAccent = QString::fromLatin1(Palette::kAccent);
const QString kNormalBackground = QString::fromLatin1(Palette::kBackground);
const QString kCheckedBackground = QString::fromLatin1(Palette::kDarkBackground);
const QString kNormalText = QString::fromLatin1(Palette::kText);
const QString kCheckedText = QString::fromLatin1(Palette::kLightText);

constexpr int kNavIconSize = 25;
constexpr int kNavPixmapSize = 35;
constexpr int kMenuIconSize = 9;
constexpr int kStatusHeight = 22;

// The device index sets the window size; a broken index must not ask the window system for a
// window of gigabytes.
constexpr int kMinWindowWidth = 320;
constexpr int kMinWindowHeight = 240;
constexpr int kMaxWindowEdge = 4096;
} // namespace

MainDialog::MainDialog(QWidget* parent, bool demo, tdu2 productId, tdu1 keymapType)
    : QDialog(parent)
    , ui(new Ui::MainDialog)
    , m_location(0, 0, -1, -1)
    , m_productId(productId)
    , m_keymapPage(new KeymapDialog(this))
    , m_generalPage(new GeneralConfigDialog(this))
    , m_aboutPage(new AboutDialog(this))
    , m_macroPage(new MacroDialog(this))
    , m_keyTestPage(new KeyTesterDialog(this))
    , m_demoMode(demo)
    , m_keymapType(keymapType)
    , m_keyboardKeymapType(keymapType)
    , m_layoutName(QStringLiteral("NOVA_0"))
{
    ui->setupUi(this);
    setWindowTitle(windowTitle() + QStringLiteral("[*]"));
    setWindowIcon(IconHelper::WindowIcon());
    connect(&m_hid, &HidDeviceHandle::DeviceLost, this, &MainDialog::DeviceLost);
    m_reconnectTimer.setInterval(kReconnectIntervalMs);
    connect(&m_reconnectTimer, &QTimer::timeout, this, &MainDialog::TryReconnect);
    connect(&m_ledger, &CommandLedger::Overdue, this, &MainDialog::RepliesOverdue);
}

MainDialog::~MainDialog()
{
    delete ui;
}

void MainDialog::SetWindowSize(qint16 width, qint16 height)
{
    m_windowWidth = width;
    m_windowHeight = height;
}

void MainDialog::SetDeviceNames(const QString& prefix, const QString& name)
{
    m_prefix = prefix;
    m_deviceName = name;
    qCDebug(lcApp) << prefix << name;
}

bool MainDialog::Connect()
{
    if (m_demoMode)
        return true;
    qCDebug(lcApp) << "pid" << m_productId;
    if (!m_hid.Open(m_productId, Protocol::kVendorId)) {
        const bool noAccess = m_hid.LastOpenError() == HidDeviceHandle::OpenError::NoAccess;
        const QMessageBox::StandardButton answer = noAccess
            ? MessageBox::Critical(nullptr, tr("Keyboard Access Denied"),
                AccessHelp(m_deviceName, m_hid.LastOpenPath(), m_hid.LastOpenReason()) + QStringLiteral("\n\n")
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
        return true;
    }
    m_keymapType = ReadKeymapType();
    m_keyboardKeymapType = m_keymapType;
    m_hid.StartRecThread();
    return true;
}

tdu1 MainDialog::ReadKeymapType()
{
    tdu1 reply[Protocol::kMaxPayload] = {};
    tdu2 length = 0;
    m_hid.WriteCmd(Protocol::kCmdReadKeymapType, nullptr, 0);
    if (m_hid.ReadCmd(Protocol::kCmdReadKeymapType, reply, &length) && length > 0) {
        qCDebug(lcApp) << "Read Keymap Type Success" << reply[0] << length;
        return reply[0];
    }
    qCDebug(lcApp) << "Read Keymap Type Failed";
    return 0;
}

void MainDialog::Setup()
{
    ShowUnsavedMarker(false);
    m_layoutName = m_prefix + QLatin1Char('_') + QString::number(m_keymapType);
    LoadLayout(LayoutFile::FileName(m_prefix, m_keymapType));
    SetupForm();
    SetupNavigation();
    // A keyboard set up earlier must show its own keys, or an upload would put the layout's
    // defaults over them.
    if (!m_demoMode && m_hid.IsOpen())
        m_keymapPage->ReadFromKeyboard();
}

void MainDialog::LoadLayout(const QString& path)
{
    const LayoutDescription layout = LayoutFile::Read(path);
    if (!layout.ok) {
        ResultShow(1, tr("The layout for this keyboard is missing or unusable: %1").arg(path));
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
    m_location = geometry();
    setProperty("form", true);
    setProperty("canMove", true);
    ui->widgetNavLeft->setProperty("flag", QStringLiteral("left"));
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint);

    IconHelper::Instance()->SetIcon(ui->btnMenu_Min, 0xF068, kMenuIconSize);
    IconHelper::Instance()->SetIcon(ui->btnMenu_Close, 0xF00D, kMenuIconSize);

    setFixedSize(qBound(kMinWindowWidth, int(m_windowWidth), kMaxWindowEdge),
        qBound(kMinWindowHeight, int(m_windowHeight), kMaxWindowEdge));
    ui->lblStatus->setFixedHeight(kStatusHeight);
    setStyleSheet(QStringLiteral("QWidget#widgetTop{background-color:qlineargradient(spread:pad, x1:0, y1:0, x2:0, "
                                 "y2:1, stop:0 #2AA2DA, stop:1 #12B5FF);color:#F0F0F0;}")
        + QStringLiteral("QWidget#skwMain{background:#C9C9C9;}")
        + QStringLiteral("QWidget#lblStatus{background:#C9C9C9;}")
        + QStringLiteral("QLabel#lblTitle{color:#ffffff;font:32pt;}")
        + QStringLiteral("QLabel#lblWindowTitle{color:#202020;font:18pt;}")
        + QStringLiteral("QWidget#widgetNavLeft{background:#292F38;}"));

    PlacePage(ui->skwKeymap, m_keymapPage);
    m_keymapPage->SetupPannel();
    m_keymapPage->SetKeyboardName(m_layoutName);
    m_keymapPage->SetModelName(m_deviceName);
    connect(m_keymapPage, &KeymapDialog::SendCmd, this,
        [this](tdu1 cmd, tdu1* data, tdu2 length, const CommandIntent& intent) {
            SendPageCmd(m_keymapPage, cmd, data, length, intent);
        });
    connect(m_keymapPage, &KeymapDialog::ResultShow, this, &MainDialog::ResultShow);
    connect(m_keymapPage, &KeymapDialog::UnsavedEditsChanged, this, &MainDialog::UpdateUnsavedMarker);

    PlacePage(ui->skwGeneralConfig, m_generalPage);
    m_generalPage->InitKeyPannels();
    connect(m_generalPage, &GeneralConfigDialog::SendCmd, this,
        [this](tdu1 cmd, tdu1* data, tdu2 length, const CommandIntent& intent) {
            SendPageCmd(m_generalPage, cmd, data, length, intent);
        });
    connect(m_generalPage, &GeneralConfigDialog::KeymapTypeKnown, this, &MainDialog::KeyboardKeymapTypeChanged);
    connect(m_generalPage, &GeneralConfigDialog::ResultShow, this, &MainDialog::ResultShow);

    PlacePage(ui->skwAbout, m_aboutPage);

    PlacePage(ui->skwMacro, m_macroPage);
    connect(m_macroPage, &MacroDialog::SendCmd, this,
        [this](tdu1 cmd, tdu1* data, tdu2 length, const CommandIntent& intent) {
            SendPageCmd(m_macroPage, cmd, data, length, intent);
        });
    connect(m_macroPage, &MacroDialog::ResultShow, this, &MainDialog::ResultShow);
    connect(m_macroPage, &MacroDialog::UnsavedEditsChanged, this, &MainDialog::UpdateUnsavedMarker);

    PlacePage(ui->skwKeyTest, m_keyTestPage);
    m_keyTestPage->SetupPannel();
    connect(m_keyTestPage, &KeyTesterDialog::ResultShow, this, &MainDialog::ResultShow);

    connect(&m_hid, &HidDeviceHandle::OnRecCmd, this, &MainDialog::OnRecHidCmd);
}

void MainDialog::PlacePage(QWidget* container, QWidget* page)
{
    auto* layout = new QHBoxLayout(container);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(page);
}

void MainDialog::SetupNavigation()
{
    IconHelper::NavStyleLeft(
        ui->widgetNavLeft, 3, kAccent, kNormalBackground, kCheckedBackground, kNormalText, kCheckedText);
    m_navIcons = {0xF11C, 0xF0EB, 0xF294, 0xF085, 0xF03A, 0xF129, 0xF0E4};
    m_navButtons = {ui->tbtn1, ui->tbtn2, ui->tbtn3, ui->tbtn4, ui->tbtn5, ui->tbtn6, ui->tbtn7};
    for (int i = 0; i < m_navButtons.size(); i++) {
        m_navIconsNormal.append(IconHelper::Instance()->GetPixmap(
            kNormalText, m_navIcons.at(i), kNavIconSize, kNavPixmapSize, kNavPixmapSize));
        m_navIconsChecked.append(IconHelper::Instance()->GetPixmap(
            kCheckedText, m_navIcons.at(i), kNavIconSize, kNavPixmapSize, kNavPixmapSize));
    }
    // The lighting pages are not offered yet.
    ui->tbtn2->setVisible(false);
    ui->tbtn3->setVisible(false);
    for (int i = 0; i < m_navButtons.size(); i++) {
        auto* button = qobject_cast<QToolButton*>(m_navButtons.at(i));
        button->setIcon(QIcon(m_navIconsNormal.at(i)));
        button->setIconSize(QSize(kNavIconSize, kNavIconSize));
        button->setCheckable(true);
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        connect(button, &QAbstractButton::clicked, this, &MainDialog::buttonClickedLeft);
    }
    ui->tbtn1->click();
}

void MainDialog::buttonClickedLeft()
{
    for (int i = 0; i < m_navButtons.size(); i++) {
        QAbstractButton* button = m_navButtons.at(i);
        if (button == sender()) {
            button->setIcon(QIcon(m_navIconsChecked.at(i)));
            button->setChecked(true);
            ui->skwMain->setCurrentIndex(i);
        } else {
            button->setIcon(QIcon(m_navIconsNormal.at(i)));
            button->setChecked(false);
        }
    }
}

void MainDialog::SendHidCmd(tdu1 cmd, tdu1* data, tdu2 length)
{
    SendPageCmd(this, cmd, data, length, CommandIntent());
}

void MainDialog::SendPageCmd(const QObject* page, tdu1 cmd, tdu1* data, tdu2 length, const CommandIntent& intent)
{
    if (!LayoutMatchesKeyboard() && Protocol::IsLayoutBound(cmd) && m_hid.IsOpen()) {
        qCDebug(lcApp) << "Layout Mismatch" << cmd << m_keymapType << m_keyboardKeymapType;
        ShowLayoutMismatch(1);
        return;
    }
    const int result = m_hid.WriteCmd(cmd, data, length);
    if (result == Protocol::kWriteTooLong) {
        ResultShow(1, tr("Too much data for the keyboard, nothing was sent."));
        return;
    }
    if (result != Protocol::kWriteNoDevice) {
        m_ledger.Record(cmd, page, intent);
        return;
    }
    if (m_demoMode)
        ResultShow(2, tr("Demo Mode,Please connect keyboard and try again."));
    else
        ResultShow(1, tr("Connect failed,Please try again."));
}

void MainDialog::OnRecHidCmd(tdu1 cmd, tdu1* data, tdu2 length)
{
    const CommandLedger::Answer answer = m_ledger.Take(cmd, data, length);
    const QObject* owner = answer.entry.owner;
    switch (answer.match) {
    case CommandLedger::Match::Unasked:
        return;
    case CommandLedger::Match::Late:
        // What a late answer says may no longer hold, and the user may have edited since.
        if (owner == m_keymapPage)
            ResultShow(2, tr("The keyboard answered late; read again to see its keymap."));
        else if (owner == m_macroPage)
            ResultShow(2, tr("The keyboard answered late; read again to see its macro."));
        else if (owner == m_generalPage)
            ResultShow(2, tr("The keyboard answered late; read again to see its settings."));
        return;
    case CommandLedger::Match::Awaited:
        break;
    }
    const QVariant& context = answer.entry.intent.context;
    if (owner == m_keymapPage)
        m_keymapPage->RecHidCmd(cmd, data, length, context);
    else if (owner == m_generalPage)
        m_generalPage->RecHidCmd(cmd, data, length, context);
    else if (owner == m_macroPage)
        m_macroPage->RecHidCmd(cmd, data, length, context);
}

void MainDialog::RepliesOverdue(const QList<CommandLedger::Entry>& entries)
{
    qCDebug(lcApp) << "No Reply" << entries.size();
    ResultShow(1, tr("The keyboard did not answer."));
}

void MainDialog::KeyboardKeymapTypeChanged(tdu1 type)
{
    m_keyboardKeymapType = type;
    qCDebug(lcApp) << "Keyboard Keymap Type" << type << m_keymapType;
    if (!LayoutMatchesKeyboard())
        ShowLayoutMismatch(2);
}

void MainDialog::ShowLayoutMismatch(tdu1 level)
{
    ResultShow(level,
        tr("The keyboard now uses keymap type %1, but this window shows the layout of type %2: keymaps and "
           "indicators are neither written nor read until the program is started again to load that layout.")
            .arg(m_keyboardKeymapType)
            .arg(m_keymapType));
}

void MainDialog::ResultShow(tdu1 code, const QString& text)
{
    QColor color;
    switch (code) {
    case 0:
        color = Qt::darkGreen;
        break;
    case 1:
        color = Qt::red;
        break;
    default:
        color = Qt::yellow;
        break;
    }
    QPalette palette = ui->lblStatus->palette();
    palette.setColor(QPalette::All, QPalette::WindowText, color);
    ui->lblStatus->setPalette(palette);
    ui->lblStatus->setText(text);
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
    const bool keymaps = m_keymapPage->HasUnsavedEdits();
    const bool macros = m_macroPage->HasUnsavedEdits();
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
    // Nothing sent to the keyboard that went away will be answered; the disconnection says enough.
    m_ledger.Forget();
    ResultShow(1, tr("Keyboard disconnected. Plug it in again to go on; your edits are kept."));
    m_reconnectTimer.start();
}

void MainDialog::TryReconnect()
{
    if (!HidDeviceHandle::PresentProducts(Protocol::kVendorId).contains(m_productId))
        return;
    if (!m_hid.Open(m_productId, Protocol::kVendorId)) {
        // Present but refused: say so once and keep looking, as the rule may yet take effect.
        if (m_hid.LastOpenError() == HidDeviceHandle::OpenError::NoAccess && !m_reconnectRefused) {
            m_reconnectRefused = true;
            ResultShow(1, tr("The keyboard is back, but this user may not open %1.").arg(m_hid.LastOpenPath()));
        }
        return;
    }
    m_reconnectTimer.stop();
    m_reconnectRefused = false;
    // Opening reads the keymap type, as at start-up, and nothing else.
    m_keyboardKeymapType = ReadKeymapType();
    m_hid.StartRecThread();
    qCDebug(lcApp) << "Reconnected" << m_keyboardKeymapType;
    if (!LayoutMatchesKeyboard()) {
        ShowLayoutMismatch(2);
        return;
    }
    ResultShow(0, tr("Keyboard reconnected."));
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

void MainDialog::mousePressEvent(QMouseEvent* event)
{
    m_pressPos = event->pos();
    if (m_pressPos.x() <= ui->widgetTop->width() && m_pressPos.y() <= ui->widgetTop->height())
        m_mousePressed = true;
    QDialog::mousePressEvent(event);
}

void MainDialog::mouseMoveEvent(QMouseEvent* event)
{
    if (m_mousePressed)
        move(event->globalPos() - m_pressPos);
    QDialog::mouseMoveEvent(event);
}

void MainDialog::mouseReleaseEvent(QMouseEvent* event)
{
    m_mousePressed = false;
    QDialog::mouseReleaseEvent(event);
}
