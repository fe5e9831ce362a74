#pragma once

#include "backup/KeyboardBackup.h"

#include <QCoreApplication>
#include <QString>

// The backup file: one JSON document, read all or nothing. A file is checked whole (format,
// model, grid, every code, every macro, every setting) before anything is taken from it, and the
// message of a refused file says what is wrong and where.
class BackupFile final
{
    Q_DECLARE_TR_FUNCTIONS(BackupFile)

public:
    static constexpr qint64 kMaxFileSize = 1024 * 1024;
    // Version 2 keeps macro words that have no name raw; version 1 files are read as well.
    static constexpr int kVersion = 2;

    struct Result
    {
        bool ok = false;
        QString error;
        KeyboardBackup backup;
    };

    static QByteArray Serialize(const KeyboardBackup& backup);
    static Result Parse(const QByteArray& content);
    // Written whole or not at all; *savedPath (when given) says where: a link's target when path
    // is a symbolic link.
    static bool Save(const QString& path, const KeyboardBackup& backup, QString* error, QString* savedPath = nullptr);
    static Result Load(const QString& path);
};
