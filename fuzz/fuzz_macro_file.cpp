// Macro files as imported: any bytes give a result, and a file that is accepted holds only sound
// macros, which write back to a file that reads the same.
#include "FuzzSupport.h"
#include "device/Protocol.h"
#include "macro/MacroFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    QLoggingCategory::setFilterRules(QStringLiteral("driver.*.debug=false"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const MacroFile::Result result = MacroFile::Parse(FuzzSupport::Bytes(data, size));
    if (!result.ok) {
        if (result.error.isEmpty() || !result.macros.isEmpty())
            std::abort();
        return 0;
    }
    if (result.macros.size() > Protocol::kMacroCount)
        std::abort();
    for (const MacroFile::Macro& macro : result.macros) {
        if (macro.index < 0 || macro.index >= Protocol::kMacroCount
            || macro.actions.size() > Protocol::kMaxMacroActions)
            std::abort();
    }
    const MacroFile::Result again = MacroFile::Parse(MacroFile::Serialize(result.macros));
    if (!again.ok || again.macros != result.macros)
        std::abort();
    return 0;
}
