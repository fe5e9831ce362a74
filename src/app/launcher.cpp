// The installed program's entry: bin/nova-driver. It prepares the user's data folder from the
// installed files (share/nova-driver) and starts the program (lib/nova-driver/driver) in it, since
// the program works on ./config, ./Lang and ./Store of its working folder.

#include "app/UserDataFolder.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QList>
#include <QLoggingCategory>

#include <cstdio>
#include <unistd.h>
#include <vector>

namespace {
// The program runs in the data folder: a backup file or a data folder named on the command line
// relative to where the user stands is made absolute first.
QList<QByteArray> WithAbsoluteFiles(int argc, char* argv[])
{
    QList<QByteArray> arguments;
    bool fileNext = false;
    for (int i = 0; i < argc; i++) {
        QByteArray argument(argv[i]);
        const QByteArray option = argument.split('=').first();
        const bool fileOption = option == "--backup" || option == "--restore" || option == "--data-dir";
        if (i > 0 && fileNext && !argument.startsWith('-'))
            argument = QFile::encodeName(QDir::current().absoluteFilePath(QFile::decodeName(argument)));
        else if (fileOption && argument.contains('='))
            argument = option + '='
                + QFile::encodeName(
                    QDir::current().absoluteFilePath(QFile::decodeName(argument.mid(option.size() + 1))));
        fileNext = fileOption && !argument.contains('=');
        arguments.append(argument);
    }
    return arguments;
}
} // namespace

int main(int argc, char* argv[])
{
    QByteArray program;
    QByteArray userDir;
    QList<QByteArray> arguments = WithAbsoluteFiles(argc, argv);
    {
        QCoreApplication app(argc, argv);
        // Quiet unless asked, as the program itself is.
        if (!arguments.contains("--verbose"))
            QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false\n*.info=false"));
        // Paths relative to the launcher keep an unpacked or relocated package working.
        const QDir bin(QCoreApplication::applicationDirPath());
        const QString installed = QDir::cleanPath(bin.filePath(QStringLiteral("../share/nova-driver")));
        program = QFile::encodeName(QDir::cleanPath(bin.filePath(QStringLiteral("../lib/nova-driver/driver"))));
        const QString user = UserDataFolder::DefaultUserDir();
        userDir = QFile::encodeName(user);
        QString message;
        switch (UserDataFolder(installed, user).Prepare(&message)) {
        case UserDataFolder::Readiness::Ready:
            break;
        case UserDataFolder::Readiness::Stale:
            // A read-only or full folder that holds what the program needs is no reason not to start.
            std::fprintf(stderr,
                "nova-driver: could not refresh the data folder (%s); starting with the files it holds\n",
                qPrintable(message));
            break;
        case UserDataFolder::Readiness::Unusable:
            std::fprintf(stderr, "nova-driver: %s\n", qPrintable(message));
            return 1;
        }
    }
    if (::chdir(userDir.constData()) != 0) {
        std::perror("nova-driver: cannot enter the data folder");
        return 1;
    }
    arguments[0] = program;
    std::vector<char*> pointers;
    for (QByteArray& argument : arguments)
        pointers.push_back(argument.data());
    pointers.push_back(nullptr);
    ::execv(program.constData(), pointers.data());
    std::perror("nova-driver: cannot start the program");
    return 1;
}
