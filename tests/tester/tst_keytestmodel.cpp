#include "tester/KeyTestModel.h"

#include <QSignalSpy>
#include <QtTest>

// The tester's findings from sequences of key events, written "d<ms>" (key A down) and "u<ms>" (up);
// "D"/"U" stand for key B.
class KeyTestModelTest : public QObject
{
    Q_OBJECT

private slots:
    void sequence_countsPressesAndChatter_data();
    void sequence_countsPressesAndChatter();
    void neverPressed_listsKeysOfTheKeyboardWithoutPress();
};

namespace {
constexpr tdu2 kKeyA = 0x41;
constexpr tdu2 kKeyB = 0x42;
} // namespace

void KeyTestModelTest::sequence_countsPressesAndChatter_data()
{
    QTest::addColumn<int>("threshold");
    QTest::addColumn<QString>("events");
    QTest::addColumn<int>("pressesA");
    QTest::addColumn<int>("chattersA");
    QTest::addColumn<bool>("heldA");

    QTest::newRow("one tap") << 30 << "d0 u80" << 1 << 0 << false;
    QTest::newRow("second press after the threshold") << 30 << "d0 u80 d110 u190" << 2 << 0 << false;
    QTest::newRow("second press within the threshold") << 30 << "d0 u80 d109 u150" << 2 << 1 << false;
    QTest::newRow("bounce at once") << 30 << "d0 u2 d4 u90" << 2 << 1 << false;
    QTest::newRow("each bounce counts") << 30 << "d0 u2 d4 u6 d8 u100" << 3 << 2 << false;
    QTest::newRow("threshold raised") << 60 << "d0 u80 d135" << 2 << 1 << true;
    QTest::newRow("threshold lowered") << 5 << "d0 u2 d10" << 2 << 0 << true;
    QTest::newRow("threshold beyond the range is held at its maximum") << 100000 << "d0 u80 d579" << 2 << 1 << true;
    QTest::newRow("auto-repeat of a held key") << 30 << "d0 d500 d533 d566 u600" << 1 << 0 << false;
    QTest::newRow("release of a key held before the test") << 30 << "u0 d10" << 1 << 0 << true;
    QTest::newRow("other keys between do not break the chatter") << 30 << "d0 u50 D52 U54 d60" << 2 << 1 << true;
    QTest::newRow("across the clock's wrap") << 30 << "d4294967200 u4294967290 d10" << 2 << 1 << true;
}

void KeyTestModelTest::sequence_countsPressesAndChatter()
{
    QFETCH(int, threshold);
    QFETCH(QString, events);
    KeyTestModel model;
    model.SetKeys({kKeyA, kKeyB});
    model.SetThreshold(threshold);
    for (const QString& event : events.split(QLatin1Char(' '))) {
        const tdu2 vk = event.at(0).isUpper() ? kKeyB : kKeyA;
        const tdu4 time = event.mid(1).toUInt();
        if (event.at(0).toLower() == QLatin1Char('d'))
            model.KeyDown(vk, time);
        else
            model.KeyUp(vk, time);
    }
    const KeyTestModel::KeyState a = model.State(kKeyA);
    QTEST(a.presses, "pressesA");
    QTEST(a.chatters, "chattersA");
    QTEST(a.held, "heldA");
    QCOMPARE(model.Chattering(), a.chatters > 0 ? QList<tdu2> {kKeyA} : QList<tdu2> {});
}

void KeyTestModelTest::neverPressed_listsKeysOfTheKeyboardWithoutPress()
{
    KeyTestModel model;
    model.SetKeys({kKeyA, kKeyB, 0x43});
    model.KeyDown(kKeyB, 0);
    model.KeyDown(0x7C, 0); // F13: not on this keyboard
    QCOMPARE(model.NeverPressed(), (QList<tdu2> {kKeyA, 0x43}));

    // Stopping releases held keys without a release time: the next press is no chatter.
    model.ReleaseHeld();
    QVERIFY(!model.State(kKeyB).held);
    QCOMPARE(model.KeyDown(kKeyB, 1), KeyTestModel::Press::Counted);

    QSignalSpy cleared(&model, &KeyTestModel::Cleared);
    model.Reset();
    QCOMPARE(cleared.count(), 1);
    QCOMPARE(model.NeverPressed().size(), 3);
}

QTEST_GUILESS_MAIN(KeyTestModelTest)
#include "tst_keytestmodel.moc"
