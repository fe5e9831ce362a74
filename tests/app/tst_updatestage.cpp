#include "app/UpdateStage.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>

namespace {
QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

// Switching an update's files into the config folder, all of them or none.
class TestUpdateStage : public QObject
{
    Q_OBJECT

private slots:
    void commit_failedStepLeavesOldSet_data();
    void commit_failedStepLeavesOldSet();
};

void TestUpdateStage::commit_failedStepLeavesOldSet_data()
{
    QTest::addColumn<int>("failAt");
    QTest::addColumn<QString>("named");
    // Each file present is moved aside, then its new one put in place; C_0 is new.
    const char* const steps[] = {"A_0", "A_0", "B_0", "B_0", "C_0", "index", "index"};
    for (int step = 0; step < int(std::size(steps)); ++step)
        QTest::newRow(qPrintable(QStringLiteral("step %1").arg(step))) << step << QString(steps[step]) + ".json";
    QTest::newRow("no step fails") << -1 << QString();
}

void TestUpdateStage::commit_failedStepLeavesOldSet()
{
    QFETCH(int, failAt);
    QFETCH(QString, named);
    QTemporaryDir dir;
    const QDir config(dir.path());
    const QStringList old {"A_0.json", "B_0.json", "index.json"};
    for (const QString& name : old) {
        QFile file(config.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("old " + name.toUtf8()) > 0);
    }
    int step = 0;
    UpdateStage stage(dir.path(), [&](const QString& from, const QString& to) {
        return step++ == failAt ? qt_error_string(EIO) : UpdateStage::SystemRename(from, to);
    });
    QString error;
    QVERIFY(stage.Begin(&error));
    for (const char* name : {"A_0", "B_0", "C_0"})
        QVERIFY(stage.Add(name, QByteArray("new ") + name + ".json", &error));

    const bool committed = stage.Commit("new index.json", &error);

    QCOMPARE(committed, failAt < 0);
    const QStringList left = config.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    const QStringList expected = committed ? QStringList {"A_0.json", "B_0.json", "C_0.json", "index.json"} : old;
    QCOMPARE(left, expected);
    for (const QString& name : expected)
        QCOMPARE(ReadAll(config.filePath(name)), (committed ? "new " : "old ") + name.toUtf8());
    QVERIFY2(error.contains(named) && error.contains(committed ? QString() : qt_error_string(EIO)), qPrintable(error));
}

QTEST_GUILESS_MAIN(TestUpdateStage)
#include "tst_updatestage.moc"
