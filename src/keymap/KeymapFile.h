#pragma once

#include <QCoreApplication>
#include <QString>

class KeymapStore;

// One keymap (all four layers) as an XML file: the keyboard's name, the grid size and every code.
// A file made for one keyboard or grid is refused by another.
class KeymapFile final
{
    Q_DECLARE_TR_FUNCTIONS(KeymapFile)

public:
    enum LoadResult {
        // Not opened, not well-formed, or not a file this program would ever write: no message.
        NotRead,
        // Read, but made for another keyboard or grid or out of order: "Failed to Load Keymap File".
        Refused,
        // The keymap now holds the file's codes.
        Loaded,
    };

    // Largest file Load reads; a 7 x 21 keymap is about 40 KB.
    static constexpr qint64 kMaxFileSize = 1024 * 1024;
    // Deepest element nesting Load accepts; a keymap file nests five deep.
    static constexpr int kMaxDepth = 8;

    // Writes the store's keymap; an existing file is replaced only by a complete new one. On
    // failure returns false with the reason in *error and leaves any existing file as it was.
    static bool Save(
        const QString& path, const QString& keyboardName, const KeymapStore& store, int keymap, QString* error);

    // Reads a file into the store's keymap, which changes only when the whole file was read.
    static LoadResult Load(const QString& path, const QString& keyboardName, KeymapStore& store, int keymap);
};
