#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QVariant>

// What a page means by a command it sends: the context it wants back with the answer (which
// keymap and the codes written, which macro, which setting), and the bytes the answer starts with
// when the command alone does not tell whose answer it is.
struct CommandIntent
{
    QVariant context;
    // An answer of the same code that does not start with these bytes belongs to someone else (a
    // second copy of the program reading another macro, say).
    QByteArray replyStart;
};
Q_DECLARE_METATYPE(CommandIntent)
