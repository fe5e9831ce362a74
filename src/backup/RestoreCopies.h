#pragma once

#include "backup/KeyboardBackup.h"

#include <QCoreApplication>
#include <QString>

// Before a restore writes anything, what the keyboard held is saved in a folder of the user's, so
// that the restore can always be undone: one backup file a restore, named by the time it was
// taken, the newest few kept.
class RestoreCopies final
{
    Q_DECLARE_TR_FUNCTIONS(RestoreCopies)

public:
    static constexpr int kKept = 5;

    explicit RestoreCopies(const QString& folder);

    const QString& Folder() const
    {
        return m_folder;
    }
    // Saves current as a new copy and drops the oldest beyond kKept; the copy's path, or an empty
    // string with the reason in *error (then the restore must not begin).
    QString Save(const KeyboardBackup& current, QString* error) const;
    // The copies there are, oldest first.
    QStringList Paths() const;

private:
    QString m_folder;
};
