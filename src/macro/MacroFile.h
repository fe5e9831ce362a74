#pragma once

#include "codec/MacroAction.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QVector>

// Macros as a small JSON file (described in the README): a format name and version, then each
// macro with its number (1 .. 32) and its actions, each a type ("down", "up", "delay") and a value
// (the key's virtual-key code or the milliseconds). A file is checked whole before anything of it
// is used, so a bad file changes nothing and the result says what is wrong with it.
class MacroFile final
{
    Q_DECLARE_TR_FUNCTIONS(MacroFile)

public:
    MacroFile() = delete;

    static constexpr int kFormatVersion = 1;
    // 32 full macros written by Save take about 200 KB.
    static constexpr qint64 kMaxFileSize = 512 * 1024;

    struct Macro
    {
        // 0 .. 31 (the file numbers macros from 1).
        int index = 0;
        QVector<MacroAction> actions;

        bool operator==(const Macro& other) const
        {
            return index == other.index && actions == other.actions;
        }
    };

    struct Result
    {
        bool ok = false;
        // What is wrong, for the user, when not ok.
        QString error;
        // In file order; each index at most once.
        QVector<Macro> macros;
    };

    // Reads a file's content; safe on any bytes.
    static Result Parse(const QByteArray& content);
    // The content Save writes; the macros must be valid (as Parse would accept them).
    static QByteArray Serialize(const QVector<Macro>& macros);

    // Reads a regular file of at most kMaxFileSize bytes and parses it.
    static Result Load(const QString& path);
    // An existing file is replaced only by a complete new one; on failure returns false with the
    // reason in *error and leaves any existing file as it was.
    static bool Save(const QString& path, const QVector<Macro>& macros, QString* error);
};
