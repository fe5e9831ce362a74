#include "app/DeviceManager.h"

#include "app/AppLog.h"
#include "app/MainDialog.h"
#include "app/UpdateCheck.h"
#include "device/Protocol.h"
#include "ui/ButtonKeys.h"
#include "ui/Download.h"
#include "ui/MessageBox.h"
#include "ui/Palette.h"
#include "ui/PlainName.h"
#include "ui/VersionText.h"
#include "ui_DeviceManager.h"

#include <QCoreApplication>
#include <QDir>
#include <QFont>
#include <QListWidgetItem>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSet>
#include <QTime>
#include <QTimer>

#include <algorithm>
#include <iterator>

namespace {
const QString kConfigDir = QStringLiteral("./config");
const QString kIndexPath = QStringLiteral("./config/index.json");
// The list is white, as the pages' inputs are (dim text reads at 6.4:1 on it).
const char* const kListBackground = Palette::kFieldBackground;

QString Colour(const char* colour)
{
    return QString::fromLatin1(colour);
}

// A light page: the list with the title bar's blue for the chosen row, the pages' dark buttons,
// and the help buttons as links.
QString PageSheet()
{
    const QString actions = QStringLiteral("QPushButton#btnOpen,QPushButton#btnDemo,QPushButton#btnRefresh");
    const QString links = QStringLiteral("QPushButton#btnQA1,QPushButton#btnQA2");
    return QStringLiteral("DeviceManager{background:%1;}DeviceManager QLabel{color:%2;}"
                          "DeviceManager QLabel:disabled{color:%4;}"
                          "QListWidget{background:%3;color:%2;border:1px solid %4;}"
                          // Taller rows; padding at the sides would move only the chosen row's text.
                          "QListWidget::item{padding:3px 0px;}"
                          "QListWidget::item:selected{background:%5;color:%6;}"
                          "%7{background:transparent;border:2px solid transparent;color:%8;text-decoration:underline;"
                          "padding:2px;}")
               .arg(Colour(Palette::kPageBackground), Colour(Palette::kPageText), Colour(kListBackground),
                   Colour(Palette::kDimText), Colour(Palette::kTitleTop), Colour(Palette::kTitleText), links,
                   Colour(Palette::kLinkText))
        + Palette::ButtonSheet(actions.split(QLatin1Char(',')))
        + Palette::FocusSheet(Palette::kFocus, Palette::kFocusOnLight)
        // The links sit on the light page, where the amber mark would hardly show.
        + QStringLiteral("QPushButton#btnQA1:focus,QPushButton#btnQA2:focus{border:2px solid %1;}")
              .arg(Colour(Palette::kFocusOnLight));
}
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
    ButtonKeys::Install();
    setStyleSheet(PageSheet());
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
    FillRows(HidDeviceHandle::CommandInterfaces(0, Protocol::kVendorId));
}

QStringList DeviceManager::KeyboardNames(
    const QString& model, const QList<HidDeviceHandle::CommandInterface>& keyboards)
{
    if (keyboards.size() == 1)
        return {model};
    QStringList serials;
    QStringList ports;
    for (const HidDeviceHandle::CommandInterface& keyboard : keyboards) {
        serials.append(PlainName::Of(keyboard.serialNumber));
        ports.append(keyboard.usbPort);
    }
    const auto tellApart = [](const QStringList& values) {
        return !values.contains(QString()) && QSet<QString>(values.cbegin(), values.cend()).size() == values.size();
    };
    const bool bySerial = tellApart(serials);
    const bool byPort = tellApart(ports);
    QStringList names;
    for (int i = 0; i < keyboards.size(); i++) {
        if (bySerial)
            names.append(tr("%1 (serial number %2)").arg(model, serials.at(i)));
        else if (byPort)
            names.append(tr("%1 (USB port %2)").arg(model, ports.at(i)));
        else
            names.append(tr("%1 (keyboard %2)").arg(model, QString::number(i + 1)));
    }
    return names;
}

QVector<DeviceManager::Row> DeviceManager::KeyboardRows(
    const QList<HidDeviceHandle::CommandInterface>& plugged, QStringList* names) const
{
    QVector<Row> rows;
    for (int i = 0; i < m_index.inst.size(); i++) {
        QList<HidDeviceHandle::CommandInterface> keyboards;
        for (const HidDeviceHandle::CommandInterface& keyboard : plugged) {
            if (keyboard.productId == m_index.inst.at(i).pid)
                keyboards.append(keyboard);
        }
        if (names)
            names->append(KeyboardNames(m_index.inst.at(i).name, keyboards));
        for (const HidDeviceHandle::CommandInterface& keyboard : qAsConst(keyboards))
            rows.append({Row::Kind::Keyboard, i, keyboard.path});
    }
    return rows;
}

QListWidgetItem* DeviceManager::AddRow(const Row& row, const QString& text)
{
    m_rows.append(row);
    auto* item = new QListWidgetItem(text, ui->listWidget);
    if (row.Opens())
        return item;
    // Shown, never chosen, and passed by with the arrow keys.
    item->setFlags(Qt::NoItemFlags);
    // Headings are bands of the page colour, the note dim: in the list's own face, since every
    // other face (bold, italic) costs the first sight of the program a font file of its own.
    if (row.kind == Row::Kind::Heading) {
        item->setForeground(QColor(Colour(Palette::kPageText)));
        item->setBackground(QColor(Colour(Palette::kPageBackground)));
    } else {
        item->setForeground(QColor(Colour(Palette::kDimText)));
    }
    return item;
}

