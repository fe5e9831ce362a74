#include "device/Protocol.h"
#include "keymap/KeyCodeCatalogue.h"
#include "keymap/KeymapStore.h"

#include <QtTest>

namespace {

tdu2 patternCode(int keymap, int layer, int row, int col)
{
    return static_cast<tdu2>(keymap << 12 | layer << 10 | row << 5 | col);
}

// A store laid out like a page after setup: every cell of rows x cols holds a key unless listed
// in `holes` (x = column, y = row), every keymap and layer carries distinct codes, and keymap 1
// is the default.
void setUpLayout(KeymapStore& store, int rows, int cols, const QVector<QPoint>& holes = {})
{
    QVERIFY(store.SetLayoutSize(rows, cols));
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < cols; ++col)
            QVERIFY(store.SetKeyPresent(row, col, !holes.contains(QPoint(col, row))));
    }
    for (int keymap = 0; keymap < Protocol::kKeymapCount; ++keymap) {
        for (int layer = 0; layer < Protocol::kLayerCount; ++layer) {
            for (int row = 0; row < Protocol::kMaxRows; ++row) {
                for (int col = 0; col < Protocol::kMaxCols; ++col)
                    QCOMPARE(store.SetKeymapCode(keymap, layer, row, col, patternCode(keymap, layer, row, col)), 1);
            }
        }
    }
    store.TakeDefaultFromKeymap1();
    store.SetLoaded(true);
}

bool sameKeymaps(const KeymapStore& a, const KeymapStore& b)
{
    for (int keymap = 0; keymap < Protocol::kKeymapCount; ++keymap) {
        if (a.KeymapCopy(keymap) != b.KeymapCopy(keymap))
            return false;
    }
    return true;
}

} // namespace

class TestKeymapStore : public QObject
{
    Q_OBJECT

private slots:
    void construction_startsZeroedOnKeymap1Layer1WithNothingSelected();
    void setKeymapCode_rejectsIndexesOutsideTheGrid_data();
    void setKeymapCode_rejectsIndexesOutsideTheGrid();
    void setLayoutSize_refusesGridsLargerThanThePanel_data();
    void setLayoutSize_refusesGridsLargerThanThePanel();
    void selection_isRememberedPerKeymapAndLayer();
    void edits_doNothingWithoutASelectedKey_data();
    void edits_doNothingWithoutASelectedKey();
    void setSelectedCode_storesOnTheSelectedKeyOnly();
    void applyHighByte_combinesWithThePlainKey();
    void setCurrentKeyNull_writesEmptyOnLayer1AndSeeThroughAbove_data();
    void setCurrentKeyNull_writesEmptyOnLayer1AndSeeThroughAbove();
    void revertToDefault_replacesOnlyTheCurrentKeymap();
    void writeKeymap3_5x15_packs600BytesLayerByLayer();
    void packKeymap_writesCodesLittleEndianInLayerRowColumnOrder();
    void unpackKeymap_readsTheSameOrderBack();
    void unpackKeymap_refusesAShortReplyAndKeepsTheKeymap_data();
    void unpackKeymap_refusesAShortReplyAndKeepsTheKeymap();
    void unpackKeymap_leavesCellsOutsideTheGridAlone();
    void keymapTransferable_allowsAtMost112Keys_data();
    void keymapTransferable_allowsAtMost112Keys();
};

void TestKeymapStore::construction_startsZeroedOnKeymap1Layer1WithNothingSelected()
{
    KeymapStore store;
    QCOMPARE(store.CurrentKeymap(), 0);
    QVERIFY(!store.Loaded());
    QCOMPARE(store.RowNum(), 0);
    QCOMPARE(store.ColNum(), 0);
    const KeymapStore::KeymapCodes zero {};
    for (int keymap = 0; keymap < Protocol::kKeymapCount; ++keymap) {
        QCOMPARE(store.LayerOfKeymap(keymap), 0);
        QVERIFY(store.KeymapCopy(keymap) == zero);
        for (int layer = 0; layer < Protocol::kLayerCount; ++layer) {
            QCOMPARE(store.SelectedRowOf(keymap, layer), KeymapStore::kNoSelection);
            QCOMPARE(store.SelectedColOf(keymap, layer), KeymapStore::kNoSelection);
        }
    }
    QVERIFY(!store.HasSelectedKey());
}

