#include "device/Protocol.h"
#include "sim/SimBus.h"

#include <QElapsedTimer>
#include <QtTest>

#include <hidapi.h>

#include <optional>
#include <thread>

using sim::Report;
using sim::SimBus;
using sim::SimKeyboard;

// The model and the program must agree on the framing, or every exchange would fail for both.
static_assert(sim::kReportSize == Protocol::kReportSize && sim::kPacketPayload == Protocol::kPacketPayload
    && sim::kMaxPayload == Protocol::kMaxPayload && sim::kMaxRows == Protocol::kMaxRows
    && sim::kMaxCols == Protocol::kMaxCols);

namespace {

constexpr quint16 kVid = 0x4E4F;
constexpr quint16 kPid = 0x0010;

QByteArray pattern(int size, int seed)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>((i * 7 + seed) & 0xFF);
    }
    return bytes;
}

// Host-side framing, written out independently of the model's own.
void sendCommand(hid_device* device, quint8 cmd, const QByteArray& payload)
{
    const int count = payload.size() <= 60 ? 1 : (payload.size() + 59) / 60;
    for (int i = 0; i < count; ++i) {
        unsigned char report[64] = {};
        const QByteArray part = payload.mid(i * 60, 60);
        report[0] = 1;
        report[1] = cmd;
        report[2] = count == 1 ? 0x01 : static_cast<unsigned char>(i << 4 | count);
        report[3] = static_cast<unsigned char>(part.size());
        memcpy(report + 4, part.constData(), part.size());
        QCOMPARE(hid_write(device, report, sizeof report), 64);
    }
}

// The replies of the model are queued before hid_write returns, so polling collects all of them.
QList<Report> pendingReports(hid_device* device)
{
    QList<Report> reports;
    Report report;
    while (hid_read_timeout(device, report.data(), report.size(), 0) == 64) {
        reports.append(report);
    }
    return reports;
}

std::optional<QByteArray> exchange(hid_device* device, quint8 cmd, const QByteArray& payload)
{
    sendCommand(device, cmd, payload);
    const QList<Report> reports = pendingReports(device);
    if (reports.isEmpty()) {
        return std::nullopt;
    }
    QByteArray reply;
    for (const Report& report : reports) {
        if (report[0] != 2 || report[1] != cmd) {
            return std::nullopt;
        }
        reply.append(reinterpret_cast<const char*>(report.data()) + 4, report[3]);
    }
    return reply;
}

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray result;
    for (int value : values) {
        result.append(static_cast<char>(value));
    }
    return result;
}

QByteArray keymapBytes(const sim::KeyboardState& state, int keymap)
{
    QByteArray result;
    for (int layer = 0; layer < 4; ++layer) {
        for (int row = 0; row < state.rows; ++row) {
            for (int col = 0; col < state.cols; ++col) {
                const quint16 code = state.keymaps[keymap][layer][row][col];
                result.append(static_cast<char>(code & 0xFF)).append(static_cast<char>(code >> 8));
            }
        }
    }
    return result;
}

} // namespace

class TestSimKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void enumerate_countsEveryPluggedInterface_data();
    void enumerate_countsEveryPluggedInterface();

    void keymapWriteThenRead_returnsTheSameBytes_data();
    void keymapWriteThenRead_returnsTheSameBytes();

    void multiPacketCommand_isReassembledOnlyInOrder_data();
    void multiPacketCommand_isReassembledOnlyInOrder();

    void commands_changeStateAndAnswerLikeTheKeyboard_data();
    void commands_changeStateAndAnswerLikeTheKeyboard();

    void reply_isFramedInSixtyBytePackets_data();
    void reply_isFramedInSixtyBytePackets();
    void oversizedKeymapReply_isCutAtFifteenPackets();

    void faults_bendTheNextReplyOnly_data();
    void faults_bendTheNextReplyOnly();

    void readTimeout_returnsZeroAfterWaiting_data();
    void readTimeout_returnsZeroAfterWaiting();
    void blockedRead_isWokenByUnplugWithMinusOne();
    void blockedRead_isWokenByAReplyForAnotherHandle();
    void writeDuringBlockedReadOnSameHandle_isCountedAsOverlap();
};

void TestSimKeyboard::init()
{
    SimBus::instance().reset();
}

