#include "ui/LocalFile.h"

#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

// Files that are not plain files must never block or flood a reader.
class TestLocalFile : public QObject
{
    Q_OBJECT

private slots:
    void read_data();
    void read();
};

void TestLocalFile::read_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("result");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("regular") << "regular" << int(LocalFile::Result::Ok) << QByteArray("{}");
    QTest::newRow("empty") << "regular" << int(LocalFile::Result::Ok) << QByteArray();
    QTest::newRow("at the limit") << "limit" << int(LocalFile::Result::Ok) << QByteArray(16, 'x');
    QTest::newRow("over the limit") << "over" << int(LocalFile::Result::TooLarge) << QByteArray();
    QTest::newRow("missing") << "missing" << int(LocalFile::Result::Missing) << QByteArray();
    QTest::newRow("named pipe") << "fifo" << int(LocalFile::Result::NotRegular) << QByteArray();
    QTest::newRow("link to /dev/zero") << "zero" << int(LocalFile::Result::NotRegular) << QByteArray();
    QTest::newRow("folder") << "folder" << int(LocalFile::Result::NotRegular) << QByteArray();
}

void TestLocalFile::read()
{
    QFETCH(QString, kind);
    QFETCH(int, result);
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("index.json"));
    if (kind == QLatin1String("regular") || kind == QLatin1String("limit") || kind == QLatin1String("over")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(kind == QLatin1String("over") ? QByteArray(17, 'x') : content);
    } else if (kind == QLatin1String("fifo")) {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == QLatin1String("zero")) {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("index.json")));
    }
    QByteArray read = "stale";
    QCOMPARE(int(LocalFile::Read(path, 16, &read)), result);
    QCOMPARE(read, content);
}

QTEST_GUILESS_MAIN(TestLocalFile)
#include "tst_localfile.moc"
