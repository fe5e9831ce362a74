#include "layout/LayoutLog.h"

Q_LOGGING_CATEGORY(lcLayout, "driver.layout")
