// Keymap files as the user opens them: read from disk into the keymap of a small 2 x 3 board named
// "K" (small keeps each run fast). A file that is not loaded must leave the keymap as it was.
#include "FuzzSupport.h"
#include "keymap/KeymapFile.h"
#include "keymap/KeymapStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {
QString g_path;
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    QLoggingCategory::setFilterRules(QStringLiteral("driver.*.debug=false"));
    // Memory-backed where there is such a folder: the file is rewritten for every input.
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
            ? QStringLiteral("/dev/shm/fuzz-XXXXXX")
            : QDir::tempPath() + QStringLiteral("/fuzz-XXXXXX"));
    g_path = dir.filePath(QStringLiteral("keymap.xml"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QFile file(g_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.close();
    KeymapStore store;
    store.SetLayoutSize(2, 3);
    const KeymapStore::KeymapCodes before = store.KeymapCopy(1);
    if (KeymapFile::Load(g_path, QStringLiteral("K"), store, 1) != KeymapFile::Loaded && store.KeymapCopy(1) != before)
        std::abort();
    return 0;
}
