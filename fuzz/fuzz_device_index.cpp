// The device index "./config/index.json" (also what the online update downloads).
#include "FuzzSupport.h"
#include "app/DeviceIndex.h"

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    QLoggingCategory::setFilterRules(QStringLiteral("driver.*.debug=false"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    DeviceIndex index;
    index.Parse(FuzzSupport::Bytes(data, size));
    return 0;
}
