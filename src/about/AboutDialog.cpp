#include "about/AboutDialog.h"

#include "about/AboutLog.h"
#include "about/LinkGood.h"
#include "about/ProductPicture.h"
#include "about/StoreCatalogue.h"
#include "ui/Download.h"
#include "ui/LocalFile.h"
#include "ui/MessageBox.h"
#include "ui/VersionText.h"
#include "ui_AboutDialog.h"

#include <QDir>
#include <QHBoxLayout>
#include <QNetworkAccessManager>
#include <QNetworkReply>

namespace {
const QString kStoreFolder = QStringLiteral("Store");
const QString kCataloguePath = QStringLiteral("./Store/store.xml");

QUrl& ConfiguredStoreUrl()
{
    static QUrl url;
    return url;
}

QString PictureName(int index)
{
    return QString::number(index) + QStringLiteral(".jpg");
}
} // namespace

// The resources live in a static library and are registered on first use.
static void InitAboutResources()
{
    Q_INIT_RESOURCE(resources);
}

AboutDialog::AboutDialog(QWidget* parent, const QUrl& storeUrl, const QString& shopUrl)
    : QWidget(parent)
    , ui(new Ui::AboutDialog)
    , m_storeUrl(storeUrl)
{
    InitAboutResources();
    ui->setupUi(this);
    // The version is the project's, as --version and the package give it; the date is the release's.
    ui->lblVersion->setText(QStringLiteral(DRIVER_VERSION " 2021-8-29"));
    ui->lblStoreLogo->setPixmap(QPixmap(QStringLiteral(":/image/StoreLogo.png")));
    ui->lblSpilter->setStyleSheet(QStringLiteral("QLabel#lblSpilter{background:#000000}"));
    ui->lblLink->setText(QStringLiteral("<a href=\"") + shopUrl.toHtmlEscaped() + QStringLiteral("\">")
        + shopUrl.toHtmlEscaped() + QStringLiteral("</a>"));
    ui->lblLink->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    connect(ui->lblLink, &QLabel::linkActivated, this, [](const QString& link) { LinkGood::OpenLink(link); });

    QDir().mkpath(kStoreFolder);
    ReadLocalCatalogue();

    // The shipped build's placeholder addresses are neither contacted nor shown.
    if (!Download::IsConfigured(QUrl(shopUrl)))
        ui->lblLink->setText(tr("No web shop is configured"));
    if (m_storeUrl.isEmpty() || !Download::IsConfigured(m_storeUrl))
        return;
    m_netPic = new QNetworkAccessManager(this);
    connect(m_netPic, &QNetworkAccessManager::finished, this, &AboutDialog::GetSalePic);
    m_netVersion = new QNetworkAccessManager(this);
    connect(m_netVersion, &QNetworkAccessManager::finished, this, &AboutDialog::GetGoodListVersion);
    Download::Get(m_netVersion, Download::FileUrl(m_storeUrl, QStringLiteral("version.txt")), VersionText::kMaxSize,
        Download::kSmallFileDeadlineMs);
}

AboutDialog::~AboutDialog()
{
    delete ui;
}

QUrl AboutDialog::DefaultStoreUrl()
{
    return QUrl(QStringLiteral(DRIVER_STORE_URL));
}

QString AboutDialog::DefaultShopUrl()
{
    return QStringLiteral(DRIVER_SHOP_URL);
}

void AboutDialog::SetStoreUrl(const QUrl& url)
{
    ConfiguredStoreUrl() = url;
}

QUrl AboutDialog::StoreUrl()
{
    return ConfiguredStoreUrl();
}

void AboutDialog::ReadLocalCatalogue()
{
    QByteArray xml;
    if (LocalFile::Read(kCataloguePath, StoreCatalogue::kMaxFileSize, &xml) != LocalFile::Result::Ok) {
        qCDebug(lcAbout) << "Read File Failed";
        return;
    }
    qCDebug(lcAbout) << "Read File Success";
    StoreCatalogue catalogue;
    if (!catalogue.Parse(xml))
        return;
    m_priversion = catalogue.priversion;
    m_subversion = catalogue.subversion;
    m_saleNum = catalogue.saleNum;
    BuildTiles(catalogue);
}