void TestSimKeyboard::enumerate_countsEveryPluggedInterface_data()
{
    QTest::addColumn<QList<int>>("pluggedPids");
    QTest::addColumn<QList<int>>("interfaces");
    QTest::addColumn<int>("queryPid");
    QTest::addColumn<bool>("unplugFirst");
    QTest::addColumn<int>("expected");

    QTest::newRow("one interface") << QList<int> {0x10} << QList<int> {1} << 0x10 << false << 1;
    QTest::newRow("three interfaces") << QList<int> {0x10} << QList<int> {3} << 0x10 << false << 3;
    QTest::newRow("other product") << QList<int> {0x10} << QList<int> {1} << 0x11 << false << 0;
    QTest::newRow("any product") << QList<int> {0x10, 0x11} << QList<int> {2, 1} << 0 << false << 3;
    QTest::newRow("unplugged") << QList<int> {0x10, 0x11} << QList<int> {1, 1} << 0x10 << true << 0;
}

void TestSimKeyboard::enumerate_countsEveryPluggedInterface()
{
    QFETCH(QList<int>, pluggedPids);
    QFETCH(QList<int>, interfaces);
    QFETCH(int, queryPid);
    QFETCH(bool, unplugFirst);
    QFETCH(int, expected);

    for (int i = 0; i < pluggedPids.size(); ++i) {
        SimBus::instance().plug(kVid, pluggedPids[i], 5, 15, interfaces[i]);
    }
    if (unplugFirst) {
        SimBus::instance().unplug(kVid, pluggedPids.first());
    }

    hid_device_info* devices = hid_enumerate(kVid, queryPid);
    int count = 0;
    for (hid_device_info* info = devices; info; info = info->next, ++count) {
        QCOMPARE(info->vendor_id, kVid);
        QVERIFY(queryPid == 0 || info->product_id == queryPid);
        QVERIFY(info->path && *info->path);
    }
    hid_free_enumeration(devices);
    QCOMPARE(count, expected);
    QCOMPARE(devices == nullptr, expected == 0);
    QCOMPARE(hid_open(kVid, queryPid, nullptr) == nullptr, expected == 0);
}

void TestSimKeyboard::keymapWriteThenRead_returnsTheSameBytes_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("keymap");
    QTest::addColumn<int>("writeCmd");
    QTest::addColumn<int>("readCmd");

    QTest::newRow("5x15 keymap 1, 600 bytes") << 5 << 15 << 0 << 0x03 << 0x01;
    QTest::newRow("5x15 keymap 3, 600 bytes") << 5 << 15 << 2 << 0x19 << 0x16;
    QTest::newRow("4x12 keymap 4, 384 bytes") << 4 << 12 << 3 << 0x1A << 0x17;
    QTest::newRow("7x16 keymap 2, 896 bytes") << 7 << 16 << 1 << 0x18 << 0x15;
}

void TestSimKeyboard::keymapWriteThenRead_returnsTheSameBytes()
{
    QFETCH(int, rows);
    QFETCH(int, cols);
    QFETCH(int, keymap);
    QFETCH(int, writeCmd);
    QFETCH(int, readCmd);

    const auto keyboard = SimBus::instance().plug(kVid, kPid, rows, cols);
    hid_device* device = hid_open(kVid, kPid, nullptr);
    QVERIFY(device);
    const QByteArray payload = pattern(rows * cols * 8, keymap);

    QCOMPARE(exchange(device, writeCmd, payload), std::optional<QByteArray>(bytes({0})));
    const sim::KeyboardState state = keyboard->state();
    QCOMPARE(keymapBytes(state, keymap), payload);
    for (int other = 0; other < 4; ++other) {
        if (other != keymap) {
            QCOMPARE(keymapBytes(state, other), QByteArray(payload.size(), '\0'));
        }
    }
    QCOMPARE(exchange(device, readCmd, {}), std::optional<QByteArray>(payload));
    QCOMPARE(keyboard->receivedCommands().size(), size_t(2));
    hid_close(device);
}

