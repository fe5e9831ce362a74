#pragma once

#include "device/DeviceTypes.h"

#include <QString>
#include <QStringList>

// One keyboard model of the device index.
struct DeviceEntry
{
    tdu2 pid = 0;
    qint16 width = 0;
    qint16 height = 0;
    QString prefix;
    QString name;
    // Demo models only: names of the keymap types; the position is the type number.
    QStringList types;
};
