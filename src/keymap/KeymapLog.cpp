#include "keymap/KeymapLog.h"

Q_LOGGING_CATEGORY(lcKeymap, "driver.keymap")
