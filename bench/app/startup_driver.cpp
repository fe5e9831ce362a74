// The program's start-up as main() does it, the online update's server included, ending as soon
// as the Device Manager has been painted.
#include "FirstPaint.h"
#include "app/DeviceManager.h"
#include "app/LoadTranslator.h"
#include "ui/IconHelper.h"
#include "ui/Palette.h"

#include <QApplication>

#include <hidapi.h>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Palette::ApplyProgramLook();
    hid_init();
    LoadTranslator();
    DeviceManager manager(nullptr, DeviceManager::DefaultUpdateUrl());
    IconHelper::SetWindowIconAfterFirstPaint(&manager);
    FirstPaint painted(&manager);
    manager.show();
    const int result = app.exec();
    hid_exit();
    return result;
}
