#include "about/AboutLog.h"

Q_LOGGING_CATEGORY(lcAbout, "driver.about")