void TestKeymapStore::setKeymapCode_rejectsIndexesOutsideTheGrid_data()
{
    QTest::addColumn<int>("keymap");
    QTest::addColumn<int>("layer");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("result");

    QTest::newRow("first cell") << 0 << 0 << 0 << 0 << 1;
    QTest::newRow("last cell") << 3 << 3 << 6 << 20 << 1;
    QTest::newRow("row 7") << 0 << 0 << 7 << 0 << 0;
    QTest::newRow("col 21") << 0 << 0 << 0 << 21 << 0;
    QTest::newRow("layer 4") << 0 << 4 << 0 << 0 << 0;
    QTest::newRow("keymap 4") << 4 << 0 << 0 << 0 << 0;
    QTest::newRow("negative row") << 0 << 0 << -1 << 0 << 0;
    QTest::newRow("negative keymap") << -1 << 0 << 0 << 0 << 0;
}

void TestKeymapStore::setKeymapCode_rejectsIndexesOutsideTheGrid()
{
    QFETCH(int, keymap);
    QFETCH(int, layer);
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(int, result);

    KeymapStore store;
    KeymapStore untouched;
    QCOMPARE(store.SetKeymapCode(keymap, layer, row, col, 0x1234), result);
    if (result) {
        QCOMPARE(int(store.KeymapCode(keymap, layer, row, col)), 0x1234);
        QCOMPARE(store.SetKeymapCode(keymap, layer, row, col, 0), 1);
    }
    // A rejected code lands nowhere else either (no wrap into a neighbouring row or keymap).
    QVERIFY(sameKeymaps(store, untouched));
}

void TestKeymapStore::setLayoutSize_refusesGridsLargerThanThePanel_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("cols");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("5 x 15") << 5 << 15 << true;
    QTest::newRow("7 x 21") << 7 << 21 << true;
    QTest::newRow("8 rows") << 8 << 15 << false;
    QTest::newRow("22 cols") << 5 << 22 << false;
    QTest::newRow("negative") << -1 << 15 << false;
}

void TestKeymapStore::setLayoutSize_refusesGridsLargerThanThePanel()
{
    QFETCH(int, rows);
    QFETCH(int, cols);
    QFETCH(bool, accepted);

    KeymapStore store;
    QVERIFY(store.SetLayoutSize(4, 12));
    QVERIFY(store.SetKeyPresent(3, 11, true));
    QCOMPARE(store.SetLayoutSize(rows, cols), accepted);
    QCOMPARE(store.RowNum(), accepted ? rows : 4);
    QCOMPARE(store.ColNum(), accepted ? cols : 12);
    // A new grid starts without keys; a refused one keeps the old keys.
    QCOMPARE(store.KeyPresent(3, 11), !accepted);
    QVERIFY(!store.SetKeyPresent(7, 0, true));
    QVERIFY(!store.SetKeyPresent(0, 21, true));
}

void TestKeymapStore::selection_isRememberedPerKeymapAndLayer()
{
    KeymapStore store;
    setUpLayout(store, 5, 15);

    QVERIFY(store.SetCurrentLayer(1));
    store.SelectKey(2, 7);
    QVERIFY(store.SetCurrentLayer(2));
    QCOMPARE(store.SelectedRow(), KeymapStore::kNoSelection);
    QVERIFY(!store.HasSelectedKey());
    store.SelectKey(4, 0);
    QVERIFY(store.SetCurrentLayer(1));
    QCOMPARE(int(store.SelectedRow()), 2);
    QCOMPARE(int(store.SelectedCol()), 7);
    QVERIFY(store.HasSelectedKey());

    // Another keymap has its own layer and selections.
    QVERIFY(store.SetCurrentKeymap(2));
    QCOMPARE(store.CurrentLayer(), 0);
    QCOMPARE(store.SelectedRowOf(2, 1), KeymapStore::kNoSelection);
    QVERIFY(!store.HasSelectedKey());
    QVERIFY(store.SetCurrentKeymap(0));
    QCOMPARE(store.CurrentLayer(), 1);
    QCOMPARE(int(store.SelectedColOf(0, 2)), 0);
    QCOMPARE(int(store.SelectedRowOf(0, 2)), 4);

    QVERIFY(!store.SetCurrentKeymap(4));
    QVERIFY(!store.SetCurrentLayer(4));
    QCOMPARE(store.CurrentKeymap(), 0);
    QCOMPARE(store.CurrentLayer(), 1);
}

void TestKeymapStore::edits_doNothingWithoutASelectedKey_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");

    QTest::newRow("nothing selected yet") << 255 << 255;
    QTest::newRow("gap in the layout") << 4 << 3;
    QTest::newRow("row beyond the layout") << 5 << 0;
    QTest::newRow("column beyond the layout") << 0 << 15;
}

