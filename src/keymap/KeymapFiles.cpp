#include "keymap/KeymapFiles.h"

#include "keymap/KeymapLog.h"
#include "ui/FileDialog.h"

#include <QFileInfo>

KeymapFiles::Outcome KeymapFiles::Save(
    QWidget* parent, const QString& keyboardName, const KeymapStore& store, int keymap)
{
    QString path = FileDialog::GetSaveFileName(
        parent, tr("Save Keymap File"), FileDialog::StartFolder(), QStringLiteral("*.xml"));
    if (path.isEmpty())
        return {};
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".xml");
    QString error;
    if (!KeymapFile::Save(path, keyboardName, store, keymap, &error))
        return {false, tr("Failed to Save Keymap File: %1").arg(error)};
    return {true, tr("Success to Save Keymap File.")};
}

KeymapFiles::Outcome KeymapFiles::Load(
    QWidget* parent, const std::function<KeymapFile::LoadResult(const QString& path)>& load)
{
    const QString path
        = FileDialog::GetOpenFileName(parent, tr("Load Keymap File"), FileDialog::StartFolder(), tr("XML文件(*.xml)"));
    qCDebug(lcKeymap) << path;
    if (path.isEmpty())
        return {};
    switch (load(path)) {
    case KeymapFile::Loaded:
        return {true, tr("Success to Load Keymap File")};
    case KeymapFile::Refused:
        return {false, tr("Failed to Load Keymap File")};
    case KeymapFile::NotRead:
        break;
    }
    // A file the user picked and that could not be read at all still gets an answer.
    return {false, tr("Failed to Load Keymap File: it cannot be read or is not a keymap file.")};
}
