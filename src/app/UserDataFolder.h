#pragma once

#include <QString>

// The per-user working folder of an installed program ($XDG_DATA_HOME/nova-driver): the program
// reads ./config, ./Lang and ./Store of its working folder, and an installed copy cannot write
// beside itself. Seeding fills the folder from the installed files without losing what the user
// has: a local device index is replaced only by a shipped one of a higher version, layout files
// that a newer local index brought stay, and translations follow the installed program. Only files
// that differ are written, and never through a symbolic link.
class UserDataFolder final
{
public:
    enum class Readiness {
        // Seeded: the folder holds the installed files.
        Ready,
        // Could not be refreshed (read-only, full, locked...), but holds a device index to start on.
        Stale,
        // Could not be prepared and holds nothing to start on.
        Unusable,
    };

    UserDataFolder(const QString& installedDir, const QString& userDir);

    // Seeds the folder and says whether the program can start in it; *message says why it could
    // not be refreshed (empty when Ready).
    Readiness Prepare(QString* message);

    // Creates and seeds the user folder. Two programs starting at once take turns through a lock
    // file, and every file is replaced atomically. False with a reason when the folder cannot be
    // prepared.
    bool Seed(QString* error);

    // The per-user folder for this user, following $XDG_DATA_HOME.
    static QString DefaultUserDir();
    // Where a restore keeps the copies of what the keyboard held before it.
    static QString RestoreCopiesDir();
    // Where the key tester keeps how often each key was pressed.
    static QString KeyUseFile();

    // The index version as one number, the way the online update compares versions.
    static int VersionValue(int priver, int subver);

private:
    bool SeedConfig(QString* error);
    bool SeedLang(QString* error);
    // Makes the folder name under the user folder; refuses one that is a symbolic link.
    bool MakeFolder(const QString& name, QString* error);
    static bool CopyFile(const QString& from, const QString& to, QString* error);

    QString m_installedDir;
    QString m_userDir;
};
