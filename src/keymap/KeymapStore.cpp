#include "keymap/KeymapStore.h"

#include "keymap/KeyCodeCatalogue.h"
#include "keymap/KeymapLog.h"
#include "layout/LayoutDescription.h"

#include <QUndoStack>

#include <utility>

namespace {
// Steps kept per keymap; a step keeps only the codes it changed.
constexpr int kUndoLimit = 1000;
} // namespace

KeymapStore::KeymapStore()
    : m_keymaps(new Keymaps())
    , m_baselines(new Keymaps())
    , m_defaultKeymap(new KeymapCodes())
{
    for (std::unique_ptr<QUndoStack>& stack : m_undoStacks) {
        stack = std::make_unique<QUndoStack>();
        stack->setUndoLimit(kUndoLimit);
    }
    for (auto& row : m_selectedRow)
        row.fill(kNoSelection);
    for (auto& col : m_selectedCol)
        col.fill(kNoSelection);
}

KeymapStore::~KeymapStore() = default;

bool KeymapStore::validKeymap(int keymap)
{
    return keymap >= 0 && keymap < Protocol::kKeymapCount;
}

bool KeymapStore::validLayer(int layer)
{
    return layer >= 0 && layer < Protocol::kLayerCount;
}

bool KeymapStore::validCell(int layer, int row, int col)
{
    return layer >= 0 && layer < Protocol::kLayerCount && row >= 0 && row < Protocol::kMaxRows && col >= 0
        && col < Protocol::kMaxCols;
}

int KeymapStore::SetKeymapCode(int keymap, int layer, int row, int col, tdu2 code)
{
    if (!validKeymap(keymap) || !validCell(layer, row, col))
        return 0;
    (*m_keymaps)[keymap][layer][row][col] = code;
    return 1;
}

tdu2 KeymapStore::KeymapCode(int keymap, int layer, int row, int col) const
{
    if (!validKeymap(keymap) || !validCell(layer, row, col))
        return 0;
    return (*m_keymaps)[keymap][layer][row][col];
}

tdu2 KeymapStore::DefaultCode(int layer, int row, int col) const
{
    if (!validCell(layer, row, col))
        return 0;
    return (*m_defaultKeymap)[layer][row][col];
}

void KeymapStore::SetLayoutCodes(const LayoutDescription& layout)
{
    for (const LayoutKey& key : layout.keys) {
        if (!key.valid)
            continue;
        for (int keymap = 0; keymap < Protocol::kKeymapCount; ++keymap) {
            for (int layer = 0; layer < Protocol::kLayerCount; ++layer)
                SetKeymapCode(keymap, layer, key.row, key.col, key.keycode[layer]);
        }
    }
}

void KeymapStore::TakeDefaultFromKeymap1()
{
    *m_defaultKeymap = (*m_keymaps)[0];
}

bool KeymapStore::SetLayoutSize(int rows, int cols)
{
    if (rows < 0 || rows > Protocol::kMaxRows || cols < 0 || cols > Protocol::kMaxCols)
        return false;
    m_rowNum = rows;
    m_colNum = cols;
    for (auto& row : m_keyPresent)
        row.fill(false);
    return true;
}

int KeymapStore::RowNum() const
{
    return m_rowNum;
}

int KeymapStore::ColNum() const
{
    return m_colNum;
}

bool KeymapStore::SetKeyPresent(int row, int col, bool present)
{
    if (!validCell(0, row, col))
        return false;
    m_keyPresent[row][col] = present;
    return true;
}

bool KeymapStore::KeyPresent(int row, int col) const
{
    return validCell(0, row, col) && m_keyPresent[row][col];
}

int KeymapStore::CurrentKeymap() const
{
    return m_currentKeymap;
}

bool KeymapStore::SetCurrentKeymap(int keymap)
{
    if (!validKeymap(keymap))
        return false;
    m_currentKeymap = keymap;
    return true;
}

int KeymapStore::CurrentLayer() const
{
    return m_currentLayer[m_currentKeymap];
}

int KeymapStore::LayerOfKeymap(int keymap) const
{
    return validKeymap(keymap) ? m_currentLayer[keymap] : 0;
}

