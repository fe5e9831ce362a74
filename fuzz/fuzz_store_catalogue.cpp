// The product catalogue "store.xml", local or downloaded: never more than twelve tiles.
#include "FuzzSupport.h"
#include "about/StoreCatalogue.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    QLoggingCategory::setFilterRules(QStringLiteral("driver.*.debug=false"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    StoreCatalogue catalogue;
    const bool ok = catalogue.Parse(FuzzSupport::Bytes(data, size));
    if (catalogue.products.size() > StoreCatalogue::kMaxTiles || (!ok && !catalogue.products.isEmpty()))
        std::abort();
    return 0;
}
