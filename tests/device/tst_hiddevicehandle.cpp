#include "device/HidDeviceHandle.h"
#include "device/Protocol.h"
#include "sim/SimBus.h"
#include "support/ReplyRecorder.h"

#include <QSignalSpy>
#include <QtTest>

#include <thread>

using sim::Report;
using sim::SimBus;

namespace {
constexpr tdu2 kPid = 0x0601;

Report InputReport(tdu1 cmd, tdu1 seq, const QByteArray& payload, tdu1 reportId = 2, int declared = -1)
{
    Report report {};
    report[0] = reportId;
    report[1] = cmd;
    report[2] = seq;
    report[3] = tdu1(declared < 0 ? payload.size() : declared);
    for (int i = 0; i < payload.size() && 4 + i < 64; i++)
        report[size_t(4 + i)] = tdu1(payload.at(i));
    return report;
}

QByteArray Pattern(int size, int seed = 0)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; i++)
        bytes[i] = char((i * 7 + seed) & 0xFF);
    return bytes;
}
} // namespace

class TestHidDeviceHandle : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void writeCmd_framesPayloadIntoReports_data();
    void writeCmd_framesPayloadIntoReports();
    void writeCmd_payloadOver900Bytes_isRefusedUnsent();
    void writeCmd_withoutDevice_returnsMinusOne();
    void writeCmd_unplugMidTransfer_returnsMinusOne();
    void findDevice_countsPhysicalKeyboards();
    void open_compositeKeyboard_talksOnItsCommandInterface();
    void open_failure_tellsAbsentFromRefused();
    void open_takesProductIdFirst();

    void receive_reassemblesReplies_data();
    void receive_reassemblesReplies();
    void receive_skipsLostForeignAndMalformedPackets();
    void receive_oneReplyBetweenPacketsOfAnother_isDeliveredAndInterruptsIt();
    void receive_backToBackReplies_eachArrivesIntact();

    void readCmd_returnsMatchingReply();
    void readCmd_replyToOtherCommand_failsWithoutUsingOtherReads();
    void readCmd_multiPacketReplyToOtherCommand_fails();
    void readCmd_silentKeyboard_givesUpAfterTimeLimit();
    void readCmd_tenForeignReports_exhaustAllowance();

    void unplug_stopsThreadReportsLossOnceAndFailsLaterWrites();
    void transientReadFailure_keepsSession_unplugStillReportedOnce();
    void writesWhileReceiving_neverOverlapHidapiCalls();
    void destruction_stopsThreadAndClosesDevice();

private:
    void OpenAndReceive(HidDeviceHandle& handle, ReplyRecorder& recorder);
    std::shared_ptr<sim::SimKeyboard> m_keyboard;
};

void TestHidDeviceHandle::init()
{
    SimBus::instance().reset();
    m_keyboard = SimBus::instance().plug(Protocol::kVendorId, kPid);
}

void TestHidDeviceHandle::cleanup()
{
    m_keyboard.reset();
    SimBus::instance().reset();
}

void TestHidDeviceHandle::OpenAndReceive(HidDeviceHandle& handle, ReplyRecorder& recorder)
{
    QVERIFY(handle.Open(kPid, Protocol::kVendorId));
    QObject::connect(&handle, &HidDeviceHandle::OnRecCmd, &recorder, &ReplyRecorder::Record);
    QVERIFY(handle.StartRecThread());
}

void TestHidDeviceHandle::writeCmd_framesPayloadIntoReports_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<QList<int>>("packetFields");
    QTest::addColumn<QList<int>>("packetBytes");
    QTest::newRow("empty") << 0 << QList<int> {0x01} << QList<int> {0};
    QTest::newRow("60 bytes, one packet") << 60 << QList<int> {0x01} << QList<int> {60};
    QTest::newRow("61 bytes") << 61 << QList<int> {0x02, 0x12} << QList<int> {60, 1};
    QTest::newRow("120 bytes") << 120 << QList<int> {0x02, 0x12} << QList<int> {60, 60};
    QTest::newRow("121 bytes") << 121 << QList<int> {0x03, 0x13, 0x23} << QList<int> {60, 60, 1};
    QList<int> fields;
    QList<int> bytes;
    for (int i = 0; i < 15; i++) {
        fields << (i << 4 | 15);
        bytes << 60;
    }
    QTest::newRow("900 bytes, fifteen packets") << 900 << fields << bytes;
}

