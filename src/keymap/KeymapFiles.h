#pragma once

#include "keymap/KeymapFile.h"

#include <QCoreApplication>
#include <QString>

#include <functional>

class KeymapStore;
class QWidget;

// Keymaps to and from files the user picks: the file dialogs, and what to tell the user.
class KeymapFiles final
{
    Q_DECLARE_TR_FUNCTIONS(KeymapFiles)

public:
    KeymapFiles() = delete;

    struct Outcome
    {
        // Saved or loaded; false also when the user cancelled (then text is empty).
        bool done = false;
        QString text;
    };

    // Asks where, and saves keymap of store there.
    static Outcome Save(QWidget* parent, const QString& keyboardName, const KeymapStore& store, int keymap);
    // Asks which file, and has load read it (the page makes that one undoable step).
    static Outcome Load(QWidget* parent, const std::function<KeymapFile::LoadResult(const QString& path)>& load);
};
