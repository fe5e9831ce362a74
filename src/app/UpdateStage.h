#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The files of an online update, gathered in a staging folder inside the config folder and put in
// place together, the layouts first and the index last: the local files are the old set or the new
// one, and an update cut short is tried again at the next start, since the index there still has
// the old version.
class UpdateStage final
{
public:
    explicit UpdateStage(const QString& configDir);

    // Starts an empty stage; false with the reason when the staging folder cannot be made.
    bool Begin(QString* error);
    // Keeps the checked layout file name (without ".json") until Commit.
    bool Add(const QString& name, const QByteArray& content, QString* error);
    // Replaces the layouts kept, then the index with index; the stage is gone afterwards.
    bool Commit(const QByteArray& index, QString* error);
    // Drops the stage and whatever it kept; the config folder stays as it was.
    void Discard();

private:
    QString StagedPath(const QString& name) const;

    QString m_configDir;
    QString m_stageDir;
    QStringList m_names;
};
