#include "LogCapture.h"
#include "layout/KeyPannel.h"
#include "layout/LayoutFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {
using Role = LayoutFile::PannelRole;

// The three panels a main window fills from one layout.
struct Pannels
{
    KeyPannel keymap;
    KeyPannel iled;
    KeyPannel length;

    void Fill(const LayoutDescription& layout)
    {
        LayoutFile::FillPannel(&keymap, layout, Role::Keymap);
        LayoutFile::FillPannel(&iled, layout, Role::Indicator);
        LayoutFile::FillPannel(&length, layout, Role::Length);
    }
    QList<KeyPannel*> All()
    {
        return {&keymap, &iled, &length};
    }
};

const char* const kHeader = R"("rownum":2,"colnum":3,"cappix":56,"marpix":5,"fontsize":10,
    "pannelwidth":400,"pannelheight":200,"keyboardtype":1,"firmware":"https://fw.example/x/")";

QByteArray WithKeys(const QByteArray& keys, const QByteArray& extra = QByteArray())
{
    return "{" + QByteArray(kHeader) + extra + ",\"keys\":[" + keys + "]}";
}
} // namespace

class TestLayoutFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void fileName_joinsPrefixAndKeymapType_data();
    void fileName_joinsPrefixAndKeymapType();
    void read_storesEveryRootMember();
    void read_missingMembersReadAsZero();
    void read_unusableFileLeavesPannelsEmpty_data();
    void read_unusableFileLeavesPannelsEmpty();
    void read_gridLargerThan7x21IsRefused_data();
    void read_gridLargerThan7x21IsRefused();
    void read_dropsKeysOutsideGrid();
    void read_shortKeycodeArrayFillsLaterLayersWithZero();
    void read_numbersOutsideTheirTypeReadAsZero();
    void fill_laterEntryOverridesAndInvalidEntryMarksNoKeyOnly();
    void fill_indicatorPannelSelectsExactlyLedKeys_data();
    void fill_indicatorPannelSelectsExactlyLedKeys();
    void fill_extraRowGapsAreIgnored();

private:
    QString Write(const QByteArray& contents);

    std::unique_ptr<QTemporaryDir> m_dir;
    int m_files = 0;
};

void TestLayoutFile::init()
{
    m_dir.reset(new QTemporaryDir());
    QVERIFY(m_dir->isValid());
}

QString TestLayoutFile::Write(const QByteArray& contents)
{
    const QString path = m_dir->filePath(QStringLiteral("layout%1.json").arg(++m_files));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size()) {
        return QString();
    }
    return path;
}

void TestLayoutFile::fileName_joinsPrefixAndKeymapType_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("name");
    QTest::newRow("type 0") << "NOVA" << 0 << "config/NOVA_0.json";
    QTest::newRow("type 2") << "NOVA" << 2 << "config/NOVA_2.json";
    QTest::newRow("type 12") << "K65" << 12 << "config/K65_12.json";
}

void TestLayoutFile::fileName_joinsPrefixAndKeymapType()
{
    QFETCH(QString, prefix);
    QFETCH(int, type);
    QFETCH(QString, name);
    QCOMPARE(LayoutFile::FileName(prefix, type), name);
}

