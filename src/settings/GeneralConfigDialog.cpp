#include "settings/GeneralConfigDialog.h"

#include "layout/KeyCap.h"
#include "layout/KeyPannel.h"
#include "settings/FirmwareInfo.h"
#include "settings/ILedFunction.h"
#include "settings/SettingsLog.h"
#include "settings/SettingsReply.h"
#include "ui/Download.h"
#include "ui/IconHelper.h"
#include "ui/MessageBox.h"
#include "ui/Palette.h"
#include "ui_GeneralConfigDialog.h"

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QResizeEvent>
#include <QStringList>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QtEndian>

namespace {
using Palette::kFailure;
using Palette::kSuccess;
using Palette::kWarning;

// Wireless families of the layout: which modules the keyboard's wireless type chooses from.
constexpr tdu1 kFamilyModule = 0;
constexpr tdu1 kFamilyMultiMode = 1;

// The wireless types of a family, by the byte that stands for them; none for unknown families.
QStringList WirelessTypes(tdu1 family)
{
    if (family == kFamilyModule)
        return {GeneralConfigDialog::tr("不启用"), GeneralConfigDialog::tr("ZRF 2.4G模块"),
            GeneralConfigDialog::tr("蓝牙优联模块")};
    if (family == kFamilyMultiMode) {
        return {GeneralConfigDialog::tr("USB单模"), GeneralConfigDialog::tr("USB-BLE双模"),
            GeneralConfigDialog::tr("USB-BLE-ZRF三模"), GeneralConfigDialog::tr("USB-BLE-LOGI三模")};
    }
    return {};
}

const QString kFirmwareInfoFile = QStringLiteral("Version.txt");

// The page's buttons; the indicator functions' tool buttons share the look.
QString PageStyleSheet()
{
    const QString functions = QStringLiteral("QWidget#wdgILedFunc QToolButton");
    return QStringLiteral("QWidget#wdgSpilter{background:#090909;}QWidget#wgdNavLeft{background:%1;}")
               .arg(QString::fromLatin1(Palette::kBackground))
        + Palette::ButtonSheet({QStringLiteral("QPushButton"), functions})
        + QStringLiteral("%1:focus{border:2px solid %2;}").arg(functions, QString::fromLatin1(Palette::kFocus))
        + Palette::FocusSheet(Palette::kFocus, Palette::kFocusOnLight);
}

struct ILedButtonTip
{
    const char* button;
    const char* tip;
};

// The keymap indicators explain themselves and carry no tip.
const ILedButtonTip kILedTips[] = {
    {"btnILedClear", QT_TRANSLATE_NOOP("GeneralConfigDialog", "Set Current Led As Null Indicator")},
    {"btnILedCapsLock", QT_TRANSLATE_NOOP("GeneralConfigDialog", "Set Current Led As CapsLock Indicator")},
    {"btnILedScrollLock", QT_TRANSLATE_NOOP("GeneralConfigDialog", "Set Current Led As ScrollLock Indicator")},
    {"btnILedNumLock", QT_TRANSLATE_NOOP("GeneralConfigDialog", "Set Current Led As NumLock Indicator")},
    {"btnILedLayer0", QT_TRANSLATE_NOOP("GeneralConfigDialog", "Set Current Led As Layer1 Indicator")},
    {"btnILedLayer1", QT_TRANSLATE_NOOP("GeneralConfigDialog", "Set Current Led As Layer2 Indicator")},
    {"btnILedLayer2", QT_TRANSLATE_NOOP("GeneralConfigDialog", "Set Current Led As Layer3 Indicator")},
    {"btnILedLayer3", QT_TRANSLATE_NOOP("GeneralConfigDialog", "Set Current Led As Layer4 Indicator")},
    {"tbtnILedBle1", QT_TRANSLATE_NOOP("GeneralConfigDialog", "Set Current Led As Ble Device 1 Indicator")},
    {"tbtnILedBle2", QT_TRANSLATE_NOOP("GeneralConfigDialog", "Set Current Led As Ble Device 2 Indicator")},
    {"tbtnILedBle3", QT_TRANSLATE_NOOP("GeneralConfigDialog", "Set Current Led As Ble Device 3 Indicator")},
    {"tbtnILedZrf", QT_TRANSLATE_NOOP("GeneralConfigDialog", "Set Current Led As 2.4G Device Indicator")},
    {"tbtnILedUnifying1", QT_TRANSLATE_NOOP("GeneralConfigDialog", "Set Current Led As Unifying Device 1 Indicator")},
    {"tbtnILedUnifying2", QT_TRANSLATE_NOOP("GeneralConfigDialog", "Set Current Led As Unifying Device 2 Indicator")},
    {"tbtnILedUnifying3", QT_TRANSLATE_NOOP("GeneralConfigDialog", "Set Current Led As Unifying Device 3 Indicator")},
};

// Panels sit at explicit geometries inside their containers, without a layout.
void PlacePannel(QWidget* container, KeyPannel* pannel)
{
    pannel->setParent(container);
    container->setGeometry(0, 0, pannel->PannelWidth(), pannel->PannelHeight());
    pannel->setGeometry(0, 0, pannel->PannelWidth(), pannel->PannelHeight());
    pannel->show();
}
} // namespace

