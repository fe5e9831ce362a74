// What the online update downloads: "version.txt", then an index whose layout names become file
// names under ./config, then the layouts. An index that passes names only plain files.
#include "FuzzSupport.h"
#include "app/DeviceIndex.h"
#include "app/UpdateCheck.h"
#include "ui/VersionText.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    QLoggingCategory::setFilterRules(QStringLiteral("driver.*.debug=false"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray body = FuzzSupport::Bytes(data, size);
    VersionText version;
    VersionText::Parse(body, &version);
    DeviceIndex index;
    if (UpdateCheck::CheckIndex(body, &index)) {
        if (index.keymaps.size() > UpdateCheck::kMaxLayouts)
            std::abort();
        for (const DeviceIndex::LayoutLocation& layout : index.keymaps) {
            if (!DeviceIndex::IsPlainFileName(layout.name) || layout.name.contains(QLatin1Char('/'))
                || layout.name.startsWith(QLatin1Char('.')))
                std::abort();
        }
    }
    UpdateCheck::CheckLayout(body);
    return 0;
}
