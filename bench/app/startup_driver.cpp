// The program's start-up, ending as soon as the Device Manager has been shown.
#include "app/DeviceManager.h"
#include "app/LoadTranslator.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <hidapi.h>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    hid_init();
    LoadTranslator();
    DeviceManager manager;
    manager.show();
    QTimer::singleShot(0, [] {
        std::puts("shown");
        std::fflush(stdout);
        QCoreApplication::quit();
    });
    const int result = app.exec();
    hid_exit();
    return result;
}