GeneralConfigDialog::GeneralConfigDialog(QWidget* parent)
    : QWidget(parent)
    , m_lengthPannel(new KeyPannel)
    , m_iledPannel(new KeyPannel)
    , ui(new Ui::GeneralConfigDialog)
{
    ui->setupUi(this);
    m_lengthPannel->setParent(ui->wdgLengthKeyPannel);
    m_iledPannel->setParent(ui->wdgILedKeyPannel);

    ui->wgdNavLeft->setProperty("flag", QStringLiteral("left"));
    IconHelper::NavStyleLeft(ui->wgdNavLeft, Palette::kNavBorder, QString::fromLatin1(Palette::kAccent),
        QString::fromLatin1(Palette::kBackground), QString::fromLatin1(Palette::kDarkBackground),
        QString::fromLatin1(Palette::kText), QString::fromLatin1(Palette::kLightText));
    m_navButtons = {ui->tbtnDevice, ui->tbtnGeneral, ui->tbtnILedConfig, ui->tbtnHide};
    for (QAbstractButton* button : qAsConst(m_navButtons)) {
        button->setCheckable(true);
        connect(button, &QAbstractButton::clicked, this, &GeneralConfigDialog::tbtnGenConfigClicked);
    }
    SetupILedButtons();
    // Nothing tells the latest version of the Bluetooth module yet; a button without action
    // would only puzzle.
    ui->btnGetBleNewFmVer->hide();
    ui->lblNewBleFmVer->hide();
    ui->lblFirmwareDesc_2->hide();
    setStyleSheet(PageStyleSheet());
    ui->tbtnDevice->click();
}

GeneralConfigDialog::~GeneralConfigDialog()
{
    // A request still in flight must not reach a page whose form is gone.
    if (m_netManager)
        disconnect(m_netManager, nullptr, this, nullptr);
    delete ui;
}

void GeneralConfigDialog::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // The main window gives the page more height than its form; the left bar runs to the bottom
    // like the main window's own.
    ui->wgdNavLeft->resize(ui->wgdNavLeft->width(), height());
    ui->wdgSpilter->resize(ui->wdgSpilter->width(), height());
}

void GeneralConfigDialog::SetupILedButtons()
{
    for (const ILedButtonTip& entry : kILedTips) {
        if (auto* button = findChild<QAbstractButton*>(QLatin1String(entry.button)))
            button->setToolTip(tr(entry.tip));
    }
}

void GeneralConfigDialog::SetFirmwareUrl(const QString& url)
{
    m_firmwareUrl = url;
}

void GeneralConfigDialog::SetFirmwareInfoTimeout(int milliseconds)
{
    m_firmwareInfoTimeoutMs = milliseconds;
}

void GeneralConfigDialog::SetKeyboardType(tdu1 type)
{
    m_keyboardType = type;
    const QStringList types = WirelessTypes(type);
    if (types.isEmpty())
        return;
    if (type == kFamilyMultiMode) {
        // These keyboards carry no separate Bluetooth module to ask.
        ui->btnBleSN->hide();
        ui->ldtBleSN->hide();
        ui->gpbBleVersion->hide();
    }
    ui->cbxWirelessType->clear();
    ui->cbxWirelessType->addItems(types);
}