void AboutDialog::BuildTiles(const StoreCatalogue& catalogue)
{
    for (int i = 0; i < catalogue.products.size() && i < StoreCatalogue::kMaxTiles; i++) {
        const StoreCatalogue::Product& product = catalogue.products.at(i);
        auto* place = findChild<QWidget*>(QStringLiteral("wdgGood") + QString::number(i));
        auto* tile = new LinkGood(place);
        tile->SetGood(product.index, product.name, product.link);
        auto* layout = new QHBoxLayout(place);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(tile);
        m_goods.append(tile);
    }
}

void AboutDialog::DownloadFailed()
{
    MessageBox::Critical(this, tr("Error"), tr("Download XML File Failed"));
}

void AboutDialog::GetGoodListVersion(QNetworkReply* reply)
{
    reply->deleteLater();
    QByteArray body;
    VersionText online;
    if (!Download::Body(reply, &body) || !VersionText::Parse(body, &online))
        return;
    qCDebug(lcAbout) << "OnLine Version" << online.major << online.minor;
    if (VersionText::Value(m_priversion, m_subversion) >= online.Value())
        return;
    if (m_netXml == nullptr) {
        m_netXml = new QNetworkAccessManager(this);
        connect(m_netXml, &QNetworkAccessManager::finished, this, &AboutDialog::GetGoodXmlFile);
    }
    Download::Get(m_netXml, Download::FileUrl(m_storeUrl, QStringLiteral("store.xml")), StoreCatalogue::kMaxFileSize);
}

void AboutDialog::GetGoodXmlFile(QNetworkReply* reply)
{
    reply->deleteLater();
    QByteArray body;
    StoreCatalogue catalogue;
    // A broken catalogue must not replace the one the tiles come from.
    if (!Download::Body(reply, &body) || !catalogue.Parse(body)) {
        DownloadFailed();
        return;
    }
    if (!LocalFile::Replace(kCataloguePath, body)) {
        MessageBox::Critical(this, tr("File"), tr("File Open Failed."));
        return;
    }
    qCDebug(lcAbout) << "xmlFile Update Success";
    m_saleNum = catalogue.saleNum;
    qCDebug(lcAbout) << "NewSaleNum" << m_saleNum;
    // Only the pictures of the products that get a tile, each once.
    m_pictures.clear();
    m_failedPictures.clear();
    for (const StoreCatalogue::Product& product : qAsConst(catalogue.products)) {
        if (!m_pictures.contains(product.index))
            m_pictures.append(product.index);
    }
    m_picIndex = 0;
    RequestPicture();
}

void AboutDialog::RequestPicture()
{
    if (m_picIndex < m_pictures.size()) {
        Download::Get(m_netPic, Download::FileUrl(m_storeUrl, PictureName(m_pictures.at(m_picIndex))),
            ProductPicture::kMaxFileSize);
        return;
    }
    if (!m_failedPictures.isEmpty()) {
        MessageBox::Critical(this, tr("Error"),
            tr("These product pictures could not be downloaded: %1").arg(m_failedPictures.join(QStringLiteral(", "))));
    }
}

void AboutDialog::GetSalePic(QNetworkReply* reply)
{
    reply->deleteLater();
    if (m_picIndex >= m_pictures.size())
        return;
    const QString name = PictureName(m_pictures.at(m_picIndex));
    m_picIndex++;
    // A picture that fails is skipped; the others still come, and the user hears of it at the end.
    QByteArray body;
    if (!Download::Body(reply, &body) || ProductPicture::Decode(body).isNull()) {
        qCDebug(lcAbout) << "picFile" << name << "refused" << Download::FailureText(reply);
        m_failedPictures.append(name);
    } else if (!LocalFile::Replace(QStringLiteral("./Store/") + name, body)) {
        MessageBox::Critical(this, tr("File"), tr("File Open Failed."));
        return;
    } else {
        qCDebug(lcAbout) << "picFile" << name << "Update Success";
    }
    RequestPicture();
}
