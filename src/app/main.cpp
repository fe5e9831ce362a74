#include "about/AboutDialog.h"
#include "app/DeviceManager.h"
#include "app/LoadTranslator.h"
#include "ui/IconHelper.h"

#include <QApplication>

#include <hidapi.h>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The names under which the main window's size and place are remembered.
    QCoreApplication::setOrganizationName(QStringLiteral("nova-driver"));
    QCoreApplication::setApplicationName(QStringLiteral("driver"));
    // Message boxes and dialogs take the program's picture as well.
    QApplication::setWindowIcon(IconHelper::WindowIcon());
    hid_init();
    LoadTranslator();
    int result = 0;
    {
        AboutDialog::SetStoreUrl(AboutDialog::DefaultStoreUrl());
        DeviceManager manager(nullptr, DeviceManager::DefaultUpdateUrl());
        manager.show();
        result = app.exec();
    }
    hid_exit();
    return result;
}
