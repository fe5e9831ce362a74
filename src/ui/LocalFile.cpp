#include "ui/LocalFile.h"

#include "ui/FileSaver.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {
// Opens path only if it is a regular file. On Unix the check is made on the opened descriptor,
// so a file swapped for a pipe between the check and the open cannot block.
LocalFile::Result OpenRegular(const QString& path, QFile* file)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT || errno == ENOTDIR ? LocalFile::Result::Missing : LocalFile::Result::Unreadable;
    struct stat status;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return LocalFile::Result::NotRegular;
    }
    if (!file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return LocalFile::Result::Unreadable;
    }
    return LocalFile::Result::Ok;
#else
    const QFileInfo info(path);
    if (!info.exists())
        return LocalFile::Result::Missing;
    if (!info.isFile())
        return LocalFile::Result::NotRegular;
    file->setFileName(path);
    return file->open(QIODevice::ReadOnly) ? LocalFile::Result::Ok : LocalFile::Result::Unreadable;
#endif
}
} // namespace

LocalFile::Result LocalFile::Read(const QString& path, qint64 maxBytes, QByteArray* content)
{
    content->clear();
    QFile file;
    const Result opened = OpenRegular(path, &file);
    if (opened != Result::Ok)
        return opened;
    // Reads what the file holds plus one byte, to tell a file over the limit, rather than reserving
    // the whole limit for every few-kilobyte file. A file that grew since it was opened gets the
    // rest of the limit.
    const qint64 expected = qBound<qint64>(0, file.size(), maxBytes) + 1;
    QByteArray data = file.read(expected);
    if (data.size() == expected && data.size() <= maxBytes)
        data += file.read(maxBytes + 1 - data.size());
    if (data.size() > maxBytes)
        return Result::TooLarge;
    if (file.error() != QFileDevice::NoError)
        return Result::Unreadable;
    *content = std::move(data);
    return Result::Ok;
}

bool LocalFile::IsRegular(const QString& path)
{
    return QFileInfo(path).isFile();
}

bool LocalFile::Replace(const QString& path, const QByteArray& content, QString* error)
{
    const FileSaver::Result saved = FileSaver::Save(path, content, FileSaver::Links::Replace);
    if (!saved.ok && error)
        *error = saved.error;
    return saved.ok;
}

QString LocalFile::FailureText(Result result, qint64 maxBytes)
{
    switch (result) {
    case Result::Missing:
        return tr("The file does not exist.");
    case Result::NotRegular:
        return tr("It is not a regular file.");
    case Result::TooLarge:
        return tr("The file is larger than %1 KB.").arg(maxBytes / 1024);
    case Result::Ok:
    case Result::Unreadable:
        break;
    }
    return tr("The file cannot be read.");
}
