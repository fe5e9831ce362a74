#include "settings/FirmwareInfo.h"
#include "settings/GeneralConfigDialog.h"
#include "support/LocalHttpServer.h"
#include "ui/MessageBox.h"

#include <QLabel>
#include <QNetworkReply>
#include <QPushButton>
#include <QtTest>

// Qt's network stack works in threads of its own (HTTP, bearer management) that hand data over
// through Qt's uninstrumented atomics and event loops; the thread checker reports those by the
// dozen. The exchanges run in the other builds; the reading of the file runs everywhere.
#ifdef DRIVER_THREAD_CHECKER
#define SKIP_UNDER_THREAD_CHECKER() QSKIP("Qt's network threads are opaque to the thread checker")
#else
#define SKIP_UNDER_THREAD_CHECKER()
#endif

namespace {
const QByteArray kFourLines = "[Device]=X\r\n[Version]=2_1\r\n[Desc]=a\r\n[Desc]=b";
const QString kFile = QStringLiteral("/fw/Version.txt");
} // namespace

class TestFirmwareInfo : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void parse_data();
    void parse();
    void readLatest_fromServer_data();
    void readLatest_fromServer();
    void readLatest_addressNotOnTheWeb_refusedWithoutRequest_data();
    void readLatest_addressNotOnTheWeb_refusedWithoutRequest();
    void readLatest_secondPressWhileWaiting_sendsNoSecondRequest();

private:
    QPushButton* Button(GeneralConfigDialog& page);
    QString Label(GeneralConfigDialog& page, const char* name);
};

void TestFirmwareInfo::init()
{
    MessageBox::ClearLast();
}

QPushButton* TestFirmwareInfo::Button(GeneralConfigDialog& page)
{
    return page.findChild<QPushButton*>("btnGetNewFmVer");
}

QString TestFirmwareInfo::Label(GeneralConfigDialog& page, const char* name)
{
    return page.findChild<QLabel*>(name)->text();
}

void TestFirmwareInfo::parse_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("description");
    auto row = [](const char* name, const QByteArray& body, FirmwareInfo::Status status, const char* version = "",
                   const QString& description = QString()) {
        QTest::newRow(name) << body << int(status) << QString(version) << description;
    };
    using S = FirmwareInfo::Status;
    row("four lines", kFourLines, S::Ok, "2.1", "a\r\nb");
    row("trailing line end, no notes", "[Device]=N\r\n[Version]=1_0_5\r\n", S::Ok, "1.0.5");
    row("notes in GBK", "[Device]=N\r\n[Version]=3\r\n[Desc]=\xd0\xde\xb8\xb4", S::Ok, "3", QStringLiteral("修复"));
    row("note holding '=' is left out", "[Device]=N\r\n[Version]=3\r\n[Desc]=a=b\r\n[Desc]=c", S::Ok, "3", "c");
    row("version line first", "[Version]=2_1\r\n[Device]=X", S::NoDevice);
    row("empty body", "", S::NoDevice);
    row("bare LF is one line", "[Device]=X\n[Version]=2_1\n", S::NoDevice);
    row("line 2 empty", "[Device]=X\r\n", S::NoVersion);
    row("no line 2", "[Device]=X", S::NoVersion);
    row("version holding '='", "[Device]=X\r\n[Version]=1=2", S::NoVersion);
    row("larger than 64 KiB", kFourLines + QByteArray(FirmwareInfo::kMaxFileSize, 'x'), S::NoDevice);
}

void TestFirmwareInfo::parse()
{
    QFETCH(QByteArray, body);
    QFETCH(int, status);
    QFETCH(QString, version);
    QFETCH(QString, description);
    const FirmwareInfo::Result result = FirmwareInfo::Parse(body);
    QCOMPARE(int(result.status), status);
    QCOMPARE(result.version, version);
    QCOMPARE(result.description, description);
}

void TestFirmwareInfo::readLatest_fromServer_data()
{
    QTest::addColumn<int>("behaviour");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("boxTitle");
    QTest::addColumn<QString>("boxText");
    QTest::addColumn<QString>("version");
    auto row = [](const char* name, int behaviour, const QByteArray& body, const char* title, const char* text,
                   const char* version = "") {
        QTest::newRow(name) << behaviour << body << QString(title) << QString(text) << QString(version);
    };
    // Besides the server's behaviours: -1 serves nothing (404), -2 redirects to a local file, -3
    // answers with partial content (206).
    const int normal = int(LocalHttpServer::Behaviour::Normal);
    row("four lines", normal, kFourLines, "", "", "Ver: 2.1");
    row("version line first", normal, "[Version]=2_1\r\n[Device]=X", "Error", "Fail to Load Firmware Info");
    row("line 2 empty", normal, "[Device]=X\r\n", "Error", "Fail to Get Keyboard Version");
    row("empty body", normal, "", "Error", "Fail to Load Firmware Info");
    row("larger than 64 KiB", normal, kFourLines + QByteArray(200 * 1024, 'x'), "Error", "Fail to Load Firmware Info");
    row("404", -1, "", "error", "Not Found");
    row("cut short", int(LocalHttpServer::Behaviour::Truncate), kFourLines, "error", "");
    row("never answers", int(LocalHttpServer::Behaviour::Hang), "", "error", "did not answer in time");
    row("redirect to a local file", -2, "", "error", "");
    row("partial content", -3, kFourLines, "error", "status 206");
}

