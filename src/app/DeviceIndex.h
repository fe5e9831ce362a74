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

    // Longest layout name or prefix taken; real ones are a dozen characters.
    static constexpr int kMaxNameLength = 64;

    // Reads and parses path; false (with the debug lines) when it cannot be opened or parsed,
    // leaving this index as it was.
    bool Load(const QString& path);
    // False, leaving this index as it was, for anything but a JSON object, and for an index whose
    // names would leave ./config/ or overwrite another file there: every layout name and model
    // prefix must be a plain file name, and no layout may be called "index" or share its name
    // with another when case is ignored (Windows and macOS file systems ignore it).
    bool Parse(const QByteArray& json);

    // A name that becomes "./config/" + name + ".json" (or + "_" + type + ".json") and so must stay
    // a plain file name there.
    static bool IsPlainFileName(const QString& name);

    tdu1 priver = 0;
    tdu1 subver = 0;
    QList<DeviceEntry> inst;
    QList<DeviceEntry> demo;
    QList<LayoutLocation> keymaps;
};
