#pragma once

// Builds the keymap editor page the way the main window does: a layout file is read, the
// page's panel filled, the layout's codes stored in all four keymaps, then the page set up.

#include "device/Protocol.h"
#include "keymap/KeymapDialog.h"
#include "layout/KeyCap.h"
#include "layout/KeyPannel.h"
#include "layout/LayoutFile.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QToolButton>

#include <functional>
#include <memory>

namespace KeymapPageFixture {

// Default code of a cell on a layer of a generated layout: letters on layer 1, digits on
// layer 2, F-keys on layer 3, the see-through key on layer 4.
inline tdu2 GridCode(int layer, int row, int col, int cols)
{
    const int index = row * cols + col;
    switch (layer) {
    case 0:
        return static_cast<tdu2>(4 + index % 26);
    case 1:
        return static_cast<tdu2>(30 + index % 10);
    case 2:
        return static_cast<tdu2>(58 + index % 12);
    default:
        return 3;
    }
}

// Writes a layout of rows x cols 1u keys, every cell a key, at 40 pixels per unit.
inline bool WriteGridLayout(const QString& path, int rows, int cols)
{
    const int cappix = 40;
    QJsonArray keys;
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < cols; ++col) {
            QJsonArray codes;
            for (int layer = 0; layer < Protocol::kLayerCount; ++layer) {
                codes.append(GridCode(layer, row, col, cols));
            }
            keys.append(QJsonObject {{"row", row}, {"col", col}, {"valid", true}, {"gap", 0}, {"width", 100},
                {"height", 100}, {"keycode", codes}, {"iledflag", false}});
        }
    }
    QJsonArray rowgap;
    for (int row = 0; row < rows; ++row) {
        rowgap.append(0);
    }
    const QJsonObject root {{"rownum", rows}, {"colnum", cols}, {"cappix", cappix}, {"marpix", 4}, {"fontsize", 9},
        {"pannelwidth", cols * cappix + 20}, {"pannelheight", rows * cappix + 20}, {"keyboardtype", 0},
        {"firmware", "https://example.invalid/"}, {"rowgap", rowgap}, {"keys", keys}};
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    return file.write(QJsonDocument(root).toJson()) > 0;
}

// A set-up page for the layout file at path, or null when the file does not load.
inline std::unique_ptr<KeymapDialog> MakePage(const QString& layoutPath, const QString& keyboardName)
{
    const LayoutDescription layout = LayoutFile::Read(layoutPath);
    if (!layout.ok) {
        return nullptr;
    }
    std::unique_ptr<KeymapDialog> page(new KeymapDialog());
    LayoutFile::FillPannel(page->Pannel(), layout, LayoutFile::PannelRole::Keymap);
    page->SetLayoutCodes(layout);
    page->SetupPannel();
    page->SetKeyboardName(keyboardName);
    return page;
}

inline QToolButton* Button(QWidget* root, const QString& name)
{
    return root->findChild<QToolButton*>(name);
}

// Caps of the panel that are checked, as row * 100 + col.
inline QList<int> CheckedCaps(KeyPannel* pannel)
{
    QList<int> checked;
    for (int row = 0; row < pannel->RowNum(); ++row) {
        for (int col = 0; col < pannel->ColNum(); ++col) {
            KeyCap* cap = pannel->Cap(row, col);
            if (cap != nullptr && cap->Button()->isChecked()) {
                checked.append(row * 100 + col);
            }
        }
    }
    return checked;
}

} // namespace KeymapPageFixture
