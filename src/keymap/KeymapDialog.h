#pragma once

#include "device/DeviceTypes.h"
#include "keymap/KeymapPickers.h"
#include "keymap/KeymapStore.h"

#include <QList>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class CommandClient;
class KeyboardModel;
class KeymapTransfer;
class KeyCodeSearchPannel;
class KeymapLayerMenu;
class KeymapLiveMode;
class KeymapLiveSwitches;
class KeyCap;
class KeyPannel;
class KeymapDiffOverlay;
class KeymapPageChart;
struct LayoutDescription;
class QAction;
class QMenu;
class QToolButton;
class QUndoGroup;
class QUndoStack;

namespace Ui {
class KeymapDialog;
}

// The keymap editor page: the keyboard picture showing one layer of one keymap, the keycode
// pickers below it, and the commands that write, read, save, load, revert and clear keymaps.
class KeymapDialog final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KeymapDialog)

public:
    explicit KeymapDialog(QWidget* parent = nullptr);
    ~KeymapDialog() override;

    // The page's key panel; the main window's layout loader fills it before SetupPannel.
    KeyPannel* Pannel() const
    {
        return m_pannel;
    }
    // Stores one default code from the layout; 1 when stored, 0 when out of range.
    int SetKeymapCode(tdu1 keymap, tdu1 layer, tdu1 row, tdu1 col, tdu2 code)
    {
        return m_store->SetKeymapCode(keymap, layer, row, col, code);
    }
    // Stores every key's default codes of a layout, layer by layer, into all four keymaps.
    void SetLayoutCodes(const LayoutDescription& layout)
    {
        m_store->SetLayoutCodes(layout);
    }
    // Builds the filled panel into the page and takes keymap 1 as the layout default.
    void SetupPannel();
    // The name keymap files are written with and must carry to be loaded.
    void SetKeyboardName(const QString& name)
    {
        m_keyboardName = name;
    }
    QString KeyboardName() const
    {
        return m_keyboardName;
    }
    // The model's name as the user knows it, on the layer charts.
    void SetModelName(const QString& name)
    {
        m_modelName = name;
    }
    // The page's way to the keyboard and the record of what the keyboard holds; without a client
    // every transfer says that there is no keyboard.
    void SetClient(CommandClient* client);
    void SetModel(KeyboardModel* model);
    KeymapTransfer* Transfer() const
    {
        return m_transfer;
    }
    // Writes each edit step to the keyboard at once while the page's "Live" box is on.
    KeymapLiveMode* LiveMode() const
    {
        return m_live;
    }
    // From now on each keymap is read from the keyboard when it is first shown, the shown one at
    // once; until a keymap was read or opened from a file, writing it asks first.
    void ReadFromKeyboard();
    // The keyboard's keymaps were replaced (a restore): edits are dropped, or kept when the user
    // asks to keep them, and each keymap shows the keyboard's when it is next shown.
    void TakeKeyboardKeymaps();
    // The keymap's keys came from the keyboard or a file, not from the layout's defaults.
    bool KeymapKnown(int keymap) const;

    KeymapStore* Store() const
    {
        return m_store.get();
    }

    // Keymaps (0-3) whose keys differ from what was last written to or read from the keyboard,
    // saved to or opened from a file.
    QList<int> UnsavedKeymaps() const
    {
        return m_store->UnsavedKeymaps();
    }
    bool HasUnsavedEdits() const
    {
        return !m_store->UnsavedKeymaps().isEmpty();
    }
    // What the window asks before it closes with such keymaps.
    QString UnsavedEditsText() const;
    // Saves each keymap with unsaved edits to a file the user picks; false as soon as one is not
    // saved (dialog cancelled, file not written).
    bool SaveUnsavedKeymaps();

    // Each keymap has its own undo history; the shown keymap's is the active one.
    QUndoStack* UndoStack(int keymap) const
    {
        return m_store->UndoStack(keymap);
    }
    // The search results, built on first use.
    KeyCodeSearchPannel* SearchPannel()
    {
        return m_pickers->Search();
    }
    // Caps of the shown layer marked by the last comparison with the keyboard.
    QList<KeyCap*> CompareMarks() const;
    // The four layers of the shown keymap as a chart: to a PDF, PNG or SVG file the user picks (by
    // its suffix), or to a printer through the print dialog.
    void SaveChart();
    void PrintChart();

    // The copy and swap menu of a layer, opened beside its button; null before a layout is set up.
    QMenu* ShowLayerMenu(int layer);

