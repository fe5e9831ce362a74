#include "app/UserDataFolder.h"

#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using Readiness = UserDataFolder::Readiness;
Q_DECLARE_METATYPE(UserDataFolder::Readiness)

namespace {
const QByteArray kIndex = R"({"priver": 1, "subver": 4, "demo": []})";
const QByteArray kLayout = R"({"rownum": 1, "colnum": 1})";
const QByteArray kLang = "qm file";

bool Write(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QByteArray Read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes of any size fail while it lives, as on a full disk.
class FullDisk
{
public:
    FullDisk()
    {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit none = m_previous;
        none.rlim_cur = 0;
        setrlimit(RLIMIT_FSIZE, &none);
    }
    ~FullDisk()
    {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_handler);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit m_previous {};
    void (*m_handler)(int) = nullptr;
};
} // namespace

// The launcher's preparation of the per-user folder from the installed files.
class TestUserDataFolder : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void prepare_data();
    void prepare();
    void secondStart_writesNothing();

private:
    QString Installed(const QString& name) const
    {
        return m_installed.filePath(name);
    }
    QString User(const QString& name) const
    {
        return m_user.filePath(QStringLiteral("nova-driver/") + name);
    }

    QTemporaryDir m_installed;
    QTemporaryDir m_user;
    QTemporaryDir m_elsewhere;
};

void TestUserDataFolder::init()
{
    QVERIFY(Write(Installed("config/index.json"), kIndex));
    QVERIFY(Write(Installed("config/A_0.json"), kLayout));
    QVERIFY(Write(Installed("Lang/Lang_English.qm"), kLang));
    QDir(User(".")).removeRecursively();
}

void TestUserDataFolder::prepare_data()
{
    QTest::addColumn<QString>("situation");
    QTest::addColumn<Readiness>("readiness");
    QTest::addColumn<QString>("message");
    QTest::newRow("first start") << "empty" << Readiness::Ready << "";
    QTest::newRow("read-only, seeded before") << "read-only" << Readiness::Stale << "read-only";
    QTest::newRow("full disk, seeded before") << "full" << Readiness::Stale << "the disk may be full";
    QTest::newRow("full disk, nothing there") << "full, empty" << Readiness::Unusable << "";
    QTest::newRow("index a link to a file elsewhere") << "file link" << Readiness::Ready << "";
    QTest::newRow("config a link to a folder elsewhere") << "folder link" << Readiness::Stale << "symbolic link";
}

void TestUserDataFolder::prepare()
{
    QFETCH(QString, situation);
    QFETCH(Readiness, readiness);
    QFETCH(QString, message);
    const QString outside = m_elsewhere.filePath("target.json");
    QVERIFY(Write(outside, "theirs"));
    UserDataFolder folder(m_installed.path(), User("."));
    QString said;
    if (situation != "empty" && situation != "full, empty")
        QCOMPARE(folder.Prepare(&said), Readiness::Ready);
    const QByteArray before = Read(User("config/index.json"));

    if (situation == "read-only") {
        if (::geteuid() == 0)
            QSKIP("root writes into read-only folders");
        QVERIFY(QFile::setPermissions(User("."), QFile::ReadOwner | QFile::ExeOwner));
    } else if (situation == "file link") {
        QVERIFY(QFile::remove(User("config/index.json")));
        QVERIFY(QFile::link(outside, User("config/index.json")));
    } else if (situation == "folder link") {
        QVERIFY(QFile::rename(User("config"), m_elsewhere.filePath("config")));
        QVERIFY(QFile::link(m_elsewhere.filePath("config"), User("config")));
        QVERIFY(QFile::remove(User("config/A_0.json")));
    }
    Readiness result;
    {
        std::unique_ptr<FullDisk> full(situation.startsWith("full") ? new FullDisk : nullptr);
        result = folder.Prepare(&said);
    }
    QFile::setPermissions(User("."), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(result, readiness);
    QVERIFY2(said.contains(message), qPrintable(said));
    QCOMPARE(said.isEmpty(), readiness == Readiness::Ready);
    // Nothing is ever written through a link; a link to a file is replaced by the file.
    QCOMPARE(Read(outside), QByteArray("theirs"));
    QCOMPARE(QFileInfo(User("config/A_0.json")).exists(), situation != "folder link" && situation != "full, empty");
    if (readiness == Readiness::Ready) {
        QVERIFY(!QFileInfo(User("config/index.json")).isSymLink());
        QCOMPARE(Read(User("config/index.json")), kIndex);
        QCOMPARE(Read(User("Lang/Lang_English.qm")), kLang);
    } else if (readiness == Readiness::Stale) {
        QCOMPARE(Read(User("config/index.json")), before);
    }
}

void TestUserDataFolder::secondStart_writesNothing()
{
    UserDataFolder folder(m_installed.path(), User("."));
    QString said;
    QCOMPARE(folder.Prepare(&said), Readiness::Ready);
    const QDateTime old = QDateTime::currentDateTime().addDays(-3);
    for (const char* name : {"config/index.json", "config/A_0.json", "Lang/Lang_English.qm"}) {
        QFile file(User(name));
        QVERIFY(file.open(QIODevice::ReadWrite) && file.setFileTime(old, QFileDevice::FileModificationTime));
    }
    QCOMPARE(folder.Prepare(&said), Readiness::Ready);
    for (const char* name : {"config/index.json", "config/A_0.json", "Lang/Lang_English.qm"})
        QCOMPARE(QFileInfo(User(name)).lastModified(), old);
}

QTEST_GUILESS_MAIN(TestUserDataFolder)
#include "tst_userdatafolder.moc"
