#pragma once

#include <QApplication>
#include <QByteArray>
#include <QLoggingCategory>

#include <cstdint>
#include <cstdlib>

// Shared set-up of the fuzz harnesses: an offscreen application for harnesses that build
// widgets, and the program's debug lines silenced so that they do not slow the runs down.
namespace FuzzSupport {

inline void InitApplication(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLoggingCategory::setFilterRules(QStringLiteral("driver.*.debug=false\nqt.*=false"));
    static QApplication app(*argc, *argv);
}

inline QByteArray Bytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), int(size));
}

} // namespace FuzzSupport
