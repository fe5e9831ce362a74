#include "ui/PlainName.h"

namespace {
bool Hidden(char16_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x061C || c == 0x200E || c == 0x200F
        || (c >= 0x2028 && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0xFEFF;
}
} // namespace

QString PlainName::Of(const QString& name)
{
    QString plain;
    plain.reserve(name.size());
    for (const QChar c : name)
        plain.append(Hidden(c.unicode()) ? QChar(' ') : c);
    plain = plain.simplified();
    if (plain.size() <= kMaxLength)
        return plain;
    int cut = kMaxLength - 1;
    // Never half a character of two UTF-16 units.
    if (plain.at(cut - 1).isHighSurrogate())
        cut--;
    return plain.left(cut) + QChar(0x2026);
}

QString PlainName::ForTerminal(const QString& line)
{
    QString plain;
    plain.reserve(line.size());
    for (const QChar c : line) {
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || !Hidden(c.unicode()))
            plain.append(c);
    }
    return plain;
}
