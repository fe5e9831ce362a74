#include "app/DeviceManager.h"
#include "app/UpdateCheck.h"
#include "support/LocalHttpServer.h"
#include "support/TestFolder.h"
#include "support/TestLayouts.h"
#include "ui/Download.h"
#include "ui/MessageBox.h"

#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPushButton>
#include <QtTest>

using Response = LocalHttpServer::Response;
using Behaviour = LocalHttpServer::Behaviour;

namespace {
const QByteArray kLocalIndex = R"({"priver": 1, "subver": 3, "demo": [], "keymap": []})";
const QByteArray kLocalLayout = TestLayouts::Grid(1, 1);
const Response kHtmlPage = Reply(200, "<html><body>Back soon.</body></html>", Behaviour::Normal, "text/html");
// index.json and three layouts in config/, and the folders config/ and Lang/.
constexpr int kFilesAtStart = 6;
} // namespace

class TestOnlineUpdate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void version_decidesWhetherIndexIsFetched_data();
    void version_decidesWhetherIndexIsFetched();
    void newIndex_replacesLocalAndFetchesLayoutsInOrder();
    void layoutFailure_changesNothingAndNextStartTriesAgain_data();
    void layoutFailure_changesNothingAndNextStartTriesAgain();
    void refusedIndex_changesNothingOnDisk_data();
    void refusedIndex_changesNothingOnDisk();
    void indexCannotBeWritten_showsBox();
    void placeholderServer_isNeverContacted_data();
    void placeholderServer_isNeverContacted();

private:
    // Index 1.4 listing the given layouts, each at /layouts/<name>.json on the server.
    QByteArray NewIndex(const QStringList& names) const;
    void Start(const QStringList& expectedRequests);
    int ConfigFiles() const;
    QString UpdateLine() const;

    std::unique_ptr<TestFolder> m_folder;
    std::unique_ptr<LocalHttpServer> m_server;
    std::unique_ptr<DeviceManager> m_manager;
};

void TestOnlineUpdate::initTestCase()
{
    // One server for all, since the rows' indexes name its address.
    m_server = std::make_unique<LocalHttpServer>();
    QVERIFY(m_server->IsListening());
}

void TestOnlineUpdate::init()
{
    m_folder = std::make_unique<TestFolder>();
    m_server->ClearRequests();
    QVERIFY(m_folder->Write("config/index.json", kLocalIndex));
    for (const char* name : {"A_0", "B_0", "C_0"})
        QVERIFY(m_folder->Write(QStringLiteral("config/%1.json").arg(name), kLocalLayout));
    m_server->Serve("version.txt", "1.4");
}

void TestOnlineUpdate::cleanup()
{
    m_manager.reset();
    m_folder.reset();
}

QByteArray TestOnlineUpdate::NewIndex(const QStringList& names) const
{
    QJsonArray keymap;
    for (const QString& name : names)
        keymap.append(QJsonObject {{"name", name}, {"url", m_server->Url("layouts/" + name + ".json")}});
    return QJsonDocument(QJsonObject {{"priver", 1}, {"subver", 4}, {"keymap", keymap},
                             {"demo", QJsonArray {TestLayouts::Entry(0x0603, "A", "Try A")}}})
        .toJson();
}

// Starts the Device Manager and waits until the server has seen exactly these requests and every
// reply has been handled.
void TestOnlineUpdate::Start(const QStringList& expectedRequests)
{
    m_server->ClearRequests();
    m_manager = std::make_unique<DeviceManager>(nullptr, QUrl(m_server->BaseUrl()));
    m_manager->SetTransferTimeout(300);
    // The network objects come once the window has been painted.
    QVERIFY(m_manager->findChildren<QNetworkAccessManager*>().isEmpty());
    m_manager->show();
    QTRY_COMPARE(m_server->Requests(), expectedRequests);
    QTRY_VERIFY(m_manager->findChildren<QNetworkReply*>().isEmpty());
    QCOMPARE(m_server->Requests(), expectedRequests);
}

