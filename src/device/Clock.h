#pragma once

#include <QtGlobal>

#include <functional>

// Milliseconds on a monotonic clock. Everything that waits on the keyboard (reply deadlines, the
// reader's pace, reconnect attempts) reads the session's clock, so tests move time on instead of
// waiting it out. Read from the receive thread too: a clock must be safe to call from any thread.
using Clock = std::function<qint64()>;

// The system's monotonic clock, counting from the call.
Clock SteadyClock();
