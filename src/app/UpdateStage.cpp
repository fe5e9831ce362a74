#include "app/UpdateStage.h"

#include "app/AppLog.h"
#include "ui/LocalFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstdio>
#else
#include <filesystem>
#include <system_error>
#endif

namespace {
// Hidden, and no layout name may start with a dot, so it never meets a file of the index.
const QString kStageFolder = QStringLiteral(".update");
// Inside the stage: the old files while the new ones are switched in.
const QString kAsideFolder = QStringLiteral("old");
// No layout may be named so (the index refuses it), so the index goes where the layouts go.
const QString kIndexName = QStringLiteral("index");
const QString kSuffix = QStringLiteral(".json");

QString Shown(const QString& path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

// A dangling link is there too, though QFileInfo::exists() says not.
bool Present(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}
} // namespace

UpdateStage::UpdateStage(const QString& configDir, Rename rename)
    : m_configDir(configDir)
    , m_stageDir(QDir(configDir).filePath(kStageFolder))
    , m_rename(std::move(rename))
{ }

QString UpdateStage::SystemRename(const QString& from, const QString& to)
{
#ifdef Q_OS_UNIX
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return QString();
    return qt_error_string(errno);
#else
    std::error_code error;
    std::filesystem::rename(from.toStdWString(), to.toStdWString(), error);
    return error ? QString::fromLocal8Bit(error.message().c_str()) : QString();
#endif
}

bool UpdateStage::Begin(QString* error)
{
    Discard();
    const QString aside = QDir(m_stageDir).filePath(kAsideFolder);
    if (!QDir().mkpath(aside) || !QFileInfo(m_stageDir).isWritable()) {
        *error = QStringLiteral("cannot create %1").arg(m_stageDir);
        return false;
    }
    return true;
}

QString UpdateStage::StagedPath(const QString& name) const
{
    return QDir(m_stageDir).filePath(name + kSuffix);
}

QString UpdateStage::TargetPath(const QString& name) const
{
    return QDir(m_configDir).filePath(name + kSuffix);
}

QString UpdateStage::AsidePath(const QString& name) const
{
    return QDir(m_stageDir).filePath(kAsideFolder + QLatin1Char('/') + name + kSuffix);
}

bool UpdateStage::Add(const QString& name, const QByteArray& content, QString* error)
{
    if (!LocalFile::Replace(StagedPath(name), content, error))
        return false;
    m_names.append(name);
    return true;
}

bool UpdateStage::Commit(const QByteArray& index, QString* error)
{
    // The index goes last, so that it never names a layout that is not there yet.
    const QStringList names = QStringList(m_names) << kIndexName;
    const bool switched = LocalFile::Replace(StagedPath(kIndexName), index, error) && SwitchIn(names, error);
    if (switched) {
        for (const QString& name : qAsConst(m_names))
            qCDebug(lcApp).noquote() << QStringLiteral("Keymap Json File ") + name + QStringLiteral(" Update Success");
    }
    // Once all are switched the old copies in the stage go with it.
    Discard();
    return switched;
}

bool UpdateStage::SwitchIn(const QStringList& names, QString* error)
{
    // What would stop a file from being replaced is found before any is.
    for (const QString& name : names) {
        const QFileInfo target(TargetPath(name));
        if (target.exists() && !target.isSymLink() && !target.isFile()) {
            *error = tr("%1 is not a regular file").arg(Shown(target.filePath()));
            return false;
        }
    }
    QVector<bool> hadOld;
    for (const QString& name : names) {
        const bool present = Present(TargetPath(name));
        if (present) {
            const QString reason = m_rename(TargetPath(name), AsidePath(name));
            if (!reason.isEmpty()) {
                *error = tr("%1 could not be moved aside: %2").arg(Shown(TargetPath(name)), reason);
                RollBack(names, hadOld, error);
                return false;
            }
        }
        hadOld.append(present);
        const QString reason = m_rename(StagedPath(name), TargetPath(name));
        if (!reason.isEmpty()) {
            *error = tr("%1 could not be put in place: %2").arg(Shown(TargetPath(name)), reason);
            RollBack(names, hadOld, error);
            return false;
        }
    }
    return true;
}

void UpdateStage::RollBack(const QStringList& names, const QVector<bool>& hadOld, QString* error)
{
    for (int i = hadOld.size() - 1; i >= 0; --i) {
        const QString target = TargetPath(names.at(i));
        QString reason;
        if (hadOld.at(i)) {
            reason = m_rename(AsidePath(names.at(i)), target);
        } else if (Present(target)) {
            QFile added(target);
            if (!added.remove())
                reason = added.errorString();
        }
        if (!reason.isEmpty()) {
            qCDebug(lcApp) << "Update Roll Back Failed" << target << reason;
            *error = tr("%1, and %2 could not be restored: %3").arg(*error, Shown(target), reason);
        }
    }
}

void UpdateStage::Discard()
{
    m_names.clear();
    // A link in its place is removed, never followed into the folder it names.
    if (QFileInfo(m_stageDir).isSymLink())
        QFile::remove(m_stageDir);
    else
        QDir(m_stageDir).removeRecursively();
}
