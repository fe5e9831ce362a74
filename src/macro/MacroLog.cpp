#include "macro/MacroLog.h"

Q_LOGGING_CATEGORY(lcMacro, "driver.macro")
