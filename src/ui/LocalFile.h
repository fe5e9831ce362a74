#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// Reads files that come from outside the program (the device index, layouts, keymap files, the
// catalogue) with the same guards everywhere: only regular files are opened, since a named pipe
// would block open() for ever and a device never ends, and never more than a set number of
// bytes is read, whatever size the file claims. Writes replace a file as a whole or not at all,
// and never through a symbolic link.
class LocalFile final
{
    Q_DECLARE_TR_FUNCTIONS(LocalFile)

public:
    enum class Result {
        Ok,
        Missing,
        NotRegular,
        TooLarge,
        Unreadable,
    };

    // Reads at most maxBytes of path into *content; anything longer is TooLarge.
    static Result Read(const QString& path, qint64 maxBytes, QByteArray* content);
    // Why a read that did not succeed failed, for the user; maxBytes is the limit it was read with.
    static QString FailureText(Result result, qint64 maxBytes);
    // True when path names a regular file (or a link to one).
    static bool IsRegular(const QString& path);
    // Replaces a file of the program's own folders through FileSaver: a failed write leaves the
    // previous file in place, and a symbolic link at path is replaced by the file, never written
    // through, since the link may point anywhere. False with the reason in *error (when given).
    static bool Replace(const QString& path, const QByteArray& content, QString* error = nullptr);
};