void TestSimKeyboard::multiPacketCommand_isReassembledOnlyInOrder_data()
{
    // Packets of a 600-byte write of keymap 1, by index; 100 + i is packet i carrying code 0x18,
    // -1 a one-packet firmware-version request.
    QTest::addColumn<QList<int>>("sequence");
    QTest::addColumn<bool>("stored");
    QTest::addColumn<QList<int>>("replyCodes");

    QTest::newRow("in order") << QList<int> {0, 1, 2, 3, 4, 5, 6, 7, 8, 9} << true << QList<int> {0x03};
    QTest::newRow("packet 3 lost") << QList<int> {0, 1, 2, 4, 5, 6, 7, 8, 9} << false << QList<int> {};
    QTest::newRow("packet 3 twice") << QList<int> {0, 1, 2, 3, 3, 4, 5, 6, 7, 8, 9} << true << QList<int> {0x03};
    QTest::newRow("packet 5 with another code")
        << QList<int> {0, 1, 2, 3, 4, 105, 6, 7, 8, 9} << false << QList<int> {};
    QTest::newRow("new first packet restarts")
        << QList<int> {0, 1, 2, 3, 4, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9} << true << QList<int> {0x03};
    QTest::newRow("one-packet command in between")
        << QList<int> {0, 1, 2, 3, 4, -1, 5, 6, 7, 8, 9} << false << QList<int> {0x02};
}

void TestSimKeyboard::multiPacketCommand_isReassembledOnlyInOrder()
{
    QFETCH(QList<int>, sequence);
    QFETCH(bool, stored);
    QFETCH(QList<int>, replyCodes);

    const auto keyboard = SimBus::instance().plug(kVid, kPid);
    hid_device* device = hid_open(kVid, kPid, nullptr);
    const QByteArray payload = pattern(600, 5);
    for (int step : sequence) {
        unsigned char report[64] = {1, 0x02, 0x01, 0};
        if (step >= 0) {
            const int index = step % 100;
            report[1] = step >= 100 ? 0x18 : 0x03;
            report[2] = static_cast<unsigned char>(index << 4 | 10);
            report[3] = 60;
            memcpy(report + 4, payload.constData() + index * 60, 60);
        }
        QCOMPARE(hid_write(device, report, sizeof report), 64);
    }

    QList<int> received;
    for (const Report& report : pendingReports(device)) {
        received.append(report[1]);
        if (report[1] == 0x03) {
            QCOMPARE(int(report[4]), 0);
        }
    }
    QCOMPARE(received, replyCodes);
    QCOMPARE(keymapBytes(keyboard->state(), 0), stored ? payload : QByteArray(600, '\0'));
    QCOMPARE(int(keyboard->writtenReports().size()), sequence.size());
    hid_close(device);
}

void TestSimKeyboard::commands_changeStateAndAnswerLikeTheKeyboard_data()
{
    QTest::addColumn<int>("setCmd");
    QTest::addColumn<QByteArray>("setPayload");
    QTest::addColumn<QByteArray>("setReply"); // empty: no reply expected
    QTest::addColumn<int>("readCmd");
    QTest::addColumn<QByteArray>("readPayload");
    QTest::addColumn<QByteArray>("readReply");

    const QByteArray macro = bytes({4, 3, 0x04, 0x40, 0x64, 0xC0, 0x04, 0x80});
    const QByteArray serial
        = bytes({0x0A, 0xB0, 0x3C, 0x51, 0x07, 0xE2, 0x9D, 0x44, 0x10, 0xF3, 0x68, 0x2B, 0x05, 0xC7});
    const QByteArray iled = pattern(75, 3);

    QTest::newRow("NKRO stored") << 0x06 << bytes({1}) << bytes({0}) << 0x07 << QByteArray() << bytes({1});
    QTest::newRow("rollover 2 refused") << 0x06 << bytes({2}) << bytes({1}) << 0x07 << QByteArray() << bytes({0});
    QTest::newRow("sleep time little-endian")
        << 0x13 << bytes({0x10, 0x0E, 0, 0}) << bytes({0}) << 0x14 << QByteArray() << bytes({0x10, 0x0E, 0, 0});
    QTest::newRow("short sleep time refused")
        << 0x13 << bytes({1, 2}) << bytes({1}) << 0x14 << QByteArray() << bytes({180, 0, 0, 0});
    QTest::newRow("macro 5 stored") << 0x10 << macro << bytes({0}) << 0x11 << bytes({4}) << macro;
    QTest::newRow("macro length mismatch refused")
        << 0x10 << bytes({4, 2, 1, 2, 3}) << bytes({1}) << 0x11 << bytes({4}) << bytes({4, 0});
    QTest::newRow("macro 121 actions refused")
        << 0x10 << bytes({4, 121}) + QByteArray(242, 1) << bytes({1}) << 0x11 << bytes({4}) << bytes({4, 0});
    QTest::newRow("macro index 32 unanswered")
        << 0x10 << bytes({32, 0}) << bytes({1}) << 0x11 << bytes({32}) << QByteArray();
    QTest::newRow("indicator block stored") << 0x04 << iled << bytes({0}) << 0x05 << QByteArray() << iled;
    QTest::newRow("indicator block too short")
        << 0x04 << iled.left(74) << bytes({1}) << 0x05 << QByteArray() << QByteArray(75, '\0');
    QTest::newRow("keymap 599 bytes refused")
        << 0x03 << pattern(599, 1) << bytes({1}) << 0x01 << QByteArray() << QByteArray(600, '\0');
    QTest::newRow("wake-up all keys") << 0x29 << bytes({1}) << bytes({0}) << 0x2A << QByteArray() << bytes({1});
    QTest::newRow("wake-up 2 refused") << 0x29 << bytes({2}) << bytes({1}) << 0x2A << QByteArray() << bytes({0});
    QTest::newRow("wireless type") << 0x24 << bytes({2}) << bytes({0}) << 0x25 << QByteArray() << bytes({2});
    QTest::newRow("keymap type") << 0x26 << bytes({3}) << bytes({0}) << 0x27 << QByteArray() << bytes({3});
    QTest::newRow("unknown code unanswered, firmware version")
        << 0x40 << QByteArray() << QByteArray() << 0x02 << QByteArray() << bytes({1, 2, 10});
    QTest::newRow("serial number, Bluetooth version")
        << 0x0A << QByteArray() << serial << 0x30 << QByteArray() << bytes({0, 3, 1, 4});
}

