#pragma once

#include "codec/KeyboardModel.h"
#include "device/DeviceTypes.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>

class CommandClient;

// Reads and writes the keyboard's settings through one client, and records in the model what the
// keyboard confirmed: a read that decodes, or the read-back after a write it says it made. The
// keymap type besides goes to the session, which stops keymap and indicator commands while it
// does not match the window's layout. Without a client nothing goes out and the user is told
// that the window is a demo.
class SettingsTransfer final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SettingsTransfer)

public:
    using Setting = KeyboardModel::Setting;

    // Device information that no model keeps: read and shown, nothing more.
    enum class Info {
        FirmwareVersion,
        SerialNumber,
        BleVersion,
        BleSerialNumber,
    };

    // What a command of this transfer is about, sent with it and handed back with its answer.
    struct Request
    {
        tdu1 cmd = 0;
        // What a write set; for a read-back, what the keyboard should hold.
        QVariant value;
        bool readBack = false;
    };

    explicit SettingsTransfer(QObject* parent = nullptr);
    ~SettingsTransfer() override;

    void SetClient(CommandClient* client);
    CommandClient* Client() const;
    // Null gives back the transfer's own model, which nobody else sees.
    void SetModel(KeyboardModel* model);
    KeyboardModel* Model() const;

    // How many wireless types the layout's family offers; with none, wireless answers are ignored.
    void SetWirelessTypeCount(int count);
    // The indicator grid of the layout, which the indicator block follows.
    void SetIndicatorGrid(int rows, int cols);

    // False when the command did not go out (no client, or the session refused it).
    bool ReadInfo(Info info);
    bool Read(Setting setting);
    // value: a number, or for the indicators the block row by row.
    bool Write(Setting setting, const QVariant& value);

signals:
    void ResultShow(tdu1 status, QString text);
    void InfoRead(SettingsTransfer::Info info, const QString& text);

private:
    bool Send(tdu1 cmd, const QByteArray& payload, const Request& request);
    bool ReadBack(Setting setting, const QVariant& expected);
    void Receive(tdu1 cmd, tdu1* data, tdu2 len, const QVariant& context);
    void ReceiveInfo(Info info, tdu1* data, tdu2 len);
    void ReceiveWritten(Setting setting, const Request& request, tdu1* data, tdu2 len);
    void ReceiveSetting(Setting setting, const Request& request, tdu1* data, tdu2 len);
    // The setting's value when the answer holds one the page can use; invalid otherwise.
    QVariant Decode(Setting setting, tdu1* data, tdu2 len) const;
    void ReceiveAmbiguous(tdu1 cmd, const QVariant& context);
    void ReceiveLate(tdu1 cmd);
    void ReceiveOverdue(const QList<QVariant>& contexts);
    // The keyboard may or may not use the keymap type last sent: nothing it holds is known.
    void KeymapTypeUnknown();
    void KeymapTypeRead(tdu1 type);

    QPointer<CommandClient> m_client;
    QPointer<KeyboardModel> m_model;
    KeyboardModel* m_ownModel;
    int m_wirelessTypeCount = 0;
    int m_rows = 0;
    int m_cols = 0;
};
Q_DECLARE_METATYPE(SettingsTransfer::Request)
