#include "about/AboutDialog.h"
#include "app/DeviceManager.h"
#include "app/LoadTranslator.h"

#include <QApplication>

#include <hidapi.h>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
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