void TestSimKeyboard::commands_changeStateAndAnswerLikeTheKeyboard()
{
    QFETCH(int, setCmd);
    QFETCH(QByteArray, setPayload);
    QFETCH(QByteArray, setReply);
    QFETCH(int, readCmd);
    QFETCH(QByteArray, readPayload);
    QFETCH(QByteArray, readReply);

    SimBus::instance().plug(kVid, kPid);
    hid_device* device = hid_open(kVid, kPid, nullptr);
    QVERIFY(device);

    const std::optional<QByteArray> expectedSet = setReply.isEmpty() ? std::nullopt : std::optional(setReply);
    const std::optional<QByteArray> expectedRead = readReply.isEmpty() ? std::nullopt : std::optional(readReply);
    QCOMPARE(exchange(device, setCmd, setPayload), expectedSet);
    QCOMPARE(exchange(device, readCmd, readPayload), expectedRead);
    hid_close(device);
}

void TestSimKeyboard::reply_isFramedInSixtyBytePackets_data()
{
    QTest::addColumn<int>("words");
    QTest::addColumn<QList<int>>("fields");
    QTest::addColumn<QList<int>>("lengths");

    QTest::newRow("2 bytes") << 0 << QList<int> {0x01} << QList<int> {2};
    QTest::newRow("60 bytes") << 29 << QList<int> {0x01} << QList<int> {60};
    QTest::newRow("62 bytes") << 30 << QList<int> {0x02, 0x12} << QList<int> {60, 2};
    QTest::newRow("120 bytes") << 59 << QList<int> {0x02, 0x12} << QList<int> {60, 60};
    QTest::newRow("242 bytes") << 120 << QList<int> {0x05, 0x15, 0x25, 0x35, 0x45} << QList<int> {60, 60, 60, 60, 2};
}

void TestSimKeyboard::reply_isFramedInSixtyBytePackets()
{
    QFETCH(int, words);
    QFETCH(QList<int>, fields);
    QFETCH(QList<int>, lengths);

    const auto keyboard = SimBus::instance().plug(kVid, kPid);
    keyboard->modify([words](sim::KeyboardState& state) {
        for (int i = 0; i < words; ++i) {
            state.macros[9].push_back(static_cast<quint16>(0x4000 | (i * 37 + 1)));
        }
    });
    QByteArray expected = bytes({9, words});
    for (int i = 0; i < words; ++i) {
        expected.append(static_cast<char>((i * 37 + 1) & 0xFF)).append(static_cast<char>(0x40 | (i * 37 + 1) >> 8));
    }
    hid_device* device = hid_open(kVid, kPid, nullptr);
    sendCommand(device, 0x11, bytes({9}));

    const QList<Report> reports = pendingReports(device);
    QCOMPARE(reports.size(), fields.size());
    for (int i = 0; i < reports.size(); ++i) {
        const Report& report = reports[i];
        QCOMPARE(int(report[0]), 2);
        QCOMPARE(int(report[1]), 0x11);
        QCOMPARE(int(report[2]), fields[i]);
        QCOMPARE(int(report[3]), lengths[i]);
        const QByteArray body(reinterpret_cast<const char*>(report.data()) + 4, 60);
        QCOMPARE(body.left(lengths[i]), expected.mid(i * 60, lengths[i]));
        QCOMPARE(body.mid(lengths[i]), QByteArray(60 - lengths[i], '\0'));
    }
    hid_close(device);
}

