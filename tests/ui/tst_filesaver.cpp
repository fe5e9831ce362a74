#include "ui/FileSaver.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

Q_DECLARE_METATYPE(FileSaver::Links)

namespace {
constexpr uid_t kNobody = 65534;

struct stat Status(const QString& path)
{
    struct stat status = {};
    ::lstat(QFile::encodeName(path).constData(), &status);
    return status;
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What a path is, as lstat and its bytes tell: the same before and after means untouched.
QString Describe(const QString& path)
{
    const struct stat status = Status(path);
    return QStringLiteral("%1 %2:%3 %4 %5")
        .arg(status.st_mode, 0, 8)
        .arg(status.st_uid)
        .arg(status.st_gid)
        .arg(QFile::symLinkTarget(path), QString::fromLatin1(S_ISREG(status.st_mode) ? ReadAll(path).toHex() : ""));
}
} // namespace

// Saving over the targets a user or a full disk can put in the way.
class TestFileSaver : public QObject
{
    Q_OBJECT

private slots:
    void save_data();
    void save();
};

void TestFileSaver::save_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<FileSaver::Links>("links");
    QTest::addColumn<int>("reason"); // the system's error number a failure names; -1 when it saves
    QTest::newRow("full filesystem") << "full" << FileSaver::Links::Follow << EFBIG;
    QTest::newRow("read-only folder") << "read-only" << FileSaver::Links::Follow << EACCES;
    QTest::newRow("vanished folder") << "vanished" << FileSaver::Links::Follow << ENOENT;
    QTest::newRow("named pipe") << "fifo" << FileSaver::Links::Follow << 0;
    QTest::newRow("folder") << "folder" << FileSaver::Links::Follow << 0;
    QTest::newRow("dangling link") << "dangling" << FileSaver::Links::Follow << 0;
    QTest::newRow("link followed to its target") << "link" << FileSaver::Links::Follow << -1;
    QTest::newRow("link replaced in own folder") << "link" << FileSaver::Links::Replace << -1;
    QTest::newRow("mode 0640 kept") << "0640" << FileSaver::Links::Follow << -1;
    QTest::newRow("new file under umask 002") << "new" << FileSaver::Links::Follow << -1;
    QTest::newRow("another owner's file, as root") << "nobody" << FileSaver::Links::Follow << -1;
    QTest::newRow("root's file, as another user") << "as nobody" << FileSaver::Links::Follow << EPERM;
}

void TestFileSaver::save()
{
    QFETCH(QString, kind);
    QFETCH(FileSaver::Links, links);
    QFETCH(int, reason);
    QTemporaryDir dir;
    const QDir folder(dir.path());
    QString target = folder.filePath("keys.json");
    const QString real = folder.filePath("real.json");
    const QByteArray old = "old bytes";
    const QByteArray content(64 * 1024, 'n');
    QFile oldFile(kind == "link" || kind == "dangling" ? real : target);
    if (kind != "new" && kind != "fifo" && kind != "folder") {
        QVERIFY(oldFile.open(QIODevice::WriteOnly) && oldFile.write(old) == old.size());
        oldFile.close();
    }
    if (kind == "read-only" && ::geteuid() == 0)
        QSKIP("permissions do not stop the superuser");
    if (kind.contains("nobody") && ::geteuid() != 0)
        QSKIP("only root can give a file to another user or act as one");
    if (kind == "read-only")
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    else if (kind == "vanished")
        target = folder.filePath("gone/keys.json");
    else if (kind == "fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(target).constData(), 0644), 0);
    else if (kind == "folder")
        QVERIFY(folder.mkdir("keys.json"));
    else if (kind == "dangling")
        QVERIFY(QFile::remove(real) && QFile::link("real.json", target));
    else if (kind == "link")
        QVERIFY(QFile::link("real.json", target));
    else if (kind == "0640")
        QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    else if (kind == "nobody")
        QCOMPARE(::chown(QFile::encodeName(target).constData(), kNobody, kNobody), 0);
    else if (kind == "as nobody")
        QCOMPARE(::chmod(QFile::encodeName(dir.path()).constData(), 0777), 0);
    const QString before = Describe(target) + Describe(real);
    const mode_t oldMode = Status(oldFile.fileName()).st_mode & 07777;
    const QStringList entries = folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);

    // A file size limit makes the write stop part-way, as a full disk does.
    struct rlimit previous;
    ::getrlimit(RLIMIT_FSIZE, &previous);
    struct rlimit limited = previous;
    limited.rlim_cur = kind == "full" ? 4096 : previous.rlim_cur;
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    const mode_t mask = ::umask(002);
    ::setrlimit(RLIMIT_FSIZE, &limited);
    const bool switched = kind != "as nobody" || ::seteuid(kNobody) == 0;
    const FileSaver::Result result = FileSaver::Save(target, content, links);
    const bool back = kind != "as nobody" || ::seteuid(0) == 0;
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, handler);
    ::umask(mask);
    QVERIFY(switched && back);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    const QStringList after = folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    if (reason >= 0) {
        QVERIFY(!result.ok);
        QCOMPARE(Describe(target) + Describe(real), before);
        QCOMPARE(after, entries);
        QVERIFY2(result.error.contains(QFileInfo(target).fileName()), qPrintable(result.error));
        QVERIFY2(!reason || result.error.contains(qt_error_string(reason)), qPrintable(result.error));
        return;
    }
    QVERIFY2(result.ok, qPrintable(result.error));
    const bool followed = kind == "link" && links == FileSaver::Links::Follow;
    QCOMPARE(result.savedPath, followed ? QFileInfo(real).canonicalFilePath() : target);
    QCOMPARE(QFileInfo(target).isSymLink(), followed);
    QCOMPARE(ReadAll(result.savedPath), content);
    // Followed, the link stays and its target changed; replaced, the file it named is untouched.
    if (kind == "link")
        QCOMPARE(ReadAll(real), followed ? content : old);
    QCOMPARE(
        Status(result.savedPath).st_mode & 07777, kind == "new" || (kind == "link" && !followed) ? 0664u : oldMode);
    QCOMPARE(Status(result.savedPath).st_uid, kind == "nobody" ? kNobody : ::geteuid());
    QCOMPARE(after, kind == "new" ? QStringList {"keys.json"} : entries);
}

QTEST_GUILESS_MAIN(TestFileSaver)
#include "tst_filesaver.moc"
