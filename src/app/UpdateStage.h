#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

// The files of an online update, gathered in a staging folder inside the config folder and
// switched in together: every old file is moved aside into the stage before its new one takes its
// place, and a step that fails puts back every file already switched. The local files are the
// old set or the new one, never a mix; an update that failed is tried again at the next start,
// since the index there still has the old version.
class UpdateStage final
{
    Q_DECLARE_TR_FUNCTIONS(UpdateStage)

public:
    // Moves a file within the config folder, replacing what is there; empty when it was moved,
    // else the system's reason.
    using Rename = std::function<QString(const QString& from, const QString& to)>;

    explicit UpdateStage(const QString& configDir, Rename rename = SystemRename);

    // Starts an empty stage; false with the reason when the staging folder cannot be made.
    bool Begin(QString* error);
    // Keeps the checked layout file name (without ".json") until Commit.
    bool Add(const QString& name, const QByteArray& content, QString* error);
    // Stages index beside the layouts kept and switches them all in, or none of them: false with
    // the file and the system's reason for the user. The stage is gone afterwards.
    bool Commit(const QByteArray& index, QString* error);
    // Drops the stage and whatever it kept; the config folder stays as it was.
    void Discard();

    static QString SystemRename(const QString& from, const QString& to);

private:
    QString StagedPath(const QString& name) const;
    QString TargetPath(const QString& name) const;
    QString AsidePath(const QString& name) const;
    // Switches the staged files of names in; on failure puts the config folder back as it was.
    bool SwitchIn(const QStringList& names, QString* error);
    // Undoes the switch of the first hadOld.size() names, the last of which may be half done.
    void RollBack(const QStringList& names, const QVector<bool>& hadOld, QString* error);

    QString m_configDir;
    QString m_stageDir;
    QStringList m_names;
    Rename m_rename;
};