signals:
    void ResultShow(tdu1 level, QString text);
    // Emitted when the page comes to have unsaved edits and when it has none left.
    void UnsavedEditsChanged(bool unsaved);

public slots:
    // A layer, keymap or picker was chosen from its row of buttons.
    void ShowLayer(int layer);
    void ShowKeymap(int keymap);
    void ShowPicker(int picker);
    void KeyPannelCodeClicked(tdu2 code);
    void DiadKeyPannelCodeClicked(tdu2 code);
    void on_tbtnDownLoad_clicked();
    void on_tbtnSave_clicked();
    void on_tbtnChart_clicked();
    void on_tbtnLoad_clicked();
    void on_tbtnUpLoad_clicked();
    void on_tbtnRevert_clicked();
    void on_tbtnClear_clicked();
    void KeyPannelKeyCapClicked(tdu1 row, tdu1 col);
    void on_tbtnUndo_clicked();
    void on_tbtnRedo_clicked();
    void on_tbtnCompare_clicked();
    void on_ldtKeySearch_textChanged(const QString& text);
    void on_ldtKeySearch_returnPressed();
    // Layer operations on the shown keymap, each one undoable step; the view moves to the layer
    // that changed.
    void CopyLayer(int from, int to);
    void SwapLayers(int first, int second);

private:
    void SetUpNavigation();
    // Shows the current layer of the current keymap and the remembered selection on the panel.
    void Repaint();
    // Refuses a transfer the layout cannot carry, with a message; true when it may go.
    bool KeymapCanTravel(const QString& refusal);
    // A note for the status line when a reply switched the page away from keymap during a dialog.
    QString ViewChangedNote(int keymap) const;

    void SetUpEditing();
    void SetUpLiveMode();
    void SetUpSearch();
    // Runs change on a keymap and keeps what it changed as one undoable step, shown on layer.
    // False when change did nothing (no key selected).
    bool RecordEdit(int keymap, int layer, const QString& text, const std::function<bool()>& change);
    // An edit of the selected key; with "Next Key" on, the selection then moves on.
    void Assign(const QString& text, const std::function<bool()>& change);
    // Shows a keymap on a layer after a step was done, undone or redone.
    void ShowStep(int keymap, int layer);
    void UpdateUnsaved();
    void SetBaseline(int keymap);
    // The save behind "Save": writes the shown keymap to a file the user picks.
    bool SaveShownKeymap();
    void TakeDownload(int keymap, const KeymapStore::KeymapCodes& codes);
    void ShowKeymapChange(int keymap);
    void CompareWithKeyboard(int keymap, const KeymapStore::KeymapCodes& keyboard);
    void ClearCompareMarks();

    std::unique_ptr<Ui::KeymapDialog> m_ui;
    std::unique_ptr<KeymapStore> m_store;
    KeyPannel* m_pannel = nullptr;
    QString m_keyboardName;
    QString m_modelName;

    KeymapPickers* m_pickers = nullptr;

    QList<QToolButton*> m_layerButtons;
    QList<QToolButton*> m_keymapButtons;
    // In the order of the picker pages: Basic, Layer, Led, Media, Comb, Diad, Macro, Func.
    QList<QToolButton*> m_keyCodeButtons;

    QUndoGroup* m_undoGroup = nullptr;
    KeymapTransfer* m_transfer = nullptr;
    QAction* m_undoAction = nullptr;
    QAction* m_redoAction = nullptr;
    KeymapLayerMenu* m_layerMenu = nullptr;
    KeymapDiffOverlay* m_diffOverlay = nullptr;
    KeymapLiveMode* m_live = nullptr;
    KeymapLiveSwitches* m_switches = nullptr;
    KeymapPageChart* m_chart = nullptr;
    bool m_unsaved = false;
};
