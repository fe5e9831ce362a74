#include "about/AboutDialog.h"
#include "about/LinkGood.h"
#include "support/HostileReplies.h"
#include "support/LocalHttpServer.h"
#include "support/TestFolder.h"
#include "ui/MessageBox.h"

#include <QBuffer>
#include <QDesktopServices>
#include <QImage>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QtTest>

using Response = LocalHttpServer::Response;
using Behaviour = LocalHttpServer::Behaviour;

namespace {
// Catalogue major.minor announcing saleNumber products, of which count are listed, with pictures
// 0, 1, ... and names "Good <n>".
QByteArray Catalogue(int major, int minor, const QString& saleNumber, int count)
{
    QString xml = QStringLiteral("<?xml version=\"1.0\"?>\n<STORE><V PRIVERSION=\"%1\"/><S SUBVERSION=\"%2\"/>"
                                 "<N SALE_NUMBER=\"%3\"/>")
                      .arg(major)
                      .arg(minor)
                      .arg(saleNumber);
    for (int i = 0; i < count; i++)
        xml += QStringLiteral("<G SALE_INDEX=\"%1\" SALENAME=\"Good %1\" SALELINK=\"https://shop.test/%1\"/>").arg(i);
    return (xml + QStringLiteral("</STORE>")).toUtf8();
}

QByteArray Picture(const QColor& color, int side = 110)
{
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(color);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return buffer.data();
}

QByteArray Nested(int depth)
{
    return "<STORE>" + QByteArray("<a>").repeated(depth) + QByteArray("</a>").repeated(depth) + "</STORE>";
}
} // namespace

class TestAboutDialog : public QObject
{
    Q_OBJECT

public slots:
    // Stands in for the system browser.
    void Open(const QUrl& url)
    {
        m_opened.append(url);
    }

private slots:
    void init();
    void cleanup();

    void localCatalogue_buildsTiles_data();
    void localCatalogue_buildsTiles();
    void tile_showsPlainNameAndCheckedPictureFromMemory();
    void links_onlyWebAddressesOpen_data();
    void links_onlyWebAddressesOpen();
    void newerCatalogue_fetchesXmlThenPicturesInOrder_data();
    void newerCatalogue_fetchesXmlThenPicturesInOrder();
    void newerCatalogue_fetchesOnlyThePicturesShown();
    void refusedDownload_keepsLocalFilesAndSaysSo_data();
    void refusedDownload_keepsLocalFilesAndSaysSo();

private:
    // Starts the page against the server and waits until it has seen exactly these requests and
    // every reply has been handled.
    void Start(const QStringList& expectedRequests);

    std::unique_ptr<TestFolder> m_folder;
    std::unique_ptr<LocalHttpServer> m_server;
    std::unique_ptr<AboutDialog> m_page;
    QList<QUrl> m_opened;
};

void TestAboutDialog::init()
{
    m_folder = std::make_unique<TestFolder>();
    m_server = std::make_unique<LocalHttpServer>();
    QVERIFY(m_server->IsListening());
    QVERIFY(QDir(m_folder->Path(".")).mkdir("Store"));
    MessageBox::ClearLast();
}

void TestAboutDialog::cleanup()
{
    m_page.reset();
    m_server.reset();
    m_folder.reset();
}

void TestAboutDialog::Start(const QStringList& expectedRequests)
{
    m_page = std::make_unique<AboutDialog>(nullptr, QUrl(m_server->BaseUrl()), QStringLiteral("https://shop.test/"));
    QTRY_COMPARE(m_server->Requests(), expectedRequests);
    QTRY_VERIFY(m_page->findChildren<QNetworkReply*>().isEmpty());
    QCOMPARE(m_server->Requests(), expectedRequests);
}

void TestAboutDialog::localCatalogue_buildsTiles_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<int>("tiles");
    QTest::newRow("three") << Catalogue(1, 0, "3", 3) << 3;
    QTest::newRow("fourteen show twelve") << Catalogue(1, 0, "14", 14) << 12;
    QTest::newRow("fewer announced than listed") << Catalogue(1, 0, "2", 5) << 2;
    QTest::newRow("more announced than listed") << Catalogue(1, 0, "9", 4) << 4;
    QTest::newRow("empty picture number stops")
        << Catalogue(1, 0, "3", 3).replace("SALE_INDEX=\"1\"", "SALE_INDEX=\"\"") << 1;
    QTest::newRow("picture number above 255 stops")
        << Catalogue(1, 0, "3", 3).replace("SALE_INDEX=\"2\"", "SALE_INDEX=\"256\"") << 2;
    QTest::newRow("product count above 255") << Catalogue(1, 0, "300", 3) << 0;
    QTest::newRow("deep nesting") << Nested(100000) << 0;
    QTest::newRow("entity declarations") << QByteArray(
        "<!DOCTYPE S [<!ENTITY a \"aaaa\">]><S><V PRIVERSION=\"&a;\"/></S>")
                                         << 0;
    QTest::newRow("not xml") << QByteArray("<STORE><V PRIVERSION=\"1\">") << 0;
    QTest::newRow("no file") << QByteArray() << 0;
}

