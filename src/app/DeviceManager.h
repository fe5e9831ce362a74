#pragma once

#include "app/DeviceIndex.h"
#include "app/UpdateStage.h"
#include "device/HidDeviceHandle.h"

#include <QList>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace Ui {
class DeviceManager;
}
class MainDialog;
class QNetworkAccessManager;
class QNetworkReply;

// First window: lists the plugged-in models of the device index, then the demo models, and
// opens a main window for the chosen one, connected or in demo mode. In the background, once the
// window has been painted, it fetches a newer index and its layout files from the download server
// at updateUrl and says how that went in its update line; without one (as in tests) it stays off
// the network.
class DeviceManager final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DeviceManager)

public:
    explicit DeviceManager(QWidget* parent = nullptr, const QUrl& updateUrl = QUrl());
    ~DeviceManager() override;

    // The download server the program is built with; main() hands it in.
    static QUrl DefaultUpdateUrl();
    // Deadline of the update's requests from now on (the silence timeout is never longer).
    void SetTransferTimeout(int milliseconds);

    void Refresh();
    void LoadIndex();
    void FillDeviceList();

    // How often the list follows keyboards being plugged in and out while the window shows.
    static constexpr int kHotplugIntervalMs = 1000;

    // The last main window created, if it still exists.
    MainDialog* LastMainWindow() const;
    int FoundCount() const
    {
        return m_foundCount;
    }

private slots:
    void on_btnOpen_clicked();
    void on_btnRefresh_clicked();
    void on_btnDemo_clicked();
    void on_listWidget_currentRowChanged(int currentRow);
    void on_btnQA1_clicked();
    void on_btnQA2_clicked();

    // Relists the models when the plugged keyboards changed, keeping the selected entry.
    void PollDevices();

    void GetKeymapJsonVersion(QNetworkReply* reply);
    void GetKemapIndexJsonFile(QNetworkReply* reply);
    void GetKeymapJsonFile(QNetworkReply* reply);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void OpenMainWindow(const DeviceEntry& entry, bool demo, tdu1 keymapType);
    // Starts the online update once, after the first paint (or when hidden before one): creating
    // the network objects loads Qt's bearer plugins, TLS and the resolver, which the window
    // should not wait for.
    void StartUpdateSoon();
    void StartUpdate();
    void Request(const QUrl& url, qint64 maxBytes, int deadlineMs, void (DeviceManager::*handler)(QNetworkReply*));
    void RequestLayout();
    void UpdateFailed(const QString& reason);

    Ui::DeviceManager* ui;
    HidDeviceHandle m_hid;
    DeviceIndex m_index;
    int m_foundCount = 0;
    QList<int> m_rowToInst;
    QTimer m_hotplugTimer;
    QPointer<MainDialog> m_mainWindow;

    // Online update, one request at a time through one manager: version, index, then the layouts
    // in index order into the stage, which replaces the local files only when all arrived.
    QUrl m_updateUrl;
    int m_transferTimeout;
    bool m_updateScheduled = false;
    QNetworkAccessManager* m_net = nullptr;
    UpdateStage m_stage;
    QByteArray m_newIndex;
    QString m_newVersion;
    QStringList m_layoutNames;
    QStringList m_layoutUrls;
    tdu1 m_downloadIndex = 0;
};
