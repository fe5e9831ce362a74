#include "about/AboutDialog.h"

#include "about/AboutLog.h"
#include "about/LinkGood.h"
#include "about/StoreCatalogue.h"
#include "ui/Download.h"
#include "ui/LocalFile.h"
#include "ui/MessageBox.h"
#include "ui/VersionText.h"
#include "ui_AboutDialog.h"

#include <QBuffer>
#include <QDir>
#include <QHBoxLayout>
#include <QImageReader>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSaveFile>

namespace {
const QString kStoreFolder = QStringLiteral("Store");
const QString kCataloguePath = QStringLiteral("./Store/store.xml");

// Pictures are shown 110 pixels wide; anything far larger is not a product picture.
constexpr qint64 kMaxPictureSize = 512 * 1024;
constexpr int kMaxPictureSide = 1024;

bool SaveAtomically(const QString& path, const QByteArray& data)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.commit();
}

// True when data decodes as a picture of sensible size; the header is checked before decoding,
// so a small file that claims an enormous picture is never expanded.
bool IsPicture(const QByteArray& data)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > kMaxPictureSide || size.height() > kMaxPictureSide)
        return false;
    return !reader.read().isNull();
}

QUrl& ConfiguredStoreUrl()
{
    static QUrl url;
    return url;
}

QString PicturePath(int index)
{
    return QStringLiteral("./Store/") + QString::number(index) + QStringLiteral(".jpg");
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
    ui->lblStoreLogo->setPixmap(QPixmap(QStringLiteral(":/image/StoreLogo.png")));
    ui->lblSpilter->setStyleSheet(QStringLiteral("QLabel#lblSpilter{background:#000000}"));
    ui->lblLink->setText(QStringLiteral("<a href=\"") + shopUrl.toHtmlEscaped() + QStringLiteral("\">")
        + shopUrl.toHtmlEscaped() + QStringLiteral("</a>"));
    ui->lblLink->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    connect(ui->lblLink, &QLabel::linkActivated, this, [](const QString& link) { LinkGood::OpenLink(link); });

    QDir().mkpath(kStoreFolder);
    ReadLocalCatalogue();

    if (m_storeUrl.isEmpty())
        return;
    m_netPic = new QNetworkAccessManager(this);
    connect(m_netPic, &QNetworkAccessManager::finished, this, &AboutDialog::GetSalePic);
    m_netVersion = new QNetworkAccessManager(this);
    connect(m_netVersion, &QNetworkAccessManager::finished, this, &AboutDialog::GetGoodListVersion);
    Download::Get(m_netVersion, Download::FileUrl(m_storeUrl, QStringLiteral("version.txt")), VersionText::kMaxSize);
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
    MessageBox::Information(this, tr("Error"), tr("Download XML File Failed"));
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
    if (!SaveAtomically(kCataloguePath, body)) {
        MessageBox::Information(this, tr("File"), tr("File Open Failed."));
        return;
    }
    qCDebug(lcAbout) << "xmlFile Update Success";
    m_saleNum = catalogue.saleNum;
    qCDebug(lcAbout) << "NewSaleNum" << m_saleNum;
    if (m_picIndex < m_saleNum)
        RequestPicture();
}

void AboutDialog::RequestPicture()
{
    Download::Get(
        m_netPic, Download::FileUrl(m_storeUrl, QString::number(m_picIndex) + QStringLiteral(".jpg")), kMaxPictureSize);
}

void AboutDialog::GetSalePic(QNetworkReply* reply)
{
    reply->deleteLater();
    QByteArray body;
    if (!Download::Body(reply, &body) || !IsPicture(body)) {
        DownloadFailed();
        return;
    }
    if (!SaveAtomically(PicturePath(m_picIndex), body)) {
        MessageBox::Information(this, tr("File"), tr("File Open Failed."));
        return;
    }
    qCDebug(lcAbout) << "picFile" << m_picIndex << "Update Success";
    m_picIndex++;
    if (m_picIndex < m_saleNum)
        RequestPicture();
}