void TestAboutDialog::localCatalogue_buildsTiles()
{
    QFETCH(QByteArray, xml);
    QFETCH(int, tiles);
    if (!xml.isEmpty())
        QVERIFY(m_folder->Write("Store/store.xml", xml));
    AboutDialog page;
    QCOMPARE(page.TileCount(), tiles);
    for (int i = 0; i < 12; i++)
        QCOMPARE(page.findChild<QWidget*>(QStringLiteral("wdgGood%1").arg(i))->findChildren<LinkGood*>().size(),
            i < tiles ? 1 : 0);
    QCOMPARE(page.findChild<QLabel*>("lblVersion")->text(), QStringLiteral("2.7.3 2021-8-29"));
    // The shipped build's placeholder shop is never shown as a link to follow.
    QVERIFY(!page.findChild<QLabel*>("lblLink")->text().contains(QStringLiteral("example.com")));
    QVERIFY(!page.findChild<QLabel*>("lblStoreLogo")->pixmap(Qt::ReturnByValue).isNull());
    QVERIFY(page.findChildren<QNetworkAccessManager*>().isEmpty()); // off the network until main() says
}

void TestAboutDialog::tile_showsPlainNameAndCheckedPictureFromMemory()
{
    QVERIFY(m_folder->Write("Store/7.jpg", Picture(Qt::red, 220)));
    QVERIFY(m_folder->Write("Store/8.jpg", HostileReplies::IconHolding(HostileReplies::PngBomb(20000, 1))));
    LinkGood tile;
    tile.SetGood(7, QStringLiteral("Caps <b>&</b>"), QStringLiteral("https://shop.test/a"));
    auto* name = tile.findChild<QLabel*>("lblGoodName");
    QCOMPARE(name->text(), QStringLiteral("Caps <b>&</b>"));
    QCOMPARE(name->textFormat(), Qt::PlainText);
    // Scaled to the tile once, and shown from memory: the file may go.
    QVERIFY(QFile::remove(m_folder->Path("Store/7.jpg")));
    auto* picture = tile.findChild<QLabel*>("lblGoodPic");
    QCOMPARE(picture->pixmap(Qt::ReturnByValue).size(), QSize(110, 110));
    QVERIFY(!tile.grab().isNull());
    tile.SetGood(8, QStringLiteral("Bomb"), QStringLiteral("https://shop.test/b"));
    QVERIFY(picture->pixmap(Qt::ReturnByValue).isNull());
}

void TestAboutDialog::links_onlyWebAddressesOpen_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<bool>("opens");
    QTest::newRow("https") << "https://shop.test/good" << true;
    QTest::newRow("http") << "http://shop.test/good" << true;
    QTest::newRow("file") << "file:///usr/bin/xterm" << false;
    QTest::newRow("relative") << "/usr/bin/xterm" << false;
    QTest::newRow("custom scheme") << "steam://run/1" << false;
    QTest::newRow("javascript") << "javascript:alert(1)" << false;
}

void TestAboutDialog::links_onlyWebAddressesOpen()
{
    QFETCH(QString, link);
    QFETCH(bool, opens);
    const QStringList schemes {"http", "https", "file", "steam", "javascript"};
    for (const QString& scheme : schemes)
        QDesktopServices::setUrlHandler(scheme, this, "Open");
    m_opened.clear();
    LinkGood tile;
    tile.SetGood(0, QStringLiteral("Good"), link);
    QTest::mouseClick(tile.findChild<QLabel*>("lblGoodName"), Qt::LeftButton);
    for (const QString& scheme : schemes)
        QDesktopServices::unsetUrlHandler(scheme);
    QCOMPARE(m_opened, opens ? QList<QUrl> {QUrl(link)} : QList<QUrl> {});
}

void TestAboutDialog::newerCatalogue_fetchesXmlThenPicturesInOrder_data()
{
    QTest::addColumn<QByteArray>("local");
    QTest::addColumn<QByteArray>("online");
    QTest::addColumn<bool>("fetched");
    QTest::newRow("1.9 below 2.0") << Catalogue(1, 9, "0", 0) << QByteArray("2.0") << true;
    QTest::newRow("none below 0.1") << QByteArray() << QByteArray("0.1") << true;
    QTest::newRow("2.0 below 1.12") << Catalogue(2, 0, "0", 0) << QByteArray("1.12") << true;
    QTest::newRow("2.0 same") << Catalogue(2, 0, "0", 0) << QByteArray("2.0") << false;
    QTest::newRow("three parts") << Catalogue(1, 9, "0", 0) << QByteArray("2.0.1") << false;
}

