#include "app/DeviceManager.h"

#include "app/AppLog.h"
#include "app/MainDialog.h"
#include "app/UpdateCheck.h"
#include "device/Protocol.h"
#include "ui/ButtonKeys.h"
#include "ui/Download.h"
#include "ui/IconHelper.h"
#include "ui/MessageBox.h"
#include "ui/Palette.h"
#include "ui/VersionText.h"
#include "ui_DeviceManager.h"

#include <QCoreApplication>
#include <QDir>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTime>
#include <QTimer>

namespace {
const QString kConfigDir = QStringLiteral("./config");
const QString kIndexPath = QStringLiteral("./config/index.json");
} // namespace

DeviceManager::DeviceManager(QWidget* parent, const QUrl& updateUrl)
    : QWidget(parent)
    , ui(new Ui::DeviceManager)
    , m_updateUrl(updateUrl)
    , m_transferTimeout(Download::kLargeFileDeadlineMs)
    , m_stage(kConfigDir)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    setWindowTitle(tr("Device Manager"));
    setWindowIcon(IconHelper::WindowIcon());
    ButtonKeys::Install();
    setStyleSheet(Palette::FocusSheet(Palette::kFocusOnLight, Palette::kFocusOnLight));
    m_hotplugTimer.setInterval(kHotplugIntervalMs);
    connect(&m_hotplugTimer, &QTimer::timeout, this, &DeviceManager::PollDevices);
    Refresh();
}

QUrl DeviceManager::DefaultUpdateUrl()
{
    return QUrl(QStringLiteral(DRIVER_UPDATE_URL));
}

void DeviceManager::SetTransferTimeout(int milliseconds)
{
    m_transferTimeout = milliseconds;
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
        item->setForeground(QColor(QString::fromLatin1(Palette::kDimText)));
    }
    // The time tells the user that a Refresh looked again, even when nothing changed.
    const QString time = QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
    ui->lblDeviceState->setText(m_foundCount == 0
            ? tr("No keyboard found (looked at %1). Demo works without one: choose a model shown in grey and "
                 "press \"Demo\".")
                  .arg(time)
            : tr("%n keyboard(s) found (looked at %1).", nullptr, m_foundCount).arg(time));
    ui->listWidget->setCurrentRow(0);
    on_listWidget_currentRowChanged(ui->listWidget->currentRow());
}

void DeviceManager::showEvent(QShowEvent* event)
{
    // Only a window the user sees follows the bus; a hidden one costs nothing.
    m_hotplugTimer.start();
    QWidget::showEvent(event);
}

void DeviceManager::hideEvent(QHideEvent* event)
{
    m_hotplugTimer.stop();
    StartUpdateSoon();
    QWidget::hideEvent(event);
}

void DeviceManager::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    StartUpdateSoon();
}

void DeviceManager::PollDevices()
{
    const QSet<tdu2> present = HidDeviceHandle::PresentProducts(Protocol::kVendorId);
    QList<int> listed;
    for (int i = 0; i < m_index.inst.size(); i++) {
        if (present.contains(m_index.inst.at(i).pid))
            listed.append(i);
    }
    if (listed == m_rowToInst)
        return;
    qCDebug(lcApp) << "Devices changed";
    const int row = ui->listWidget->currentRow();
    const bool wasInst = row >= 0 && row < m_foundCount;
    const int entry = wasInst ? m_rowToInst.value(row) : row - m_foundCount;
    FillDeviceList();
    const int newRow = wasInst ? m_rowToInst.indexOf(entry) : (row >= 0 ? m_foundCount + entry : -1);
    if (newRow >= 0 && newRow < ui->listWidget->count())
        ui->listWidget->setCurrentRow(newRow);
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
#ifdef Q_OS_WIN
    const QString text = tr("First, Ensure your keyboard connect to PC via wire and it can type words.If still not "
                            "work,open Control Pannel->Find Devices and Printers,then remove keyboard device and "
                            "replug keyboard cable,it will work.Good Luck!");
#else
    // Here the usual cause is a missing access right to the keyboard's device node.
    const QString text = tr("First, make sure the keyboard is connected by its cable and types in other programs. "
                            "If it still cannot be opened, this user may not open its device node (/dev/hidraw*).")
        + QStringLiteral("\n\n") + MainDialog::GrantAccessHelp();
#endif
    MessageBox::Information(nullptr, tr("Can't Open Device?"), text);
}

void DeviceManager::StartUpdateSoon()
{
    if (m_updateUrl.isEmpty() || m_updateScheduled)
        return;
    // The shipped build's placeholder address is never contacted.
    if (!Download::IsConfigured(m_updateUrl)) {
        ui->lblUpdate->setText(Download::NotConfiguredText());
        return;
    }
    m_updateScheduled = true;
    QTimer::singleShot(0, this, &DeviceManager::StartUpdate);
}

void DeviceManager::StartUpdate()
{
    m_net = new QNetworkAccessManager(this);
    ui->lblUpdate->setText(tr("Checking for updates…"));
    Request(Download::FileUrl(m_updateUrl, QStringLiteral("version.txt")), VersionText::kMaxSize,
        qMin(m_transferTimeout, Download::kSmallFileDeadlineMs), &DeviceManager::GetKeymapJsonVersion);
}