void TestLayoutFile::read_storesEveryRootMember()
{
    const QByteArray keys = R"({"row":1,"col":2,"valid":true,"gap":25,"width":150,"height":200,
        "keycode":[4,58,3,0],"iledflag":true,"iledtype":1})";
    const QString path = Write(WithKeys(keys, ",\"rowgap\":[0,50]"));
    LogCapture log("driver.layout");
    const LayoutDescription layout = LayoutFile::Read(path);
    QVERIFY(layout.ok);
    QCOMPARE(log.Lines().value(0), QStringLiteral("Load Json File \"%1\"").arg(path));
    QVERIFY(log.Lines().contains(QStringLiteral("400 Width")));
    const QList<int> root = {layout.rownum, layout.colnum, layout.cappix, layout.marpix, layout.fontsize,
        layout.pannelwidth, layout.pannelheight, layout.keyboardtype};
    QCOMPARE(root, QList<int>({2, 3, 56, 5, 10, 400, 200, 1}));
    QCOMPARE(layout.firmware, QStringLiteral("https://fw.example/x/"));
    QCOMPARE(layout.rowgap, QVector<tdu2>({0, 50}));
    QCOMPARE(layout.keys.size(), 1);
    const LayoutKey& key = layout.keys.first();
    QCOMPARE(QList<int>({key.row, key.col, key.gap, key.width, key.height, key.iledtype}),
        QList<int>({1, 2, 25, 150, 200, 1}));
    QVERIFY(key.valid && key.iledflag);
    QCOMPARE(key.keycode, (std::array<tdu2, 4> {4, 58, 3, 0}));

    Pannels pannels;
    pannels.Fill(layout);
    for (KeyPannel* pannel : pannels.All()) {
        QCOMPARE(QList<int>({pannel->RowNum(), pannel->ColNum(), pannel->CapPix(), pannel->FontSize(), pannel->MarPix(),
                     pannel->PannelWidth(), pannel->PannelHeight(), pannel->RowGap(1)}),
            QList<int>({2, 3, 56, 10, 5, 400, 200, 50}));
        QCOMPARE(QList<int>(
                     {pannel->IsKeyValid(1, 2), pannel->KeyGap(1, 2), pannel->KeyWidth(1, 2), pannel->KeyHeight(1, 2)}),
            QList<int>({1, 25, 150, 200}));
    }
    QCOMPARE(int(pannels.keymap.IsKeyCheckable(1, 2)), 1);
    QCOMPARE(int(pannels.iled.IsKeyCheckable(1, 2)), 1);
    QCOMPARE(int(pannels.length.IsKeyCheckable(1, 2)), 0);
}

void TestLayoutFile::read_missingMembersReadAsZero()
{
    const LayoutDescription layout = LayoutFile::Read(Write(R"({"keys":[]})"));
    QVERIFY(layout.ok);
    QCOMPARE(QList<int>({layout.rownum, layout.colnum, layout.cappix, layout.pannelwidth, layout.keyboardtype}),
        QList<int>({0, 0, 0, 0, 0}));
    QVERIFY(layout.firmware.isEmpty() && layout.rowgap.isEmpty() && layout.keys.isEmpty());

    // A valid key entry with nothing else gets zero sizes, zero codes and no LED.
    const LayoutDescription bare = LayoutFile::Parse(WithKeys(R"({"row":1,"col":1,"valid":true})"));
    QCOMPARE(bare.keys.size(), 1);
    QCOMPARE(int(bare.keys.first().width), 0);
    QCOMPARE(bare.keys.first().keycode, (std::array<tdu2, 4> {0, 0, 0, 0}));
    QVERIFY(!bare.keys.first().iledflag);
}

void TestLayoutFile::read_unusableFileLeavesPannelsEmpty_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("message");
    QTest::newRow("syntax error") << WithKeys(R"({"row":0,"col":0,"valid":true)") << "json error!";
    QTest::newRow("array root") << QByteArray("[1,2,3]") << "json error!";
    QTest::newRow("over 1 MiB") << (WithKeys(R"({"row":0,"col":0,"valid":true})") + QByteArray(1024 * 1024, ' '))
                                << "layout file too large \"%1\"";
    QTest::newRow("missing file") << QByteArray() << "could't open projects json";
}

void TestLayoutFile::read_unusableFileLeavesPannelsEmpty()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, message);

    const QString path = contents.isEmpty() ? m_dir->filePath(QStringLiteral("none.json")) : Write(contents);
    LogCapture log("driver.layout");
    const LayoutDescription layout = LayoutFile::Read(path);
    QVERIFY(!layout.ok);
    QVERIFY(layout.keys.isEmpty());
    QCOMPARE(log.Lines(), QStringList({QStringLiteral("Load Json File \"%1\"").arg(path), message.arg(path)}));

    Pannels pannels;
    pannels.Fill(layout);
    for (KeyPannel* pannel : pannels.All()) {
        QCOMPARE(int(pannel->RowNum()), 0);
        QCOMPARE(int(pannel->IsKeyValid(0, 0)), 0);
        pannel->BuildPannel();
        QVERIFY(pannel->findChildren<QWidget*>().isEmpty());
    }
}

