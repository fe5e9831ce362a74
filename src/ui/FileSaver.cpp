#include "ui/FileSaver.h"

#include "ui/LocalFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#ifdef Q_OS_UNIX
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QSaveFile>
#endif

namespace {
Q_LOGGING_CATEGORY(lcFiles, "driver.ui")

QString Shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// The reason a save failed, and that the file there is as it was when one was there.
QString Failed(const QString& reason, bool oldKept)
{
    return oldKept ? FileSaver::tr("%1 The file that was there is unchanged.").arg(reason) : reason;
}

QString WriteFailed(const QString& path, const QString& systemReason, bool oldKept)
{
    return Failed(FileSaver::tr("%1 could not be saved: %2.").arg(Shown(path), systemReason), oldKept);
}

QString NotRegular(const QString& path)
{
    return FileSaver::tr("%1 is not a regular file; nothing was saved in its place.").arg(Shown(path));
}

// True when path holds exactly content.
bool ReadsBack(const QString& path, const QByteArray& content)
{
    QByteArray back;
    return LocalFile::Read(path, content.size(), &back) == LocalFile::Result::Ok && back == content;
}

#ifdef Q_OS_UNIX
QString NotReadBack(const QString& path, bool oldKept)
{
    return Failed(
        FileSaver::tr("%1 could not be saved: what was written does not read back the same.").arg(Shown(path)),
        oldKept);
}

// 0 when every byte reached the file, else the system's error number.
int WriteAll(int fd, const QByteArray& content)
{
    const char* data = content.constData();
    qint64 left = content.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return written < 0 ? errno : EIO;
        data += written;
        left -= written;
    }
    return 0;
}

// A new file beside target, made with 0666 so that the umask (and a default ACL) applies as to any
// new file; mkstemp and QTemporaryFile would make it 0600. -1 with errno set when none can be made.
int CreateBeside(const QString& target, QString* temporary)
{
    const QFileInfo info(target);
    for (int attempt = 0; attempt < 16; ++attempt) {
        *temporary = QDir(info.path())
                         .filePath(QStringLiteral(".%1.%2.part")
                                       .arg(info.fileName().left(64))
                                       .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
        const int fd = ::open(QFile::encodeName(*temporary).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// The rename is only durable once the folder's entry is on the disk too.
void SyncFolder(const QString& target)
{
    const int fd = ::open(QFile::encodeName(QFileInfo(target).path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0 || ::fsync(fd) != 0)
        qCDebug(lcFiles) << "Folder Sync Failed" << target << qt_error_string(errno);
    if (fd >= 0)
        ::close(fd);
}

// Writes content over target (a regular file or nothing: links were dealt with); empty when saved.
QString SaveOver(const QString& target, const QByteArray& content)
{
    const QByteArray native = QFile::encodeName(target);
    struct stat old;
    bool exists = false;
    if (::lstat(native.constData(), &old) == 0) {
        // A link left here is one to replace, not to write through.
        exists = !S_ISLNK(old.st_mode);
        if (exists && !S_ISREG(old.st_mode))
            return NotRegular(target);
    } else if (errno != ENOENT) {
        return WriteFailed(target, qt_error_string(errno), false);
    }

    QString temporary;
    const int fd = CreateBeside(target, &temporary);
    if (fd < 0)
        return WriteFailed(target, qt_error_string(errno), exists);
    // The system's reason is taken before closing and removing, which may change errno.
    auto abandon = [&](const QString& error) {
        ::close(fd);
        ::unlink(QFile::encodeName(temporary).constData());
        return error;
    };
    if (exists) {
        struct stat made;
        if (::fstat(fd, &made) != 0)
            return abandon(WriteFailed(target, qt_error_string(errno), true));
        // Only root may give a file away; anyone else saving another user's file would take it over.
        if ((made.st_uid != old.st_uid || made.st_gid != old.st_gid) && ::fchown(fd, old.st_uid, old.st_gid) != 0) {
            const QString reason = qt_error_string(errno);
            return abandon(Failed(
                FileSaver::tr("%1 belongs to another user or group, and a saved copy could not keep that owner: %2.")
                    .arg(Shown(target), reason),
                true));
        }
        // After the owner: changing it clears the set-user and set-group bits.
        if (::fchmod(fd, old.st_mode & 07777) != 0)
            return abandon(WriteFailed(target, qt_error_string(errno), true));
    }
    if (const int error = WriteAll(fd, content))
        return abandon(WriteFailed(target, qt_error_string(error), exists));
    // The disk may still refuse what the system took in; fsync and close are where it says so.
    if (::fsync(fd) != 0)
        return abandon(WriteFailed(target, qt_error_string(errno), exists));
    if (::close(fd) != 0) {
        const QString error = WriteFailed(target, qt_error_string(errno), exists);
        ::unlink(QFile::encodeName(temporary).constData());
        return error;
    }
    auto discard = [&](const QString& error) {
        ::unlink(QFile::encodeName(temporary).constData());
        return error;
    };
    if (!ReadsBack(temporary, content))
        return discard(NotReadBack(target, exists));
    if (::rename(QFile::encodeName(temporary).constData(), native.constData()) != 0)
        return discard(WriteFailed(target, qt_error_string(errno), exists));
    SyncFolder(target);
    return QString();
}
#else
QString SaveOver(const QString& target, const QByteArray& content)
{
    const QFileInfo info(target);
    const bool exists = info.exists() && !info.isSymLink();
    if (exists && !info.isFile())
        return NotRegular(target);
    QFile link(target);
    if (info.isSymLink() && !link.remove())
        return WriteFailed(target, link.errorString(), false);
    QSaveFile file(target);
    // The last buffered bytes reach the file only on flush, whose failure commit() does not see.
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.flush() || !file.commit())
        return WriteFailed(target, file.errorString(), exists);
    return QString();
}
#endif
} // namespace

FileSaver::Result FileSaver::Save(const QString& path, const QByteArray& content, Links links)
{
    Result result;
    QString target = path;
    const QFileInfo chosen(path);
    if (links == Links::Follow && chosen.isSymLink()) {
        target = chosen.canonicalFilePath();
        if (target.isEmpty()) {
            result.error = tr("%1 is a link to %2, which does not exist; nothing was saved.")
                               .arg(Shown(path), Shown(chosen.symLinkTarget()));
            qCDebug(lcFiles) << "Save Refused" << path << result.error;
            return result;
        }
    }
    result.savedPath = target;
    result.error = SaveOver(target, content);
    // Read again from where it now stands, so that success means the file holds the content.
    if (result.error.isEmpty() && !ReadsBack(target, content))
        result.error
            = tr("%1 was saved, but it does not read back the same; the disk may be failing.").arg(Shown(target));
    result.ok = result.error.isEmpty();
    if (!result.ok)
        qCDebug(lcFiles) << "Save Failed" << target << result.error;
    return result;
}
