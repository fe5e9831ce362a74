#include "settings/GeneralConfigDialog.h"

#include "device/Protocol.h"
#include "layout/KeyCap.h"
#include "layout/KeyPannel.h"
#include "settings/FirmwareInfo.h"
#include "settings/ILedAssignment.h"
#include "settings/KeymapTypeChoice.h"
#include "settings/SettingsLog.h"
#include "ui/ChoiceRow.h"
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
#include <QUrl>

namespace {
using Setting = KeyboardModel::Setting;

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
    , m_transfer(new SettingsTransfer(this))
{
    ui->setupUi(this);
    m_lengthPannel->setParent(ui->wdgLengthKeyPannel);
    m_iledPannel->setParent(ui->wdgILedKeyPannel);
    m_iled = new ILedAssignment(m_iledPannel, ui->wdgILedFunc, this);

    connect(m_transfer, &SettingsTransfer::ResultShow, this, &GeneralConfigDialog::ResultShow);
    connect(m_transfer, &SettingsTransfer::InfoRead, this, &GeneralConfigDialog::ShowInfo);
    SetModel(nullptr);

    SetupNavigation();
    // Nothing tells the latest version of the Bluetooth module yet; a button without action
    // would only puzzle.
    ui->btnGetBleNewFmVer->hide();
    ui->lblNewBleFmVer->hide();
    ui->lblFirmwareDesc_2->hide();
    setStyleSheet(PageStyleSheet());
}

GeneralConfigDialog::~GeneralConfigDialog()
{
    // A request still in flight must not reach a page whose form is gone, nor an answer.
    if (m_netManager)
        disconnect(m_netManager, nullptr, this, nullptr);
    m_transfer->SetClient(nullptr);
    disconnect(m_transfer->Model(), nullptr, this, nullptr);
    delete ui;
}

void GeneralConfigDialog::SetupNavigation()
{
    ui->wgdNavLeft->setProperty("flag", QStringLiteral("left"));
    IconHelper::NavStyleLeft(ui->wgdNavLeft, Palette::kNavBorder, QString::fromLatin1(Palette::kAccent),
        QString::fromLatin1(Palette::kBackground), QString::fromLatin1(Palette::kDarkBackground),
        QString::fromLatin1(Palette::kText), QString::fromLatin1(Palette::kLightText));
    auto* row = new ChoiceRow(this, [this](int page) { ui->skwGeneralConfig->setCurrentIndex(page); });
    for (QAbstractButton* button : {ui->tbtnDevice, ui->tbtnGeneral, ui->tbtnILedConfig, ui->tbtnHide})
        row->Add(button);
    ui->tbtnDevice->click();
}

void GeneralConfigDialog::SetClient(CommandClient* client)
{
    m_transfer->SetClient(client);
}

void GeneralConfigDialog::SetModel(KeyboardModel* model)
{
    disconnect(m_transfer->Model(), nullptr, this, nullptr);
    m_transfer->SetModel(model);
    connect(m_transfer->Model(), &KeyboardModel::SettingKnownChanged, this, &GeneralConfigDialog::ShowSetting);
}

void GeneralConfigDialog::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // The main window gives the page more height than its form; the left bar runs to the bottom
    // like the main window's own.
    ui->wgdNavLeft->resize(ui->wgdNavLeft->width(), height());
    ui->wdgSpilter->resize(ui->wdgSpilter->width(), height());
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
    m_transfer->SetWirelessTypeCount(types.size());
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
    m_iled->SetDefault(row, col, code);
}

tdu1 GeneralConfigDialog::ILedCode(tdu1 row, tdu1 col) const
{
    return m_iled->Code(row, col);
}

void GeneralConfigDialog::InitKeyPannels()
{
    PlacePannel(ui->wdgILedKeyPannel, m_iledPannel);
    PlacePannel(ui->wdgLengthKeyPannel, m_lengthPannel);
    PlaceGroups();
    m_iledPannel->BuildPannel();
    m_lengthPannel->BuildPannel();
    m_transfer->SetIndicatorGrid(m_iledPannel->RowNum(), m_iledPannel->ColNum());
    m_iled->Init();
    RefreshLengthPannel();
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
    m_iled->Refresh();
}

// Commands.

void GeneralConfigDialog::on_btnGetCurrFmVer_clicked()
{
    m_transfer->ReadInfo(SettingsTransfer::Info::FirmwareVersion);
}

void GeneralConfigDialog::on_btnDeviceSN_clicked()
{
    m_transfer->ReadInfo(SettingsTransfer::Info::SerialNumber);
}

void GeneralConfigDialog::on_btnGetBleCurrFmVer_clicked()
{
    m_transfer->ReadInfo(SettingsTransfer::Info::BleVersion);
}

void GeneralConfigDialog::on_btnBleSN_clicked()
{
    m_transfer->ReadInfo(SettingsTransfer::Info::BleSerialNumber);
}

void GeneralConfigDialog::on_btnGetNkro_clicked()
{
    m_transfer->Read(Setting::Rollover);
}

void GeneralConfigDialog::on_btnSetNkro_clicked()
{
    m_transfer->Write(
        Setting::Rollover, int(ui->rdbNKRO->isChecked() ? Protocol::kRolloverNkro : Protocol::kRollover6Kro));
}

void GeneralConfigDialog::on_btnGetSleepTime_clicked()
{
    m_transfer->Read(Setting::SleepTime);
}

void GeneralConfigDialog::on_btnSetSleepTime_clicked()
{
    m_transfer->Write(Setting::SleepTime, uint(ui->spbSleepTime->value()));
}

