#include "support/TestFolder.h"

#include "keymap/KeyUseScale.h"
#include "keymap/KeyUseStore.h"
#include "ui/Palette.h"

#include <QtTest>

// The key use kept over tester sessions, and the heat map's colour scale.
class KeyUseTest : public QObject
{
    Q_OBJECT

private slots:
    void save_mergesSessionsAndKeepsOtherModels();
    void clear_forgetsOnlyThisModel();
    void open_refusesBrokenFiles_data();
    void open_refusesBrokenFiles();
    void scale_darkensAndKeepsCaptionsReadable_data();
    void scale_darkensAndKeepsCaptionsReadable();
    void stepOf_agreesWithLowestOf_data();
    void stepOf_agreesWithLowestOf();
};

namespace {
constexpr tdu2 kModel = 0x0602;
constexpr tdu2 kOtherModel = 0x0A11;
const int kSpace = KeyUseStore::Place(5, 6);
const int kEsc = KeyUseStore::Place(0, 0);

void Press(KeyUseStore& store, int place, int times)
{
    for (int i = 0; i < times; ++i)
        store.Add(place);
}
} // namespace

void KeyUseTest::save_mergesSessionsAndKeepsOtherModels()
{
    TestFolder folder;
    const QString path = folder.Path(QStringLiteral("user/key-use.json"));
    QString error;
    KeyUseStore other;
    QVERIFY(other.Open(path, kOtherModel, &error));
    Press(other, kEsc, 7);
    QVERIFY2(other.Save(&error), qPrintable(error));

    // Two windows of one model, each saving what it saw since it read the file.
    KeyUseStore first;
    KeyUseStore second;
    QVERIFY(first.Open(path, kModel, &error));
    QVERIFY(second.Open(path, kModel, &error));
    Press(first, kSpace, 3);
    Press(second, kSpace, 2);
    Press(second, kEsc, 1);
    QVERIFY(first.Save(&error));
    QVERIFY(second.Save(&error));
    QCOMPARE(second.Count(kSpace), qint64(5));
    QVERIFY(!second.HasUnsaved());
    // Saving again adds nothing twice.
    QVERIFY(first.Save(&error));

    KeyUseStore reopened;
    QVERIFY(reopened.Open(path, kModel, &error));
    QCOMPARE(reopened.Count(kSpace), qint64(5));
    QCOMPARE(reopened.Count(kEsc), qint64(1));
    QCOMPARE(reopened.Most(), qint64(5));
    QVERIFY(reopened.Open(path, kOtherModel, &error));
    QCOMPARE(reopened.Count(kEsc), qint64(7));
    QCOMPARE(reopened.Count(kSpace), qint64(0));
}

void KeyUseTest::clear_forgetsOnlyThisModel()
{
    TestFolder folder;
    const QString path = folder.Path(QStringLiteral("key-use.json"));
    QString error;
    KeyUseStore store;
    for (tdu2 model : {kOtherModel, kModel}) {
        QVERIFY(store.Open(path, model, &error));
        Press(store, kSpace, 4);
        QVERIFY(store.Save(&error));
    }
    Press(store, kEsc, 2);
    QVERIFY2(store.Clear(&error), qPrintable(error));
    QVERIFY(store.IsEmpty());
    QVERIFY(!store.HasUnsaved());

    KeyUseStore reopened;
    QVERIFY(reopened.Open(path, kModel, &error));
    QVERIFY(reopened.IsEmpty());
    QVERIFY(reopened.Open(path, kOtherModel, &error));
    QCOMPARE(reopened.Count(kSpace), qint64(4));
}

