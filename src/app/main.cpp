#include "about/AboutDialog.h"
#include "app/CommandLine.h"
#include "app/DeviceManager.h"
#include "app/LoadTranslator.h"
#include "ui/IconHelper.h"
#include "ui/Palette.h"

#include <QApplication>
#include <QLoggingCategory>

#include <hidapi.h>

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; i++)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    // Debug lines are for whoever asks for them (--verbose, or QT_LOGGING_RULES, which wins over
    // this): a window started from a terminal and every command-line run print nothing else.
    QLoggingCategory::setFilterRules(arguments.contains(QStringLiteral("--verbose"))
            ? QStringLiteral("driver.*.debug=true")
            : QStringLiteral("*.debug=false\n*.info=false"));
    // The command line needs no display: no GUI application is made for it.
    if (CommandLine::Wanted(arguments)) {
        QCoreApplication app(argc, argv);
        hid_init();
        LoadTranslator();
        const int result = CommandLine::Run(QCoreApplication::arguments());
        hid_exit();
        return result;
    }
    QApplication app(argc, argv);
    // The names under which the main window's size and place are remembered.
    QCoreApplication::setOrganizationName(QStringLiteral("nova-driver"));
    QCoreApplication::setApplicationName(QStringLiteral("driver"));
    // The windows' class is the application's name, which the desktop file's StartupWMClass names;
    // on Wayland the desktop file's own name does that.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.example.NovaDriver"));
    Palette::ApplyProgramLook();
    hid_init();
    LoadTranslator();
    int result = 0;
    {
        AboutDialog::SetStoreUrl(AboutDialog::DefaultStoreUrl());
        DeviceManager manager(nullptr, DeviceManager::DefaultUpdateUrl());
        // Every window, message box and dialog takes the program's picture from then on.
        IconHelper::SetWindowIconAfterFirstPaint(&manager);
        manager.show();
        result = app.exec();
    }
    hid_exit();
    return result;
}