void TestHidDeviceHandle::writeCmd_framesPayloadIntoReports()
{
    QFETCH(int, length);
    QFETCH(QList<int>, packetFields);
    QFETCH(QList<int>, packetBytes);
    HidDeviceHandle handle;
    QVERIFY(handle.Open(kPid, Protocol::kVendorId));
    const QByteArray payload = Pattern(length, 3);

    const int result = handle.WriteCmd(0x19, reinterpret_cast<const tdu1*>(payload.constData()), tdu2(length));

    const std::vector<Report> reports = m_keyboard->writtenReports();
    QCOMPARE(int(reports.size()), packetFields.size());
    QCOMPARE(result, 64 * packetFields.size());
    QByteArray carried;
    for (int i = 0; i < packetFields.size(); i++) {
        const Report& report = reports.at(size_t(i));
        QCOMPARE(int(report[0]), 1);
        QCOMPARE(int(report[1]), 0x19);
        QCOMPARE(int(report[2]), packetFields.at(i));
        QCOMPARE(int(report[3]), packetBytes.at(i));
        carried.append(reinterpret_cast<const char*>(report.data()) + 4, packetBytes.at(i));
        for (int b = 4 + packetBytes.at(i); b < 64; b++)
            QCOMPARE(int(report[size_t(b)]), 0);
    }
    QCOMPARE(carried, payload);
    // The keyboard put the same command back together.
    QCOMPARE(int(m_keyboard->receivedCommands().size()), 1);
}

void TestHidDeviceHandle::writeCmd_payloadOver900Bytes_isRefusedUnsent()
{
    HidDeviceHandle handle;
    QVERIFY(handle.Open(kPid, Protocol::kVendorId));
    const QByteArray payload = Pattern(901);
    QCOMPARE(handle.WriteCmd(0x03, reinterpret_cast<const tdu1*>(payload.constData()), 901), Protocol::kWriteTooLong);
    QVERIFY(Protocol::kWriteTooLong != Protocol::kWriteNoDevice);
    QVERIFY(m_keyboard->writtenReports().empty());
}

void TestHidDeviceHandle::writeCmd_withoutDevice_returnsMinusOne()
{
    HidDeviceHandle neverOpened;
    const tdu1 byte = 1;
    QCOMPARE(neverOpened.WriteCmd(0x06, &byte, 1), -1);
    QVERIFY(!neverOpened.StartRecThread());

    SimBus::instance().unplug(Protocol::kVendorId, kPid);
    HidDeviceHandle failedOpen;
    QVERIFY(!failedOpen.Open(kPid, Protocol::kVendorId));
    QCOMPARE(failedOpen.WriteCmd(0x06, &byte, 1), -1);
}

void TestHidDeviceHandle::writeCmd_unplugMidTransfer_returnsMinusOne()
{
    HidDeviceHandle handle;
    QVERIFY(handle.Open(kPid, Protocol::kVendorId));
    m_keyboard->unplugAfterWrites(3);
    const QByteArray payload = Pattern(600);
    // Later packets fail; a partly sent keymap must not count as sent.
    QCOMPARE(handle.WriteCmd(0x19, reinterpret_cast<const tdu1*>(payload.constData()), 600), -1);
}

void TestHidDeviceHandle::findDevice_countsPhysicalKeyboards()
{
    HidDeviceHandle handle;
    QCOMPARE(handle.FindDevice(kPid, Protocol::kVendorId), 1);
    QCOMPARE(handle.FindDevice(0x0777, Protocol::kVendorId), 0);
    SimBus::instance().plug(Protocol::kVendorId, 0x0602, 5, 15, 256);
    QCOMPARE(handle.FindDevice(0x0602, Protocol::kVendorId), 1);
    SimBus::instance().plug(Protocol::kVendorId, 0x0602, 5, 15, 3);
    QCOMPARE(handle.FindDevice(0x0602, Protocol::kVendorId), 2);
    QCOMPARE(int(SimBus::instance().openHandleCount()), 0);
}

