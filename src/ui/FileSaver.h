#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// The one way the program writes a file. The bytes go to a temporary file beside the target,
// every write and the flush to the disk are checked, the file is renamed into place and read
// back: a save that fails leaves the file that was there byte for byte, and one that succeeds
// holds exactly the content. Only regular files are replaced; a file that exists keeps its
// permissions, owner and group, and a save that could not keep them is refused.
class FileSaver final
{
    Q_DECLARE_TR_FUNCTIONS(FileSaver)

public:
    enum class Links {
        // A file the user chose: a symbolic link is resolved once and its target saved; a link
        // that points nowhere is refused.
        Follow,
        // A file in the program's own folders: a link there is replaced by the file, never
        // written through, since it may point anywhere.
        Replace,
    };

    struct Result
    {
        bool ok = false;
        // For the user: what went wrong, and whether the old file is unchanged.
        QString error;
        // Where the bytes went: the link's target when a link was followed.
        QString savedPath;
    };

    static Result Save(const QString& path, const QByteArray& content, Links links = Links::Follow);
};
