#pragma once

#include <QCoreApplication>
#include <QStringList>

// The program without a window: lists the plugged keyboards, backs a whole keyboard up to a file
// or restores one from a file and verifies it. Needs no display. Exit status 0 on success; on
// failure 1 to 6 with a one-line reason on stderr.
class CommandLine final
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    enum Exit {
        Done = 0,
        Failed = 1,
        Usage = 2,
        NoKeyboard = 3,
        BadFile = 4,
        KeyboardFailed = 5,
        NotVerified = 6,
    };

    // True when the arguments ask for the command line rather than the window.
    static bool Wanted(const QStringList& arguments);
    // The exit statuses, as --help and the manual page list them.
    static QString ExitStatusText();
    // Runs the command; a QCoreApplication must exist. Output goes to out and err.
    static int Run(const QStringList& arguments, FILE* out = stdout, FILE* err = stderr);
};
