#include "device/Clock.h"

#include <QElapsedTimer>

Clock SteadyClock()
{
    QElapsedTimer started;
    started.start();
    return [started] { return started.elapsed(); };
}
