#include "app/DeviceIndex.h"

#include "app/AppLog.h"
#include "ui/LocalFile.h"
#include "ui/PlainName.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

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
    // Shown in titles, lists and on terminals: as text, whatever the index (or the server) sent.
    entry.name = PlainName::Of(object.value(QStringLiteral("name")).toString());
    if (withTypes) {
        const QJsonArray types = object.value(QStringLiteral("type")).toArray();
        for (const QJsonValue& type : types)
            entry.types.append(type.toString());
    }
    return entry;
}

// The layout files may not replace the index, nor each other on a file system that ignores case.
bool LayoutNamesUsable(const QList<DeviceIndex::LayoutLocation>& layouts)
{
    QSet<QString> seen {QStringLiteral("index")};
    for (const DeviceIndex::LayoutLocation& layout : layouts) {
        const QString folded = layout.name.toCaseFolded();
        if (!DeviceIndex::IsPlainFileName(layout.name) || seen.contains(folded)) {
            qCDebug(lcApp) << "layout name refused" << layout.name;
            return false;
        }
        seen.insert(folded);
    }
    return true;
}

// An empty prefix stays inside ./config/; any other must be a plain file name.
bool PrefixesUsable(const QList<DeviceEntry>& entries)
{
    for (const DeviceEntry& entry : entries) {
        if (!entry.prefix.isEmpty() && !DeviceIndex::IsPlainFileName(entry.prefix)) {
            qCDebug(lcApp) << "prefix refused" << entry.prefix;
            return false;
        }
    }
    return true;
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
    DeviceIndex parsed;
    parsed.priver = tdu1(root.value(QStringLiteral("priver")).toInt());
    parsed.subver = tdu1(root.value(QStringLiteral("subver")).toInt());
    qCDebug(lcApp) << "Local Keymap Index Json Version" << parsed.priver << parsed.subver;

    const QJsonArray demoArray = root.value(QStringLiteral("demo")).toArray();
    for (int i = 0; i < demoArray.size(); i++) {
        parsed.demo.append(ReadEntry(demoArray.at(i).toObject(), true));
        qCDebug(lcApp) << "Type List" << i << parsed.demo.last().types;
    }
    const QJsonArray instArray = root.value(QStringLiteral("inst")).toArray();
    for (int i = 0; i < instArray.size(); i++) {
        parsed.inst.append(ReadEntry(instArray.at(i).toObject(), false));
        qCDebug(lcApp) << "Inst" << i;
    }
    const QJsonArray keymapArray = root.value(QStringLiteral("keymap")).toArray();
    for (const QJsonValue& value : keymapArray) {
        const QJsonObject object = value.toObject();
        parsed.keymaps.append(
            {object.value(QStringLiteral("name")).toString(), object.value(QStringLiteral("url")).toString()});
    }
    if (!PrefixesUsable(parsed.inst) || !PrefixesUsable(parsed.demo) || !LayoutNamesUsable(parsed.keymaps))
        return false;
    *this = parsed;
    return true;
}

bool DeviceIndex::IsPlainFileName(const QString& name)
{
    if (name.isEmpty() || name.size() > kMaxNameLength || name.startsWith(QLatin1Char('.')))
        return false;
    // Separators and the characters Windows gives a meaning in paths (drives, streams, devices).
    static const QString kForbidden = QStringLiteral("/\\:*?\"<>|");
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format || kForbidden.contains(c))
            return false;
    }
    // Trailing dots and spaces are dropped by Windows, so "NOVA_0." would be another name there.
    return !name.endsWith(QLatin1Char('.')) && !name.endsWith(QLatin1Char(' '));
}