void TestHidDeviceHandle::open_compositeKeyboard_talksOnItsCommandInterface()
{
    // Boot keyboard and media keys come first; hid_open alone would take the boot keyboard.
    const auto keyboard = SimBus::instance().plug(Protocol::kVendorId, 0x0605, 5, 15, 3);
    HidDeviceHandle handle;
    QVERIFY(handle.Open(0x0605, Protocol::kVendorId));
    QCOMPARE(handle.LastOpenPath(), QString::fromStdString(SimBus::path(*keyboard, 2)));
    QCOMPARE(handle.WriteCmd(Protocol::kCmdReadKeymapType, nullptr, 0), 64);
    tdu1 data[Protocol::kMaxPayload] = {};
    tdu2 length = 0;
    QVERIFY(handle.ReadCmd(Protocol::kCmdReadKeymapType, data, &length));
    QCOMPARE(keyboard->receivedCommands().size(), size_t(1));
    QCOMPARE(keyboard->strayReports(), 0);
}

void TestHidDeviceHandle::open_failure_tellsAbsentFromRefused()
{
    HidDeviceHandle handle;
    QVERIFY(!handle.Open(0x0777, Protocol::kVendorId));
    QCOMPARE(handle.LastOpenError(), HidDeviceHandle::OpenError::NotFound);

    m_keyboard->refuseOpen(true);
    QVERIFY(!handle.Open(kPid, Protocol::kVendorId));
    QCOMPARE(handle.LastOpenError(), HidDeviceHandle::OpenError::NoAccess);
    QCOMPARE(handle.LastOpenPath(), QString::fromStdString(SimBus::path(*m_keyboard, 0)));
    QVERIFY(handle.LastOpenReason().contains(QStringLiteral("Permission denied")));
    QCOMPARE(handle.WriteCmd(Protocol::kCmdReadRollover, nullptr, 0), -1);

    m_keyboard->refuseOpen(false);
    QVERIFY(handle.Open(kPid, Protocol::kVendorId));
    QCOMPARE(handle.LastOpenError(), HidDeviceHandle::OpenError::None);
}

void TestHidDeviceHandle::open_takesProductIdFirst()
{
    HidDeviceHandle handle;
    QVERIFY(!handle.Open(Protocol::kVendorId, kPid));
    QVERIFY(handle.Open(kPid, Protocol::kVendorId));
    QCOMPARE(handle.ProductId(), kPid);
    QCOMPARE(handle.VendorId(), Protocol::kVendorId);
}

void TestHidDeviceHandle::receive_reassemblesReplies_data()
{
    QTest::addColumn<int>("length");
    QTest::newRow("one packet") << 3;
    QTest::newRow("empty one packet") << 0;
    QTest::newRow("two packets") << 75;
    QTest::newRow("fifteen packets, 7x21 indicator grid") << 147;
    QTest::newRow("fifteen packets, full") << 900;
}

void TestHidDeviceHandle::receive_reassemblesReplies()
{
    QFETCH(int, length);
    HidDeviceHandle handle;
    ReplyRecorder recorder;
    OpenAndReceive(handle, recorder);
    const QByteArray payload = Pattern(length, 11);
    m_keyboard->injectReply(0x05, std::vector<std::uint8_t>(payload.begin(), payload.end()));

    QTRY_COMPARE(recorder.replies.size(), 1);
    QCOMPARE(int(recorder.replies.at(0).first), 0x05);
    QCOMPARE(recorder.replies.at(0).second, payload);
}

void TestHidDeviceHandle::receive_skipsLostForeignAndMalformedPackets()
{
    HidDeviceHandle handle;
    ReplyRecorder recorder;
    OpenAndReceive(handle, recorder);
    // A three-packet reply whose middle packet was lost is never delivered.
    m_keyboard->injectInputReport(InputReport(0x01, 0x03, Pattern(60)));
    m_keyboard->injectInputReport(InputReport(0x01, 0x23, Pattern(10)));
    // Continuation with no reply begun, and one carrying another code than its first packet.
    m_keyboard->injectInputReport(InputReport(0x15, 0x12, Pattern(5)));
    m_keyboard->injectInputReport(InputReport(0x16, 0x02, Pattern(60, 1)));
    m_keyboard->injectInputReport(InputReport(0x17, 0x12, Pattern(4, 2)));
    // Output report ID, a packet that claims more than 60 bytes, and noise.
    m_keyboard->injectInputReport(InputReport(0x02, 0x01, Pattern(3), 1));
    m_keyboard->injectInputReport(InputReport(0x02, 0x01, Pattern(60), 2, 61));
    Report garbage;
    garbage.fill(0xFF);
    m_keyboard->injectInputReport(garbage);
    // The keyboard's next reply arrives whole all the same.
    m_keyboard->injectReply(0x07, {1});

    QTRY_COMPARE(recorder.replies.size(), 1);
    QTest::qWait(50);
    QCOMPARE(recorder.replies.size(), 1);
    QCOMPARE(int(recorder.replies.at(0).first), 0x07);
    QCOMPARE(recorder.replies.at(0).second, QByteArray(1, 1));
}

