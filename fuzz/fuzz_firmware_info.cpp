// The firmware information file "Version.txt" as downloaded (GBK, CR LF lines).
#include "FuzzSupport.h"
#include "settings/FirmwareInfo.h"

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    QLoggingCategory::setFilterRules(QStringLiteral("driver.*.debug=false"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FirmwareInfo::Parse(FuzzSupport::Bytes(data, size));
    return 0;
}
