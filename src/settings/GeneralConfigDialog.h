#pragma once

#include "device/DeviceTypes.h"
#include "device/Protocol.h"

#include <QList>
#include <QString>
#include <QWidget>

namespace Ui {
class GeneralConfigDialog;
}
class KeyPannel;
class QAbstractButton;

// The "Keyboard Setting" page: device information, keyboard settings, indicator LEDs and the
// keyboard's wireless and keymap types.
class GeneralConfigDialog final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GeneralConfigDialog)

public:
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
    tdu1 KeyboardType() const
    {
        return m_keyboardType;
    }
    tdu1 ILedCode(tdu1 row, tdu1 col) const;

    // Reply entry: the page acts on the settings commands only.
    void RecHidCmd(tdu1 cmd, tdu1* data, tdu2 len);

signals:
    void SendCmd(tdu1 cmdId, tdu1* data, tdu2 length);
    void ResultShow(tdu1 status, QString text);

public slots:
    void ILedPannelKeyCapClicked(tdu1 row, tdu1 col);
    void tbtnGenConfigClicked();

private:
    KeyPannel* m_lengthPannel;
    KeyPannel* m_iledPannel;
    Ui::GeneralConfigDialog* ui;
    QString m_firmwareUrl;
    tdu1 m_keyboardType = 0;
    QList<QAbstractButton*> m_navButtons;
    tdu1 m_iledSelCol = 0xFF;
    tdu1 m_iledSelRow = 0xFF;
    tdu1 m_iledMap[Protocol::kMaxRows][Protocol::kMaxCols] = {};
};
