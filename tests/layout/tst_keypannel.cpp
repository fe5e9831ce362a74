#include "device/DeviceTypes.h"
#include "layout/KeyCap.h"
#include "layout/KeyPannel.h"

#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

class TestKeyPannel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void setters_acceptOnlyCellsOfTheGridInUse_data();
    void setters_acceptOnlyCellsOfTheGridInUse();
    void setRowCol_refusesGridLargerThan7x21_data();
    void setRowCol_refusesGridLargerThan7x21();
    void readers_checkFixedGrid_data();
    void readers_checkFixedGrid();
    void buildPannel_placesKeysByWidthGapAndRowGap();
    void buildPannel_secondCallAddsNoCaps();
    void clickOnCap_emitsRowAndColumnEvenWhenNotSelectable();
};

void TestKeyPannel::initTestCase()
{
    RegisterDeviceMetaTypes();
}

void TestKeyPannel::setters_acceptOnlyCellsOfTheGridInUse_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("result");
    QTest::newRow("first cell") << 0 << 0 << 1;
    QTest::newRow("last cell") << 4 << 13 << 1;
    QTest::newRow("row past rownum") << 5 << 0 << 0;
    QTest::newRow("col past colnum") << 0 << 14 << 0;
    QTest::newRow("past fixed grid") << 7 << 21 << 0;
    QTest::newRow("no key marker") << 255 << 255 << 0;
}

void TestKeyPannel::setters_acceptOnlyCellsOfTheGridInUse()
{
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(int, result);

    KeyPannel pannel;
    QCOMPARE(pannel.SetRowCol(5, 14), tdu1(1));
    QCOMPARE(pannel.SetKeyValid(row, col, 1), tdu1(result));
    QCOMPARE(pannel.SetKeyCheckable(row, col, 1), tdu1(result));
    QCOMPARE(pannel.SetKeyWidth(row, col, 150), tdu1(result));
    QCOMPARE(pannel.SetKeyHeight(row, col, 200), tdu1(result));
    QCOMPARE(pannel.SetKeyGap(row, col, 25), tdu1(result));
    QCOMPARE(pannel.SetRowGap(row, 50), tdu1(row < 5 ? 1 : 0));

    QCOMPARE(pannel.IsKeyValid(row, col), tdu1(result));
    QCOMPARE(pannel.IsKeyCheckable(row, col), tdu1(result));
    QCOMPARE(pannel.KeyWidth(row, col), tdu2(result ? 150 : 0));
    QCOMPARE(pannel.KeyHeight(row, col), tdu2(result ? 200 : 0));
    QCOMPARE(pannel.KeyGap(row, col), tdu2(result ? 25 : 0));
}

void TestKeyPannel::setRowCol_refusesGridLargerThan7x21_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("cols");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("full grid") << 7 << 21 << true;
    QTest::newRow("8 rows") << 8 << 14 << false;
    QTest::newRow("22 cols") << 5 << 22 << false;
    QTest::newRow("255 x 255") << 255 << 255 << false;
}

void TestKeyPannel::setRowCol_refusesGridLargerThan7x21()
{
    QFETCH(int, rows);
    QFETCH(int, cols);
    QFETCH(bool, accepted);

    KeyPannel pannel;
    pannel.SetRowCol(3, 3);
    QCOMPARE(pannel.SetRowCol(rows, cols), tdu1(accepted ? 1 : 0));
    QCOMPARE(int(pannel.RowNum()), accepted ? rows : 0);
    QCOMPARE(int(pannel.ColNum()), accepted ? cols : 0);

    // A refused grid has no usable cell, so nothing can reach past the fixed arrays.
    QCOMPARE(pannel.SetKeyValid(6, 20, 1), tdu1(accepted ? 1 : 0));
    QCOMPARE(pannel.SetKeyValid(0, 0, 1), tdu1(accepted ? 1 : 0));
    pannel.SetPannelParam(44, 9, 5, 1000, 400);
    pannel.BuildPannel();
    QCOMPARE(pannel.findChildren<KeyCap*>().size(), accepted ? 2 : 0);
}

void TestKeyPannel::readers_checkFixedGrid_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("valid");
    QTest::newRow("row 7") << 7 << 0 << 0;
    QTest::newRow("col 21") << 0 << 21 << 0;
    QTest::newRow("selection marker") << 255 << 255 << 0;
    QTest::newRow("last cell of fixed grid") << 6 << 20 << 1;
}

void TestKeyPannel::readers_checkFixedGrid()
{
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(int, valid);

    KeyPannel pannel;
    pannel.SetRowCol(7, 21);
    for (int r = 0; r < 7; ++r) {
        for (int c = 0; c < 21; ++c) {
            pannel.SetKeyValid(r, c, 1);
            pannel.SetKeyCheckable(r, c, 1);
        }
    }
    // Readers look at the fixed grid even when fewer rows are in use.
    pannel.SetRowCol(2, 2);
    QCOMPARE(pannel.IsKeyValid(row, col), tdu1(valid));
    QCOMPARE(pannel.IsKeyCheckable(row, col), tdu1(valid));
    QVERIFY(pannel.Cap(row, col) == nullptr);
}

