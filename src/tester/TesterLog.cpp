#include "tester/TesterLog.h"

Q_LOGGING_CATEGORY(lcTester, "driver.tester")
