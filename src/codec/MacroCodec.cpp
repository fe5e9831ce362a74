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
    QByteArray payload(kHeaderSize + 2 * actions.size(), '\0');
    payload[0] = char(index);
    payload[1] = char(actions.size());
    for (int i = 0; i < actions.size(); i++)
        qToLittleEndian<quint16>(ActionWord(actions.at(i)), payload.data() + kHeaderSize + 2 * i);
    return payload;
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
