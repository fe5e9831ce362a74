#pragma once

#include "app/DeviceEntry.h"

#include <QList>
#include <QString>

// The device index "./config/index.json": its version, the models usable with a connected
// keyboard, the models offered in demo mode and the layout files the online update fetches.
class DeviceIndex final
{
public:
    struct LayoutLocation
    {
        QString name;
        QString url;
    };

    // Reads and parses path; false (with the debug lines) when it cannot be opened or parsed,
    // leaving this index as it was.
    bool Load(const QString& path);
    bool Parse(const QByteArray& json);

    tdu1 priver = 0;
    tdu1 subver = 0;
    QList<DeviceEntry> inst;
    QList<DeviceEntry> demo;
    QList<LayoutLocation> keymaps;
};