void DeviceManager::FillRows(const QList<HidDeviceHandle::CommandInterface>& plugged)
{
    QStringList names;
    const QVector<Row> keyboards = KeyboardRows(plugged, &names);
    m_foundCount = keyboards.size();
    m_rows.clear();
    // Rebuilding the list moves the current row; the buttons follow the final selection below.
    const QSignalBlocker blocker(ui->listWidget);
    ui->listWidget->clear();
    qCDebug(lcApp) << m_index.inst.size() << m_index.demo.size() << m_foundCount;
    // Without an index there is nothing to head.
    if (!m_index.inst.isEmpty() || !m_index.demo.isEmpty()) {
        AddRow(Row(), tr("Plugged in"));
        for (int i = 0; i < keyboards.size(); i++)
            AddRow(keyboards.at(i), names.at(i))->setToolTip(keyboards.at(i).path);
        if (keyboards.isEmpty())
            AddRow({Row::Kind::Note, -1, QString()}, tr("No keyboard is plugged in"));
    }
    if (!m_index.demo.isEmpty()) {
        AddRow(Row(), tr("Demo"));
        for (int i = 0; i < m_index.demo.size(); i++)
            AddRow({Row::Kind::Demo, i, QString()}, m_index.demo.at(i).name);
    }
    // The time tells the user that a Refresh looked again, even when nothing changed.
    const QString time = QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
    ui->lblDeviceState->setText(m_foundCount == 0
            ? tr("No keyboard found (looked at %1). Demo works without one: choose a model under \"Demo\" and "
                 "press \"Demo\".")
                  .arg(time)
            : tr("%n keyboard(s) found (looked at %1).", nullptr, m_foundCount).arg(time));
    for (int row = 0; row < m_rows.size(); row++) {
        if (m_rows.at(row).Opens()) {
            ui->listWidget->setCurrentRow(row);
            break;
        }
    }
    on_listWidget_currentRowChanged(ui->listWidget->currentRow());
}

const DeviceManager::Row* DeviceManager::Current(Row::Kind kind) const
{
    const int row = ui->listWidget->currentRow();
    if (row < 0 || row >= m_rows.size() || m_rows.at(row).kind != kind)
        return nullptr;
    return &m_rows.at(row);
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
    const QList<HidDeviceHandle::CommandInterface> plugged = HidDeviceHandle::CommandInterfaces(0, Protocol::kVendorId);
    QVector<Row> listed;
    std::copy_if(m_rows.cbegin(), m_rows.cend(), std::back_inserter(listed),
        [](const Row& row) { return row.kind == Row::Kind::Keyboard; });
    if (KeyboardRows(plugged, nullptr) == listed)
        return;
    qCDebug(lcApp) << "Devices changed";
    const int current = ui->listWidget->currentRow();
    const Row chosen = m_rows.value(current);
    FillRows(plugged);
    const int row = m_rows.indexOf(chosen);
    if (chosen.Opens() && row >= 0)
        ui->listWidget->setCurrentRow(row);
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
    const Row row = m_rows.value(currentRow);
    const bool demo = row.kind == Row::Kind::Demo;
    ui->btnOpen->setEnabled(row.kind == Row::Kind::Keyboard);
    ui->btnDemo->setEnabled(demo);
    // The combo's index is the keymap type the demo opens with.
    const QStringList types = demo ? m_index.demo.at(row.entry).types : QStringList();
    ui->cbxDeviceMap->clear();
    ui->cbxDeviceMap->addItems(types);
    ui->cbxDeviceMap->setEnabled(!types.isEmpty());
    ui->lblDeviceMap->setEnabled(!types.isEmpty());
    const QString why = row.kind == Row::Kind::Keyboard
        ? tr("Keyboards that are plugged in report their own keymap type.")
        : (types.isEmpty() ? tr("Only demo models with keymap types offer a choice here.")
                           : tr("The keymap type the demo shows."));
    ui->cbxDeviceMap->setToolTip(why);
    ui->lblDeviceMap->setToolTip(why);
}

void DeviceManager::on_btnOpen_clicked()
{
    const Row* row = Current(Row::Kind::Keyboard);
    if (!row)
        return;
    const QString path = row->path;
    hide();
    OpenMainWindow(m_index.inst.at(row->entry), false, 0, path);
}

void DeviceManager::on_btnDemo_clicked()
{
    const Row* row = Current(Row::Kind::Demo);
    if (!row)
        return;
    const int entry = row->entry;
    hide();
    OpenMainWindow(m_index.demo.at(entry), true, tdu1(qMax(0, ui->cbxDeviceMap->currentIndex())));
}

void DeviceManager::OpenMainWindow(const DeviceEntry& entry, bool demo, tdu1 keymapType, const QString& path)
{
    auto* window = new MainDialog(nullptr, demo, entry.pid, keymapType);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->SetWindowSize(entry.width, entry.height);
    window->SetDeviceNames(entry.prefix, entry.name);
    window->SetDevicePath(path);
    if (!window->Connect()) {
        // The user chose to quit in the "No Device Found" box.
        delete window;
        QCoreApplication::exit(0);
        return;
    }
    window->Setup();
    window->show();
    Follow(window);
}

void DeviceManager::Follow(MainDialog* window)
{
    m_mainWindow = window;
    // After "Set Keymap Type" a window of the new layout takes over the keyboard.
    connect(window, &MainDialog::Replaced, this, &DeviceManager::Follow);
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
        MessageBox::Critical(this, tr("File"), tr("File Open Failed."));
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
        MessageBox::Critical(this, tr("File"), tr("File Open Failed."));
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