bool KeymapStore::SetCurrentLayer(int layer)
{
    if (layer < 0 || layer >= Protocol::kLayerCount)
        return false;
    m_currentLayer[m_currentKeymap] = static_cast<tdu1>(layer);
    return true;
}

bool KeymapStore::Loaded() const
{
    return m_loaded;
}

void KeymapStore::SetLoaded(bool loaded)
{
    m_loaded = loaded;
}

void KeymapStore::SelectKey(tdu1 row, tdu1 col)
{
    m_selectedRow[m_currentKeymap][CurrentLayer()] = row;
    m_selectedCol[m_currentKeymap][CurrentLayer()] = col;
}

tdu1 KeymapStore::SelectedRow() const
{
    return m_selectedRow[m_currentKeymap][CurrentLayer()];
}

tdu1 KeymapStore::SelectedCol() const
{
    return m_selectedCol[m_currentKeymap][CurrentLayer()];
}

tdu1 KeymapStore::SelectedRowOf(int keymap, int layer) const
{
    if (!validKeymap(keymap) || layer < 0 || layer >= Protocol::kLayerCount)
        return kNoSelection;
    return m_selectedRow[keymap][layer];
}

tdu1 KeymapStore::SelectedColOf(int keymap, int layer) const
{
    if (!validKeymap(keymap) || layer < 0 || layer >= Protocol::kLayerCount)
        return kNoSelection;
    return m_selectedCol[keymap][layer];
}

bool KeymapStore::HasSelectedKey() const
{
    const int row = SelectedRow();
    const int col = SelectedCol();
    return row < m_rowNum && col < m_colNum && KeyPresent(row, col);
}

bool KeymapStore::SelectNextKey()
{
    if (!HasSelectedKey())
        return false;
    for (int cell = SelectedRow() * m_colNum + SelectedCol() + 1; cell < m_rowNum * m_colNum; ++cell) {
        if (KeyPresent(cell / m_colNum, cell % m_colNum)) {
            SelectKey(tdu1(cell / m_colNum), tdu1(cell % m_colNum));
            return true;
        }
    }
    return false;
}

tdu2* KeymapStore::selectedCell()
{
    if (!HasSelectedKey())
        return nullptr;
    return &(*m_keymaps)[m_currentKeymap][CurrentLayer()][SelectedRow()][SelectedCol()];
}

tdu2 KeymapStore::SelectedCode() const
{
    if (!HasSelectedKey())
        return 0;
    return (*m_keymaps)[m_currentKeymap][CurrentLayer()][SelectedRow()][SelectedCol()];
}

KeymapStore::KeymapSelection KeymapStore::SelectionOf(int keymap) const
{
    KeymapSelection selection;
    selection.rows.fill(kNoSelection);
    selection.cols.fill(kNoSelection);
    if (validKeymap(keymap)) {
        selection.rows = m_selectedRow[keymap];
        selection.cols = m_selectedCol[keymap];
    }
    return selection;
}

bool KeymapStore::RestoreSelection(int keymap, const KeymapSelection& selection)
{
    if (!validKeymap(keymap))
        return false;
    m_selectedRow[keymap] = selection.rows;
    m_selectedCol[keymap] = selection.cols;
    return true;
}

bool KeymapStore::SetSelectedCode(tdu2 code)
{
    tdu2* cell = selectedCell();
    if (!cell)
        return false;
    *cell = code;
    return true;
}

bool KeymapStore::ApplySelectedHighByte(tdu2 highByte)
{
    tdu2* cell = selectedCell();
    if (!cell)
        return false;
    *cell = KeyCodeCatalogue::ApplyHighByte(*cell, highByte);
    return true;
}

bool KeymapStore::SetCurrentKeyNull()
{
    tdu2* cell = selectedCell();
    if (!cell)
        return false;
    *cell = CurrentLayer() == 0 ? KeyCodeCatalogue::kNullKeyBaseLayer : KeyCodeCatalogue::kNullKeyUpperLayer;
    return true;
}

void KeymapStore::RevertToDefault()
{
    (*m_keymaps)[m_currentKeymap] = *m_defaultKeymap;
}

