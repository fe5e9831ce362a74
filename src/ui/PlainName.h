#pragma once

#include <QString>

// A name that comes from outside the program (the device index, also as the update server sends
// it, a backup file) made fit to show in a window title, a label or a terminal: no control
// characters (C0, DEL, C1), none of the invisible marks that reorder the text around them
// (bidirectional overrides, isolates and embeddings), runs of white space made one space, and no
// longer than a title has room for.
class PlainName final
{
public:
    PlainName() = delete;

    static constexpr int kMaxLength = 64;

    static QString Of(const QString& name);
    // A line for a terminal with those marks and controls taken out (tabs and line ends kept), so
    // that nothing it carries can move the cursor, change colours or retitle the terminal.
    static QString ForTerminal(const QString& line);
};
