#include "device/DeviceTypes.h"

#include "device/CommandLedger.h"

#include <QByteArray>

void RegisterDeviceMetaTypes()
{
    qRegisterMetaType<tdu1>("tdu1");
    qRegisterMetaType<tdu2>("tdu2");
    qRegisterMetaType<tdu4>("tdu4");
    qRegisterMetaType<tdu1*>("tdu1*");
    qRegisterMetaType<CommandIntent>();
    qRegisterMetaType<CommandLedger::Entry>();
    qRegisterMetaType<QList<CommandLedger::Entry>>();
}