void TestKeymapStore::edits_doNothingWithoutASelectedKey()
{
    QFETCH(int, row);
    QFETCH(int, col);

    KeymapStore store;
    setUpLayout(store, 5, 15, {QPoint(3, 4)});
    KeymapStore reference;
    setUpLayout(reference, 5, 15, {QPoint(3, 4)});
    // Cells beyond the layout are marked as keys so that only the grid size can stop the edit.
    QVERIFY(store.SetKeyPresent(5, 0, true));
    QVERIFY(store.SetKeyPresent(0, 15, true));
    if (row != 255)
        store.SelectKey(static_cast<tdu1>(row), static_cast<tdu1>(col));

    QVERIFY(!store.HasSelectedKey());
    QVERIFY(!store.SetSelectedCode(0x0004));
    QVERIFY(!store.ApplySelectedHighByte(0x5500));
    QVERIFY(!store.SetCurrentKeyNull());
    QVERIFY(sameKeymaps(store, reference));
}

void TestKeymapStore::setSelectedCode_storesOnTheSelectedKeyOnly()
{
    KeymapStore store;
    setUpLayout(store, 5, 15);
    KeymapStore reference;
    setUpLayout(reference, 5, 15);

    QVERIFY(store.SetCurrentKeymap(1));
    QVERIFY(store.SetCurrentLayer(3));
    store.SelectKey(2, 14);
    QVERIFY(store.SetSelectedCode(183));
    QCOMPARE(int(store.SelectedCode()), 183);
    QCOMPARE(int(store.KeymapCode(1, 3, 2, 14)), 183);

    QVERIFY(reference.SetKeymapCode(1, 3, 2, 14, 183));
    QVERIFY(sameKeymaps(store, reference));
    QCOMPARE(KeyCodeCatalogue::KeyCaption(store.SelectedCode()), QStringLiteral("KM3\n"));
}

void TestKeymapStore::applyHighByte_combinesWithThePlainKey()
{
    KeymapStore store;
    setUpLayout(store, 5, 15);
    store.SelectKey(1, 1);
    QVERIFY(store.SetSelectedCode(0x0004));

    QVERIFY(store.ApplySelectedHighByte(KeyCodeCatalogue::ModifierHighByte(5, true, false, true, false)));
    QCOMPARE(int(store.SelectedCode()), 0x5504);
    QVERIFY(store.ApplySelectedHighByte(KeyCodeCatalogue::ModifierHighByte(1, true, false, false, true)));
    QCOMPARE(int(store.SelectedCode()), 0x1904);
    QVERIFY(store.ApplySelectedHighByte(0));
    QCOMPARE(int(store.SelectedCode()), 0x0004);
    QVERIFY(store.ApplySelectedHighByte(KeyCodeCatalogue::kDualRoleLayer3));
    QCOMPARE(int(store.SelectedCode()), 0x3204);
    QCOMPARE(int(store.KeymapCode(0, 0, 1, 1)), 0x3204);
}

void TestKeymapStore::setCurrentKeyNull_writesEmptyOnLayer1AndSeeThroughAbove_data()
{
    QTest::addColumn<int>("layer");
    QTest::addColumn<int>("code");

    QTest::newRow("layer 1") << 0 << 0;
    QTest::newRow("layer 2") << 1 << 3;
    QTest::newRow("layer 3") << 2 << 3;
    QTest::newRow("layer 4") << 3 << 3;
}

void TestKeymapStore::setCurrentKeyNull_writesEmptyOnLayer1AndSeeThroughAbove()
{
    QFETCH(int, layer);
    QFETCH(int, code);

    KeymapStore store;
    setUpLayout(store, 5, 15);
    QVERIFY(store.SetCurrentKeymap(3));
    QVERIFY(store.SetCurrentLayer(layer));
    store.SelectKey(4, 9);
    QVERIFY(store.SelectedCode() != code);
    QVERIFY(store.SetCurrentKeyNull());
    QCOMPARE(int(store.KeymapCode(3, layer, 4, 9)), code);
    QCOMPARE(KeyCodeCatalogue::KeyCaption(static_cast<tdu2>(code)), QString());
}

