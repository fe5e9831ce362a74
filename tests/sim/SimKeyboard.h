#pragma once

#include "KeyboardState.h"
#include "PacketCodec.h"
#include "SimProtocol.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>

namespace sim {

// One plugged keyboard: its firmware state, the reports the host wrote to it, the input reports
// waiting for each open handle, and faults that tests arm for the next exchange. Held by
// shared_ptr so that a test can look at it after it was unplugged. Every member is thread-safe.
class SimKeyboard
{
public:
    using Command = PacketCodec::Command;

    SimKeyboard(std::uint16_t vendorId, std::uint16_t productId, int rows, int cols, int interfaces);
    SimKeyboard(const SimKeyboard&) = delete;
    SimKeyboard& operator=(const SimKeyboard&) = delete;

    std::uint16_t vendorId() const;
    std::uint16_t productId() const;
    int interfaceCount() const;
    // Like a real composite keyboard, only one interface (the last, on a vendor usage page) takes
    // commands; the others (boot keyboard, media keys) ignore what is written to them.
    int commandInterface() const;
    std::uint16_t usagePage(int interface) const;
    std::uint16_t usage(int interface) const;
    // Reports written to an interface other than the command interface.
    int strayReports() const;
    // While set, opening fails (as for a hidraw node without access) but the keyboard still enumerates.
    void refuseOpen(bool refuse);
    bool opensRefused() const;
    bool isPlugged() const;
    // Open handles fail every read and write with -1 from now on; a blocked reader wakes at once.
    void unplug();

    KeyboardState state() const;
    void modify(const std::function<void(KeyboardState&)>& edit);
    // Every output report in order, including those hid_write refused.
    std::vector<Report> writtenReports() const;
    // Every command the firmware reassembled, answered or not.
    std::vector<Command> receivedCommands() const;
    void clearLog();

    // Input the host will read, bypassing the firmware. Delivered to every open handle; with no
    // handle open it waits for the next one, so a test can prepare input before the program opens.
    void injectInputReport(const Report& report);
    void injectReply(std::uint8_t cmd, const std::vector<std::uint8_t>& payload);

    // One-shot faults for the next reply the firmware produces (packet indices count from 0).
    void dropNextReplyPacket(int packetIndex);
    void repeatNextReplyPacket(int packetIndex);
    void swapNextReplyPackets(int a, int b);
    void answerNextWithCode(std::uint8_t code);
    void truncateNextReply(int payloadBytes);
    // Appended bytes are 0xEE; the reply still stops at what 15 packets can carry.
    void extendNextReply(int extraBytes);
    // The next set command is answered with this status and changes nothing (read commands in
    // between leave it armed). A status of 0 makes the keyboard claim a change it did not make.
    void failNextStatus(std::uint8_t status);
    // The next count commands are carried out but not answered; other armed faults wait.
    void silenceNextReplies(int count);
    // Lasting, not one-shot: replies become readable this long after the command completed.
    void setReplyDelayMs(int ms);
    // The report that brings the count to zero is accepted, then the keyboard is gone before it acts
    // on it; 0 unplugs at once.
    void unplugAfterWrites(int reports);
    // The next read fails once with -1 while the keyboard stays plugged, as hidraw's read does when
    // a signal interrupts its poll().
    void failNextRead();
    // The keyboard is gone once the host has read this many more input reports (0: at once).
    void unplugAfterReadPackets(int reports);
    // The next reply the firmware produces is sent twice, whole.
    void repeatNextReply();
    // Lasting: every reply is sent twice, as by a keyboard that answers each command twice.
    void setAnswerTwice(bool twice);
    void clearFaults();

    // hid_read calls made on any handle of this keyboard, whatever their outcome; a host whose
    // reader is idle makes few.
    int readCalls() const;

    // Greater than 0 when two hidapi calls on one handle were in progress at the same time.
    int overlappingCalls() const;
    // Reads currently waiting for input, so a test can act once a receive thread really blocks.
    int blockedReaders() const;

private:
    friend class SimHandle;

    using Clock = std::chrono::steady_clock;
    struct Pending
    {
        Report report;
        Clock::time_point readyAt;
    };
    struct Faults
    {
        int dropPacket = -1;
        int repeatPacket = -1;
        int swapA = -1;
        int swapB = -1;
        std::optional<std::uint8_t> answerCode;
        int truncateTo = -1;
        int extendBy = 0;
        std::optional<std::uint8_t> failStatus;
        int silence = 0;
        bool failRead = false;
        bool repeatReply = false;
    };

    // The hidapi side, reached through SimHandle. An endpoint is one open handle's input queue.
    int attachEndpoint(int interface);
    void detachEndpoint(int endpoint);
    int writeReport(int endpoint, const std::uint8_t* data, std::size_t length);
    int readReport(int endpoint, std::uint8_t* data, std::size_t length, int milliseconds);
    void recordOverlap();

    void unplugLocked();
    void executeLocked(const Command& command);
    void replyLocked(std::uint8_t cmd, std::vector<std::uint8_t> payload);
    void queueLocked(const std::vector<Report>& reports, Clock::time_point readyAt);

    const std::uint16_t m_vendorId;
    const std::uint16_t m_productId;
    const int m_interfaces;

    mutable std::mutex m_mutex;
    std::condition_variable m_inputChanged;
    bool m_plugged = true;
    KeyboardState m_state;
    PacketCodec m_codec;
    std::vector<Report> m_writtenReports;
    std::vector<Command> m_receivedCommands;
    std::map<int, std::deque<Pending>> m_inboxes;
    std::map<int, int> m_endpointInterface;
    int m_strayReports = 0;
    bool m_refuseOpen = false;
    std::deque<Pending> m_backlog;
    int m_nextEndpoint = 1;
    Faults m_faults;
    int m_replyDelayMs = 0;
    int m_writesUntilUnplug = -1;
    int m_readsUntilUnplug = -1;
    bool m_answerTwice = false;
    int m_readCalls = 0;
    int m_blockedReaders = 0;
    std::atomic<int> m_overlappingCalls {0};
};

} // namespace sim