void GeneralConfigDialog::SetILedDefault(tdu1 row, tdu1 col, tdu1 code)
{
    if (m_iledPannel->IsKeyCheckable(row, col))
        m_iledMap[row][col] = code;
}

tdu1 GeneralConfigDialog::ILedCode(tdu1 row, tdu1 col) const
{
    if (row >= Protocol::kMaxRows || col >= Protocol::kMaxCols)
        return 0;
    return m_iledMap[row][col];
}

void GeneralConfigDialog::InitKeyPannels()
{
    PlacePannel(ui->wdgILedKeyPannel, m_iledPannel);
    PlacePannel(ui->wdgLengthKeyPannel, m_lengthPannel);
    PlaceGroups();
    m_iledPannel->BuildPannel();
    m_lengthPannel->BuildPannel();
    connect(m_iledPannel, &KeyPannel::KeyCapClicked, this, &GeneralConfigDialog::ILedPannelKeyCapClicked);
    MarkLedKeys();
    RefreshILedPannel();
    RefreshLengthPannel();
}

void GeneralConfigDialog::MarkLedKeys()
{
    // Only keys with an indicator LED take a function: they are outlined, the others are dimmed
    // and left out of the Tab order.
    for (tdu1 row = 0; row < m_iledPannel->RowNum(); row++) {
        for (tdu1 col = 0; col < m_iledPannel->ColNum(); col++) {
            KeyCap* cap = m_iledPannel->IsKeyValid(row, col) ? m_iledPannel->Cap(row, col) : nullptr;
            if (!cap)
                continue;
            const bool led = m_iledPannel->IsKeyCheckable(row, col);
            cap->SetMarked(led);
            cap->setEnabled(led);
            cap->setToolTip(led ? tr("This key has an indicator LED: choose it, then its function below") : QString());
        }
    }
}

void GeneralConfigDialog::PlaceGroups()
{
    // Without a layout the panels have no size; the form's own geometry stays.
    if (m_lengthPannel->PannelWidth() == 0)
        return;
    const int width = qMin<int>(m_lengthPannel->PannelWidth(), ui->skwGeneralConfig->width());
    const int height = m_lengthPannel->PannelHeight();
    ui->gpbDeivceSN->setGeometry(0, 10, width, 90);
    ui->gpbVersion->setGeometry(0, 120, width, 200);
    ui->gpbBleVersion->setGeometry(0, 330, width, 200);
    ui->gpbNKRO->setGeometry(0, height + 20, width, 60);
    ui->gpbSleepTime->setGeometry(0, height + 90, width, 60);
    ui->gpbWakeup->setGeometry(0, height + 180, width, 60);
    ui->lblILedHint->setGeometry(0, m_iledPannel->PannelHeight(), width, 20);
    ui->wdgILedFunc->setGeometry(0, m_iledPannel->PannelHeight() + 20, 630, 150);
    ui->groupBox->setGeometry(0, 10, width, 90);
    ui->groupBox_2->setGeometry(0, 120, width, 90);
}

void GeneralConfigDialog::RefreshLengthPannel()
{
    for (tdu1 row = 0; row < m_lengthPannel->RowNum(); row++) {
        for (tdu1 col = 0; col < m_lengthPannel->ColNum(); col++) {
            if (KeyCap* cap = m_lengthPannel->IsKeyValid(row, col) ? m_lengthPannel->Cap(row, col) : nullptr) {
                cap->SetCaption(cap->KeySizeName(), false);
                // The sizes are only shown: Tab passes them by.
                cap->Button()->setFocusPolicy(Qt::NoFocus);
            }
        }
    }
}

void GeneralConfigDialog::RefreshILedPannel()
{
    for (tdu1 row = 0; row < m_iledPannel->RowNum(); row++) {
        for (tdu1 col = 0; col < m_iledPannel->ColNum(); col++) {
            KeyCap* cap = m_iledPannel->Cap(row, col);
            if (!cap || !m_iledPannel->IsKeyValid(row, col) || !m_iledPannel->IsKeyCheckable(row, col))
                continue;
            cap->SetCaption(ILedFunction::KeyCaption(m_iledMap[row][col]), false);
            cap->SetChecked(false);
        }
    }
    if (m_iledPannel->IsKeyValid(m_iledSelRow, m_iledSelCol) && m_iledPannel->Cap(m_iledSelRow, m_iledSelCol))
        m_iledPannel->Cap(m_iledSelRow, m_iledSelCol)->SetChecked(true);
}

