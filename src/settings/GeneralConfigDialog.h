#pragma once

#include "codec/KeyboardModel.h"
#include "device/DeviceTypes.h"
#include "settings/SettingsTransfer.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

namespace Ui {
class GeneralConfigDialog;
}
class CommandClient;
class ILedAssignment;
class KeyPannel;
class QNetworkAccessManager;
class QNetworkReply;
class QResizeEvent;

// The "Keyboard Setting" page: device information, keyboard settings, indicator LEDs and the
// keyboard's wireless and keymap types. Nothing is read from the keyboard until the user
// presses the button for it; the settings it shows are those the model holds once known.
class GeneralConfigDialog final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GeneralConfigDialog)

public:
    // A firmware information request that has not finished after this long ends with an error.
    static constexpr int kFirmwareInfoTimeoutMs = 15000;

    explicit GeneralConfigDialog(QWidget* parent = nullptr);
    ~GeneralConfigDialog() override;

    // The page's way to the keyboard; without one, every command button says the window is a demo.
    void SetClient(CommandClient* client);
    // The record of what the keyboard holds; without one the page keeps a record of its own.
    void SetModel(KeyboardModel* model);

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
    // Only keymap types with a layout file of the model (prefix) can be set; ask is asked first,
    // with the type and its name, and the type is set only when it says yes.
    using KeymapTypeQuestion = std::function<bool(int type, const QString& name)>;
    void SetKeymapTypeChoice(const QString& prefix, KeymapTypeQuestion ask);
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

signals:
    void ResultShow(tdu1 status, QString text);

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
    void on_btnReadILedConfig_clicked();
    void on_btnSetILedConfig_clicked();
    void on_btnSetWirelessType_clicked();
    void on_btnGetWirelessType_clicked();
    void on_btnSetKeymapType_clicked();
    void on_btnGetKeymapType_clicked();

private:
    void SetupNavigation();
    void PlaceGroups();
    void ShowInfo(SettingsTransfer::Info info, const QString& text);
    // Shows a setting the model came to know.
    void ShowSetting(KeyboardModel::Setting setting);
    QNetworkAccessManager* NetManager();
    void GetFirmwareInfo(QNetworkReply* reply);
    void FinishFirmwareInfo(QNetworkReply* reply);

    KeyPannel* m_lengthPannel;
    KeyPannel* m_iledPannel;
    Ui::GeneralConfigDialog* ui;
    ILedAssignment* m_iled;
    SettingsTransfer* m_transfer;
    QString m_firmwareUrl;
    QString m_firmwareInfoUrl;
    tdu1 m_keyboardType = 0;
    QString m_layoutPrefix;
    KeymapTypeQuestion m_askKeymapType;
    QNetworkAccessManager* m_netManager = nullptr;

    // The one firmware information request in flight, if any.
    QPointer<QNetworkReply> m_firmwareReply;
    int m_firmwareInfoTimeoutMs = kFirmwareInfoTimeoutMs;
};
