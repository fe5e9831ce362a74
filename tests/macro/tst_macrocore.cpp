// The macro transfer format, the key table with its physical-key map, and the rules by which the
// key capture takes keys, without any X server or keyboard.
#include "MacroActions.h"
#include "codec/MacroCodec.h"
#include "codec/MacroKeyTable.h"
#include "device/Protocol.h"
#include "macro/KeyboardThread.h"
#include "macro/MacroFile.h"
#include "macro/PhysicalKeyMap.h"

#include <QSignalSpy>
#include <QtTest>

Q_DECLARE_METATYPE(MacroCodec::ReadReply::Status)

namespace {
QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (int value : values)
        bytes.append(char(value));
    return bytes;
}
} // namespace

class TestMacroCore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void keyTable_laterEntriesWin_data();
    void keyTable_laterEntriesWin();
    void physicalMap_reachesEveryTableKeyByPosition();
    void encodeWrite_data();
    void encodeWrite();
    void decodeReadReply_data();
    void decodeReadReply();
    void takeKey_reportsOnceAndSwallowsOnlyWhileTaking_data();
    void takeKey_reportsOnceAndSwallowsOnlyWhileTaking();
    void macroFile_keepsEveryKeyTheRecorderCaptures();
};

void TestMacroCore::initTestCase()
{
    RegisterDeviceMetaTypes();
}

void TestMacroCore::keyTable_laterEntriesWin_data()
{
    QTest::addColumn<int>("vk");
    QTest::addColumn<int>("hid");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("hidBack");

    QTest::newRow("Enter after keypad Enter") << 0x0D << 0x28 << "Enter" << 0x0D;
    QTest::newRow("letter A") << 0x41 << 0x04 << "A" << 0x41;
    QTest::newRow("letter Z") << 0x5A << 0x1D << "Z" << 0x5A;
    QTest::newRow("keypad 0") << 0x60 << 0x62 << QString::fromUtf8("数字小键盘0") << 0x60;
    QTest::newRow("right Alt") << 0xA5 << 0xE6 << "Alt(Right)" << 0xA5;
    QTest::newRow("backslash") << 0xDC << 0x31 << "\\" << 0xDC;
    QTest::newRow("not in the table") << 0x5D << 0 << "" << 0;
}

void TestMacroCore::keyTable_laterEntriesWin()
{
    QFETCH(int, vk);
    QFETCH(int, hid);
    QFETCH(QString, name);
    QFETCH(int, hidBack);
    const MacroKeyTable& table = MacroKeyTable::Instance();
    QCOMPARE(table.Entries().size(), 103);
    QCOMPARE(int(table.VkToHid(tdu2(vk))), hid);
    QCOMPARE(table.KeyName(tdu2(vk)), name);
    QCOMPARE(int(table.HidToVk(tdu1(hid))), hidBack);
    // Keypad Enter's usage still reads back as Enter.
    QCOMPARE(int(table.HidToVk(0x58)), 0x0D);
}

void TestMacroCore::physicalMap_reachesEveryTableKeyByPosition()
{
    for (const MacroKeyTable::Entry& entry : MacroKeyTable::Instance().Entries()) {
        const unsigned code = PhysicalKeyMap::InputCodeOfVk(entry.vk);
        QVERIFY2(code != 0, qPrintable(entry.name));
        QCOMPARE(int(PhysicalKeyMap::VkOfXKeycode(code + PhysicalKeyMap::kXKeycodeOffset)), int(entry.vk));
    }
    // Left and right modifiers by position (input codes of Shift, Ctrl, Alt, Win), keypad Enter.
    const QVector<QPair<unsigned, int>> sides = {
        {42, 0xA0}, {54, 0xA1}, {29, 0xA2}, {97, 0xA3}, {56, 0xA4}, {100, 0xA5}, {125, 0x5B}, {126, 0x5C}, {96, 0x0D}};
    for (const auto& side : sides)
        QCOMPARE(int(PhysicalKeyMap::VkOfInputCode(side.first)), side.second);
    QCOMPARE(int(PhysicalKeyMap::VkOfXKeycode(3)), 0);
    QCOMPARE(int(PhysicalKeyMap::VkOfXKeycode(100000)), 0);
}

