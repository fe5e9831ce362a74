#include "about/ProductPicture.h"
#include "support/HostileReplies.h"
#include "support/LocalHttpServer.h"
#include "ui/Download.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QtTest>

using Behaviour = LocalHttpServer::Behaviour;
using Failure = Download::Failure;
using Response = LocalHttpServer::Response;

Q_DECLARE_METATYPE(Download::Failure)

// Every way a server can answer the shared download code, each ending in a clear outcome within
// the caller's size limit and deadline; pictures go on through the picture check.
class TestHostileServers : public QObject
{
    Q_OBJECT

private slots:
    void download_data();
    void download();
};

namespace {
// The limits of the version texts and of the index and layouts.
constexpr qint64 kSmall = 256;
constexpr qint64 kLarge = 1024 * 1024;
constexpr int kDeadlineMs = 1000;
// The picture column of rows that are no pictures.
constexpr int kNoPicture = -1;

} // namespace

void TestHostileServers::download_data()
{
    QTest::addColumn<Response>("response");
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<Failure>("failure");
    // Pictures only: whether the picture check takes the body.
    QTest::addColumn<int>("picture");
    using namespace HostileReplies;
    auto row = [](const char* name, const Response& response, qint64 limit, Failure failure, int picture = kNoPicture) {
        QTest::newRow(name) << response << limit << failure << picture;
    };

    row("plain reply at the limit", Reply(200, QByteArray(kSmall, '1')), kSmall, Failure::None);
    row("gzip bomb: 64 MiB in 64 KiB", Encoded(Compressed(64 << 20, true), "gzip"), kSmall, Failure::Encoded);
    row("deflate bomb: 64 MiB in 64 KiB", Encoded(Compressed(64 << 20, false), "deflate"), kLarge, Failure::Encoded);
    row("gzip even when small", Encoded(Compressed(3, true), "gzip"), kSmall, Failure::Encoded);
    row("length above the limit", WithLength("1.4", 1LL << 40), kLarge, Failure::TooLarge);
    row("no length, endless body", WithLength(QByteArray(4096, 'x'), LocalHttpServer::kNoLength, Behaviour::Flood),
        kLarge, Failure::TooLarge);
    row("length below what is sent: the rest is ignored", WithLength("1.4" + QByteArray(kLarge, 'x'), 3), kSmall,
        Failure::None);
    row("length above what is sent, then closed", WithLength("1.4", 100, Behaviour::Normal), kSmall, Failure::Network);
    row("dripping a byte at a time", Reply(200, QByteArray(100, '1'), Behaviour::Drip), kSmall, Failure::TimedOut);
    row("never answers", Reply(200, "", Behaviour::Hang), kSmall, Failure::TimedOut);
    row("partial content 206", Reply(206, "1.4"), kSmall, Failure::Status);
    row("not found", Reply(404, ""), kSmall, Failure::Network);
    row("redirect loop", Response(), kSmall, Failure::Network);

    row("JPEG picture", Reply(200, Picture("JPG")), ProductPicture::kMaxFileSize, Failure::None, true);
    row("PNG picture", Reply(200, Picture("PNG")), ProductPicture::kMaxFileSize, Failure::None, true);
    row("picture in the wrong format", Reply(200, Picture("BMP")), ProductPicture::kMaxFileSize, Failure::None, false);
    row("icon bomb: 16 x 16 icon holding a 20000 x 20000 PNG", Reply(200, IconHolding(PngBomb(20000, 1))),
        ProductPicture::kMaxFileSize, Failure::None, false);
    row("PNG bomb: 20000 x 20000", Reply(200, PngBomb(20000, 1)), ProductPicture::kMaxFileSize, Failure::None, false);
    row("picture 1025 pixels wide", Reply(200, Picture("PNG", 1025)), ProductPicture::kMaxFileSize, Failure::None,
        false);
}

void TestHostileServers::download()
{
    QFETCH(Response, response);
    QFETCH(qint64, limit);
    QFETCH(Failure, failure);
    QFETCH(int, picture);
    LocalHttpServer server;
    QVERIFY(server.IsListening());
    if (QByteArray(QTest::currentDataTag()) == "redirect loop") {
        server.Redirect("file", server.Url("other"));
        server.Redirect("other", server.Url("file"));
    } else {
        server.Serve("file", response);
    }
    QNetworkAccessManager manager;
    QNetworkReply* reply = Download::Get(&manager, QUrl(server.Url("file")), limit, kDeadlineMs);
    QSignalSpy finished(reply, &QNetworkReply::finished);
    QVERIFY(finished.wait(10 * kDeadlineMs));

    QByteArray body;
    QCOMPARE(int(Download::FailureOf(reply)), int(failure));
    QCOMPARE(Download::Body(reply, &body), failure == Failure::None);
    QVERIFY(body.size() <= limit);
    QCOMPARE(Download::FailureText(reply).isEmpty(), failure == Failure::None);
    if (picture >= 0)
        QCOMPARE(!ProductPicture::Decode(body).isNull(), bool(picture));
    else if (failure == Failure::None)
        QVERIFY(response.body.startsWith(body));
    delete reply;
}

QTEST_MAIN(TestHostileServers)
#include "tst_hostileservers.moc"
