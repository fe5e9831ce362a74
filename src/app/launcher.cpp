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
    argv[0] = program.data();
    ::execv(program.constData(), argv);
    std::perror("nova-driver: cannot start the program");
    return 1;
}