void TestAboutDialog::newerCatalogue_fetchesXmlThenPicturesInOrder()
{
    QFETCH(QByteArray, local);
    QFETCH(QByteArray, online);
    QFETCH(bool, fetched);
    if (!local.isEmpty())
        QVERIFY(m_folder->Write("Store/store.xml", local));
    const QByteArray catalogue = Catalogue(2, 0, "3", 3);
    const QList<QByteArray> pictures {Picture(Qt::red), Picture(Qt::green), Picture(Qt::blue)};
    m_server->Serve("version.txt", online);
    m_server->Serve("store.xml", catalogue);
    for (int i = 0; i < pictures.size(); i++)
        m_server->Serve(QStringLiteral("%1.jpg").arg(i), pictures.at(i));

    Start(fetched ? QStringList {"/version.txt", "/store.xml", "/0.jpg", "/1.jpg", "/2.jpg"}
                  : QStringList {"/version.txt"});
    QCOMPARE(m_folder->Read("Store/store.xml"), fetched ? catalogue : local);
    for (int i = 0; i < pictures.size(); i++)
        QCOMPARE(m_folder->Read(QStringLiteral("Store/%1.jpg").arg(i)), fetched ? pictures.at(i) : QByteArray());
    QVERIFY(MessageBox::LastTitle().isEmpty());
    // The tiles come from the copy read at start, the new ones from the next start on.
    QCOMPARE(m_page->TileCount(), 0);
    QCOMPARE(AboutDialog().TileCount(), fetched ? 3 : 0);
}

void TestAboutDialog::newerCatalogue_fetchesOnlyThePicturesShown()
{
    m_server->Serve("version.txt", "2.0");
    m_server->Serve("store.xml", Catalogue(2, 0, "255", 14));
    QStringList expected {"/version.txt", "/store.xml"};
    for (int i = 0; i < 12; i++) {
        m_server->Serve(QStringLiteral("%1.jpg").arg(i), Picture(Qt::blue));
        expected.append(QStringLiteral("/%1.jpg").arg(i));
    }
    Start(expected);
    QCOMPARE(AboutDialog().TileCount(), 12);
}

void TestAboutDialog::refusedDownload_keepsLocalFilesAndSaysSo_data()
{
    QTest::addColumn<Response>("xml");
    QTest::addColumn<Response>("picture");
    const Response good = Reply(200, Catalogue(2, 0, "2", 2));
    const Response html = Reply(200, "<html><body>Sorry.</body></html>", Behaviour::Normal, "text/html");
    QTest::newRow("xml not found") << Reply(404, "") << Response();
    QTest::newRow("xml server error") << Reply(500, good.body) << Response();
    QTest::newRow("xml truncated") << Reply(200, good.body, Behaviour::Truncate) << Response();
    QTest::newRow("xml error page") << html << Response();
    QTest::newRow("xml nested deep") << Reply(200, Nested(5000)) << Response();
    QTest::newRow("xml too large") << Reply(200, good.body + QByteArray(100000, ' ')) << Response();
    QTest::newRow("picture not found") << good << Reply(404, "");
    QTest::newRow("picture not an image") << good << html;
    QTest::newRow("picture truncated") << good << Reply(200, Picture(Qt::red), Behaviour::Truncate);
    QTest::newRow("picture too large") << good << Reply(200, Picture(Qt::red) + QByteArray(600 * 1024, 0));
    QTest::newRow("picture enormous") << good << Reply(200, Picture(Qt::red, 4000));
    QTest::newRow("picture in BMP") << good << Reply(200, HostileReplies::Picture("BMP"));
    QTest::newRow("picture icon bomb") << good
                                       << Reply(200, HostileReplies::IconHolding(HostileReplies::PngBomb(20000, 1)));
}

void TestAboutDialog::refusedDownload_keepsLocalFilesAndSaysSo()
{
    QFETCH(Response, xml);
    QFETCH(Response, picture);
    const QByteArray local = Catalogue(1, 9, "1", 1);
    QVERIFY(m_folder->Write("Store/store.xml", local));
    QVERIFY(m_folder->Write("Store/0.jpg", Picture(Qt::gray)));
    m_server->Serve("version.txt", "2.0");
    m_server->Serve("store.xml", xml);
    m_server->Serve("0.jpg", picture);
    m_server->Serve("1.jpg", Picture(Qt::blue));
    const bool xmlRefused = QByteArray(QTest::currentDataTag()).startsWith("xml");

    MessageBox::SetNextAnswer(QMessageBox::Ok);
    // A refused picture is skipped; the next one still comes.
    Start(xmlRefused ? QStringList {"/version.txt", "/store.xml"}
                     : QStringList {"/version.txt", "/store.xml", "/0.jpg", "/1.jpg"});
    QCOMPARE(MessageBox::LastTitle(), QStringLiteral("Error"));
    QCOMPARE(MessageBox::LastText(),
        xmlRefused ? QStringLiteral("Download XML File Failed")
                   : QStringLiteral("These product pictures could not be downloaded: 0.jpg"));
    QCOMPARE(m_folder->Read("Store/store.xml"), xmlRefused ? local : xml.body);
    QCOMPARE(m_folder->Read("Store/0.jpg"), Picture(Qt::gray));
    QCOMPARE(m_folder->Read("Store/1.jpg"), xmlRefused ? QByteArray() : Picture(Qt::blue));
}

QTEST_MAIN(TestAboutDialog)
#include "tst_aboutdialog.moc"
