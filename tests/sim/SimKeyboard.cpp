#include "SimKeyboard.h"

#include "Firmware.h"

#include <algorithm>

namespace sim {

namespace {
constexpr std::uint8_t kExtensionFiller = 0xEE;
} // namespace

SimKeyboard::SimKeyboard(std::uint16_t vendorId, std::uint16_t productId, int rows, int cols, int interfaces)
    : m_vendorId(vendorId)
    , m_productId(productId)
    , m_interfaces(std::max(1, interfaces))
{
    m_state.rows = std::clamp(rows, 1, kMaxRows);
    m_state.cols = std::clamp(cols, 1, kMaxCols);
}

std::uint16_t SimKeyboard::vendorId() const
{
    return m_vendorId;
}

std::uint16_t SimKeyboard::productId() const
{
    return m_productId;
}

int SimKeyboard::interfaceCount() const
{
    return m_interfaces;
}

int SimKeyboard::commandInterface() const
{
    return m_interfaces - 1;
}

std::uint16_t SimKeyboard::usagePage(int interface) const
{
    if (interface == commandInterface()) {
        return 0xFF60;
    }
    return interface == 0 ? 0x0001 : 0x000C;
}

std::uint16_t SimKeyboard::usage(int interface) const
{
    if (interface == commandInterface()) {
        return 0x0061;
    }
    return interface == 0 ? 0x0006 : 0x0001;
}

int SimKeyboard::strayReports() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_strayReports;
}

void SimKeyboard::refuseOpen(bool refuse)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_refuseOpen = refuse;
}

bool SimKeyboard::opensRefused() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_refuseOpen;
}

bool SimKeyboard::isPlugged() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_plugged;
}

void SimKeyboard::unplug()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    unplugLocked();
}

KeyboardState SimKeyboard::state() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_state;
}

void SimKeyboard::modify(const std::function<void(KeyboardState&)>& edit)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    edit(m_state);
}

std::vector<Report> SimKeyboard::writtenReports() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_writtenReports;
}

std::vector<SimKeyboard::Command> SimKeyboard::receivedCommands() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_receivedCommands;
}

void SimKeyboard::clearLog()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_writtenReports.clear();
    m_receivedCommands.clear();
}

void SimKeyboard::injectInputReport(const Report& report)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    queueLocked({report}, Clock::now());
}

void SimKeyboard::injectReply(std::uint8_t cmd, const std::vector<std::uint8_t>& payload)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    queueLocked(PacketCodec::frame(kInputReportId, cmd, payload), Clock::now());
}

void SimKeyboard::dropNextReplyPacket(int packetIndex)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_faults.dropPacket = packetIndex;
}

void SimKeyboard::repeatNextReplyPacket(int packetIndex)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_faults.repeatPacket = packetIndex;
}

void SimKeyboard::swapNextReplyPackets(int a, int b)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_faults.swapA = a;
    m_faults.swapB = b;
}

void SimKeyboard::answerNextWithCode(std::uint8_t code)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_faults.answerCode = code;
}

void SimKeyboard::truncateNextReply(int payloadBytes)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_faults.truncateTo = std::max(0, payloadBytes);
}

void SimKeyboard::extendNextReply(int extraBytes)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_faults.extendBy = std::clamp(extraBytes, 0, kMaxPayload);
}

void SimKeyboard::failNextStatus(std::uint8_t status)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_faults.failStatus = status;
}

void SimKeyboard::silenceNextReplies(int count)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_faults.silence = std::max(0, count);
}

void SimKeyboard::setReplyDelayMs(int ms)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_replyDelayMs = std::max(0, ms);
}

void SimKeyboard::unplugAfterWrites(int reports)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (reports <= 0) {
        unplugLocked();
    } else {
        m_writesUntilUnplug = reports;
    }
}

void SimKeyboard::failNextRead()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_faults.failRead = true;
}

void SimKeyboard::unplugAfterReadPackets(int reports)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (reports <= 0) {
        unplugLocked();
    } else {
        m_readsUntilUnplug = reports;
    }
}

void SimKeyboard::repeatNextReply()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_faults.repeatReply = true;
}

void SimKeyboard::setAnswerTwice(bool twice)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_answerTwice = twice;
}

void SimKeyboard::clearFaults()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_faults = Faults();
    m_replyDelayMs = 0;
    m_writesUntilUnplug = -1;
    m_readsUntilUnplug = -1;
    m_answerTwice = false;
}

int SimKeyboard::readCalls() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_readCalls;
}

int SimKeyboard::overlappingCalls() const
{
    return m_overlappingCalls.load();
}

int SimKeyboard::blockedReaders() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_blockedReaders;
}

int SimKeyboard::attachEndpoint(int interface)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const int endpoint = m_nextEndpoint++;
    m_endpointInterface[endpoint] = interface;
    std::deque<Pending>& inbox = m_inboxes[endpoint];
    if (interface == commandInterface()) {
        inbox.swap(m_backlog);
    }
    return endpoint;
}

void SimKeyboard::detachEndpoint(int endpoint)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_inboxes.erase(endpoint);
    m_endpointInterface.erase(endpoint);
    m_inputChanged.notify_all();
}

int SimKeyboard::writeReport(int endpoint, const std::uint8_t* data, std::size_t length)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_plugged || m_inboxes.count(endpoint) == 0) {
        return -1;
    }
    if (m_endpointInterface[endpoint] != commandInterface()) {
        ++m_strayReports;
        return static_cast<int>(length);
    }
    Report report {};
    std::copy_n(data, std::min<std::size_t>(length, kReportSize), report.begin());
    m_writtenReports.push_back(report);
    if (length != kReportSize || report[0] != kOutputReportId) {
        return -1;
    }
    if (m_writesUntilUnplug > 0 && --m_writesUntilUnplug == 0) {
        unplugLocked();
        return kReportSize;
    }
    if (const std::optional<Command> command = m_codec.feed(report)) {
        m_receivedCommands.push_back(*command);
        executeLocked(*command);
    }
    return kReportSize;
}