void TestSimKeyboard::oversizedKeymapReply_isCutAtFifteenPackets()
{
    const auto keyboard = SimBus::instance().plug(kVid, kPid, 7, 21);
    keyboard->modify([](sim::KeyboardState& state) {
        for (int layer = 0; layer < 4; ++layer) {
            for (int row = 0; row < 7; ++row) {
                for (int col = 0; col < 21; ++col) {
                    state.keymaps[0][layer][row][col] = static_cast<quint16>(layer << 12 | row << 8 | col);
                }
            }
        }
    });
    hid_device* device = hid_open(kVid, kPid, nullptr);
    sendCommand(device, 0x01, {});

    const QList<Report> reports = pendingReports(device);
    QCOMPARE(reports.size(), 15);
    QByteArray payload;
    for (int i = 0; i < reports.size(); ++i) {
        QCOMPARE(int(reports[i][2]), i << 4 | 15);
        QCOMPARE(int(reports[i][3]), 60);
        payload.append(reinterpret_cast<const char*>(reports[i].data()) + 4, 60);
    }
    QCOMPARE(payload, keymapBytes(keyboard->state(), 0).left(900));
    hid_close(device);
}

void TestSimKeyboard::faults_bendTheNextReplyOnly_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QList<int>>("fields");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("size");

    // Macro reply of 2 + 2 x 60 bytes: packets 0x03, 0x13, 0x23.
    QTest::newRow("none") << "none" << QList<int> {0x03, 0x13, 0x23} << 0x11 << 122;
    QTest::newRow("drop middle") << "drop" << QList<int> {0x03, 0x23} << 0x11 << 62;
    QTest::newRow("repeat middle") << "repeat" << QList<int> {0x03, 0x13, 0x13, 0x23} << 0x11 << 182;
    QTest::newRow("swap first and last") << "swap" << QList<int> {0x23, 0x13, 0x03} << 0x11 << 122;
    QTest::newRow("other code") << "code" << QList<int> {0x03, 0x13, 0x23} << 0x07 << 122;
    QTest::newRow("truncated to 70") << "truncate" << QList<int> {0x02, 0x12} << 0x11 << 70;
    QTest::newRow("extended by 10") << "extend" << QList<int> {0x03, 0x13, 0x23} << 0x11 << 132;
    QTest::newRow("silenced") << "silence" << QList<int> {} << 0x11 << 0;
    QTest::newRow("reply repeated") << "again" << QList<int> {0x03, 0x13, 0x23, 0x03, 0x13, 0x23} << 0x11 << 244;
    QTest::newRow("every reply twice") << "twice" << QList<int> {0x03, 0x13, 0x23, 0x03, 0x13, 0x23} << 0x11 << 244;
    QTest::newRow("unplugged after 2 reads") << "unplug" << QList<int> {0x03, 0x13} << 0x11 << 120;
}

void TestSimKeyboard::faults_bendTheNextReplyOnly()
{
    QFETCH(QString, fault);
    QFETCH(QList<int>, fields);
    QFETCH(int, code);
    QFETCH(int, size);

    const auto keyboard = SimBus::instance().plug(kVid, kPid);
    keyboard->modify([](sim::KeyboardState& state) { state.macros[0].assign(60, 0x8004); });
    if (fault == "drop") {
        keyboard->dropNextReplyPacket(1);
    } else if (fault == "repeat") {
        keyboard->repeatNextReplyPacket(1);
    } else if (fault == "swap") {
        keyboard->swapNextReplyPackets(0, 2);
    } else if (fault == "code") {
        keyboard->answerNextWithCode(0x07);
    } else if (fault == "truncate") {
        keyboard->truncateNextReply(70);
    } else if (fault == "extend") {
        keyboard->extendNextReply(10);
    } else if (fault == "silence") {
        keyboard->silenceNextReplies(1);
    } else if (fault == "again") {
        keyboard->repeatNextReply();
    } else if (fault == "twice") {
        keyboard->setAnswerTwice(true);
    }
    hid_device* device = hid_open(kVid, kPid, nullptr);
    if (fault == "unplug") {
        keyboard->unplugAfterReadPackets(2);
    }

    sendCommand(device, 0x11, bytes({0}));
    const QList<Report> reports = pendingReports(device);
    QList<int> received;
    int bytesReceived = 0;
    for (const Report& report : reports) {
        QCOMPARE(int(report[1]), code);
        received.append(report[2]);
        bytesReceived += report[3];
    }
    QCOMPARE(received, fields);
    QCOMPARE(bytesReceived, size);
    if (fault == "extend") {
        QCOMPARE(int(reports.last()[4 + 11]), 0xEE);
    }

    if (fault == "unplug") {
        QVERIFY(!keyboard->isPlugged());
    } else {
        // One-shot faults bend one reply; the lasting one every reply.
        QCOMPARE(exchange(device, 0x11, bytes({0})).value_or(QByteArray()).size(), fault == "twice" ? 244 : 122);
    }
    hid_close(device);
}

