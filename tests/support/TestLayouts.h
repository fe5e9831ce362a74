#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

// Small layout files and device indexes for tests.
namespace TestLayouts {

// The default code of key (r, c) of a Grid board on a layer.
inline int GridCode(int cols, int layer, int r, int c)
{
    return layer == 0 ? 4 + r * cols + c : layer == 1 ? 58 + c : 3;
}

// A rows x cols board of 1u keys carrying the GridCode of each layer; the first key has an
// indicator LED of function iledType.
inline QByteArray Grid(int rows, int cols, int iledType = 1, int keyboardType = 0)
{
    QJsonArray keys;
    for (int r = 0; r < rows; r++) {
        for (int c = 0; c < cols; c++) {
            QJsonObject key {{"row", r}, {"col", c}, {"valid", true}, {"gap", 0}, {"width", 100}, {"height", 100}};
            key.insert("keycode",
                QJsonArray {GridCode(cols, 0, r, c), GridCode(cols, 1, r, c), GridCode(cols, 2, r, c),
                    GridCode(cols, 3, r, c)});
            key.insert("iledflag", r == 0 && c == 0);
            key.insert("iledtype", iledType);
            keys.append(key);
        }
    }
    QJsonObject root {{"rownum", rows}, {"colnum", cols}, {"cappix", 50}, {"marpix", 5}, {"fontsize", 9},
        {"pannelwidth", cols * 50 + 20}, {"pannelheight", rows * 50 + 20}, {"keyboardtype", keyboardType},
        {"firmware", "http://127.0.0.1:1/fw/"}};
    root.insert("rowgap", QJsonArray {0, 0});
    root.insert("keys", keys);
    return QJsonDocument(root).toJson();
}

inline QJsonObject Entry(int pid, const QString& prefix, const QString& name)
{
    return QJsonObject {{"pid", pid}, {"width", 1280}, {"height", 800}, {"prefix", prefix}, {"name", name}};
}

} // namespace TestLayouts