void TestHidDeviceHandle::receive_oneReplyBetweenPacketsOfAnother_isDeliveredAndInterruptsIt()
{
    HidDeviceHandle handle;
    ReplyRecorder recorder;
    OpenAndReceive(handle, recorder);
    m_keyboard->injectInputReport(InputReport(0x01, 0x02, Pattern(60)));
    m_keyboard->injectInputReport(InputReport(0x07, 0x01, QByteArray(1, 1)));
    m_keyboard->injectInputReport(InputReport(0x01, 0x12, Pattern(60)));
    m_keyboard->injectReply(0x2A, {0});

    QTRY_COMPARE(recorder.replies.size(), 2);
    QCOMPARE(int(recorder.replies.at(0).first), 0x07);
    QCOMPARE(int(recorder.replies.at(1).first), 0x2A);
}

void TestHidDeviceHandle::receive_backToBackReplies_eachArrivesIntact()
{
    HidDeviceHandle handle;
    ReplyRecorder recorder;
    OpenAndReceive(handle, recorder);
    // Both replies are assembled before the main thread looks at either.
    m_keyboard->injectReply(0x15, std::vector<std::uint8_t>(600, 0x11));
    m_keyboard->injectReply(0x16, std::vector<std::uint8_t>(600, 0x22));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));

    QTRY_COMPARE(recorder.replies.size(), 2);
    QCOMPARE(recorder.replies.at(0), qMakePair(tdu1(0x15), QByteArray(600, 0x11)));
    QCOMPARE(recorder.replies.at(1), qMakePair(tdu1(0x16), QByteArray(600, 0x22)));
}

void TestHidDeviceHandle::readCmd_returnsMatchingReply()
{
    HidDeviceHandle handle;
    QVERIFY(handle.Open(kPid, Protocol::kVendorId));
    m_keyboard->modify([](sim::KeyboardState& state) { state.keymapType = 2; });
    QVERIFY(handle.WriteCmd(Protocol::kCmdReadKeymapType, nullptr, 0) > 0);
    tdu1 data[Protocol::kMaxPayload] = {};
    tdu2 length = 0;
    QVERIFY(handle.ReadCmd(Protocol::kCmdReadKeymapType, data, &length));
    QCOMPARE(int(length), 1);
    QCOMPARE(int(data[0]), 2);

    QVERIFY(handle.WriteCmd(Protocol::kCmdReadKeymap2, nullptr, 0) > 0);
    QVERIFY(handle.ReadCmd(Protocol::kCmdReadKeymap2, data, &length));
    QCOMPARE(int(length), Protocol::KeymapPayloadSize(5, 15));
}

void TestHidDeviceHandle::readCmd_replyToOtherCommand_failsWithoutUsingOtherReads()
{
    HidDeviceHandle handle;
    QVERIFY(handle.Open(kPid, Protocol::kVendorId));
    m_keyboard->injectReply(0x07, {1});
    m_keyboard->injectReply(0x27, {3});
    tdu1 data[Protocol::kMaxPayload] = {};
    tdu2 length = 0;
    QVERIFY(!handle.ReadCmd(0x27, data, &length));
    // The matching reply behind it was not consumed.
    QVERIFY(handle.ReadCmd(0x27, data, &length));
    QCOMPARE(int(data[0]), 3);
}

void TestHidDeviceHandle::readCmd_multiPacketReplyToOtherCommand_fails()
{
    HidDeviceHandle handle;
    QVERIFY(handle.Open(kPid, Protocol::kVendorId));
    m_keyboard->injectReply(0x01, std::vector<std::uint8_t>(600, 7));
    tdu1 data[Protocol::kMaxPayload] = {};
    tdu2 length = 0;
    QVERIFY(!handle.ReadCmd(0x27, data, &length));
    QCOMPARE(int(length), 0);
}