void TestKeymapStore::revertToDefault_replacesOnlyTheCurrentKeymap()
{
    KeymapStore store;
    setUpLayout(store, 5, 15);
    // Keymap 2 as read from a keyboard: different from the layout default everywhere.
    const QByteArray reply(store.PayloadSize(), char(0x7E));
    QVERIFY(store.UnpackKeymap(1, reinterpret_cast<const tdu1*>(reply.constData()), tdu2(reply.size())));
    QCOMPARE(int(store.KeymapCode(1, 3, 4, 14)), 0x7E7E);
    const KeymapStore::KeymapCodes keymap3 = store.KeymapCopy(2);

    QVERIFY(store.SetCurrentKeymap(1));
    store.RevertToDefault();

    for (int layer = 0; layer < Protocol::kLayerCount; ++layer) {
        for (int row = 0; row < Protocol::kMaxRows; ++row) {
            for (int col = 0; col < Protocol::kMaxCols; ++col) {
                QCOMPARE(store.KeymapCode(1, layer, row, col), store.DefaultCode(layer, row, col));
                QCOMPARE(store.KeymapCode(1, layer, row, col), patternCode(0, layer, row, col));
            }
        }
    }
    QVERIFY(store.KeymapCopy(2) == keymap3);
    QCOMPARE(store.KeymapCode(3, 2, 1, 1), patternCode(3, 2, 1, 1));
}

void TestKeymapStore::writeKeymap3_5x15_packs600BytesLayerByLayer()
{
    KeymapStore store;
    setUpLayout(store, 5, 15);
    const QByteArray payload = store.PackKeymap(2);
    QCOMPARE(payload.size(), 600);
    QCOMPARE(payload.size(), Protocol::KeymapPayloadSize(5, 15));
    QVERIFY(store.KeymapTransferable());

    // Keymap 3 = 0x2000; layer << 10, row << 5, col: row 0 of layer 1 opens the payload...
    QCOMPARE(payload.left(8).toHex(), QByteArray("0020012002200320"));
    // ...row 1 starts after 15 codes, not after 21...
    QCOMPARE(payload.mid(30, 4).toHex(), QByteArray("20202120"));
    // ...layer 2 after 75 codes, and layer 4's last key closes it.
    QCOMPARE(payload.mid(148, 4).toHex(), QByteArray("8e200024"));
    QCOMPARE(payload.right(4).toHex(), QByteArray("8d2c8e2c"));
}

void TestKeymapStore::packKeymap_writesCodesLittleEndianInLayerRowColumnOrder()
{
    KeymapStore store;
    QVERIFY(store.SetLayoutSize(2, 3));
    const tdu2 codes[4][2][3] = {
        {{0x0004, 0x1904, 0x0136}, {0x5504, 0x0000, 0xFFFF}},
        {{0x0003, 0x0003, 0x0029}, {0x00E0, 0x3204, 0x0001}},
        {{0x0100, 0x0200, 0x0300}, {0x0400, 0x0500, 0x0600}},
        {{0xABCD, 0x00B7, 0x0068}, {0x00CC, 0x00E8, 0x0012}},
    };
    for (int layer = 0; layer < 4; ++layer) {
        for (int row = 0; row < 2; ++row) {
            for (int col = 0; col < 3; ++col)
                QCOMPARE(store.SetKeymapCode(3, layer, row, col, codes[layer][row][col]), 1);
        }
    }
    // Codes beyond the 2 x 3 grid never travel.
    QCOMPARE(store.SetKeymapCode(3, 0, 0, 3, 0xEEEE), 1);
    QCOMPARE(store.SetKeymapCode(3, 0, 2, 0, 0xEEEE), 1);

    const QByteArray expected = QByteArray::fromHex("0400 0419 3601 0455 0000 ffff"
                                                    "0300 0300 2900 e000 0432 0100"
                                                    "0001 0002 0003 0004 0005 0006"
                                                    "cdab b700 6800 cc00 e800 1200");
    QCOMPARE(store.PackKeymap(3).toHex(), expected.toHex());
    QVERIFY(store.PackKeymap(4).isEmpty());
}

