#include "app/DeviceIndex.h"

#include "app/AppLog.h"
#include "ui/LocalFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
// A real index is a few kilobytes; anything far larger is not one.
constexpr qint64 kMaxIndexSize = 1024 * 1024;

DeviceEntry ReadEntry(const QJsonObject& object, bool withTypes)
{
    DeviceEntry entry;
    entry.pid = tdu2(object.value(QStringLiteral("pid")).toInt());
    entry.width = qint16(object.value(QStringLiteral("width")).toInt());
    entry.height = qint16(object.value(QStringLiteral("height")).toInt());
    entry.prefix = object.value(QStringLiteral("prefix")).toString();
    entry.name = object.value(QStringLiteral("name")).toString();
    if (withTypes) {
        const QJsonArray types = object.value(QStringLiteral("type")).toArray();
        for (const QJsonValue& type : types)
            entry.types.append(type.toString());
    }
    return entry;
}
} // namespace

bool DeviceIndex::Load(const QString& path)
{
    qCDebug(lcApp) << "Load Local Keymap Index Json File";
    QByteArray json;
    if (LocalFile::Read(path, kMaxIndexSize, &json) != LocalFile::Result::Ok) {
        qCDebug(lcApp) << "Load Keymap Index Json File Fail";
        return false;
    }
    return Parse(json);
}

bool DeviceIndex::Parse(const QByteArray& json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        qCDebug(lcApp) << "json error!";
        return false;
    }
    const QJsonObject root = document.object();
    priver = tdu1(root.value(QStringLiteral("priver")).toInt());
    subver = tdu1(root.value(QStringLiteral("subver")).toInt());
    qCDebug(lcApp) << "Local Keymap Index Json Version" << priver << subver;

    demo.clear();
    const QJsonArray demoArray = root.value(QStringLiteral("demo")).toArray();
    for (int i = 0; i < demoArray.size(); i++) {
        demo.append(ReadEntry(demoArray.at(i).toObject(), true));
        qCDebug(lcApp) << "Type List" << i << demo.last().types;
    }
    inst.clear();
    const QJsonArray instArray = root.value(QStringLiteral("inst")).toArray();
    for (int i = 0; i < instArray.size(); i++) {
        inst.append(ReadEntry(instArray.at(i).toObject(), false));
        qCDebug(lcApp) << "Inst" << i;
    }
    keymaps.clear();
    const QJsonArray keymapArray = root.value(QStringLiteral("keymap")).toArray();
    for (const QJsonValue& value : keymapArray) {
        const QJsonObject object = value.toObject();
        keymaps.append(
            {object.value(QStringLiteral("name")).toString(), object.value(QStringLiteral("url")).toString()});
    }
    return true;
}