// Files and folders left in the run folder and config/, the staging folder included.
int TestOnlineUpdate::ConfigFiles() const
{
    const auto filter = QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot;
    return QDir(m_folder->Path("config")).entryList(filter).size() + QDir(m_folder->Path(".")).entryList(filter).size();
}

QString TestOnlineUpdate::UpdateLine() const
{
    return m_manager->findChild<QLabel*>("lblUpdate")->text();
}

void TestOnlineUpdate::version_decidesWhetherIndexIsFetched_data()
{
    QTest::addColumn<Response>("version");
    QTest::addColumn<bool>("fetched");
    QTest::newRow("1.4 is newer than 1.3") << Reply(200, "1.4") << true;
    QTest::newRow("with a line end") << Reply(200, "1.4\r\n") << true;
    QTest::newRow("0.14 weighs 14, above 13") << Reply(200, "0.14") << true;
    QTest::newRow("1.3 is the same") << Reply(200, "1.3") << false;
    QTest::newRow("1.2 is older") << Reply(200, "1.2") << false;
    QTest::newRow("three parts") << Reply(200, "1.4.1") << false;
    QTest::newRow("one part") << Reply(200, "14") << false;
    QTest::newRow("not found") << Reply(404, "2.0") << false;
    QTest::newRow("server error") << Reply(500, "2.0") << false;
    QTest::newRow("error page with 200") << kHtmlPage << false;
}

void TestOnlineUpdate::version_decidesWhetherIndexIsFetched()
{
    QFETCH(Response, version);
    QFETCH(bool, fetched);
    m_server->Serve("version.txt", version);
    m_server->Serve("index.json", NewIndex({}));
    Start(fetched ? QStringList {"/version.txt", "/index.json"} : QStringList {"/version.txt"});
    // An empty "keymap" array updates the index only.
    QCOMPARE(m_folder->Read("config/index.json"), fetched ? NewIndex({}) : kLocalIndex);
    QCOMPARE(ConfigFiles(), kFilesAtStart);
    const QByteArray tag = QTest::currentDataTag();
    // An error page with a dot reads as version 0.0, like any text of two parts.
    const bool upToDate = tag.contains("same") || tag.contains("older") || tag.contains("error page");
    QCOMPARE(UpdateLine() == QStringLiteral("Up to date"), upToDate);
    QCOMPARE(UpdateLine().startsWith("Update failed: "), !fetched && !upToDate);
}

void TestOnlineUpdate::newIndex_replacesLocalAndFetchesLayoutsInOrder()
{
    const QByteArray index = NewIndex({"A_0", "B_0", "C_0"});
    m_server->Serve("index.json", index);
    m_server->Serve("layouts/A_0.json", TestLayouts::Grid(2, 3));
    m_server->Redirect("layouts/B_0.json", m_server->Url("moved/B_0.json"));
    m_server->Serve("moved/B_0.json", TestLayouts::Grid(3, 4));
    m_server->Serve("layouts/C_0.json", TestLayouts::Grid(4, 5));
    Start({"/version.txt", "/index.json", "/layouts/A_0.json", "/layouts/B_0.json", "/moved/B_0.json",
        "/layouts/C_0.json"});
    QCOMPARE(m_folder->Read("config/index.json"), index);
    QCOMPARE(m_folder->Read("config/A_0.json"), TestLayouts::Grid(2, 3));
    QCOMPARE(m_folder->Read("config/B_0.json"), TestLayouts::Grid(3, 4));
    QCOMPARE(m_folder->Read("config/C_0.json"), TestLayouts::Grid(4, 5));

    QCOMPARE(UpdateLine(), QStringLiteral("Updated to version 1.4; press Refresh to use it"));
    QCOMPARE(ConfigFiles(), kFilesAtStart);
    auto* version = m_manager->findChild<QLabel*>("lblKeymapVer");
    QCOMPARE(version->text(), QStringLiteral("Keymap Ver:1.3"));
    QTest::mouseClick(m_manager->findChild<QPushButton*>("btnRefresh"), Qt::LeftButton);
    QCOMPARE(version->text(), QStringLiteral("Keymap Ver:1.4"));
}