void DeviceManager::Request(
    const QUrl& url, qint64 maxBytes, int deadlineMs, void (DeviceManager::*handler)(QNetworkReply*))
{
    QNetworkReply* reply = Download::Get(m_net, url, maxBytes, deadlineMs);
    connect(reply, &QNetworkReply::finished, this, [this, reply, handler] { (this->*handler)(reply); });
}

void DeviceManager::UpdateFailed(const QString& reason)
{
    m_stage.Discard();
    ui->lblUpdate->setText(tr("Update failed: %1").arg(reason));
}

void DeviceManager::GetKeymapJsonVersion(QNetworkReply* reply)
{
    reply->deleteLater();
    QByteArray body;
    VersionText online;
    if (!Download::Body(reply, &body)) {
        UpdateFailed(Download::FailureText(reply));
        return;
    }
    if (!VersionText::Parse(body, &online)) {
        UpdateFailed(tr("the server's version text is unreadable"));
        return;
    }
    qCDebug(lcApp) << "OnLine Version" << online.major << online.minor;
    if (online.Value() <= VersionText::Value(m_index.priver, m_index.subver)) {
        ui->lblUpdate->setText(tr("Up to date"));
        return;
    }
    m_newVersion = QStringLiteral("%1.%2").arg(online.major).arg(online.minor);
    Request(Download::FileUrl(m_updateUrl, QStringLiteral("index.json")), UpdateCheck::kMaxFileSize, m_transferTimeout,
        &DeviceManager::GetKemapIndexJsonFile);
}

void DeviceManager::GetKemapIndexJsonFile(QNetworkReply* reply)
{
    reply->deleteLater();
    QByteArray body;
    if (!Download::Body(reply, &body)) {
        qCDebug(lcApp) << "Keymap Json Index File Download Fail";
        UpdateFailed(Download::FailureText(reply));
        return;
    }
    qCDebug(lcApp) << "current applicationDirPath: " << QCoreApplication::applicationDirPath();
    qCDebug(lcApp) << "current currentPath: " << QDir::currentPath();
    // A broken or hostile index must not replace one that works.
    DeviceIndex index;
    if (!UpdateCheck::CheckIndex(body, &index)) {
        qCDebug(lcApp) << "Keymap Json Index File Download Fail";
        UpdateFailed(tr("the server's device index is unusable"));
        return;
    }
    QString error;
    if (!m_stage.Begin(&error)) {
        qCDebug(lcApp) << error;
        MessageBox::Information(this, tr("File"), tr("File Open Failed."));
        UpdateFailed(tr("the files in the config folder cannot be written"));
        return;
    }
    // The index is kept until its layouts have all arrived, and then replaced last.
    m_newIndex = body;
    qCDebug(lcApp) << "Local Keymap Index Json Version" << index.priver << index.subver;
    m_layoutNames.clear();
    m_layoutUrls.clear();
    for (const DeviceIndex::LayoutLocation& layout : qAsConst(index.keymaps)) {
        m_layoutNames.append(layout.name);
        m_layoutUrls.append(layout.url);
        qCDebug(lcApp) << "Load Json File" << layout.name;
    }
    m_downloadIndex = 0;
    RequestLayout();
}

void DeviceManager::RequestLayout()
{
    if (m_downloadIndex < m_layoutNames.size()) {
        Request(QUrl(m_layoutUrls.at(m_downloadIndex), QUrl::StrictMode), UpdateCheck::kMaxFileSize, m_transferTimeout,
            &DeviceManager::GetKeymapJsonFile);
        return;
    }
    QString error;
    if (!m_stage.Commit(m_newIndex, &error)) {
        qCDebug(lcApp) << error;
        MessageBox::Information(this, tr("File"), tr("File Open Failed."));
        // The stage says which file failed and why; the old files are all back in place.
        UpdateFailed(error);
        return;
    }
    qCDebug(lcApp) << "Keymap Json Index File Update Success";
    // The list and the version label change only on "Refresh".
    ui->lblUpdate->setText(tr("Updated to version %1; press Refresh to use it").arg(m_newVersion));
}

void DeviceManager::GetKeymapJsonFile(QNetworkReply* reply)
{
    reply->deleteLater();
    const QString name = m_layoutNames.value(m_downloadIndex);
    QByteArray body;
    if (!Download::Body(reply, &body) || !UpdateCheck::CheckLayout(body)) {
        qCDebug(lcApp).noquote() << tr("Download Keymap Json File Failed.") << name;
        const QString reason = Download::FailureText(reply);
        UpdateFailed(reason.isEmpty() ? tr("the layout %1 from the server is unusable").arg(name) : reason);
        return;
    }
    QString error;
    if (!m_stage.Add(name, body, &error)) {
        qCDebug(lcApp).noquote() << tr("Save Keymap Json File Failed.") << name << error;
        UpdateFailed(error);
        return;
    }
    m_downloadIndex++;
    RequestLayout();
}
