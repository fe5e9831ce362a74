#pragma once

#include "layout/LayoutDescription.h"

#include <QByteArray>
#include <QString>

class KeyPannel;

// Reads layout description files and fills key panels from them.
class LayoutFile final
{
public:
    // What a panel lets the user select.
    enum class PannelRole {
        Keymap, // every key
        Indicator, // exactly the keys with an indicator LED
        Length, // none
    };

    // Larger files are refused unread; real layouts are a few dozen kilobytes.
    static constexpr qint64 kMaxFileSize = 1024 * 1024;

    // "config/" + prefix + "_" + keymap type + ".json", relative to the working directory.
    static QString FileName(const QString& prefix, int keymapType);

    static LayoutDescription Read(const QString& path);
    static LayoutDescription Parse(const QByteArray& json);

    // Hands the description to one panel through its own setters, in file order, so entries
    // outside the panel's grid are dropped there too.
    static void FillPannel(KeyPannel* pannel, const LayoutDescription& layout, PannelRole role);
};