void TestMacroCore::encodeWrite_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<Actions>("actions");
    QTest::addColumn<QByteArray>("payload");

    QTest::newRow("Macro5: A down, 100 ms, A up")
        << 4 << Actions {Down(0x41), Delay(100), Up(0x41)} << Bytes({0x04, 0x03, 0x04, 0x40, 0x64, 0xC0, 0x04, 0x80});
    QTest::newRow("empty macro: header only") << 31 << Actions {} << Bytes({0x1F, 0x00});
    QTest::newRow("Enter plays usage 0x28") << 0 << Actions {Down(0x0D)} << Bytes({0x00, 0x01, 0x28, 0x40});
    QTest::newRow("key outside the table plays usage 0") << 0 << Actions {Up(0x5D)} << Bytes({0x00, 0x01, 0x00, 0x80});
    QTest::newRow("longest delay") << 1 << Actions {Delay(15000)} << Bytes({0x01, 0x01, 0x98, 0xFA});
}

void TestMacroCore::encodeWrite()
{
    QFETCH(int, index);
    QFETCH(Actions, actions);
    QFETCH(QByteArray, payload);
    QCOMPARE(MacroCodec::EncodeWrite(tdu1(index), actions).toHex(' '), payload.toHex(' '));
}

void TestMacroCore::decodeReadReply_data()
{
    using Status = MacroCodec::ReadReply::Status;
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<Status>("status");
    QTest::addColumn<Actions>("actions");
    QTest::addColumn<int>("skipped");

    QTest::newRow("Macro5") << Bytes({0x04, 0x03, 0x04, 0x40, 0x64, 0xC0, 0x04, 0x80}) << Status::Ok
                            << Actions {Down(0x41), Delay(100), Up(0x41)} << 0;
    QTest::newRow("keypad Enter usage shows as Enter")
        << Bytes({0x00, 0x01, 0x58, 0x40}) << Status::Ok << Actions {Down(0x0D)} << 0;
    QTest::newRow("unknown usage reads as 0") << Bytes({0x00, 0x01, 0xFF, 0x80}) << Status::Ok << Actions {Up(0)} << 0;
    QTest::newRow("low bits of a key's high byte unused")
        << Bytes({0x00, 0x01, 0x04, 0x7F}) << Status::Ok << Actions {Down(0x41)} << 0;
    QTest::newRow("delay takes 14 bits") << Bytes({0x00, 0x01, 0xFF, 0xFF}) << Status::Ok << Actions {Delay(0x3FFF)}
                                         << 0;
    QTest::newRow("type 0 skipped") << Bytes({0x00, 0x03, 0x04, 0x00, 0x04, 0x40, 0x00, 0x3F}) << Status::Ok
                                    << Actions {Down(0x41)} << 2;
    QTest::newRow("empty") << Bytes({0x00, 0x00}) << Status::Ok << Actions {} << 0;
    QTest::newRow("no header") << Bytes({0x00}) << Status::TooShort << Actions {} << 0;
    QTest::newRow("fewer words than counted")
        << Bytes({0x00, 0x02, 0x04, 0x40, 0x04}) << Status::TooShort << Actions {} << 0;
    QTest::newRow("macro 33") << Bytes({0x20, 0x00}) << Status::BadIndex << Actions {} << 0;
    QTest::newRow("121 actions") << Bytes({0x00, 0x79}) + QByteArray(242, 0x40) << Status::BadCount << Actions {} << 0;
}

void TestMacroCore::decodeReadReply()
{
    QFETCH(QByteArray, reply);
    QFETCH(MacroCodec::ReadReply::Status, status);
    QFETCH(Actions, actions);
    QFETCH(int, skipped);
    // Exactly as long as given: a decoder reading beyond it trips the address checker.
    std::vector<tdu1> exact(reply.begin(), reply.end());
    const MacroCodec::ReadReply decoded = MacroCodec::DecodeReadReply(exact.data(), int(exact.size()));
    QCOMPARE(decoded.status, status);
    QCOMPARE(decoded.actions, actions);
    QCOMPARE(decoded.skippedWords, skipped);
}

namespace {
// "down 41", "sysup a4", "other 41": a hook message and the virtual-key code in hex.
KeyHookMessage MessageOf(const QString& name)
{
    static const QHash<QString, KeyHookMessage> messages {{"down", KeyHookMessage::KeyDown},
        {"up", KeyHookMessage::KeyUp}, {"sysdown", KeyHookMessage::SysKeyDown}, {"sysup", KeyHookMessage::SysKeyUp},
        {"other", KeyHookMessage::Other}};
    return messages.value(name);
}
} // namespace

