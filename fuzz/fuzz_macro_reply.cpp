// Macro read replies (command 0x11): whatever the keyboard sends, the decoder reads nothing past
// the reply and hands on at most one macro's worth of sound actions.
#include "device/Protocol.h"
#include "codec/MacroCodec.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const int length = size > Protocol::kMaxPayload ? Protocol::kMaxPayload : int(size);
    const MacroCodec::ReadReply reply = MacroCodec::DecodeReadReply(data, length);
    if (reply.status != MacroCodec::ReadReply::Status::Ok)
        return 0;
    if (reply.index >= Protocol::kMacroCount || reply.count > Protocol::kMaxMacroActions
        || reply.actions.size() + reply.skippedWords != reply.count)
        std::abort();
    for (const MacroAction& action : reply.actions) {
        if (action.type < 1 || action.type > 3)
            std::abort();
    }
    // What was read can be written back within the write command's limits.
    if (MacroCodec::EncodeWrite(reply.index, reply.actions).size()
        != MacroCodec::kHeaderSize + 2 * reply.actions.size())
        std::abort();
    return 0;
}