void TestLayoutFile::read_gridLargerThan7x21IsRefused_data()
{
    QTest::addColumn<QByteArray>("grid");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("rows");
    QTest::newRow("7 x 21 fits") << QByteArray(R"("rownum":7,"colnum":21)") << true << 7;
    QTest::newRow("8 rows") << QByteArray(R"("rownum":8,"colnum":21)") << false << 0;
    QTest::newRow("22 cols") << QByteArray(R"("rownum":7,"colnum":22)") << false << 0;
    QTest::newRow("263 rows would wrap to 7") << QByteArray(R"("rownum":263,"colnum":3)") << false << 0;
    // Values that are no whole number read as 0: an empty grid, the rest of the layout still applies.
    QTest::newRow("negative") << QByteArray(R"("rownum":-1,"colnum":21)") << true << 0;
    QTest::newRow("text") << QByteArray(R"("rownum":"5","colnum":21)") << true << 0;
    QTest::newRow("fraction") << QByteArray(R"("rownum":7,"colnum":5.5)") << true << 7;
}

void TestLayoutFile::read_gridLargerThan7x21IsRefused()
{
    QFETCH(QByteArray, grid);
    QFETCH(bool, ok);
    QFETCH(int, rows);
    LogCapture log("driver.layout");
    const LayoutDescription layout = LayoutFile::Parse("{" + grid
        + R"(,"keyboardtype":1,"keys":[{"row":6,"col":20,"valid":true,"width":100},{"row":0,"col":0,"valid":true}]})");
    QCOMPARE(layout.ok, ok);
    QCOMPARE(log.Lines().contains(QStringLiteral("grid too large")), !ok);
    QCOMPARE(int(layout.keyboardtype), ok ? 1 : 0);
    const bool full = rows == 7 && layout.colnum == 21;
    QCOMPARE(layout.keys.size(), full ? 2 : 0);

    Pannels pannels;
    pannels.Fill(layout);
    QCOMPARE(int(pannels.keymap.IsKeyValid(6, 20)), full ? 1 : 0);
    QCOMPARE(int(pannels.keymap.RowNum()), rows);
}