void TestKeymapStore::unpackKeymap_readsTheSameOrderBack()
{
    KeymapStore source;
    setUpLayout(source, 6, 18);
    QVERIFY(source.KeymapTransferable());
    const QByteArray payload = source.PackKeymap(3);
    QCOMPARE(payload.size(), 864);

    KeymapStore target;
    QVERIFY(target.SetLayoutSize(6, 18));
    QVERIFY(target.UnpackKeymap(0, reinterpret_cast<const tdu1*>(payload.constData()), tdu2(payload.size())));
    for (int layer = 0; layer < Protocol::kLayerCount; ++layer) {
        for (int row = 0; row < 6; ++row) {
            for (int col = 0; col < 18; ++col)
                QCOMPARE(target.KeymapCode(0, layer, row, col), patternCode(3, layer, row, col));
        }
    }
    QCOMPARE(target.PackKeymap(0), payload);

    // The low byte comes first on the wire.
    const tdu1 full[] = {0x04, 0x19, 0x36, 0x01, 0x03, 0x00, 0xCD, 0xAB, 0xFF};
    KeymapStore one;
    QVERIFY(one.SetLayoutSize(1, 1));
    QVERIFY(!one.UnpackKeymap(2, full, 7));
    QCOMPARE(int(one.KeymapCode(2, 0, 0, 0)), 0);
    QVERIFY(one.UnpackKeymap(2, full, sizeof(full)));
    QCOMPARE(int(one.KeymapCode(2, 0, 0, 0)), 0x1904);
    QCOMPARE(int(one.KeymapCode(2, 1, 0, 0)), 0x0136);
    QCOMPARE(int(one.KeymapCode(2, 2, 0, 0)), 0x0003);
    QCOMPARE(int(one.KeymapCode(2, 3, 0, 0)), 0xABCD);
}

void TestKeymapStore::unpackKeymap_refusesAShortReplyAndKeepsTheKeymap_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("nullData");

    QTest::newRow("one byte short") << 5 << 15 << 599 << false;
    QTest::newRow("one layer only") << 5 << 15 << 150 << false;
    QTest::newRow("empty reply") << 5 << 15 << 0 << false;
    QTest::newRow("no data") << 5 << 15 << 600 << true;
    QTest::newRow("7 x 21 cut to the largest frame") << 7 << 21 << Protocol::kMaxPayload << false;
}

void TestKeymapStore::unpackKeymap_refusesAShortReplyAndKeepsTheKeymap()
{
    QFETCH(int, rows);
    QFETCH(int, cols);
    QFETCH(int, length);
    QFETCH(bool, nullData);

    KeymapStore store;
    setUpLayout(store, rows, cols);
    KeymapStore reference;
    setUpLayout(reference, rows, cols);
    const QByteArray reply(qMax(length, 1), char(0x55));
    const tdu1* data = nullData ? nullptr : reinterpret_cast<const tdu1*>(reply.constData());

    QVERIFY(!store.UnpackKeymap(1, data, tdu2(length)));
    QVERIFY(sameKeymaps(store, reference));
    QVERIFY(!store.UnpackKeymap(-1, data, tdu2(length)));
    QVERIFY(!store.UnpackKeymap(4, data, tdu2(length)));
}

void TestKeymapStore::unpackKeymap_leavesCellsOutsideTheGridAlone()
{
    KeymapStore store;
    setUpLayout(store, 4, 10);
    // A longer reply is taken up to the size of one keymap.
    const QByteArray reply(store.PayloadSize() + 64, char(0x11));
    QVERIFY(store.UnpackKeymap(2, reinterpret_cast<const tdu1*>(reply.constData()), tdu2(reply.size())));
    QCOMPARE(int(store.KeymapCode(2, 3, 3, 9)), 0x1111);
    QCOMPARE(store.KeymapCode(2, 0, 0, 10), patternCode(2, 0, 0, 10));
    QCOMPARE(store.KeymapCode(2, 3, 4, 0), patternCode(2, 3, 4, 0));
    QCOMPARE(store.KeymapCode(1, 0, 0, 0), patternCode(1, 0, 0, 0));
}

void TestKeymapStore::keymapTransferable_allowsAtMost112Keys_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("cols");
    QTest::addColumn<bool>("transferable");

    QTest::newRow("5 x 15") << 5 << 15 << true;
    QTest::newRow("6 x 18, 108 keys") << 6 << 18 << true;
    QTest::newRow("7 x 16, 112 keys") << 7 << 16 << true;
    QTest::newRow("7 x 17, 119 keys") << 7 << 17 << false;
    QTest::newRow("6 x 21, 126 keys") << 6 << 21 << false;
    QTest::newRow("7 x 21, 147 keys") << 7 << 21 << false;
}

void TestKeymapStore::keymapTransferable_allowsAtMost112Keys()
{
    QFETCH(int, rows);
    QFETCH(int, cols);
    QFETCH(bool, transferable);

    KeymapStore store;
    QVERIFY(store.SetLayoutSize(rows, cols));
    QCOMPARE(store.KeymapTransferable(), transferable);
    QCOMPARE(store.PackKeymap(0).size(), rows * cols * 8);
}

QTEST_GUILESS_MAIN(TestKeymapStore)
#include "tst_keymapstore.moc"