void TestKeyPannel::buildPannel_placesKeysByWidthGapAndRowGap()
{
    KeyPannel pannel;
    pannel.SetRowCol(3, 4);
    pannel.SetPannelParam(56, 10, 5, 600, 216);
    // Row 0: 1u, no key, a quarter-unit gap then 1.5u. Row 1: half a unit above, then 6.25u.
    // Row 2: no row gap, 2u.
    pannel.SetKeyValid(0, 0, 1);
    pannel.SetKeyWidth(0, 0, 100);
    pannel.SetKeyHeight(0, 0, 100);
    pannel.SetKeyValid(0, 2, 1);
    pannel.SetKeyWidth(0, 2, 150);
    pannel.SetKeyHeight(0, 2, 100);
    pannel.SetKeyGap(0, 2, 25);
    pannel.SetRowGap(1, 50);
    pannel.SetKeyValid(1, 0, 1);
    pannel.SetKeyWidth(1, 0, 625);
    pannel.SetKeyHeight(1, 0, 100);
    pannel.SetKeyValid(2, 1, 1);
    pannel.SetKeyWidth(2, 1, 200);
    pannel.SetKeyHeight(2, 1, 100);
    pannel.BuildPannel();
    pannel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pannel));

    QCOMPARE(pannel.size(), QSize(600, 216));
    QCOMPARE(pannel.minimumSize(), pannel.maximumSize());
    QVERIFY(pannel.styleSheet().startsWith(QStringLiteral("QWidget#KeyPannel{background:#000000}")));
    QVERIFY(pannel.styleSheet().endsWith(KeyCap::StyleSheet()));
    QVERIFY(pannel.Cap(0, 1) == nullptr);
    QVERIFY(pannel.Cap(0, 3) == nullptr);
    QCOMPARE(pannel.findChildren<KeyCap*>().size(), 4);

    QCOMPARE(pannel.Cap(0, 0)->geometry(), QRect(10, 10, 56, 56));
    // The missing cell takes no room; only the 14-pixel gap separates the keys.
    QCOMPARE(pannel.Cap(0, 2)->geometry(), QRect(10 + 56 + 14, 10, 84, 56));
    QCOMPARE(pannel.Cap(1, 0)->geometry(), QRect(10, 10 + 56 + 28, 350, 56));
    QCOMPARE(pannel.Cap(2, 1)->geometry(), QRect(10, 10 + 56 + 28 + 56, 112, 56));
}

void TestKeyPannel::buildPannel_secondCallAddsNoCaps()
{
    KeyPannel pannel;
    pannel.SetRowCol(1, 1);
    pannel.SetPannelParam(56, 10, 5, 100, 100);
    pannel.SetKeyValid(0, 0, 1);
    pannel.SetKeyWidth(0, 0, 100);
    pannel.BuildPannel();
    KeyCap* first = pannel.Cap(0, 0);
    pannel.BuildPannel();
    QCOMPARE(pannel.Cap(0, 0), first);
    QCOMPARE(pannel.findChildren<KeyCap*>().size(), 1);
}

void TestKeyPannel::clickOnCap_emitsRowAndColumnEvenWhenNotSelectable()
{
    KeyPannel pannel;
    pannel.SetRowCol(2, 3);
    pannel.SetPannelParam(56, 10, 5, 300, 200);
    for (int r = 0; r < 2; ++r) {
        for (int c = 0; c < 3; ++c) {
            pannel.SetKeyValid(r, c, 1);
            pannel.SetKeyWidth(r, c, 100);
            pannel.SetKeyHeight(r, c, 100);
        }
    }
    pannel.SetKeyCheckable(0, 0, 1);
    pannel.BuildPannel();
    QVERIFY(pannel.Cap(0, 0)->Button()->isCheckable());
    QVERIFY(!pannel.Cap(1, 2)->Button()->isCheckable());
    pannel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pannel));

    QSignalSpy clicked(&pannel, &KeyPannel::KeyCapClicked);
    QTest::ignoreMessage(QtDebugMsg, "Row 1 Col 2 Clicked");
    QTest::mouseClick(pannel.Cap(1, 2)->Button(), Qt::LeftButton);
    QTest::mouseClick(pannel.Cap(0, 0)->Button(), Qt::LeftButton);
    QCOMPARE(clicked.count(), 2);
    QCOMPARE(clicked.at(0).at(0).value<tdu1>(), tdu1(1));
    QCOMPARE(clicked.at(0).at(1).value<tdu1>(), tdu1(2));
    QCOMPARE(clicked.at(1).at(0).value<tdu1>(), tdu1(0));
    QCOMPARE(clicked.at(1).at(1).value<tdu1>(), tdu1(0));
    // The panel leaves the checked state to its owner; only the click toggled the selectable cap.
    QVERIFY(!pannel.Cap(1, 2)->Button()->isChecked());
}

QTEST_MAIN(TestKeyPannel)
#include "tst_keypannel.moc"