void TestHidDeviceHandle::readCmd_silentKeyboard_givesUpAfterTimeLimit()
{
    HidDeviceHandle handle;
    QVERIFY(handle.Open(kPid, Protocol::kVendorId));
    m_keyboard->silenceNextReplies(1);
    QVERIFY(handle.WriteCmd(0x27, nullptr, 0) > 0);
    tdu1 data[Protocol::kMaxPayload] = {};
    tdu2 length = 0;
    QVERIFY(!handle.ReadCmd(0x27, data, &length));
}

void TestHidDeviceHandle::readCmd_tenForeignReports_exhaustAllowance()
{
    HidDeviceHandle handle;
    QVERIFY(handle.Open(kPid, Protocol::kVendorId));
    for (int i = 0; i < 10; i++)
        m_keyboard->injectInputReport(InputReport(0x27, 0x01, QByteArray(1, 1), 1));
    m_keyboard->injectReply(0x27, {1});
    tdu1 data[Protocol::kMaxPayload] = {};
    tdu2 length = 0;
    QVERIFY(!handle.ReadCmd(0x27, data, &length));
}

void TestHidDeviceHandle::unplug_stopsThreadReportsLossOnceAndFailsLaterWrites()
{
    HidDeviceHandle handle;
    ReplyRecorder recorder;
    OpenAndReceive(handle, recorder);
    QSignalSpy lost(&handle, &HidDeviceHandle::DeviceLost);
    QVERIFY(handle.IsReceiving());

    SimBus::instance().unplug(Protocol::kVendorId, kPid);

    QTRY_COMPARE(lost.count(), 1);
    QVERIFY(!handle.IsReceiving());
    QVERIFY(!handle.IsOpen());
    const tdu1 byte = 0;
    QCOMPARE(handle.WriteCmd(0x06, &byte, 1), -1);
    QTest::qWait(50);
    QCOMPARE(lost.count(), 1);
}

void TestHidDeviceHandle::transientReadFailure_keepsSession_unplugStillReportedOnce()
{
    HidDeviceHandle handle;
    ReplyRecorder recorder;
    OpenAndReceive(handle, recorder);
    QSignalSpy lost(&handle, &HidDeviceHandle::DeviceLost);

    // An interrupted read fails once while the keyboard stays there.
    m_keyboard->failNextRead();
    QCOMPARE(handle.WriteCmd(Protocol::kCmdReadRollover, nullptr, 0), 64);
    QTRY_COMPARE(recorder.replies.size(), 1);
    QCOMPARE(lost.count(), 0);
    QVERIFY(handle.IsReceiving());

    SimBus::instance().unplug(Protocol::kVendorId, kPid);
    QTRY_COMPARE(lost.count(), 1);
    QTest::qWait(50);
    QCOMPARE(lost.count(), 1);
}

void TestHidDeviceHandle::writesWhileReceiving_neverOverlapHidapiCalls()
{
    HidDeviceHandle handle;
    ReplyRecorder recorder;
    OpenAndReceive(handle, recorder);
    // After a write the reader waits in reads; each further write is made while it sits in one.
    QCOMPARE(handle.WriteCmd(Protocol::kCmdReadRollover, nullptr, 0), 64);
    for (int i = 0; i < 50; i++) {
        QTRY_VERIFY(m_keyboard->blockedReaders() > 0);
        QCOMPARE(handle.WriteCmd(Protocol::kCmdReadRollover, nullptr, 0), 64);
    }
    QTRY_COMPARE(recorder.replies.size(), 51);
    QCOMPARE(m_keyboard->overlappingCalls(), 0);
}

void TestHidDeviceHandle::destruction_stopsThreadAndClosesDevice()
{
    {
        HidDeviceHandle handle;
        ReplyRecorder recorder;
        OpenAndReceive(handle, recorder);
        QCOMPARE(handle.WriteCmd(Protocol::kCmdReadRollover, nullptr, 0), 64);
        QTRY_VERIFY(m_keyboard->blockedReaders() > 0);
        QCOMPARE(SimBus::instance().openHandleCount(), 1);
    }
    QCOMPARE(SimBus::instance().openHandleCount(), 0);
    QCOMPARE(m_keyboard->overlappingCalls(), 0);
}

QTEST_GUILESS_MAIN(TestHidDeviceHandle)
#include "tst_hiddevicehandle.moc"