void GeneralConfigDialog::ILedPannelKeyCapClicked(tdu1 row, tdu1 col)
{
    if (!m_iledPannel->IsKeyCheckable(row, col))
        return;
    m_iledSelRow = row;
    m_iledSelCol = col;
    RefreshILedPannel();
}

void GeneralConfigDialog::SetILedFunction(tdu1 code)
{
    if (!m_iledPannel->IsKeyCheckable(m_iledSelRow, m_iledSelCol))
        return;
    m_iledMap[m_iledSelRow][m_iledSelCol] = code;
    RefreshILedPannel();
}

void GeneralConfigDialog::tbtnGenConfigClicked()
{
    for (int i = 0; i < m_navButtons.size(); i++) {
        QAbstractButton* button = m_navButtons.at(i);
        const bool current = button == sender();
        button->setChecked(current);
        if (current)
            ui->skwGeneralConfig->setCurrentIndex(i);
    }
}

// Requests.

void GeneralConfigDialog::Request(tdu1 cmd)
{
    emit SendCmd(cmd, nullptr, 0);
}

void GeneralConfigDialog::RequestByte(tdu1 cmd, tdu1 value)
{
    SendSetting(cmd, &value, 1, value);
}

void GeneralConfigDialog::SendSetting(tdu1 cmd, tdu1* data, tdu2 len, int value)
{
    emit SendCmd(cmd, data, len, CommandIntent {value, QByteArray()});
}

void GeneralConfigDialog::on_btnGetCurrFmVer_clicked()
{
    Request(Protocol::kCmdReadFirmwareVersion);
}

void GeneralConfigDialog::on_btnDeviceSN_clicked()
{
    Request(Protocol::kCmdReadSerialNumber);
}

void GeneralConfigDialog::on_btnGetBleCurrFmVer_clicked()
{
    Request(Protocol::kCmdReadBleVersion);
}

void GeneralConfigDialog::on_btnBleSN_clicked()
{
    Request(Protocol::kCmdReadBleSerialNumber);
}

void GeneralConfigDialog::on_btnGetNkro_clicked()
{
    Request(Protocol::kCmdReadRollover);
}

void GeneralConfigDialog::on_btnSetNkro_clicked()
{
    RequestByte(
        Protocol::kCmdSetRollover, ui->rdbNKRO->isChecked() ? Protocol::kRolloverNkro : Protocol::kRollover6Kro);
}

void GeneralConfigDialog::on_btnGetSleepTime_clicked()
{
    Request(Protocol::kCmdReadSleepTime);
}

void GeneralConfigDialog::on_btnSetSleepTime_clicked()
{
    tdu1 payload[Protocol::kSleepTimeSize];
    qToLittleEndian<quint32>(quint32(ui->spbSleepTime->value()), payload);
    SendSetting(Protocol::kCmdSetSleepTime, payload, Protocol::kSleepTimeSize);
}

void GeneralConfigDialog::on_btnGetWakeupMode_clicked()
{
    Request(Protocol::kCmdReadWakeupMode);
}

void GeneralConfigDialog::on_btnSetWakeupMode_clicked()
{
    RequestByte(Protocol::kCmdSetWakeupMode,
        ui->rdbWakeupAll->isChecked() ? Protocol::kWakeupAllKeys : Protocol::kWakeupEscOnly);
}

void GeneralConfigDialog::on_btnReadILedConfig_clicked()
{
    Request(Protocol::kCmdReadILedConfig);
}

void GeneralConfigDialog::on_btnSetILedConfig_clicked()
{
    // The whole grid in use, row by row, whether or not a key or an LED sits at a position.
    QByteArray block;
    for (int row = 0; row < m_iledPannel->RowNum(); row++)
        block.append(reinterpret_cast<const char*>(m_iledMap[row]), m_iledPannel->ColNum());
    if (block.isEmpty()) {
        ShowFailure(tr("No keyboard layout is loaded."));
        return;
    }
    SendSetting(Protocol::kCmdWriteILedConfig, reinterpret_cast<tdu1*>(block.data()), tdu2(block.size()));
}