void TestOnlineUpdate::layoutFailure_changesNothingAndNextStartTriesAgain_data()
{
    QTest::addColumn<Response>("second");
    QTest::addColumn<QString>("reason");
    QTest::newRow("not found") << Reply(404, "") << "Not Found";
    QTest::newRow("server error") << Reply(500, TestLayouts::Grid(2, 2)) << "Internal Server Error";
    QTest::newRow("partial content") << Reply(206, TestLayouts::Grid(2, 2)) << "status 206";
    QTest::newRow("truncated") << Reply(200, TestLayouts::Grid(2, 2), Behaviour::Truncate) << "";
    QTest::newRow("never answers") << Reply(200, "", Behaviour::Hang) << "did not answer in time";
    QTest::newRow("drips") << Reply(200, TestLayouts::Grid(2, 2), Behaviour::Drip) << "did not answer in time";
    QTest::newRow("error page with 200") << kHtmlPage << "layout B_0 from the server is unusable";
    QTest::newRow("json but no layout") << Reply(200, "[1, 2, 3]") << "unusable";
    QTest::newRow("grid too large") << Reply(200, R"({"rownum": 8, "colnum": 22})") << "unusable";
    QTest::newRow("over 1 MiB") << Reply(200, TestLayouts::Grid(2, 2) + QByteArray(1024 * 1024, ' '))
                                << "more than expected";
    Response gzip = Reply(200, TestLayouts::Grid(2, 2));
    gzip.headers = "Content-Encoding: gzip\r\n";
    QTest::newRow("compressed") << gzip << "compressed";
}

void TestOnlineUpdate::layoutFailure_changesNothingAndNextStartTriesAgain()
{
    QFETCH(Response, second);
    QFETCH(QString, reason);
    const QByteArray index = NewIndex({"A_0", "B_0", "C_0"});
    m_server->Serve("index.json", index);
    m_server->Serve("layouts/A_0.json", TestLayouts::Grid(2, 3));
    m_server->Serve("layouts/B_0.json", second);
    m_server->Serve("layouts/C_0.json", TestLayouts::Grid(4, 5));
    Start({"/version.txt", "/index.json", "/layouts/A_0.json", "/layouts/B_0.json"});
    QVERIFY2(UpdateLine().startsWith("Update failed: ") && UpdateLine().contains(reason), qPrintable(UpdateLine()));
    QCOMPARE(m_folder->Read("config/index.json"), kLocalIndex);
    for (const char* name : {"config/A_0.json", "config/B_0.json", "config/C_0.json"})
        QCOMPARE(m_folder->Read(name), kLocalLayout);
    QCOMPARE(ConfigFiles(), kFilesAtStart);

    // The local index still has the old version: the next start fetches the whole update again.
    m_server->Serve("layouts/B_0.json", TestLayouts::Grid(3, 4));
    Start({"/version.txt", "/index.json", "/layouts/A_0.json", "/layouts/B_0.json", "/layouts/C_0.json"});
    QCOMPARE(m_folder->Read("config/index.json"), index);
    QCOMPARE(m_folder->Read("config/B_0.json"), TestLayouts::Grid(3, 4));
    QCOMPARE(m_folder->Read("config/C_0.json"), TestLayouts::Grid(4, 5));
}