void TestLayoutFile::read_dropsKeysOutsideGrid()
{
    const LayoutDescription layout = LayoutFile::Parse(WithKeys(R"({"row":2,"col":0,"valid":true},
        {"row":0,"col":3,"valid":true}, {"row":256,"col":0,"valid":true}, {"row":0,"col":-1,"valid":true},
        {"row":"1","col":0,"valid":true}, 7, {"row":1,"col":2,"valid":true})"));
    QVERIFY(layout.ok);
    QCOMPARE(layout.keys.size(), 1);
    QCOMPARE(int(layout.keys.first().row), 1);
    QCOMPARE(int(layout.keys.first().col), 2);

    Pannels pannels;
    pannels.Fill(layout);
    QCOMPARE(int(pannels.keymap.IsKeyValid(0, 0)), 0);
    QCOMPARE(int(pannels.keymap.IsKeyValid(1, 2)), 1);
}

void TestLayoutFile::read_shortKeycodeArrayFillsLaterLayersWithZero()
{
    const LayoutDescription layout = LayoutFile::Parse(WithKeys(R"({"row":0,"col":0,"valid":true,"keycode":[4,41]},
        {"row":0,"col":1,"valid":true,"keycode":[5,6,7,8,9]}, {"row":0,"col":2,"valid":false,"keycode":[5]})"));
    QCOMPARE(layout.keys.size(), 3);
    QCOMPARE(layout.keys.at(0).keycode, (std::array<tdu2, 4> {4, 41, 0, 0}));
    QCOMPARE(layout.keys.at(1).keycode, (std::array<tdu2, 4> {5, 6, 7, 8}));
    QCOMPARE(layout.keys.at(2).keycode, (std::array<tdu2, 4> {0, 0, 0, 0}));
}

void TestLayoutFile::read_numbersOutsideTheirTypeReadAsZero()
{
    const LayoutDescription layout = LayoutFile::Parse(R"({"rownum":1,"colnum":1,"cappix":300,"pannelwidth":65535,
        "pannelheight":65536,"fontsize":"10","rowgap":[1.5,-3,20],
        "keys":[{"row":0,"col":0,"valid":true,"width":70000,"height":"wide","gap":12.0,"keycode":[65535,65536,-1,true]}]})");
    QVERIFY(layout.ok);
    QCOMPARE(int(layout.cappix), 0);
    QCOMPARE(int(layout.pannelwidth), 65535);
    QCOMPARE(int(layout.pannelheight), 0);
    QCOMPARE(int(layout.fontsize), 0);
    QCOMPARE(layout.rowgap, QVector<tdu2>({0, 0, 20}));
    const LayoutKey& key = layout.keys.first();
    QCOMPARE(int(key.width), 0);
    QCOMPARE(int(key.height), 0);
    QCOMPARE(int(key.gap), 12);
    QCOMPARE(key.keycode, (std::array<tdu2, 4> {65535, 0, 0, 0}));
}

void TestLayoutFile::fill_laterEntryOverridesAndInvalidEntryMarksNoKeyOnly()
{
    const LayoutDescription layout = LayoutFile::Parse(WithKeys(R"(
        {"row":1,"col":0,"valid":true,"width":150,"height":100,"gap":25,"iledflag":true,"iledtype":2},
        {"row":1,"col":0,"valid":false},
        {"row":0,"col":0,"valid":true,"width":100,"iledflag":true},
        {"row":0,"col":0,"valid":true,"width":225,"iledflag":false})"));
    Pannels pannels;
    pannels.Fill(layout);
    for (KeyPannel* pannel : pannels.All()) {
        QCOMPARE(int(pannel->IsKeyValid(1, 0)), 0);
        QCOMPARE(int(pannel->KeyWidth(1, 0)), 150);
        QCOMPARE(int(pannel->KeyGap(1, 0)), 25);
        QCOMPARE(int(pannel->KeyWidth(0, 0)), 225);
        pannel->BuildPannel();
        QVERIFY(pannel->Cap(1, 0) == nullptr);
    }
    QCOMPARE(int(pannels.iled.IsKeyCheckable(0, 0)), 0);
}

void TestLayoutFile::fill_indicatorPannelSelectsExactlyLedKeys_data()
{
    QTest::addColumn<QByteArray>("led");
    QTest::addColumn<bool>("selectable");
    QTest::addColumn<int>("iledtype");
    QTest::newRow("no iledflag") << QByteArray() << false << 0;
    QTest::newRow("iledflag false keeps type unread") << QByteArray(R"(,"iledflag":false,"iledtype":3)") << false << 0;
    QTest::newRow("iledflag with type 3") << QByteArray(R"(,"iledflag":true,"iledtype":3)") << true << 3;
    QTest::newRow("iledflag without type") << QByteArray(R"(,"iledflag":true)") << true << 0;
}

void TestLayoutFile::fill_indicatorPannelSelectsExactlyLedKeys()
{
    QFETCH(QByteArray, led);
    QFETCH(bool, selectable);
    QFETCH(int, iledtype);

    const LayoutDescription layout
        = LayoutFile::Parse(WithKeys(R"({"row":0,"col":1,"valid":true,"width":100,"height":100)" + led + "}"));
    QCOMPARE(layout.keys.size(), 1);
    QCOMPARE(layout.keys.first().iledflag, selectable);
    QCOMPARE(int(layout.keys.first().iledtype), iledtype);

    Pannels pannels;
    pannels.Fill(layout);
    QCOMPARE(int(pannels.keymap.IsKeyCheckable(0, 1)), 1);
    QCOMPARE(int(pannels.iled.IsKeyCheckable(0, 1)), selectable ? 1 : 0);
    QCOMPARE(int(pannels.length.IsKeyCheckable(0, 1)), 0);
}

void TestLayoutFile::fill_extraRowGapsAreIgnored()
{
    const LayoutDescription layout
        = LayoutFile::Parse(WithKeys(QByteArray(), ",\"rowgap\":[10,20,30,40,50,60,70,80,90]"));
    QCOMPARE(layout.rowgap.size(), 9);
    Pannels pannels;
    pannels.Fill(layout);
    for (KeyPannel* pannel : pannels.All()) {
        QCOMPARE(int(pannel->RowGap(0)), 10);
        QCOMPARE(int(pannel->RowGap(1)), 20);
        QCOMPARE(int(pannel->RowGap(2)), 0);
        QCOMPARE(int(pannel->RowGap(6)), 0);
    }
}

QTEST_MAIN(TestLayoutFile)
#include "tst_layoutfile.moc"
