#pragma once

#include "device/DeviceTypes.h"

#include <QList>
#include <QStringList>
#include <QUrl>
#include <QWidget>

namespace Ui {
class AboutDialog;
}
class LinkGood;
class QNetworkAccessManager;
class QNetworkReply;
class StoreCatalogue;

// The "About Us" page: the program's version, the shop link and up to twelve product tiles from
// the catalogue kept in ./Store/. The catalogue and its pictures are refreshed from the store
// server at storeUrl when it announces a newer version; the tiles show the new ones from the next
// start on. Without a store server (as in tests) the page stays off the network.
class AboutDialog final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AboutDialog)

public:
    explicit AboutDialog(
        QWidget* parent = nullptr, const QUrl& storeUrl = StoreUrl(), const QString& shopUrl = DefaultShopUrl());
    ~AboutDialog() override;

    // The addresses the program is built with.
    static QUrl DefaultStoreUrl();
    static QString DefaultShopUrl();
    // The store server of the pages created from now on, none until main() sets it: the page is
    // built deep inside the main window.
    static void SetStoreUrl(const QUrl& url);
    static QUrl StoreUrl();

    int TileCount() const
    {
        return m_goods.size();
    }

private slots:
    void GetGoodListVersion(QNetworkReply* reply);
    void GetGoodXmlFile(QNetworkReply* reply);
    void GetSalePic(QNetworkReply* reply);

private:
    void ReadLocalCatalogue();
    void BuildTiles(const StoreCatalogue& catalogue);
    void RequestPicture();
    void DownloadFailed();

    Ui::AboutDialog* ui;
    QList<LinkGood*> m_goods;
    QUrl m_storeUrl;
    QNetworkAccessManager* m_netPic = nullptr;
    QNetworkAccessManager* m_netVersion = nullptr;
    QNetworkAccessManager* m_netXml = nullptr;
    tdu1 m_priversion = 0;
    tdu1 m_subversion = 0;
    tdu1 m_saleNum = 0;
    // Position in m_pictures of the picture being fetched.
    int m_picIndex = 0;
    // Picture numbers of the products that get a tile, in tile order, each once.
    QList<int> m_pictures;
    QStringList m_failedPictures;
};