void GeneralConfigDialog::on_btnSetWirelessType_clicked()
{
    RequestByte(Protocol::kCmdSetWirelessType, tdu1(qMax(0, ui->cbxWirelessType->currentIndex())));
}

void GeneralConfigDialog::on_btnGetWirelessType_clicked()
{
    Request(Protocol::kCmdReadWirelessType);
}

void GeneralConfigDialog::on_btnSetKeymapType_clicked()
{
    const int index = ui->cbxKeymapType->currentIndex();
    RequestByte(Protocol::kCmdSetKeymapType, index > 0 && index < Protocol::kKeymapTypeCount ? tdu1(index) : 0);
}

void GeneralConfigDialog::on_btnGetKeymapType_clicked()
{
    Request(Protocol::kCmdReadKeymapType);
}

// Indicator functions.

void GeneralConfigDialog::on_btnILedClear_clicked()
{
    SetILedFunction(ILedFunction::None);
}

void GeneralConfigDialog::on_btnILedCapsLock_clicked()
{
    SetILedFunction(ILedFunction::CapsLock);
}

void GeneralConfigDialog::on_btnILedScrollLock_clicked()
{
    SetILedFunction(ILedFunction::ScrollLock);
}

void GeneralConfigDialog::on_btnILedNumLock_clicked()
{
    SetILedFunction(ILedFunction::NumLock);
}

void GeneralConfigDialog::on_btnILedLayer0_clicked()
{
    SetILedFunction(ILedFunction::Layer1);
}

void GeneralConfigDialog::on_btnILedLayer1_clicked()
{
    SetILedFunction(ILedFunction::Layer2);
}

void GeneralConfigDialog::on_btnILedLayer2_clicked()
{
    SetILedFunction(ILedFunction::Layer3);
}

void GeneralConfigDialog::on_btnILedLayer3_clicked()
{
    SetILedFunction(ILedFunction::Layer4);
}

void GeneralConfigDialog::on_tbtnILedBle1_clicked()
{
    SetILedFunction(ILedFunction::Ble1);
}

void GeneralConfigDialog::on_tbtnILedBle2_clicked()
{
    SetILedFunction(ILedFunction::Ble2);
}

void GeneralConfigDialog::on_tbtnILedBle3_clicked()
{
    SetILedFunction(ILedFunction::Ble3);
}

void GeneralConfigDialog::on_tbtnILedZrf_clicked()
{
    SetILedFunction(ILedFunction::Zrf);
}

void GeneralConfigDialog::on_btnILedKeymap0_clicked()
{
    SetILedFunction(ILedFunction::Keymap1);
}

void GeneralConfigDialog::on_btnILedKeymap1_clicked()
{
    SetILedFunction(ILedFunction::Keymap2);
}

void GeneralConfigDialog::on_btnILedKeymap2_clicked()
{
    SetILedFunction(ILedFunction::Keymap3);
}

void GeneralConfigDialog::on_btnILedKeymap3_clicked()
{
    SetILedFunction(ILedFunction::Keymap4);
}

void GeneralConfigDialog::on_tbtnILedUnifying1_clicked()
{
    SetILedFunction(ILedFunction::Unifying1);
}

void GeneralConfigDialog::on_tbtnILedUnifying2_clicked()
{
    SetILedFunction(ILedFunction::Unifying2);
}

void GeneralConfigDialog::on_tbtnILedUnifying3_clicked()
{
    SetILedFunction(ILedFunction::Unifying3);
}

// Latest firmware information.

QNetworkAccessManager* GeneralConfigDialog::NetManager()
{
    // Made on first use: Qt's network stack starts threads of its own (its bearer plugins talk
    // to D-Bus), which a window that never asks for firmware information does without.
    if (!m_netManager) {
        m_netManager = new QNetworkAccessManager(this);
        connect(m_netManager, &QNetworkAccessManager::finished, this, &GeneralConfigDialog::GetFirmwareInfo);
    }
    return m_netManager;
}

