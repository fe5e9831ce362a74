#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

// Small layout files and device indexes for tests.
namespace TestLayouts {

// A rows x cols board of 1u keys; key (r, c) carries code 4 + r * cols + c on layer 1 and
// 58 + c on layer 2; the first key has an indicator LED of function iledType.
inline QByteArray Grid(int rows, int cols, int iledType = 1, int keyboardType = 0)
{
    QJsonArray keys;
    for (int r = 0; r < rows; r++) {
        for (int c = 0; c < cols; c++) {
            QJsonObject key {{"row", r}, {"col", c}, {"valid", true}, {"gap", 0}, {"width", 100}, {"height", 100}};
            key.insert("keycode", QJsonArray {4 + r * cols + c, 58 + c, 3, 3});
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
