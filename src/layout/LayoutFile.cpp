#include "layout/LayoutFile.h"

#include "layout/KeyPannel.h"
#include "layout/LayoutLog.h"
#include "ui/LocalFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <limits>

namespace {
// A number that fits [0, max]; anything else (missing, not a number, out of range) is -1.
int ReadNumber(const QJsonValue& value, int max)
{
    if (!value.isDouble()) {
        return -1;
    }
    const int number = value.toInt(-1);
    return (number >= 0 && number <= max) ? number : -1;
}

// "rownum" and "colnum": a value that is no whole number reads as 0 (an empty grid); only a number
// beyond the panels' fixed grid is -1.
int ReadGridSize(const QJsonValue& value, int max)
{
    if (!value.isDouble()) {
        return 0;
    }
    if (value.toDouble() > max) {
        return -1;
    }
    return qMax(value.toInt(0), 0);
}

// Missing, non-numeric and unrepresentable values read as 0.
tdu1 ReadU8(const QJsonValue& value)
{
    return static_cast<tdu1>(qMax(ReadNumber(value, std::numeric_limits<tdu1>::max()), 0));
}

tdu2 ReadU16(const QJsonValue& value)
{
    return static_cast<tdu2>(qMax(ReadNumber(value, std::numeric_limits<tdu2>::max()), 0));
}

bool ReadKey(const QJsonObject& entry, tdu1 rownum, tdu1 colnum, LayoutKey* key)
{
    // A missing row or column reads as 0; one that is not a usable index drops the entry.
    const QJsonValue rowValue = entry.value(QLatin1String("row"));
    const QJsonValue colValue = entry.value(QLatin1String("col"));
    const int row = rowValue.isUndefined() ? 0 : ReadNumber(rowValue, std::numeric_limits<tdu1>::max());
    const int col = colValue.isUndefined() ? 0 : ReadNumber(colValue, std::numeric_limits<tdu1>::max());
    if (row < 0 || col < 0 || row >= rownum || col >= colnum) {
        qCDebug(lcLayout) << "key outside grid" << rowValue << colValue;
        return false;
    }
    key->row = static_cast<tdu1>(row);
    key->col = static_cast<tdu1>(col);
    key->valid = entry.value(QLatin1String("valid")).toBool();
    if (!key->valid) {
        return true;
    }
    key->gap = ReadU16(entry.value(QLatin1String("gap")));
    key->width = ReadU16(entry.value(QLatin1String("width")));
    key->height = ReadU16(entry.value(QLatin1String("height")));
    const QJsonArray codes = entry.value(QLatin1String("keycode")).toArray();
    for (int layer = 0; layer < Protocol::kLayerCount; ++layer) {
        key->keycode[layer] = layer < codes.size() ? ReadU16(codes.at(layer)) : 0;
    }
    key->iledflag = entry.value(QLatin1String("iledflag")).toBool();
    if (key->iledflag) {
        key->iledtype = ReadU8(entry.value(QLatin1String("iledtype")));
    }
    return true;
}
} // namespace

QString LayoutFile::FileName(const QString& prefix, int keymapType)
{
    return QStringLiteral("config/") + prefix + QLatin1Char('_') + QString::number(keymapType)
        + QStringLiteral(".json");
}

LayoutDescription LayoutFile::Read(const QString& path)
{
    qCDebug(lcLayout) << "Load Json File" << path;
    QByteArray data;
    switch (LocalFile::Read(path, kMaxFileSize, &data)) {
    case LocalFile::Result::Ok:
        break;
    case LocalFile::Result::TooLarge:
        qCDebug(lcLayout) << "layout file too large" << path;
        return LayoutDescription();
    default:
        qCDebug(lcLayout) << "could't open projects json";
        return LayoutDescription();
    }
    return Parse(data);
}

LayoutDescription LayoutFile::Parse(const QByteArray& json)
{
    LayoutDescription layout;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        qCDebug(lcLayout) << "json error!";
        return layout;
    }
    const QJsonObject root = document.object();

    const QJsonValue rowValue = root.value(QLatin1String("rownum"));
    const QJsonValue colValue = root.value(QLatin1String("colnum"));
    const int rownum = ReadGridSize(rowValue, KeyPannel::kRows);
    const int colnum = ReadGridSize(colValue, KeyPannel::kCols);
    if (rownum < 0 || colnum < 0) {
        // The panels hold at most 7 x 21 keys; a larger grid cannot be shown or transferred.
        qCDebug(lcLayout) << "grid too large";
        return layout;
    }
    layout.rownum = static_cast<tdu1>(rownum);
    layout.colnum = static_cast<tdu1>(colnum);

    layout.cappix = ReadU8(root.value(QLatin1String("cappix")));
    layout.marpix = ReadU8(root.value(QLatin1String("marpix")));
    layout.fontsize = ReadU8(root.value(QLatin1String("fontsize")));
    layout.pannelwidth = ReadU16(root.value(QLatin1String("pannelwidth")));
    layout.pannelheight = ReadU16(root.value(QLatin1String("pannelheight")));
    layout.keyboardtype = ReadU8(root.value(QLatin1String("keyboardtype")));
    qCDebug(lcLayout) << layout.pannelwidth << "Width";
    layout.firmware = root.value(QLatin1String("firmware")).toString();

    const QJsonArray rowgaps = root.value(QLatin1String("rowgap")).toArray();
    layout.rowgap.reserve(rowgaps.size());
    for (const QJsonValue& gap : rowgaps) {
        layout.rowgap.append(ReadU16(gap));
    }

    const QJsonArray keys = root.value(QLatin1String("keys")).toArray();
    layout.keys.reserve(keys.size());
    for (const QJsonValue& entry : keys) {
        if (!entry.isObject()) {
            qCDebug(lcLayout) << "key entry is not an object";
            continue;
        }
        LayoutKey key;
        if (ReadKey(entry.toObject(), layout.rownum, layout.colnum, &key)) {
            layout.keys.append(key);
        }
    }
    layout.ok = true;
    return layout;
}

void LayoutFile::FillPannel(KeyPannel* pannel, const LayoutDescription& layout, PannelRole role)
{
    if (pannel == nullptr || !layout.ok) {
        return;
    }
    pannel->SetRowCol(layout.rownum, layout.colnum);
    pannel->SetPannelParam(layout.cappix, layout.fontsize, layout.marpix, layout.pannelwidth, layout.pannelheight);
    for (int row = 0; row < layout.rowgap.size() && row < KeyPannel::kRows; ++row) {
        pannel->SetRowGap(static_cast<tdu1>(row), layout.rowgap.at(row));
    }
    for (const LayoutKey& key : layout.keys) {
        pannel->SetKeyValid(key.row, key.col, key.valid ? 1 : 0);
        if (!key.valid) {
            continue;
        }
        pannel->SetKeyGap(key.row, key.col, key.gap);
        pannel->SetKeyWidth(key.row, key.col, key.width);
        pannel->SetKeyHeight(key.row, key.col, key.height);
        tdu1 checkable = 0;
        switch (role) {
        case PannelRole::Keymap:
            checkable = 1;
            break;
        case PannelRole::Indicator:
            checkable = key.iledflag ? 1 : 0;
            break;
        case PannelRole::Length:
            checkable = 0;
            break;
        }
        pannel->SetKeyCheckable(key.row, key.col, checkable);
    }
}