void GeneralConfigDialog::on_btnGetNewFmVer_clicked()
{
    // One request at a time, so that answers never stack their message boxes.
    if (m_firmwareReply)
        return;
    if (m_firmwareUrl.isEmpty()) {
        MessageBox::Information(this, tr("error"), tr("No firmware information address is known for this keyboard."));
        return;
    }
    m_firmwareInfoUrl = m_firmwareUrl + kFirmwareInfoFile;
    const QUrl url(m_firmwareInfoUrl, QUrl::TolerantMode);
    if (!Download::IsWebUrl(url)) {
        qCDebug(lcSettings) << "Firmware Info Url Refused" << m_firmwareInfoUrl;
        MessageBox::Information(
            this, tr("error"), tr("The firmware information address is not a web address: %1").arg(m_firmwareInfoUrl));
        return;
    }

    // The shared download guards: plain bytes only, nothing beyond the file's limit buffered, and
    // an overall deadline besides the silence timeout.
    m_firmwareReply = Download::Get(NetManager(), url, FirmwareInfo::kMaxFileSize, m_firmwareInfoTimeoutMs);
    ui->btnGetNewFmVer->setEnabled(false);
    qCDebug(lcSettings) << "Get Firmware Info" << url.toString();
}

void GeneralConfigDialog::GetFirmwareInfo(QNetworkReply* reply)
{
    if (reply == nullptr)
        return;
    reply->deleteLater();
    if (reply != m_firmwareReply)
        return;
    FinishFirmwareInfo(reply);
    m_firmwareReply = nullptr;
    ui->btnGetNewFmVer->setEnabled(true);
}

void GeneralConfigDialog::FinishFirmwareInfo(QNetworkReply* reply)
{
    QByteArray body;
    if (!Download::Body(reply, &body)) {
        const Download::Failure failure = Download::FailureOf(reply);
        qCDebug(lcSettings) << "Firmware Info Error" << int(failure) << reply->errorString();
        if (failure == Download::Failure::TooLarge)
            MessageBox::Critical(this, tr("Error"), tr("Fail to Load Firmware Info"));
        else if (failure == Download::Failure::TimedOut)
            MessageBox::Information(
                this, tr("error"), tr("The server did not answer in time: %1").arg(m_firmwareInfoUrl));
        else
            MessageBox::Information(this, tr("error"), Download::FailureText(reply));
        return;
    }
    const FirmwareInfo::Result info = FirmwareInfo::Parse(body);
    switch (info.status) {
    case FirmwareInfo::Status::NoDevice:
        MessageBox::Critical(this, tr("Error"), tr("Fail to Load Firmware Info"));
        return;
    case FirmwareInfo::Status::NoVersion:
        MessageBox::Critical(this, tr("Error"), tr("Fail to Get Keyboard Version"));
        return;
    case FirmwareInfo::Status::Ok:
        break;
    }
    qCDebug(lcSettings) << "Firmware Info" << info.device << info.version;
    // The server's text is shown as it is, never as markup.
    ui->lblNewFmVer->setTextFormat(Qt::PlainText);
    ui->lblFirmwareDesc->setTextFormat(Qt::PlainText);
    ui->lblNewFmVer->setText(tr("Ver: ") + info.version);
    ui->lblFirmwareDesc->setText(info.description);
}

// Replies.

void GeneralConfigDialog::RecHidCmd(tdu1 cmd, tdu1* data, tdu2 len, const QVariant& context)
{
    switch (cmd) {
    case Protocol::kCmdReadFirmwareVersion:
        ReceiveFirmwareVersion(data, len);
        break;
    case Protocol::kCmdWriteILedConfig:
        ShowStatus(data, len, tr("Success to Apply Indicator Setting"), tr("Fail to Apply Indicator Setting"));
        break;
    case Protocol::kCmdReadILedConfig:
        ReceiveILedConfig(data, len);
        break;
    case Protocol::kCmdSetRollover:
        ShowStatus(data, len, tr("Success to Apply Keyboard NKRO Setting"), tr("Fail to Apply Keyboard NKRO Setting"));
        break;
    case Protocol::kCmdReadRollover:
        ReceiveRollover(data, len);
        break;
    case Protocol::kCmdReadSerialNumber:
        ReceiveSerialNumber(data, len);
        break;
    case Protocol::kCmdSetSleepTime:
        ShowStatus(data, len, tr("Success to Set Inactive Sleep Time"), tr("Fail to Set Inactive Sleep Time"));
        break;
    case Protocol::kCmdReadSleepTime:
        ReceiveSleepTime(data, len);
        break;
    case Protocol::kCmdSetWirelessType:
        ShowStatus(data, len, tr("设置无线类型成功"), tr("设置无线类型失败"));
        break;
    case Protocol::kCmdReadWirelessType:
        ReceiveWirelessType(data, len);
        break;
    case Protocol::kCmdSetKeymapType:
        if (ShowStatus(data, len, tr("Success to Set Keymap Type"), tr("Fail to Set Keymap Type")))
            emit KeymapTypeKnown(tdu1(context.toInt()));
        break;
    case Protocol::kCmdReadKeymapType:
        ReceiveKeymapType(data, len);
        break;
    case Protocol::kCmdSetWakeupMode:
        ShowStatus(data, len, tr("Success to Apply Keyboard Wakeup Mode Setting"),
            tr("Fail to Apply Keyboard Wakeup Mode Setting"));
        break;
    case Protocol::kCmdReadWakeupMode:
        ReceiveWakeupMode(data, len);
        break;
    case Protocol::kCmdReadBleVersion:
        ReceiveBleVersion(data, len);
        break;
    case Protocol::kCmdReadBleSerialNumber:
        ReceiveBleSerialNumber(data, len);
        break;
    default:
        break;
    }
}