KeymapStore::KeymapCodes KeymapStore::KeymapCopy(int keymap) const
{
    if (!validKeymap(keymap))
        return KeymapCodes();
    return (*m_keymaps)[keymap];
}

bool KeymapStore::ReplaceKeymap(int keymap, const KeymapCodes& codes)
{
    if (!validKeymap(keymap))
        return false;
    (*m_keymaps)[keymap] = codes;
    return true;
}

bool KeymapStore::CopyLayer(int keymap, int from, int to)
{
    if (!validKeymap(keymap) || !validLayer(from) || !validLayer(to) || from == to)
        return false;
    (*m_keymaps)[keymap][to] = (*m_keymaps)[keymap][from];
    return true;
}

bool KeymapStore::SwapLayers(int keymap, int first, int second)
{
    if (!validKeymap(keymap) || !validLayer(first) || !validLayer(second) || first == second)
        return false;
    std::swap((*m_keymaps)[keymap][first], (*m_keymaps)[keymap][second]);
    return true;
}

QVector<QPair<int, int>> KeymapStore::DifferingKeys(int keymap, int layer, const KeymapCodes& other) const
{
    QVector<QPair<int, int>> keys;
    if (!validKeymap(keymap) || !validLayer(layer))
        return keys;
    const LayerCodes& mine = (*m_keymaps)[keymap][layer];
    for (int row = 0; row < m_rowNum; ++row) {
        for (int col = 0; col < m_colNum; ++col) {
            if (m_keyPresent[row][col] && mine[row][col] != other[layer][row][col])
                keys.append({row, col});
        }
    }
    return keys;
}

bool KeymapStore::SameKeys(int keymap, const KeymapCodes& other) const
{
    for (int layer = 0; layer < Protocol::kLayerCount; ++layer) {
        if (!DifferingKeys(keymap, layer, other).isEmpty())
            return false;
    }
    return true;
}

int KeymapStore::PayloadSize() const
{
    return Protocol::KeymapPayloadSize(m_rowNum, m_colNum);
}

QByteArray KeymapStore::PackKeymap(int keymap) const
{
    if (!validKeymap(keymap))
        return QByteArray();
    return KeymapCodec::Pack((*m_keymaps)[keymap], m_rowNum, m_colNum);
}

bool KeymapStore::UnpackKeymap(int keymap, const tdu1* data, tdu2 len)
{
    if (!validKeymap(keymap))
        return false;
    return UnpackCodes(data, len, &(*m_keymaps)[keymap]);
}

bool KeymapStore::UnpackCodes(const tdu1* data, tdu2 len, KeymapCodes* codes) const
{
    if (!KeymapCodec::Unpack(data, len, m_rowNum, m_colNum, codes)) {
        qCDebug(lcKeymap) << "Keymap Reply Too Short" << len << PayloadSize();
        return false;
    }
    return true;
}

bool KeymapStore::KeymapTransferable() const
{
    return PayloadSize() <= Protocol::kMaxPayload;
}

QUndoStack* KeymapStore::UndoStack(int keymap) const
{
    return validKeymap(keymap) ? m_undoStacks[size_t(keymap)].get() : nullptr;
}

const KeymapStore::KeymapCodes& KeymapStore::Baseline(int keymap) const
{
    return (*m_baselines)[validKeymap(keymap) ? keymap : 0];
}

void KeymapStore::SetBaseline(int keymap, const KeymapCodes& codes)
{
    if (validKeymap(keymap))
        (*m_baselines)[keymap] = codes;
}

void KeymapStore::TakeBaseline(int keymap)
{
    if (validKeymap(keymap))
        (*m_baselines)[keymap] = (*m_keymaps)[keymap];
}

bool KeymapStore::HasEdits(int keymap) const
{
    return m_loaded && validKeymap(keymap) && !SameKeys(keymap, (*m_baselines)[keymap]);
}

QList<int> KeymapStore::UnsavedKeymaps() const
{
    QList<int> keymaps;
    for (int keymap = 0; keymap < Protocol::kKeymapCount; ++keymap) {
        if (HasEdits(keymap))
            keymaps.append(keymap);
    }
    return keymaps;
}
