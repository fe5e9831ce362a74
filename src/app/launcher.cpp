// The installed program's entry: bin/nova-driver. It prepares the user's data folder from the
// installed files (share/nova-driver) and starts the program (lib/nova-driver/driver) in it, since
// the program works on ./config, ./Lang and ./Store of its working folder.

#include "app/UserDataFolder.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <unistd.h>

int main(int argc, char* argv[])
{
    QByteArray program;
    QByteArray userDir;
    {
        QCoreApplication app(argc, argv);
        // Paths relative to the launcher keep an unpacked or relocated package working.
        const QDir bin(QCoreApplication::applicationDirPath());
        const QString installed = QDir::cleanPath(bin.filePath(QStringLiteral("../share/nova-driver")));
        program = QFile::encodeName(QDir::cleanPath(bin.filePath(QStringLiteral("../lib/nova-driver/driver"))));
        const QString user = UserDataFolder::DefaultUserDir();
        userDir = QFile::encodeName(user);
        QString error;
        if (!UserDataFolder(installed, user).Seed(&error)) {
            std::fprintf(stderr, "nova-driver: %s\n", qPrintable(error));
            return 1;
        }
    }
    if (::chdir(userDir.constData()) != 0) {
        std::perror("nova-driver: cannot enter the data folder");
        return 1;
    }
    argv[0] = program.data();
    ::execv(program.constData(), argv);
    std::perror("nova-driver: cannot start the program");
    return 1;
}