bool GeneralConfigDialog::ShowStatus(tdu1* data, tdu2 len, const QString& done, const QString& failed)
{
    if (SettingsReply::Status(data, len) == SettingsReply::Outcome::Ok) {
        emit ResultShow(kSuccess, done);
        return true;
    }
    emit ResultShow(kFailure, failed);
    return false;
}

void GeneralConfigDialog::ShowFailure(const QString& text)
{
    emit ResultShow(kFailure, text);
}

void GeneralConfigDialog::ReceiveFirmwareVersion(tdu1* data, tdu2 len)
{
    const SettingsReply::Decoded version = SettingsReply::FirmwareVersion(data, len);
    if (version.outcome != SettingsReply::Outcome::Ok) {
        ShowFailure(tr("Fail to Read Keyboard Version"));
        return;
    }
    ui->lblCurrFmVer->setText(tr("Ver: ") + version.text);
    emit ResultShow(kSuccess, tr("Success to Read Keyboard Version"));
}

void GeneralConfigDialog::ReceiveSerialNumber(tdu1* data, tdu2 len)
{
    qCDebug(lcSettings) << "ReceiveSN" << len;
    const SettingsReply::Decoded serial = SettingsReply::SerialNumber(data, len);
    if (serial.outcome != SettingsReply::Outcome::Ok) {
        ShowFailure(tr("Fail to Read Keyboard SN"));
        return;
    }
    ui->ldtDeviceSN->setText(serial.text);
    emit ResultShow(kSuccess, tr("Success to Read Keyboard SN"));
}

void GeneralConfigDialog::ReceiveBleVersion(tdu1* data, tdu2 len)
{
    const SettingsReply::Decoded version = SettingsReply::BleVersion(data, len);
    if (ReportBleStatus(version, tr("Fail to Read Keyboard Bluetooth Version"))) {
        ui->lblCurrBleFmVer->setText(tr("Ver: ") + version.text);
        emit ResultShow(kSuccess, tr("Success to Read Keyboard Bluetooth Version"));
    }
}

void GeneralConfigDialog::ReceiveBleSerialNumber(tdu1* data, tdu2 len)
{
    qCDebug(lcSettings) << "Receive Ble SN" << len;
    const SettingsReply::Decoded serial = SettingsReply::BleSerialNumber(data, len);
    if (ReportBleStatus(serial, tr("Fail to Read Keyboard Bluetooth SN"))) {
        ui->ldtBleSN->setText(serial.text);
        emit ResultShow(kSuccess, tr("Success to Read Keyboard Bluetooth SN"));
    }
}

bool GeneralConfigDialog::ReportBleStatus(const SettingsReply::Decoded& reply, const QString& shortReply)
{
    switch (reply.outcome) {
    case SettingsReply::Outcome::Ok:
        return true;
    case SettingsReply::Outcome::NotInit:
        emit ResultShow(kWarning, tr("Keyboard Bluetooth Not Init"));
        break;
    case SettingsReply::Outcome::NotAvailable:
        ShowFailure(tr("Keyboard Bluetooth Not Available"));
        break;
    case SettingsReply::Outcome::Short:
        ShowFailure(shortReply);
        break;
    default:
        qCDebug(lcSettings) << "Ble Status" << reply.value;
        break;
    }
    return false;
}

