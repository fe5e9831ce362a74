#include "app/UpdateStage.h"

#include "app/AppLog.h"
#include "app/UpdateCheck.h"
#include "ui/LocalFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
// Hidden, and no layout name may start with a dot, so it never meets a file of the index.
const QString kStageFolder = QStringLiteral(".update");
const QString kIndexFile = QStringLiteral("index.json");
const QString kLayoutSuffix = QStringLiteral(".json");
} // namespace

UpdateStage::UpdateStage(const QString& configDir)
    : m_configDir(configDir)
    , m_stageDir(QDir(configDir).filePath(kStageFolder))
{ }

bool UpdateStage::Begin(QString* error)
{
    Discard();
    if (!QDir().mkpath(m_stageDir) || !QFileInfo(m_stageDir).isWritable()) {
        *error = QStringLiteral("cannot create %1").arg(m_stageDir);
        return false;
    }
    return true;
}

QString UpdateStage::StagedPath(const QString& name) const
{
    return QDir(m_stageDir).filePath(name + kLayoutSuffix);
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
    const QDir config(m_configDir);
    // What would keep the index from being replaced is found before any layout is replaced.
    const QString indexPath = config.filePath(kIndexFile);
    if (QFileInfo(indexPath).isDir() || !QFileInfo(m_configDir).isWritable()) {
        *error = QStringLiteral("cannot replace %1").arg(indexPath);
        Discard();
        return false;
    }
    for (const QString& name : qAsConst(m_names)) {
        QByteArray content;
        if (LocalFile::Read(StagedPath(name), UpdateCheck::kMaxFileSize, &content) != LocalFile::Result::Ok) {
            *error = QStringLiteral("cannot read %1").arg(StagedPath(name));
            Discard();
            return false;
        }
        if (!LocalFile::Replace(config.filePath(name + kLayoutSuffix), content, error)) {
            Discard();
            return false;
        }
        qCDebug(lcApp).noquote() << QStringLiteral("Keymap Json File ") + name + QStringLiteral(" Update Success");
    }
    const bool saved = LocalFile::Replace(indexPath, index, error);
    Discard();
    return saved;
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
