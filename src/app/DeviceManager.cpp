#include "app/DeviceManager.h"

#include "app/AppLog.h"
#include "app/MainDialog.h"
#include "device/Protocol.h"
#include "ui/IconHelper.h"
#include "ui/MessageBox.h"
#include "ui_DeviceManager.h"

#include <QCoreApplication>
#include <QDir>

namespace {
const QString kIndexPath = QStringLiteral("./config/index.json");
}

DeviceManager::DeviceManager(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::DeviceManager)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    setWindowTitle(tr("Device Manager"));
    setWindowIcon(IconHelper::WindowIcon());
    Refresh();
}

DeviceManager::~DeviceManager()
{
    // The main window closes its keyboard and stops its receive thread before hidapi shuts down.
    delete m_mainWindow.data();
    delete ui;
}

void DeviceManager::Refresh()
{
    QDir().mkpath(QStringLiteral("config"));
    LoadIndex();
    FillDeviceList();
    ui->lblKeymapVer->setText(
        tr("Keymap Ver:") + QString::number(m_index.priver) + QLatin1Char('.') + QString::number(m_index.subver));
}

void DeviceManager::LoadIndex()
{
    m_index.Load(kIndexPath);
}

void DeviceManager::FillDeviceList()
{
    m_foundCount = 0;
    m_rowToInst.clear();
    // Rebuilding the list moves the current row; the buttons follow the final selection below.
    const QSignalBlocker blocker(ui->listWidget);
    ui->listWidget->clear();
    qCDebug(lcApp) << m_index.inst.size();
    for (int i = 0; i < m_index.inst.size(); i++) {
        // Any count above zero is present: a keyboard shows up once per HID interface.
        if (m_hid.FindDevice(m_index.inst.at(i).pid, Protocol::kVendorId) > 0) {
            ui->listWidget->addItem(m_index.inst.at(i).name);
            m_rowToInst.append(i);
            m_foundCount++;
        }
    }
    for (const DeviceEntry& entry : qAsConst(m_index.demo)) {
        auto* item = new QListWidgetItem(entry.name, ui->listWidget);
        item->setForeground(QColor(Qt::gray));
    }
    ui->listWidget->setCurrentRow(0);
    on_listWidget_currentRowChanged(ui->listWidget->currentRow());
}

MainDialog* DeviceManager::LastMainWindow() const
{
    return m_mainWindow.data();
}

void DeviceManager::on_btnRefresh_clicked()
{
    Refresh();
}

void DeviceManager::on_listWidget_currentRowChanged(int currentRow)
{
    qCDebug(lcApp) << currentRow;
    ui->cbxDeviceMap->clear();
    const bool connected = currentRow >= 0 && currentRow < m_foundCount;
    const int demoRow = currentRow - m_foundCount;
    const bool demo = currentRow >= 0 && demoRow >= 0 && demoRow < m_index.demo.size();
    ui->btnOpen->setEnabled(connected);
    ui->btnDemo->setEnabled(demo);
    if (demo)
        ui->cbxDeviceMap->addItems(m_index.demo.at(demoRow).types);
}

void DeviceManager::on_btnOpen_clicked()
{
    const int row = ui->listWidget->currentRow();
    if (row < 0 || row >= m_foundCount)
        return;
    hide();
    OpenMainWindow(m_index.inst.at(m_rowToInst.at(row)), false, 0);
}

void DeviceManager::on_btnDemo_clicked()
{
    const int demoRow = ui->listWidget->currentRow() - m_foundCount;
    if (ui->listWidget->currentRow() < 0 || demoRow < 0 || demoRow >= m_index.demo.size())
        return;
    hide();
    OpenMainWindow(m_index.demo.at(demoRow), true, tdu1(qMax(0, ui->cbxDeviceMap->currentIndex())));
}

void DeviceManager::OpenMainWindow(const DeviceEntry& entry, bool demo, tdu1 keymapType)
{
    auto* window = new MainDialog(nullptr, demo, entry.pid, keymapType);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->SetWindowSize(entry.width, entry.height);
    window->SetDeviceNames(entry.prefix, entry.name);
    if (!window->Connect()) {
        // The user chose to quit in the "No Device Found" box.
        delete window;
        QCoreApplication::exit(0);
        return;
    }
    window->Setup();
    window->show();
    m_mainWindow = window;
}

void DeviceManager::on_btnQA1_clicked()
{
    MessageBox::Information(nullptr, tr("Can't Find Device?"),
        tr("First, Ensure your PC can reach internet so that it can update the latest keymap file "
           "automatically. If keymap file cannot be updated automatically, please contact the seller "
           "to update manually."));
}

void DeviceManager::on_btnQA2_clicked()
{
    MessageBox::Information(nullptr, tr("Can't Open Device?"),
        tr("First, Ensure your keyboard connect to PC via wire and it can type words.If still not "
           "work,open Control Pannel->Find Devices and Printers,then remove keyboard device and replug "
           "keyboard cable,it will work.Good Luck!"));
}