void GeneralConfigDialog::on_btnGetWakeupMode_clicked()
{
    m_transfer->Read(Setting::WakeupMode);
}

void GeneralConfigDialog::on_btnSetWakeupMode_clicked()
{
    m_transfer->Write(
        Setting::WakeupMode, int(ui->rdbWakeupAll->isChecked() ? Protocol::kWakeupAllKeys : Protocol::kWakeupEscOnly));
}

void GeneralConfigDialog::on_btnReadILedConfig_clicked()
{
    m_transfer->Read(Setting::Indicators);
}

void GeneralConfigDialog::on_btnSetILedConfig_clicked()
{
    const QByteArray block = m_iled->Block();
    if (block.isEmpty()) {
        emit ResultShow(Palette::kFailure, tr("No keyboard layout is loaded."));
        return;
    }
    m_transfer->Write(Setting::Indicators, block);
}

void GeneralConfigDialog::on_btnSetWirelessType_clicked()
{
    m_transfer->Write(Setting::WirelessType, qMax(0, ui->cbxWirelessType->currentIndex()));
}

void GeneralConfigDialog::on_btnGetWirelessType_clicked()
{
    m_transfer->Read(Setting::WirelessType);
}

void GeneralConfigDialog::SetKeymapTypeChoice(const QString& prefix, KeymapTypeQuestion ask)
{
    m_layoutPrefix = prefix;
    m_askKeymapType = std::move(ask);
    KeymapTypeChoice::Apply(ui->cbxKeymapType, prefix);
}

void GeneralConfigDialog::on_btnSetKeymapType_clicked()
{
    const int index = ui->cbxKeymapType->currentIndex();
    const int type = index > 0 && index < Protocol::kKeymapTypeCount ? index : 0;
    if (!m_layoutPrefix.isEmpty()) {
        const KeymapTypeChoice::Option option = KeymapTypeChoice::For(m_layoutPrefix, type);
        if (!option.available) {
            emit ResultShow(Palette::kFailure, option.why);
            return;
        }
    }
    if (m_askKeymapType && !m_askKeymapType(type, ui->cbxKeymapType->itemText(type)))
        return;
    m_transfer->Write(Setting::KeymapType, type);
}

void GeneralConfigDialog::on_btnGetKeymapType_clicked()
{
    m_transfer->Read(Setting::KeymapType);
}

// What the keyboard holds.

void GeneralConfigDialog::ShowInfo(SettingsTransfer::Info info, const QString& text)
{
    switch (info) {
    case SettingsTransfer::Info::FirmwareVersion:
        ui->lblCurrFmVer->setText(tr("Ver: ") + text);
        break;
    case SettingsTransfer::Info::SerialNumber:
        ui->ldtDeviceSN->setText(text);
        break;
    case SettingsTransfer::Info::BleVersion:
        ui->lblCurrBleFmVer->setText(tr("Ver: ") + text);
        break;
    case SettingsTransfer::Info::BleSerialNumber:
        ui->ldtBleSN->setText(text);
        break;
    }
}

void GeneralConfigDialog::ShowSetting(KeyboardModel::Setting setting)
{
    const QVariant value = m_transfer->Model()->SettingValue(setting);
    // A value the page does not know leaves the choice as it was.
    switch (setting) {
    case Setting::Rollover:
        if (value.toInt() == Protocol::kRollover6Kro)
            ui->rdb6KRO->setChecked(true);
        else if (value.toInt() == Protocol::kRolloverNkro)
            ui->rdbNKRO->setChecked(true);
        break;
    case Setting::SleepTime:
        // Clamped here already: a 32-bit value does not fit the spin box's int.
        ui->spbSleepTime->setValue(
            int(qBound<qlonglong>(ui->spbSleepTime->minimum(), value.toLongLong(), ui->spbSleepTime->maximum())));
        break;
    case Setting::WakeupMode:
        if (value.toInt() == Protocol::kWakeupEscOnly)
            ui->rdbWakeupEsc->setChecked(true);
        else if (value.toInt() == Protocol::kWakeupAllKeys)
            ui->rdbWakeupAll->setChecked(true);
        break;
    case Setting::Indicators:
        m_iled->SetBlock(value.toByteArray());
        break;
    case Setting::WirelessType:
        if (value.toInt() >= 0 && value.toInt() < ui->cbxWirelessType->count())
            ui->cbxWirelessType->setCurrentIndex(value.toInt());
        break;
    case Setting::KeymapType:
        if (value.toInt() >= 0 && value.toInt() < ui->cbxKeymapType->count())
            ui->cbxKeymapType->setCurrentIndex(value.toInt());
        break;
    case Setting::Count:
        break;
    }
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
        MessageBox::Critical(this, tr("error"), tr("No firmware information address is known for this keyboard."));
        return;
    }
    m_firmwareInfoUrl = m_firmwareUrl + kFirmwareInfoFile;
    const QUrl url(m_firmwareInfoUrl, QUrl::TolerantMode);
    if (!Download::IsWebUrl(url)) {
        qCDebug(lcSettings) << "Firmware Info Url Refused" << m_firmwareInfoUrl;
        MessageBox::Critical(
            this, tr("error"), tr("The firmware information address is not a web address: %1").arg(m_firmwareInfoUrl));
        return;
    }
    if (!Download::IsConfigured(url)) {
        MessageBox::Information(this, tr("Firmware"), Download::NotConfiguredText() + QLatin1Char('.'));
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
            MessageBox::Critical(this, tr("error"), tr("The server did not answer in time: %1").arg(m_firmwareInfoUrl));
        else
            MessageBox::Critical(this, tr("error"), Download::FailureText(reply));
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
