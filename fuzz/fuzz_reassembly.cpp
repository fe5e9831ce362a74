// Report reassembly: any sequence of input reports, cut into 64-byte reports (the last one
// shorter), must yield only replies that fit the receive buffer.
#include "device/Protocol.h"
#include "device/ReplyAssembler.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ReplyAssembler assembler;
    for (size_t at = 0; at < size; at += Protocol::kReportSize) {
        const int length = int(size - at < size_t(Protocol::kReportSize) ? size - at : Protocol::kReportSize);
        if (assembler.Feed(data + at, length)) {
            if (assembler.Length() < 0 || assembler.Length() > Protocol::kMaxPayload)
                std::abort();
            // Touch every byte handed on, so that the sanitizer sees reads past the buffer.
            volatile unsigned sum = 0;
            for (int i = 0; i < assembler.Length(); i++)
                sum = sum + assembler.Data()[i];
        }
    }
    return 0;
}
