#pragma once

#include <QByteArray>
#include <QtGlobal>

// The "version.txt" of the download servers: two decimal numbers separated by one ".", in GBK.
// Versions compare as major x 10 + minor, so 1.12 (22) counts as newer than 2.0 (20).
struct VersionText
{
    quint32 major = 0;
    quint32 minor = 0;

    // False unless the text has exactly two parts; a part that is not a number reads as 0.
    static bool Parse(const QByteArray& gbk, VersionText* version);
    static quint64 Value(quint32 major, quint32 minor);
    quint64 Value() const;

    // Larger bodies are not version files.
    static constexpr qint64 kMaxSize = 256;
};
