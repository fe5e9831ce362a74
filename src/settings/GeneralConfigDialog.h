#pragma once

#include "device/CommandIntent.h"
#include "device/DeviceTypes.h"
#include "device/Protocol.h"
#include "settings/SettingsReply.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace Ui {
class GeneralConfigDialog;
}
class KeyPannel;
class QAbstractButton;
class QNetworkAccessManager;
class QNetworkReply;
class QResizeEvent;

// The "Keyboard Setting" page: device information, keyboard settings, indicator LEDs and the
// keyboard's wireless and keymap types. Nothing is read from the keyboard until the user
// presses the button for it; replies arrive later through RecHidCmd.
class GeneralConfigDialog final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GeneralConfigDialog)

public:
    // A firmware information request that has not finished after this long ends with an error.
    static constexpr int kFirmwareInfoTimeoutMs = 15000;

    explicit GeneralConfigDialog(QWidget* parent = nullptr);
    ~GeneralConfigDialog() override;

    KeyPannel* LengthPannel() const
    {
        return m_lengthPannel;
    }
    KeyPannel* ILedPannel() const
    {
        return m_iledPannel;
    }

    void SetFirmwareUrl(const QString& url);
    void SetKeyboardType(tdu1 type);
    void SetILedDefault(tdu1 row, tdu1 col, tdu1 code);
    void InitKeyPannels();
    void RefreshLengthPannel();
    void RefreshILedPannel();

    QString FirmwareUrl() const
    {
        return m_firmwareUrl;
    }
    QString FirmwareInfoUrl() const
    {
        return m_firmwareInfoUrl;
    }
    tdu1 KeyboardType() const
    {
        return m_keyboardType;
    }
    tdu1 ILedCode(tdu1 row, tdu1 col) const;
    void SetFirmwareInfoTimeout(int milliseconds);

    // The keyboard's answer to a settings command this page sent, with the value it set.
    void RecHidCmd(tdu1 cmd, tdu1* data, tdu2 len, const QVariant& context);

signals:
    void SendCmd(tdu1 cmdId, tdu1* data, tdu2 length, const CommandIntent& intent = CommandIntent());
    void ResultShow(tdu1 status, QString text);
    // The keyboard's keymap type, once it was set or read; the window's layout may no longer fit.
    void KeymapTypeKnown(tdu1 type);

public slots:
    void ILedPannelKeyCapClicked(tdu1 row, tdu1 col);
    void GetFirmwareInfo(QNetworkReply* reply);
    void tbtnGenConfigClicked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void on_btnGetCurrFmVer_clicked();
    void on_btnGetNewFmVer_clicked();
    void on_btnDeviceSN_clicked();
    void on_btnGetBleCurrFmVer_clicked();
    void on_btnBleSN_clicked();
    void on_btnGetNkro_clicked();
    void on_btnSetNkro_clicked();
    void on_btnGetSleepTime_clicked();
    void on_btnSetSleepTime_clicked();
    void on_btnGetWakeupMode_clicked();
    void on_btnSetWakeupMode_clicked();

    void on_btnILedClear_clicked();
    void on_btnILedCapsLock_clicked();
    void on_btnILedScrollLock_clicked();
    void on_btnILedNumLock_clicked();
    void on_btnILedLayer0_clicked();
    void on_btnILedLayer1_clicked();
    void on_btnILedLayer2_clicked();
    void on_btnILedLayer3_clicked();
    void on_tbtnILedBle1_clicked();
    void on_tbtnILedBle2_clicked();
    void on_tbtnILedBle3_clicked();
    void on_tbtnILedZrf_clicked();
    void on_btnILedKeymap0_clicked();
    void on_btnILedKeymap1_clicked();
    void on_btnILedKeymap2_clicked();
    void on_btnILedKeymap3_clicked();
    void on_tbtnILedUnifying1_clicked();
    void on_tbtnILedUnifying2_clicked();
    void on_tbtnILedUnifying3_clicked();
    void on_btnReadILedConfig_clicked();
    void on_btnSetILedConfig_clicked();

    void on_btnSetWirelessType_clicked();
    void on_btnGetWirelessType_clicked();
    void on_btnSetKeymapType_clicked();
    void on_btnGetKeymapType_clicked();

private:
    void SetupILedButtons();
    void PlaceGroups();
    void MarkLedKeys();
    void SetILedFunction(tdu1 code);
    void Request(tdu1 cmd);
    void RequestByte(tdu1 cmd, tdu1 value);
    // Sends a set command; value is what it sets, as far as one number tells it.
    void SendSetting(tdu1 cmd, tdu1* data, tdu2 len, int value = 0);
    // Reports a set command's outcome; a reply without its status byte is no confirmation.
    bool ShowStatus(tdu1* data, tdu2 len, const QString& done, const QString& failed);
    void ShowFailure(const QString& text);
    QNetworkAccessManager* NetManager();
    void FinishFirmwareInfo(QNetworkReply* reply);

    void ReceiveFirmwareVersion(tdu1* data, tdu2 len);
    void ReceiveSerialNumber(tdu1* data, tdu2 len);
    void ReceiveBleVersion(tdu1* data, tdu2 len);
    void ReceiveBleSerialNumber(tdu1* data, tdu2 len);
    // Reports the Bluetooth module status of a reply; true when the reply holds its value.
    bool ReportBleStatus(const SettingsReply::Decoded& reply, const QString& shortReply);
    void ReceiveRollover(tdu1* data, tdu2 len);
    void ReceiveSleepTime(tdu1* data, tdu2 len);
    void ReceiveWakeupMode(tdu1* data, tdu2 len);
    void ReceiveILedConfig(tdu1* data, tdu2 len);
    void ReceiveWirelessType(tdu1* data, tdu2 len);
    void ReceiveKeymapType(tdu1* data, tdu2 len);

    KeyPannel* m_lengthPannel;
    KeyPannel* m_iledPannel;
    Ui::GeneralConfigDialog* ui;
    QString m_firmwareUrl;
    QString m_firmwareInfoUrl;
    tdu1 m_keyboardType = 0;
    QList<QAbstractButton*> m_navButtons;
    QNetworkAccessManager* m_netManager = nullptr;
    tdu1 m_iledSelCol = 0xFF;
    tdu1 m_iledSelRow = 0xFF;
    tdu1 m_iledMap[Protocol::kMaxRows][Protocol::kMaxCols] = {};

    // The one firmware information request in flight, if any.
    QPointer<QNetworkReply> m_firmwareReply;
    int m_firmwareInfoTimeoutMs = kFirmwareInfoTimeoutMs;
};
