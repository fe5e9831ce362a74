#pragma once

#include "codec/KeymapCodec.h"
#include "device/DeviceTypes.h"
#include "device/Protocol.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QVector>

#include <array>
#include <memory>

class QUndoStack;
struct LayoutDescription;

// The keymap editor's model: four keymaps of four layers over the fixed 7 x 21 grid as the user
// edits them, the layout's default keymap, each keymap's undo history and the baseline its edits
// are measured against (what the keyboard or a file last held), and the editor state kept per
// keymap and layer (current layer, selected key). Only rows below RowNum() and columns below
// ColNum() carry meaning; the rest stays as it was.
class KeymapStore final
{
    Q_DISABLE_COPY_MOVE(KeymapStore)

public:
    using LayerCodes = KeymapCodec::LayerCodes;
    using KeymapCodes = KeymapCodec::KeymapCodes;

    // Selected row and column before the user picks a key.
    static constexpr tdu1 kNoSelection = 255;

    // The remembered selection of every layer of one keymap.
    struct KeymapSelection
    {
        std::array<tdu1, Protocol::kLayerCount> rows {};
        std::array<tdu1, Protocol::kLayerCount> cols {};
    };

    KeymapStore();
    ~KeymapStore();

    // Stores one code; 1 when stored, 0 (nothing stored) when an index is out of range.
    int SetKeymapCode(int keymap, int layer, int row, int col, tdu2 code);
    // 0 for indexes out of range.
    tdu2 KeymapCode(int keymap, int layer, int row, int col) const;
    tdu2 DefaultCode(int layer, int row, int col) const;
    // Every key's default codes of a layout, layer by layer, into all four keymaps.
    void SetLayoutCodes(const LayoutDescription& layout);
    // The layout filled all four keymaps alike; keymap 1 becomes what "Default" restores.
    void TakeDefaultFromKeymap1();

    // Grid of the key panel. A new size forgets which cells hold a key. Sizes beyond 7 x 21 are
    // refused and leave the grid as it was.
    bool SetLayoutSize(int rows, int cols);
    int RowNum() const;
    int ColNum() const;
    bool SetKeyPresent(int row, int col, bool present);
    bool KeyPresent(int row, int col) const;

    int CurrentKeymap() const;
    bool SetCurrentKeymap(int keymap);
    // Layer shown for the current keymap.
    int CurrentLayer() const;
    int LayerOfKeymap(int keymap) const;
    bool SetCurrentLayer(int layer);

    bool Loaded() const;
    void SetLoaded(bool loaded);

    // Remembers the clicked key for the current keymap and layer (any value; edits check it).
    void SelectKey(tdu1 row, tdu1 col);
    tdu1 SelectedRow() const;
    tdu1 SelectedCol() const;
    tdu1 SelectedRowOf(int keymap, int layer) const;
    tdu1 SelectedColOf(int keymap, int layer) const;
    // The remembered selection of the current keymap and layer is a key of the panel.
    bool HasSelectedKey() const;
    // Moves the selection to the next key in reading order: right along its row, then the first
    // key of the rows below. False (selection kept) after the last key or without a selection.
    bool SelectNextKey();
    tdu2 SelectedCode() const;
    KeymapSelection SelectionOf(int keymap) const;
    bool RestoreSelection(int keymap, const KeymapSelection& selection);

    // Edits of the selected key; false (and nothing changed) when no key is selected.
    bool SetSelectedCode(tdu2 code);
    bool ApplySelectedHighByte(tdu2 highByte);
    bool SetCurrentKeyNull();
    // All four layers of the current keymap get the layout defaults.
    void RevertToDefault();

    // Whole-keymap copies for readers that must not leave a half-changed keymap behind.
    KeymapCodes KeymapCopy(int keymap) const;
    bool ReplaceKeymap(int keymap, const KeymapCodes& codes);
    // Layer operations inside one keymap; false (nothing changed) for bad indexes or one layer twice.
    bool CopyLayer(int keymap, int from, int to);
    bool SwapLayers(int keymap, int first, int second);
    // Keys of the panel on one layer whose code differs from other's, as (row, col) pairs.
    QVector<QPair<int, int>> DifferingKeys(int keymap, int layer, const KeymapCodes& other) const;
    // Whether every key of the panel holds the same code in all four layers of both.
    bool SameKeys(int keymap, const KeymapCodes& other) const;

    // Transfer format: layers 1-4, rows, columns of the panel, each code little-endian.
    int PayloadSize() const;
    QByteArray PackKeymap(int keymap) const;
    // Refuses (false, keymap unchanged) a reply shorter than one keymap of this grid.
    bool UnpackKeymap(int keymap, const tdu1* data, tdu2 len);
    // The same into codes outside the store; cells beyond the grid keep what codes held.
    bool UnpackCodes(const tdu1* data, tdu2 len, KeymapCodes* codes) const;
    // A keymap of more than 112 keys cannot be numbered in the report headers.
    bool KeymapTransferable() const;

    // Each keymap's own undo history.
    QUndoStack* UndoStack(int keymap) const;
    // What the keymap held when it last matched the keyboard or a file; edits are measured
    // against it. Setting it does not change the keymap's codes.
    const KeymapCodes& Baseline(int keymap) const;
    void SetBaseline(int keymap, const KeymapCodes& codes);
    // The keymap as it is now is what the keyboard or a file holds.
    void TakeBaseline(int keymap);
    // Keymaps whose keys differ from their baseline.
    QList<int> UnsavedKeymaps() const;
    bool HasEdits(int keymap) const;

private:
    using Keymaps = std::array<KeymapCodes, Protocol::kKeymapCount>;
    using Selection = std::array<std::array<tdu1, Protocol::kLayerCount>, Protocol::kKeymapCount>;

    static bool validKeymap(int keymap);
    static bool validLayer(int layer);
    static bool validCell(int layer, int row, int col);
    tdu2* selectedCell();

    std::unique_ptr<Keymaps> m_keymaps;
    std::unique_ptr<Keymaps> m_baselines;
    std::array<std::unique_ptr<QUndoStack>, Protocol::kKeymapCount> m_undoStacks;
    std::unique_ptr<KeymapCodes> m_defaultKeymap;
    std::array<std::array<bool, Protocol::kMaxCols>, Protocol::kMaxRows> m_keyPresent {};
    std::array<tdu1, Protocol::kKeymapCount> m_currentLayer {};
    Selection m_selectedRow {};
    Selection m_selectedCol {};
    int m_currentKeymap = 0;
    int m_rowNum = 0;
    int m_colNum = 0;
    bool m_loaded = false;
};
