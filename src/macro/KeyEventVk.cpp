#include "macro/KeyEventVk.h"

#include "macro/PhysicalKeyMap.h"

#include <QKeyEvent>

tdu2 KeyEventVk::Of(const QKeyEvent& key)
{
#ifdef Q_OS_WIN
    // Windows names the key itself; only the modifiers come without their side, which the scan
    // code tells (right Shift 0x36, right Ctrl and Alt with the extended bit 0x100).
    constexpr quint32 kRightShiftScan = 0x36;
    constexpr quint32 kExtendedScan = 0x100;
    const quint32 scan = key.nativeScanCode();
    switch (key.nativeVirtualKey()) {
    case 0x10:
        return (scan & 0xFF) == kRightShiftScan ? 0xA1 : 0xA0;
    case 0x11:
        return (scan & kExtendedScan) ? 0xA3 : 0xA2;
    case 0x12:
        return (scan & kExtendedScan) ? 0xA5 : 0xA4;
    default:
        return tdu2(key.nativeVirtualKey());
    }
#else
    return PhysicalKeyMap::VkOfXKeycode(key.nativeScanCode());
#endif
}

tdu2 KeyEventVk::Typed(const QEvent& event, bool* down)
{
    if (event.type() != QEvent::KeyPress && event.type() != QEvent::KeyRelease)
        return 0;
    const auto& key = static_cast<const QKeyEvent&>(event);
    *down = event.type() == QEvent::KeyPress;
    return key.isAutoRepeat() ? 0 : Of(key);
}