void TestSimKeyboard::readTimeout_returnsZeroAfterWaiting_data()
{
    QTest::addColumn<int>("timeoutMs");
    QTest::newRow("poll") << 0;
    QTest::newRow("80 ms") << 80;
}

void TestSimKeyboard::readTimeout_returnsZeroAfterWaiting()
{
    QFETCH(int, timeoutMs);
    SimBus::instance().plug(kVid, kPid);
    hid_device* device = hid_open(kVid, kPid, nullptr);
    Report report;

    QElapsedTimer timer;
    timer.start();
    QCOMPARE(hid_read_timeout(device, report.data(), report.size(), timeoutMs), 0);
    QVERIFY2(timer.elapsed() >= timeoutMs, qPrintable(QString::number(timer.elapsed())));
    hid_close(device);
}

void TestSimKeyboard::blockedRead_isWokenByUnplugWithMinusOne()
{
    const auto keyboard = SimBus::instance().plug(kVid, kPid);
    hid_device* device = hid_open(kVid, kPid, nullptr);
    int result = 0;
    std::thread reader([&] {
        Report report;
        result = hid_read(device, report.data(), report.size());
    });
    QTRY_COMPARE(keyboard->blockedReaders(), 1);

    SimBus::instance().unplug(kVid, kPid);
    reader.join();
    QCOMPARE(result, -1);
    const unsigned char report[64] = {1, 0x02, 0x01};
    QCOMPARE(hid_write(device, report, sizeof report), -1);
    QVERIFY(hid_enumerate(kVid, kPid) == nullptr);
    QCOMPARE(SimBus::instance().openHandleCount(), 1);
    hid_close(device);
    QCOMPARE(SimBus::instance().openHandleCount(), 0);
}

void TestSimKeyboard::blockedRead_isWokenByAReplyForAnotherHandle()
{
    const auto keyboard = SimBus::instance().plug(kVid, kPid);
    hid_device* reading = hid_open(kVid, kPid, nullptr);
    hid_device* writing = hid_open(kVid, kPid, nullptr);
    int result = 0;
    Report received {};
    std::thread reader([&] { result = hid_read_timeout(reading, received.data(), received.size(), -1); });
    QTRY_COMPARE(keyboard->blockedReaders(), 1);

    sendCommand(writing, 0x02, {});
    reader.join();
    QCOMPARE(result, 64);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(received.data()), 7), bytes({2, 0x02, 0x01, 3, 1, 2, 10}));
    QCOMPARE(keyboard->overlappingCalls(), 0);
    hid_close(reading);
    hid_close(writing);
}

void TestSimKeyboard::writeDuringBlockedReadOnSameHandle_isCountedAsOverlap()
{
    const auto keyboard = SimBus::instance().plug(kVid, kPid);
    hid_device* device = hid_open(kVid, kPid, nullptr);
    int result = 0;
    std::thread reader([&] {
        Report report;
        result = hid_read_timeout(device, report.data(), report.size(), -1);
    });
    QTRY_COMPARE(keyboard->blockedReaders(), 1);

    sendCommand(device, 0x07, {});
    reader.join();
    QCOMPARE(result, 64);
    QCOMPARE(keyboard->overlappingCalls(), 1);
    hid_close(device);
}

QTEST_GUILESS_MAIN(TestSimKeyboard)
#include "tst_simkeyboard.moc"