void KeyUseTest::open_refusesBrokenFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("accepted");
    const auto file = [](const QByteArray& counts) {
        return QByteArray(R"({"format":"driver-key-use","version":1,"models":{"0602":)") + counts + "}}";
    };
    QTest::newRow("good file") << file(R"({"5,6":12,"0,0":0})") << true;
    QTest::newRow("not JSON") << QByteArray("{\"format\":") << false;
    QTest::newRow("array") << QByteArray("[1,2]") << false;
    QTest::newRow("other format") << QByteArray(R"({"format":"driver-macros","version":1,"models":{}})") << false;
    QTest::newRow("later version") << QByteArray(R"({"format":"driver-key-use","version":2,"models":{}})") << false;
    QTest::newRow("negative count") << file(R"({"5,6":-1})") << false;
    QTest::newRow("fraction") << file(R"({"5,6":1.5})") << false;
    QTest::newRow("absurd count") << file(R"({"5,6":1e300})") << false;
    QTest::newRow("count as text") << file(R"({"5,6":"12"})") << false;
    QTest::newRow("place beyond the grid") << file(R"({"7,0":1})") << false;
    QTest::newRow("place not a place") << file(R"({"5;6":1})") << false;
    QTest::newRow("model not hex") << QByteArray(R"({"format":"driver-key-use","version":1,"models":{"NOVA":{}}})")
                                   << false;
    QTest::newRow("too large") << file(R"({"5,6":12})") + QByteArray(int(KeyUseStore::kMaxFileSize), ' ') << false;
}

void KeyUseTest::open_refusesBrokenFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, accepted);
    TestFolder folder;
    QVERIFY(folder.Write(QStringLiteral("key-use.json"), content));
    const QString path = folder.Path(QStringLiteral("key-use.json"));
    KeyUseStore store;
    QString error;
    QCOMPARE(store.Open(path, kModel, &error), accepted);
    QCOMPARE(store.Count(kSpace), accepted ? qint64(12) : qint64(0));
    // A refused file untouched until a save replaces it with one that reads.
    QCOMPARE(folder.Read(QStringLiteral("key-use.json")), content);
    store.Add(kSpace);
    QVERIFY2(store.Save(&error), qPrintable(error));
    KeyUseStore reopened;
    QVERIFY(reopened.Open(path, kModel, &error));
    QCOMPARE(reopened.Count(kSpace), accepted ? qint64(13) : qint64(1));
}

void KeyUseTest::scale_darkensAndKeepsCaptionsReadable_data()
{
    QTest::addColumn<int>("step");
    for (int step = 1; step <= KeyUseScale::kSteps; ++step)
        QTest::addRow("step %d", step) << step;
}

void KeyUseTest::scale_darkensAndKeepsCaptionsReadable()
{
    QFETCH(int, step);
    const QColor color = KeyUseScale::Color(step);
    QVERIFY(color.isValid());
    QVERIFY(Palette::ContrastRatio(color, KeyUseScale::Ink(step)) >= 4.5);
    // Darker than the step before (the first darker than an unpressed cap's white face).
    const QColor before = step == 1 ? QColor(Qt::white) : KeyUseScale::Color(step - 1);
    QVERIFY(Palette::ContrastRatio(color, Qt::white) > Palette::ContrastRatio(before, Qt::white));
}

void KeyUseTest::stepOf_agreesWithLowestOf_data()
{
    QTest::addColumn<qint64>("most");
    for (qint64 most : {qint64(1), qint64(2), qint64(5), qint64(37), qint64(1000), KeyUseStore::kMaxCount})
        QTest::addRow("most %lld", most) << most;
}

void KeyUseTest::stepOf_agreesWithLowestOf()
{
    QFETCH(qint64, most);
    QCOMPARE(KeyUseScale::StepOf(0, most), 0);
    QCOMPARE(KeyUseScale::StepOf(most, most), KeyUseScale::kSteps);
    for (int step = 1; step <= KeyUseScale::kSteps; ++step) {
        // The fewest presses on this step or above: one press fewer stays below it.
        const qint64 lowest = KeyUseScale::LowestOf(step, most);
        QVERIFY(lowest >= 1 && lowest <= most);
        QVERIFY(KeyUseScale::StepOf(lowest, most) >= step);
        QVERIFY(KeyUseScale::StepOf(lowest - 1, most) < step);
    }
}

QTEST_GUILESS_MAIN(KeyUseTest)
#include "tst_keyuse.moc"
