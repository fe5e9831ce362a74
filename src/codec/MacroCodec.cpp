#include "codec/MacroCodec.h"

#include "codec/MacroKeyTable.h"
#include "device/Protocol.h"

#include <QtEndian>

namespace {
constexpr int kTypeShift = 14;
constexpr tdu2 kValueMask = 0x3FFF;
} // namespace

tdu2 MacroCodec::ClampDelay(quint64 milliseconds)
{
    if (milliseconds < MacroAction::kMinDelay)
        return MacroAction::kMinDelay;
    if (milliseconds > MacroAction::kMaxDelay)
        return MacroAction::kMaxDelay;
    return tdu2(milliseconds);
}

tdu2 MacroCodec::ActionWord(const MacroAction& action)
{
    const tdu2 value = action.IsKey() ? MacroKeyTable::Instance().VkToHid(action.value) : action.value;
    return tdu2((action.type << kTypeShift) | (value & kValueMask));
}

QByteArray MacroCodec::EncodeWrite(tdu1 index, const QVector<MacroAction>& actions)
{
    QVector<tdu2> words;
    words.reserve(actions.size());
    for (const MacroAction& action : actions)
        words.append(ActionWord(action));
    return EncodeWords(index, words);
}

QByteArray MacroCodec::EncodeWords(tdu1 index, const QVector<tdu2>& words)
{
    QByteArray payload(kHeaderSize + 2 * words.size(), '\0');
    payload[0] = char(index);
    payload[1] = char(words.size());
    for (int i = 0; i < words.size(); i++)
        qToLittleEndian<quint16>(words.at(i), payload.data() + kHeaderSize + 2 * i);
    return payload;
}

QVector<MacroAction> MacroCodec::Actions(const QVector<tdu2>& words)
{
    if (words.size() > Protocol::kMaxMacroActions)
        return {};
    const QByteArray reply = EncodeWords(0, words);
    const ReadReply decoded = DecodeReadReply(reinterpret_cast<const tdu1*>(reply.constData()), reply.size());
    return decoded.status == ReadReply::Status::Ok ? decoded.actions : QVector<MacroAction>();
}

tdu2 MacroCodec::ExactKey(tdu2 word)
{
    const tdu1 type = tdu1(word >> kTypeShift);
    if (type != MacroAction::kKeyDown && type != MacroAction::kKeyUp)
        return 0;
    const tdu2 vk = MacroKeyTable::Instance().HidToVk(tdu1(word & 0xFF));
    return vk != 0 && ActionWord({type, vk}) == word ? vk : 0;
}

MacroCodec::ReadReply MacroCodec::DecodeReadReply(const tdu1* data, int len)
{
    ReadReply reply;
    if (data == nullptr || len < kHeaderSize)
        return reply;
    reply.index = data[0];
    reply.count = data[1];
    if (reply.index >= Protocol::kMacroCount) {
        reply.status = ReadReply::Status::BadIndex;
        return reply;
    }
    if (reply.count > Protocol::kMaxMacroActions) {
        reply.status = ReadReply::Status::BadCount;
        return reply;
    }
    if (len < kHeaderSize + 2 * reply.count) {
        reply.status = ReadReply::Status::TooShort;
        return reply;
    }
    const MacroKeyTable& keys = MacroKeyTable::Instance();
    for (int i = 0; i < reply.count; i++) {
        const tdu1 lo = data[kHeaderSize + 2 * i];
        const tdu1 hi = data[kHeaderSize + 2 * i + 1];
        reply.words.append(tdu2(lo | hi << 8));
        MacroAction action;
        action.type = tdu1(hi >> 6);
        switch (action.type) {
        case MacroAction::kKeyDown:
        case MacroAction::kKeyUp:
            // Usages fit in the low byte; the rest of the high byte carries nothing for keys.
            action.value = keys.HidToVk(lo);
            break;
        case MacroAction::kDelay:
            action.value = tdu2(((hi & 0x3F) << 8) | lo);
            break;
        default:
            reply.skippedWords++;
            continue;
        }
        reply.actions.append(action);
    }
    reply.status = ReadReply::Status::Ok;
    return reply;
}