int SimKeyboard::readReport(int endpoint, std::uint8_t* data, std::size_t length, int milliseconds)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    ++m_readCalls;
    std::optional<Clock::time_point> deadline;
    if (milliseconds >= 0) {
        deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
    }
    for (;;) {
        const auto inbox = m_inboxes.find(endpoint);
        if (!m_plugged || inbox == m_inboxes.end()) {
            return -1;
        }
        if (m_faults.failRead) {
            m_faults.failRead = false;
            return -1;
        }
        const Clock::time_point now = Clock::now();
        std::deque<Pending>& queue = inbox->second;
        if (!queue.empty() && queue.front().readyAt <= now) {
            const std::size_t count = std::min<std::size_t>(length, kReportSize);
            std::copy_n(queue.front().report.begin(), count, data);
            queue.pop_front();
            // The report that brings the count to zero still arrives; the keyboard is gone after it.
            if (m_readsUntilUnplug > 0 && --m_readsUntilUnplug == 0) {
                unplugLocked();
            }
            return static_cast<int>(count);
        }
        if (deadline && now >= *deadline) {
            return 0;
        }
        std::optional<Clock::time_point> wakeAt = deadline;
        if (!queue.empty()) {
            wakeAt = wakeAt ? std::min(*wakeAt, queue.front().readyAt) : queue.front().readyAt;
        }
        ++m_blockedReaders;
        if (wakeAt) {
            m_inputChanged.wait_until(lock, *wakeAt);
        } else {
            m_inputChanged.wait(lock);
        }
        --m_blockedReaders;
    }
}

void SimKeyboard::recordOverlap()
{
    ++m_overlappingCalls;
}

void SimKeyboard::unplugLocked()
{
    m_plugged = false;
    m_writesUntilUnplug = -1;
    m_readsUntilUnplug = -1;
    for (auto& inbox : m_inboxes) {
        inbox.second.clear();
    }
    m_backlog.clear();
    m_codec.reset();
    m_inputChanged.notify_all();
}

void SimKeyboard::executeLocked(const Command& command)
{
    const std::uint8_t cmd = command.first;
    if (m_faults.failStatus && Firmware::isSetCommand(cmd)) {
        const std::uint8_t status = *m_faults.failStatus;
        m_faults.failStatus.reset();
        replyLocked(cmd, {status});
        return;
    }
    if (std::optional<std::vector<std::uint8_t>> reply = Firmware::execute(m_state, cmd, command.second)) {
        replyLocked(cmd, std::move(*reply));
    }
}

void SimKeyboard::replyLocked(std::uint8_t cmd, std::vector<std::uint8_t> payload)
{
    if (m_faults.silence > 0) {
        --m_faults.silence;
        return;
    }
    Faults faults = m_faults;
    const int silence = m_faults.silence;
    const std::optional<std::uint8_t> failStatus = m_faults.failStatus;
    m_faults = Faults();
    m_faults.silence = silence;
    m_faults.failStatus = failStatus;

    if (faults.answerCode) {
        cmd = *faults.answerCode;
    }
    if (faults.truncateTo >= 0 && static_cast<std::size_t>(faults.truncateTo) < payload.size()) {
        payload.resize(faults.truncateTo);
    }
    payload.insert(payload.end(), faults.extendBy, kExtensionFiller);

    const std::vector<Report> framed = PacketCodec::frame(kInputReportId, cmd, payload);
    const int count = static_cast<int>(framed.size());
    // Faults name packets by their place in the reply as framed.
    std::vector<std::pair<int, Report>> packets;
    for (int i = 0; i < count; ++i) {
        packets.emplace_back(i, framed[i]);
    }
    const auto position = [&packets](int index) {
        return std::find_if(packets.begin(), packets.end(), [index](const auto& p) { return p.first == index; });
    };
    if (faults.repeatPacket >= 0 && faults.repeatPacket < count) {
        const auto at = position(faults.repeatPacket);
        packets.insert(at + 1, *at);
    }
    if (faults.swapA >= 0 && faults.swapA < count && faults.swapB >= 0 && faults.swapB < count) {
        std::iter_swap(position(faults.swapA), position(faults.swapB));
    }
    if (faults.dropPacket >= 0 && faults.dropPacket < count) {
        const int dropped = faults.dropPacket;
        packets.erase(
            std::remove_if(packets.begin(), packets.end(), [dropped](const auto& p) { return p.first == dropped; }),
            packets.end());
    }
    std::vector<Report> reports;
    for (const auto& packet : packets) {
        reports.push_back(packet.second);
    }
    if (faults.repeatReply || m_answerTwice) {
        const std::vector<Report> once = reports;
        reports.insert(reports.end(), once.begin(), once.end());
    }
    queueLocked(reports, Clock::now() + std::chrono::milliseconds(m_replyDelayMs));
}

void SimKeyboard::queueLocked(const std::vector<Report>& reports, Clock::time_point readyAt)
{
    if (!m_plugged) {
        return;
    }
    const int command = commandInterface();
    const bool listening = std::any_of(m_endpointInterface.begin(), m_endpointInterface.end(),
        [command](const auto& endpoint) { return endpoint.second == command; });
    for (const Report& report : reports) {
        if (!listening) {
            m_backlog.push_back({report, readyAt});
        }
        for (auto& inbox : m_inboxes) {
            if (m_endpointInterface[inbox.first] == command) {
                inbox.second.push_back({report, readyAt});
            }
        }
    }
    m_inputChanged.notify_all();
}

} // namespace sim