void TestMacroCore::takeKey_reportsOnceAndSwallowsOnlyWhileTaking_data()
{
    QTest::addColumn<bool>("taking");
    QTest::addColumn<QStringList>("events");
    // What KeyEvent reported, each with the time its event was seen.
    QTest::addColumn<QStringList>("reported");

    QTest::newRow("held key repeats once")
        << true << QStringList {"down 41", "down 41", "down 41", "up 41"} << QStringList {"down 41 @0", "up 41 @3"};
    QTest::newRow("A held, B typed: A's repeat is still swallowed")
        << true << QStringList {"down 41", "down 42", "up 42", "down 41", "up 41"}
        << QStringList {"down 41 @0", "down 42 @1", "up 42 @2", "up 41 @4"};
    QTest::newRow("roll-over: B's repeat after A's release")
        << true << QStringList {"down 41", "down 42", "up 41", "down 42", "down 42", "up 42"}
        << QStringList {"down 41 @0", "down 42 @1", "up 41 @2", "up 42 @5"};
    QTest::newRow("Alt combination like plain keys")
        << true << QStringList {"sysdown a4", "sysdown 9", "sysup 9", "up a4"}
        << QStringList {"down a4 @0", "down 9 @1", "up 9 @2", "up a4 @3"};
    // A key held since before taking began: its release belongs to whoever saw it go down.
    QTest::newRow("key-up of a key pressed before")
        << true << QStringList {"up 41", "down 42", "up 42"} << QStringList {"down 42 @1", "up 42 @2"};
    QTest::newRow("other messages unreported") << true << QStringList {"other 41"} << QStringList {};
    QTest::newRow("not taking: passed on") << false << QStringList {"down 41", "up 41"} << QStringList {};
}

void TestMacroCore::takeKey_reportsOnceAndSwallowsOnlyWhileTaking()
{
    QFETCH(bool, taking);
    QFETCH(QStringList, events);
    QFETCH(QStringList, reported);
    KeyboardThread thread; // never started: keys are handed to it as its hook would
    thread.SetTaking(taking);
    QSignalSpy spy(&thread, &KeyboardThread::KeyEvent);
    // Each event seen 1000 ms after the one before it.
    constexpr tdu4 kStep = 1000;
    for (int i = 0; i < events.size(); i++) {
        const QStringList parts = events.at(i).split(' ');
        QCOMPARE(
            thread.TakeKey(MessageOf(parts.at(0)), tdu2(parts.at(1).toUInt(nullptr, 16)), tdu4(i) * kStep), taking);
    }
    // The keys reach KeyEvent through this thread's event loop.
    QTest::qWait(20);
    QTRY_COMPARE(spy.size(), reported.size());

    QStringList seen;
    for (const QList<QVariant>& call : spy) {
        seen << QStringLiteral("%1 %2 @%3")
                    .arg(call.at(0).toBool() ? "down" : "up")
                    .arg(call.at(1).value<tdu2>(), 0, 16)
                    .arg(call.at(2).value<tdu4>() / kStep);
    }
    QCOMPARE(seen, reported);
}

void TestMacroCore::macroFile_keepsEveryKeyTheRecorderCaptures()
{
    // Every key the recorder takes by its place on the keyboard, the ones the keyboard cannot play
    // included, in macros of up to 120 actions.
    QVector<MacroFile::Macro> macros;
    for (unsigned code = 0; code < 0x300; code++) {
        const tdu2 vk = PhysicalKeyMap::VkOfInputCode(code);
        if (vk == 0)
            continue;
        if (macros.isEmpty() || macros.last().actions.size() == Protocol::kMaxMacroActions)
            macros.append(MacroFile::Macro {macros.size(), {}});
        macros.last().actions.append(MacroAction {MacroAction::kKeyDown, vk});
    }
    QVERIFY(macros.size() > 1);
    const MacroFile::Result read = MacroFile::Parse(MacroFile::Serialize(macros));
    QVERIFY2(read.ok, qPrintable(read.error));
    QCOMPARE(read.macros, macros);
}

QTEST_GUILESS_MAIN(TestMacroCore)
#include "tst_macrocore.moc"