void TestOnlineUpdate::refusedIndex_changesNothingOnDisk_data()
{
    QTest::addColumn<Response>("index");
    const QByteArray good = NewIndex({"A_0"});
    QTest::newRow("not found") << Reply(404, good);
    QTest::newRow("server error") << Reply(500, good);
    QTest::newRow("truncated") << Reply(200, good, Behaviour::Truncate);
    QTest::newRow("never answers") << Reply(200, "", Behaviour::Hang);
    QTest::newRow("error page with 200") << kHtmlPage;
    QTest::newRow("not json") << Reply(200, "{\"priver\": 1, ");
    QTest::newRow("json array") << Reply(200, "[]");
    QTest::newRow("over 1 MiB") << Reply(200, good + QByteArray(1024 * 1024, ' '));
    for (const char* name :
        {"", "..", "../escaped", ".A_0", "sub/A_0", "/tmp/A_0", "..\\escaped", "A\n0", "index", "Index", "a_0"})
        QTest::newRow(qPrintable(QStringLiteral("name ") + QString(name).replace('\n', "\\n")))
            << Reply(200, NewIndex({"A_0", name}));
    const QByteArray url = m_server->Url("layouts/A_0.json").toUtf8();
    for (const char* other : {"file:///etc/passwd", "ftp://127.0.0.1/A_0.json", "A_0.json"})
        QTest::newRow(other) << Reply(200, QByteArray(good).replace(url, other));
    QStringList many;
    for (int i = 0; i <= UpdateCheck::kMaxLayouts; i++)
        many.append(QStringLiteral("L_%1").arg(i));
    QTest::newRow("too many layouts") << Reply(200, NewIndex(many));
    QTest::newRow("prefix leaving config") << Reply(200, QByteArray(good).replace("\"A\"", "\"../../x\""));
}

void TestOnlineUpdate::refusedIndex_changesNothingOnDisk()
{
    QFETCH(Response, index);
    m_server->Serve("index.json", index);
    Start({"/version.txt", "/index.json"});
    QCOMPARE(m_folder->Read("config/index.json"), kLocalIndex);
    QCOMPARE(m_folder->Read("config/A_0.json"), kLocalLayout);
    QCOMPARE(ConfigFiles(), kFilesAtStart);
    QVERIFY(UpdateLine().startsWith("Update failed: "));
}

void TestOnlineUpdate::indexCannotBeWritten_showsBox()
{
    QVERIFY(QFile::remove(m_folder->Path("config/index.json")));
    QVERIFY(QDir(m_folder->Path("config")).mkdir("index.json"));
    m_server->Serve("index.json", NewIndex({"A_0"}));
    m_server->Serve("layouts/A_0.json", TestLayouts::Grid(2, 3));
    MessageBox::ClearLast();
    MessageBox::SetNextAnswer(QMessageBox::Ok);
    Start({"/version.txt", "/index.json", "/layouts/A_0.json"});
    QCOMPARE(MessageBox::LastTitle(), QStringLiteral("File"));
    QCOMPARE(MessageBox::LastText(), QStringLiteral("File Open Failed."));
    // The line below the list names the file that stopped the update.
    QVERIFY2(
        UpdateLine().startsWith("Update failed: ") && UpdateLine().contains("index.json"), qPrintable(UpdateLine()));
    QCOMPARE(m_folder->Read("config/A_0.json"), kLocalLayout);
}

void TestOnlineUpdate::placeholderServer_isNeverContacted_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("configured");
    QTest::newRow("shipped placeholder") << "https://download.example.com/driver/" << false;
    QTest::newRow("example.org") << "https://example.org/driver/" << false;
    QTest::newRow("upper case") << "https://DOWNLOAD.EXAMPLE.NET/" << false;
    QTest::newRow(".example") << "https://updates.example/" << false;
    QTest::newRow(".invalid") << "https://updates.invalid/" << false;
    QTest::newRow("a name that only ends alike") << "https://myexample.com/" << true;
    QTest::newRow("not a web address") << "file:///etc/" << false;
}

// The shipped build names placeholder servers; nothing is sent to them, and the window says why.
void TestOnlineUpdate::placeholderServer_isNeverContacted()
{
    QFETCH(QString, address);
    QFETCH(bool, configured);
    QCOMPARE(Download::IsConfigured(QUrl(address)), configured);
    if (configured)
        return;
    m_manager = std::make_unique<DeviceManager>(nullptr, QUrl(address));
    m_manager->show();
    QTRY_COMPARE(UpdateLine(), QStringLiteral("No download server is configured"));
    QTest::qWait(50);
    QVERIFY(m_manager->findChildren<QNetworkAccessManager*>().isEmpty());
}

QTEST_MAIN(TestOnlineUpdate)
#include "tst_onlineupdate.moc"