void TestFirmwareInfo::readLatest_fromServer()
{
    QFETCH(int, behaviour);
    QFETCH(QByteArray, body);
    QFETCH(QString, boxTitle);
    QFETCH(QString, boxText);
    QFETCH(QString, version);
    SKIP_UNDER_THREAD_CHECKER();
    LocalHttpServer server;
    QVERIFY(server.IsListening());
    if (behaviour == -2) {
        server.Redirect(kFile, QStringLiteral("file:///etc/hostname"));
    } else if (behaviour == -3) {
        server.Serve(kFile, body, 206);
    } else if (behaviour >= 0) {
        LocalHttpServer::Response response;
        response.body = body;
        response.behaviour = LocalHttpServer::Behaviour(behaviour);
        server.Serve(kFile, response);
    }
    GeneralConfigDialog page;
    page.SetFirmwareUrl(server.Url("fw/"));
    page.SetFirmwareInfoTimeout(300);
    page.show();
    MessageBox::SetNextAnswer(QMessageBox::Ok);

    QTest::mouseClick(Button(page), Qt::LeftButton);

    QTRY_VERIFY(Button(page)->isEnabled());
    QCOMPARE(server.Requests(), QStringList {kFile});
    QCOMPARE(page.FirmwareInfoUrl(), server.Url("fw/Version.txt"));
    QCOMPARE(MessageBox::LastTitle(), boxTitle);
    QVERIFY2(MessageBox::LastText().contains(boxText), qPrintable(MessageBox::LastText()));
    QCOMPARE(MessageBox::LastText().isEmpty(), boxTitle.isEmpty());
    QCOMPARE(Label(page, "lblNewFmVer"), version);
    QCOMPARE(Label(page, "lblFirmwareDesc"), version.isEmpty() ? QString() : QStringLiteral("a\r\nb"));
}

void TestFirmwareInfo::readLatest_addressNotOnTheWeb_refusedWithoutRequest_data()
{
    QTest::addColumn<QString>("url");
    QTest::newRow("none yet") << "";
    QTest::newRow("ftp") << "ftp://127.0.0.1/fw/";
    QTest::newRow("file") << "file:///etc/";
    QTest::newRow("no scheme") << "127.0.0.1/fw/";
}

void TestFirmwareInfo::readLatest_addressNotOnTheWeb_refusedWithoutRequest()
{
    QFETCH(QString, url);
    GeneralConfigDialog page;
    page.SetFirmwareUrl(url);
    page.show();
    MessageBox::SetNextAnswer(QMessageBox::Ok);

    QTest::mouseClick(Button(page), Qt::LeftButton);

    QCOMPARE(MessageBox::LastTitle(), QStringLiteral("error"));
    QVERIFY(!MessageBox::LastText().isEmpty());
    QVERIFY(Button(page)->isEnabled());
    QCOMPARE(page.findChildren<QNetworkReply*>().size(), 0);
}

void TestFirmwareInfo::readLatest_secondPressWhileWaiting_sendsNoSecondRequest()
{
    SKIP_UNDER_THREAD_CHECKER();
    LocalHttpServer server;
    LocalHttpServer::Response hang;
    hang.behaviour = LocalHttpServer::Behaviour::Hang;
    server.Serve(kFile, hang);
    GeneralConfigDialog page;
    page.SetFirmwareUrl(server.Url("fw/"));
    page.SetFirmwareInfoTimeout(500);
    page.show();
    MessageBox::SetNextAnswer(QMessageBox::Ok);

    QTest::mouseClick(Button(page), Qt::LeftButton);
    QTRY_COMPARE(server.Requests().size(), 1);
    QTest::mouseClick(Button(page), Qt::LeftButton);
    QTRY_VERIFY(Button(page)->isEnabled());
    QCOMPARE(server.Requests().size(), 1);
    QCOMPARE(MessageBox::LastTitle(), QStringLiteral("error"));

    // Once answered, the button asks again.
    server.Serve(kFile, kFourLines);
    QTest::mouseClick(Button(page), Qt::LeftButton);
    QTRY_COMPARE(Label(page, "lblNewFmVer"), QStringLiteral("Ver: 2.1"));
    QCOMPARE(server.Requests().size(), 2);

    // The page goes while a request is still out.
    server.Serve(kFile, hang);
    QTest::mouseClick(Button(page), Qt::LeftButton);
    QTRY_COMPARE(server.Requests().size(), 3);
}

QTEST_MAIN(TestFirmwareInfo)
#include "tst_firmwareinfo.moc"