void GeneralConfigDialog::ReceiveRollover(tdu1* data, tdu2 len)
{
    const SettingsReply::Decoded mode = SettingsReply::Byte(data, len);
    if (mode.outcome != SettingsReply::Outcome::Ok) {
        ShowFailure(tr("Fail to Read Keyboard NKRO Setting"));
        return;
    }
    // A mode the page does not know leaves the choice as it was.
    if (mode.value == Protocol::kRollover6Kro)
        ui->rdb6KRO->setChecked(true);
    else if (mode.value == Protocol::kRolloverNkro)
        ui->rdbNKRO->setChecked(true);
    emit ResultShow(kSuccess, tr("Success to Read Keyboard NKRO Setting"));
}

void GeneralConfigDialog::ReceiveSleepTime(tdu1* data, tdu2 len)
{
    const SettingsReply::Decoded seconds = SettingsReply::SleepTime(data, len);
    if (seconds.outcome != SettingsReply::Outcome::Ok) {
        ShowFailure(tr("Fail to Read Inactive Sleep Time"));
        return;
    }
    // Clamped here already: a 32-bit value does not fit the spin box's int.
    ui->spbSleepTime->setValue(
        int(qBound<tdu4>(tdu4(ui->spbSleepTime->minimum()), seconds.value, tdu4(ui->spbSleepTime->maximum()))));
    emit ResultShow(kSuccess, tr("Success to Read Inactive Sleep Time"));
}

void GeneralConfigDialog::ReceiveWakeupMode(tdu1* data, tdu2 len)
{
    const SettingsReply::Decoded mode = SettingsReply::Byte(data, len);
    if (mode.outcome != SettingsReply::Outcome::Ok) {
        ShowFailure(tr("Fail to Read Keyboard Wakeup Mode Setting"));
        return;
    }
    if (mode.value == Protocol::kWakeupEscOnly)
        ui->rdbWakeupEsc->setChecked(true);
    else if (mode.value == Protocol::kWakeupAllKeys)
        ui->rdbWakeupAll->setChecked(true);
    emit ResultShow(kSuccess, tr("Success to Read Keyboard Wakeup Mode Setting"));
}

void GeneralConfigDialog::ReceiveILedConfig(tdu1* data, tdu2 len)
{
    const int rows = m_iledPannel->RowNum();
    const int cols = m_iledPannel->ColNum();
    // A short block would mix the keyboard's assignment with the page's.
    if (SettingsReply::ILedBlock(data, len, rows, cols, m_iledMap) != SettingsReply::Outcome::Ok) {
        qCDebug(lcSettings) << "Indicator Reply Too Short" << len << rows * cols;
        ShowFailure(tr("Fail to Read Indicator Setting"));
        return;
    }
    RefreshILedPannel();
    emit ResultShow(kSuccess, tr("Success to Read Indicator Setting"));
}

void GeneralConfigDialog::ReceiveWirelessType(tdu1* data, tdu2 len)
{
    const int count = WirelessTypes(m_keyboardType).size();
    if (count == 0)
        return;
    const SettingsReply::Decoded type = SettingsReply::Byte(data, len);
    if (type.outcome != SettingsReply::Outcome::Ok || type.value >= tdu4(count)) {
        ShowFailure(tr("读取无线类型失败"));
        return;
    }
    ui->cbxWirelessType->setCurrentIndex(int(type.value));
    emit ResultShow(kSuccess, tr("读取无线类型成功"));
}

void GeneralConfigDialog::ReceiveKeymapType(tdu1* data, tdu2 len)
{
    const SettingsReply::Decoded type = SettingsReply::Byte(data, len);
    if (type.outcome != SettingsReply::Outcome::Ok || type.value >= tdu4(Protocol::kKeymapTypeCount)) {
        ShowFailure(tr("Fail to Get Keymap Type"));
        return;
    }
    ui->cbxKeymapType->setCurrentIndex(int(type.value));
    emit ResultShow(kSuccess, tr("Success to Get Keymap Type"));
    emit KeymapTypeKnown(tdu1(type.value));
}
