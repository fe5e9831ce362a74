#include "settings/ILedFunction.h"

#include <QStringList>

QString ILedFunction::KeyCaption(tdu1 code)
{
    static const QStringList captions = {
        QString(),
        QStringLiteral("Caps\nLock"),
        QStringLiteral("Scroll\nLock"),
        QStringLiteral("Num\nLock"),
        QStringLiteral("Layer1\n"),
        QStringLiteral("Layer2\n"),
        QStringLiteral("Layer3\n"),
        QStringLiteral("Layer4\n"),
        QStringLiteral("BLE1\n"),
        QStringLiteral("BLE2\n"),
        QStringLiteral("BLE3\n"),
        QStringLiteral("2.4G\n"),
        QStringLiteral("Keymap1\n"),
        QStringLiteral("Keymap2\n"),
        QStringLiteral("Keymap3\n"),
        QStringLiteral("Keymap4\n"),
        QStringLiteral("Unif\nying1"),
        QStringLiteral("Unif\nying2"),
        QStringLiteral("Unif\nying3"),
    };
    return code < captions.size() ? captions.at(code) : QString();
}
