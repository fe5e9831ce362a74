#include "app/UserDataFolder.h"

#include "app/AppLog.h"
#include "app/DeviceIndex.h"
#include "ui/LocalFile.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

namespace {
const QString kConfig = QStringLiteral("config");
const QString kLang = QStringLiteral("Lang");
const QString kIndex = QStringLiteral("index.json");
// Far above any layout or translation file; the files come from the installed package.
constexpr qint64 kMaxSeedFileSize = 16 * 1024 * 1024;
// A second program waits this long for the first to finish seeding.
constexpr int kLockWaitMs = 30000;

// The index's version value, or -1 when it is missing or unreadable.
int IndexVersion(const QString& path)
{
    DeviceIndex index;
    if (!index.Load(path))
        return -1;
    return UserDataFolder::VersionValue(index.priver, index.subver);
}
} // namespace

UserDataFolder::UserDataFolder(const QString& installedDir, const QString& userDir)
    : m_installedDir(installedDir)
    , m_userDir(userDir)
{ }

QString UserDataFolder::DefaultUserDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/nova-driver");
}

QString UserDataFolder::RestoreCopiesDir()
{
    return DefaultUserDir() + QStringLiteral("/restore-copies");
}

QString UserDataFolder::KeyUseFile()
{
    return DefaultUserDir() + QStringLiteral("/key-use.json");
}

int UserDataFolder::VersionValue(int priver, int subver)
{
    return priver * 10 + subver;
}

UserDataFolder::Readiness UserDataFolder::Prepare(QString* message)
{
    message->clear();
    if (Seed(message))
        return Readiness::Ready;
    // What the program needs to start is the device index; translations and layouts may lag.
    return LocalFile::IsRegular(QDir(m_userDir).filePath(kConfig + QLatin1Char('/') + kIndex)) ? Readiness::Stale
                                                                                               : Readiness::Unusable;
}

bool UserDataFolder::MakeFolder(const QString& name, QString* error)
{
    const QString path = QDir(m_userDir).filePath(name);
    if (QFileInfo(path).isSymLink()) {
        *error = QStringLiteral("%1 is a symbolic link; files are not written through it").arg(path);
        return false;
    }
    if (!QDir().mkpath(path)) {
        *error = QStringLiteral("cannot create %1").arg(path);
        return false;
    }
    return true;
}

bool UserDataFolder::Seed(QString* error)
{
    if (!MakeFolder(kConfig, error) || !MakeFolder(kLang, error))
        return false;
    QLockFile lock(m_userDir + QStringLiteral("/.seed.lock"));
    if (!lock.tryLock(kLockWaitMs)) {
        switch (lock.error()) {
        case QLockFile::LockFailedError:
            *error = QStringLiteral("%1 is locked by another start of the program").arg(m_userDir);
            break;
        case QLockFile::PermissionError:
            *error = QStringLiteral("%1 is read-only").arg(m_userDir);
            break;
        default:
            *error = QStringLiteral("cannot write in %1; the disk may be full").arg(m_userDir);
            break;
        }
        return false;
    }
    return SeedConfig(error) && SeedLang(error);
}

bool UserDataFolder::SeedConfig(QString* error)
{
    const QDir shipped(m_installedDir + QLatin1Char('/') + kConfig);
    const QDir local(m_userDir + QLatin1Char('/') + kConfig);
    const int shippedVersion = IndexVersion(shipped.filePath(kIndex));
    const int localVersion = IndexVersion(local.filePath(kIndex));
    // A newer shipped index brings its layouts along; otherwise the local files stay and only
    // layouts the folder lacks are added.
    const bool replace = shippedVersion > localVersion;
    qCDebug(lcApp) << "Seed config" << shippedVersion << localVersion << replace;
    const QStringList layouts = shipped.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    for (const QString& name : layouts) {
        if (name == kIndex)
            continue;
        if ((replace || !local.exists(name)) && !CopyFile(shipped.filePath(name), local.filePath(name), error))
            return false;
    }
    // The index goes last, so an index never names a layout that is not there yet.
    if (replace && !CopyFile(shipped.filePath(kIndex), local.filePath(kIndex), error))
        return false;
    return true;
}

bool UserDataFolder::SeedLang(QString* error)
{
    const QDir shipped(m_installedDir + QLatin1Char('/') + kLang);
    const QDir local(m_userDir + QLatin1Char('/') + kLang);
    for (const QString& name : shipped.entryList({QStringLiteral("*.qm")}, QDir::Files, QDir::Name)) {
        if (!CopyFile(shipped.filePath(name), local.filePath(name), error))
            return false;
    }
    return true;
}

bool UserDataFolder::CopyFile(const QString& from, const QString& to, QString* error)
{
    QByteArray content;
    if (LocalFile::Read(from, kMaxSeedFileSize, &content) != LocalFile::Result::Ok) {
        *error = QStringLiteral("cannot read %1").arg(from);
        return false;
    }
    // A file that already holds the same bytes is left alone; a link is replaced, whatever it names.
    QByteArray present;
    if (!QFileInfo(to).isSymLink() && LocalFile::Read(to, kMaxSeedFileSize, &present) == LocalFile::Result::Ok
        && present == content)
        return true;
    return LocalFile::Replace(to, content, error);
}
