#pragma once

#include "app/DeviceIndex.h"
#include "device/HidDeviceHandle.h"

#include <QList>
#include <QPointer>
#include <QWidget>

namespace Ui {
class DeviceManager;
}
class MainDialog;

// First window: lists the plugged-in models of the device index, then the demo models, and
// opens a main window for the chosen one, connected or in demo mode.
class DeviceManager final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DeviceManager)

public:
    explicit DeviceManager(QWidget* parent = nullptr);
    ~DeviceManager() override;

    void Refresh();
    void LoadIndex();
    void FillDeviceList();

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

private:
    void OpenMainWindow(const DeviceEntry& entry, bool demo, tdu1 keymapType);

    Ui::DeviceManager* ui;
    HidDeviceHandle m_hid;
    DeviceIndex m_index;
    int m_foundCount = 0;
    QList<int> m_rowToInst;
    QPointer<MainDialog> m_mainWindow;
};
