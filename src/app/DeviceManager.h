#pragma once

#include "app/DeviceIndex.h"
#include "app/UpdateStage.h"
#include "device/HidDeviceHandle.h"

#include <QList>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QUrl>
#include <QVector>
#include <QWidget>

namespace Ui {
class DeviceManager;
}
class MainDialog;
class QListWidgetItem;
class QNetworkAccessManager;
class QNetworkReply;

// First window: lists the plugged-in keyboards of the models of the device index, then the demo
// models, each group under its heading, and opens a main window for the chosen one, connected or
// in demo mode. In the background, once the window has been painted, it fetches a newer index and
// its layout files from the download server at updateUrl and says how that went in its update
// line; without one (as in tests) it stays off the network.
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
    // Plugged keyboards listed.
    int FoundCount() const
    {
        return m_foundCount;
    }

    // The names of the rows of several plugged keyboards of one model: the model's name alone for
    // one keyboard; for more, with what tells them apart: their serial numbers when each has its
    // own, else the USB ports they are in, else their places in the list.
    static QStringList KeyboardNames(const QString& model, const QList<HidDeviceHandle::CommandInterface>& keyboards);

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
    // What a row of the list stands for; headings and the note under an empty one open nothing.
    struct Row
    {
        // A note says what is missing under a heading.
        enum class Kind { Heading, Note, Keyboard, Demo };
        Kind kind = Kind::Heading;
        // Into m_index.inst for a keyboard, m_index.demo for a demo model.
        int entry = -1;
        // A keyboard's command interface.
        QString path;
        bool Opens() const
        {
            return kind == Kind::Keyboard || kind == Kind::Demo;
        }
        bool operator==(const Row& other) const
        {
            return kind == other.kind && entry == other.entry && path == other.path;
        }
    };

    // The rows of the plugged keyboards of the index's models, in index order, with their names.
    QVector<Row> KeyboardRows(const QList<HidDeviceHandle::CommandInterface>& plugged, QStringList* names) const;
    void FillRows(const QList<HidDeviceHandle::CommandInterface>& plugged);
    QListWidgetItem* AddRow(const Row& row, const QString& text);
    // The current row when it is of this kind, else null.
    const Row* Current(Row::Kind kind) const;
    void OpenMainWindow(const DeviceEntry& entry, bool demo, tdu1 keymapType, const QString& path = QString());
    // The window LastMainWindow() names, and its successors.
    void Follow(MainDialog* window);
    // Starts the online update once, after the first paint (or when hidden before one): creating
    // the network objects loads Qt's bearer plugins, TLS and the resolver, which the window
    // should not wait for.
    void StartUpdateSoon();
    void StartUpdate();
    void Request(const QUrl& url, qint64 maxBytes, int deadlineMs, void (DeviceManager::*handler)(QNetworkReply*));
    void RequestLayout();
    void UpdateFailed(const QString& reason);

    Ui::DeviceManager* ui;
    DeviceIndex m_index;
    int m_foundCount = 0;
    // One per row of the list.
    QVector<Row> m_rows;
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
