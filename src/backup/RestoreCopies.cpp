#include "backup/RestoreCopies.h"

#include "backup/BackupFile.h"
#include "backup/BackupLog.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

namespace {
const QString kPrefix = QStringLiteral("before-restore-");
const QString kSuffix = QStringLiteral(".json");
} // namespace

RestoreCopies::RestoreCopies(const QString& folder)
    : m_folder(folder)
{ }

QStringList RestoreCopies::Paths() const
{
    const QDir folder(m_folder);
    QStringList paths;
    // The names carry the time with a fixed width, so their order is the order they were taken.
    for (const QString& name : folder.entryList({kPrefix + QLatin1Char('*') + kSuffix}, QDir::Files, QDir::Name))
        paths.append(folder.filePath(name));
    return paths;
}

QString RestoreCopies::Save(const KeyboardBackup& current, QString* error) const
{
    if (!QDir().mkpath(m_folder)) {
        *error
            = tr("The folder %1 for the copy of the keyboard cannot be made.").arg(QDir::toNativeSeparators(m_folder));
        return QString();
    }
    const QDir folder(m_folder);
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    QString path = folder.filePath(kPrefix + stamp + kSuffix);
    for (int n = 2; QFile::exists(path); n++)
        path = folder.filePath(kPrefix + stamp + QStringLiteral("-%1").arg(n) + kSuffix);
    if (!BackupFile::Save(path, current, error))
        return QString();
    QStringList paths = Paths();
    while (paths.size() > kKept) {
        const QString oldest = paths.takeFirst();
        if (oldest != path)
            QFile::remove(oldest);
    }
    qCDebug(lcBackup) << "Restore Copy" << path;
    return path;
}
