#include "about/AboutDialog.h"
#include "about/StoreCatalogue.h"
#include "app/DeviceIndex.h"
#include "app/DeviceManager.h"
#include "app/MainDialog.h"
#include "keymap/KeymapDialog.h"
#include "keymap/KeymapFile.h"
#include "keymap/KeymapStore.h"
#include "layout/KeyPannel.h"
#include "layout/LayoutFile.h"
#include "settings/FirmwareInfo.h"
#include "settings/GeneralConfigDialog.h"
#include "sim/SimBus.h"
#include "support/LocalHttpServer.h"
#include "support/TestFolder.h"
#include "support/TestLayouts.h"
#include "ui/FileDialog.h"
#include "ui/MessageBox.h"
#include "ui/VersionText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextCodec>
#include <QToolButton>
#include <QtTest>

#include <functional>

// Every file the program reads, broken in every way a file can be: each gives a clear result
// (read, or refused with the page's message) without a crash, a hang or a memory blow-up. Large
// inputs are made here, not kept in the repository; bench_session measures their memory.
class TestHostileFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void deviceIndex_data();
    void deviceIndex();
    void layout_data();
    void layout();
    void keymapFile_data();
    void keymapFile();
    void storeCatalogue_data();
    void storeCatalogue();
    void versionText_data();
    void versionText();
    void firmwareInfo_data();
    void firmwareInfo();

private:
    std::unique_ptr<TestFolder> m_folder;
};

namespace {
const QString kName = QStringLiteral("PFX_0");
// An attribute or string value that is replaced by hostile text.
const QByteArray kMark = "@MARK@";
// Far more than any reader takes (1 MiB at most).
constexpr int kOverLimit = 2 * 1024 * 1024;
QByteArray Gbk(const QString& text)
{
    return QTextCodec::codecForName("GBK")->fromUnicode(text);
}

// Replaces every number (or, with strings, every string) of a JSON value, keys kept.
QJsonValue Replace(const QJsonValue& value,
    const QJsonValue& number,
    const QJsonValue& string,
    const QString& key,
    const QStringList& keep)
{
    if (keep.contains(key))
        return value;
    if (value.isArray()) {
        QJsonArray array;
        for (const QJsonValue& item : value.toArray())
            array.append(Replace(item, number, string, key, keep));
        return array;
    }
    if (value.isObject()) {
        QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it)
            it.value() = Replace(it.value(), number, string, it.key(), keep);
        return object;
    }
    if (value.isDouble() && !number.isUndefined())
        return number;
    if (value.isString() && !string.isUndefined())
        return string;
    return value;
}

QByteArray Json(const QJsonValue& value)
{
    return value.isArray() ? QJsonDocument(value.toArray()).toJson() : QJsonDocument(value.toObject()).toJson();
}

// Rows shared by the JSON files; refused names the rows the reader must refuse.
void AddJsonRows(
    const QByteArray& valid, const QByteArray& largest, const QStringList& keep, const QStringList& refused)
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("accepted");
    const QJsonObject root = QJsonDocument::fromJson(valid).object();
    auto row = [&refused](const char* name, const QByteArray& content) {
        QTest::newRow(name) << content << !refused.contains(QLatin1String(name));
    };
    auto numbers
        = [&](const QJsonValue& number) { return Json(Replace(root, number, QJsonValue::Undefined, {}, keep)); };
    auto strings = [&](const QByteArray& text) {
        return Json(Replace(root, QJsonValue::Undefined, QString::fromLatin1(kMark), {}, keep)).replace(kMark, text);
    };
    row("valid", valid);
    row("empty", QByteArray());
    row("not json", "this is not { json");
    row("truncated", valid.left(valid.size() / 2));
    row("array at the root", "[" + valid + "]");
    row("over the size limit", valid + QByteArray(kOverLimit, ' '));
    row("largest allowed", largest);
    row("nested 100000 deep", QByteArray(100000, '[') + QByteArray(100000, ']'));
    row("value nested 5000 deep", "{\"keys\":" + QByteArray(5000, '[') + QByteArray(5000, ']') + "}");
    row("numbers -1", numbers(-1));
    row("numbers below int", numbers(-2147483649.0));
    row("numbers above uint", numbers(4294967296.0));
    row("numbers 1e308", numbers(1e308));
    row("numbers 0.5", numbers(0.5));
    row("numbers as strings", numbers(QStringLiteral("12")));
    row("numbers as arrays", numbers(QJsonArray {1, 2}));
    row("numbers as objects", numbers(QJsonObject {{"a", 1}}));
    row("numbers null", numbers(QJsonValue::Null));
    row("strings as numbers", Json(Replace(root, QJsonValue::Undefined, 7, {}, keep)));
    row("NaN", numbers(987654321).replace("987654321", "NaN"));
    row("Infinity", numbers(987654321).replace("987654321", "-Infinity"));
    row("1e999", numbers(987654321).replace("987654321", "1e999"));
    // Scalar first copies: Qt 5.15's parser leaks a dropped duplicate that is an array or object.
    QByteArray duplicates = "{";
    for (const QString& key : root.keys())
        duplicates += "\"" + key.toUtf8() + "\": \"dup\",";
    row("duplicate keys", duplicates + valid.mid(valid.indexOf('{') + 1));
    row("invalid UTF-8", strings("\xC3\x28\xFF\xC0\xAF\xED\xA0\x80"));
    row("GBK", strings(Gbk(QStringLiteral("键盘布局"))));
    row("byte order mark", "\xEF\xBB\xBF" + valid);
    row("NUL in a string", strings(QByteArray("a\0b", 3)));
}

// Rows shared by the XML files: valid has kMark in one attribute value, whose valid text is
// markValue, and its numbers in attributes.
void AddXmlRows(const QByteArray& valid,
    const QByteArray& markValue,
    const QByteArray& largest,
    qint64 limit,
    const QStringList& refused)
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("accepted");
    auto row = [&refused](const char* name, const QByteArray& content) {
        QTest::newRow(name) << content << !refused.contains(QLatin1String(name));
    };
    const QByteArray plain = QByteArray(valid).replace(kMark, markValue);
    auto numbers = [&plain](const QString& text) {
        return QString::fromUtf8(plain).replace(QRegularExpression("=\"[0-9]+\""), "=\"" + text + "\"").toUtf8();
    };
    const int body = plain.indexOf("?>") + 2;
    row("valid", plain);
    row("empty", QByteArray());
    row("not xml", "this is < not xml");
    row("truncated", plain.left(plain.size() / 2));
    row("over the size limit", plain + "<!--" + QByteArray(int(limit), 'x') + "-->");
    row("largest allowed", largest);
    row("nested 100000 deep", QByteArray().append(QByteArray("<a>").repeated(100000)));
    row("entity expansion",
        plain.left(body)
            + "<!DOCTYPE d [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
              "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\"><!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">]>"
            + plain.mid(body).replace(markValue, "&d;"));
    row("external entity",
        plain.left(body) + "<!DOCTYPE d [<!ENTITY e SYSTEM \"file:///etc/passwd\">]>"
            + plain.mid(body).replace(markValue, "&e;"));
    row("numbers -1", numbers("-1"));
    row("numbers 99999999999999999999", numbers("99999999999999999999"));
    row("numbers as letters", numbers("x"));
    row("numbers NaN", numbers("NaN"));
    row("numbers 1.5", numbers("1.5"));
    row("duplicate attribute", QByteArray(valid).replace(kMark, markValue + "\" " + "DUP=\"1\" DUP=\"2"));
    row("invalid UTF-8", QByteArray(valid).replace(kMark, "\xC3\x28\xFF\xC0\xAF"));
    row("GBK undeclared", QByteArray(valid).replace(kMark, Gbk(QStringLiteral("键盘"))));
    row("GBK declared",
        QByteArray(valid).replace("encoding=\"UTF-8\"", "encoding=\"GBK\"").replace(kMark, markValue + Gbk("键")));
    row("NUL byte", QByteArray(valid).replace(kMark, markValue + QByteArray("\0", 1)));
}

QByteArray KeymapXml(const QString& name, int rows, int cols, int extraColumns = 0)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<DEVICE KEYBOARD_NAME=\"" + name.toUtf8()
        + "\">\n<LAYERNUM LAYER_NUMBER=\"4\"/>\n<ROWNUM ROW_NUMBER=\"" + QByteArray::number(rows)
        + "\"/>\n<COLNUM COL_NUMBER=\"" + QByteArray::number(cols) + "\"/>\n<KEYMAP>\n";
    for (int l = 0; l < 4; l++) {
        xml += "<LAYER LAYER_INDEX=\"" + QByteArray::number(l) + "\">\n";
        for (int r = 0; r < rows; r++) {
            xml += "<ROW ROW_INDEX=\"" + QByteArray::number(r) + "\">";
            for (int c = 0; c < cols + extraColumns; c++)
                xml += "<COLUMN COL_INDEX=\"" + QByteArray::number(c) + "\" KEYCODE=\"6404\"/>";
            xml += "</ROW>\n";
        }
        xml += "</LAYER>\n";
    }
    return xml + "</KEYMAP>\n</DEVICE>\n";
}

QByteArray StoreXml(int products)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<STORE>\n<V PRIVERSION=\"1\"/>\n"
                     "<V SUBVERSION=\"2\"/>\n<N SALE_NUMBER=\""
        + QByteArray::number(qMin(products, 255)) + "\"/>\n";
    for (int i = 0; i < products; i++) {
        xml += "<P SALE_INDEX=\"" + QByteArray::number(i % 200) + "\" SALENAME=\"" + (i == 0 ? kMark : "Board")
            + "\" SALELINK=\"https://shop.example.com/" + QByteArray::number(i) + "\"/>\n";
    }
    return xml + "</STORE>\n";
}
} // namespace

void TestHostileFiles::initTestCase()
{
    sim::SimBus::instance().reset();
}

void TestHostileFiles::init()
{
    MessageBox::ClearLast();
    m_folder = std::make_unique<TestFolder>();
}

void TestHostileFiles::cleanup()
{
    m_folder.reset();
}

void TestHostileFiles::deviceIndex_data()
{
    QJsonArray types {"Win", "Mac"};
    QJsonObject demo = TestLayouts::Entry(0x0601, QStringLiteral("PFX"), QStringLiteral("Board"));
    demo.insert("type", types);
    const QJsonObject index {{"priver", 1}, {"subver", 3},
        {"inst", QJsonArray {TestLayouts::Entry(0x0602, QStringLiteral("PFX"), QStringLiteral("Plugged"))}},
        {"demo", QJsonArray {demo}},
        {"keymap", QJsonArray {QJsonObject {{"name", "PFX_0"}, {"url", "https://example.com/PFX_0.json"}}}}};
    // As many models as fit under the size limit.
    QJsonArray many;
    const int entrySize = Json(QJsonArray {demo}).size();
    while ((many.size() + 1) * entrySize * 2 < 800 * 1024)
        many.append(demo);
    const QByteArray largest = Json(QJsonObject {{"priver", 1}, {"inst", many}, {"demo", many}});
    AddJsonRows(Json(index), largest, {},
        {"empty", "not json", "truncated", "array at the root", "over the size limit", "nested 100000 deep",
            "value nested 5000 deep", "NaN", "Infinity", "1e999", "invalid UTF-8", "GBK", "NUL in a string",
            "strings as numbers"});
    // Names that would reach files outside config/ or replace the index.
    QTest::newRow("prefix leaving config") << Json(index).replace("\"PFX\"", "\"../../x\"") << false;
    QTest::newRow("layout named index") << Json(index).replace("\"PFX_0\"", "\"INDEX\"") << false;
}

void TestHostileFiles::deviceIndex()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, accepted);
    sim::SimBus::instance().reset();
    sim::SimBus::instance().plug(0x4E4F, 0x0602);
    QVERIFY(m_folder->Write("config/index.json", content));
    DeviceIndex index;
    QCOMPARE(index.Load(QStringLiteral("config/index.json")), accepted);

    DeviceManager manager;
    manager.show();
    auto* list = manager.findChild<QListWidget*>("listWidget");
    const QString version = manager.findChild<QLabel*>("lblKeymapVer")->text();
    if (!accepted) {
        QCOMPARE(list->count(), 0);
        QCOMPARE(version, QStringLiteral("Keymap Ver:0.0"));
    } else {
        QCOMPARE(version, QStringLiteral("Keymap Ver:%1.%2").arg(index.priver).arg(index.subver));
        // Headings aside, one row for each plugged keyboard and each demo model.
        int opens = 0;
        for (int row = 0; row < list->count(); row++)
            opens += (list->item(row)->flags() & Qt::ItemIsSelectable) ? 1 : 0;
        QCOMPARE(opens, manager.FoundCount() + index.demo.size());
    }
    // A demo entry opens a window however odd its numbers and names; the demo models come last.
    const int demoRow = list->count() - index.demo.size();
    if (demoRow < list->count()) {
        list->setCurrentRow(demoRow);
        MessageBox::SetNextAnswer(QMessageBox::Ignore);
        QTest::mouseClick(manager.findChild<QPushButton*>("btnDemo"), Qt::LeftButton);
        QPointer<MainDialog> window = manager.LastMainWindow();
        QVERIFY(window);
        QVERIFY(window->width() <= 4096 && window->height() <= 4096);
        window->grab();
        delete window.data();
    }
}

void TestHostileFiles::layout_data()
{
    const QByteArray valid = TestLayouts::Grid(5, 15);
    // The largest grid, its keys listed again and again up to the size limit.
    QJsonObject root = QJsonDocument::fromJson(TestLayouts::Grid(7, 21)).object();
    const QJsonArray keys = root.value("keys").toArray();
    QJsonArray many;
    while (Json(QJsonObject {{"keys", many}}).size() < 900 * 1024) {
        for (const QJsonValue& key : keys)
            many.append(key);
    }
    root.insert("keys", many);
    AddJsonRows(valid, Json(root), {"rownum", "colnum", "row", "col"},
        {"empty", "not json", "truncated", "array at the root", "over the size limit", "nested 100000 deep",
            "value nested 5000 deep", "NaN", "Infinity", "1e999", "invalid UTF-8", "GBK"});
    // Every size at its largest, and the grid beyond what the panels hold.
    QTest::newRow("every size 65535") << Json(Replace(QJsonDocument::fromJson(TestLayouts::Grid(7, 21)).object(), 65535,
        QJsonValue::Undefined, {}, {"rownum", "colnum", "row", "col", "keycode", "keyboardtype", "iledtype"}))
                                      << true;
    QTest::newRow("grid 8 x 22") << TestLayouts::Grid(8, 22) << false;
}

void TestHostileFiles::layout()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, accepted);
    QVERIFY(m_folder->Write("config/PFX_0.json", content));
    const LayoutDescription layout = LayoutFile::Read(QStringLiteral("config/PFX_0.json"));
    QCOMPARE(layout.ok, accepted);

    MainDialog window(nullptr, true, 0x0601, 0);
    window.SetWindowSize(1294, 800);
    window.SetDeviceNames(QStringLiteral("PFX"), QStringLiteral("Board"));
    QVERIFY(window.Connect());
    window.Setup();
    window.show();
    const QString status = window.findChild<QLabel*>("lblStatus")->text();
    QCOMPARE(status,
        accepted ? QString()
                 : QStringLiteral("The layout for this keyboard is missing or unusable: config/PFX_0.json"));
    KeyPannel* pannel = window.KeymapPage()->Pannel();
    QVERIFY(pannel->RowNum() <= KeyPannel::kRows && pannel->ColNum() <= KeyPannel::kCols);
    // Every page painted once, as the user would see them.
    for (const char* button : {"tbtn1", "tbtn4", "tbtn5", "tbtn6"}) {
        QTest::mouseClick(window.findChild<QToolButton*>(button), Qt::LeftButton);
        QVERIFY(!window.grab().isNull());
    }
}

void TestHostileFiles::keymapFile_data()
{
    QByteArray valid = KeymapXml(kName, 5, 15);
    valid.replace("KEYBOARD_NAME=\"PFX_0\"", "KEYBOARD_NAME=\"PFX_0\" NOTE=\"" + kMark + "\"");
    // Each row 2400 columns long: the reader takes the first 15.
    const QByteArray largest = KeymapXml(kName, 5, 15, 1000);
    AddXmlRows(valid, "note", largest, KeymapFile::kMaxFileSize,
        {"empty", "not xml", "truncated", "over the size limit", "nested 100000 deep", "entity expansion",
            "external entity", "numbers -1", "numbers 99999999999999999999", "numbers as letters", "numbers NaN",
            "numbers 1.5", "duplicate attribute", "invalid UTF-8", "GBK undeclared", "NUL byte"});
    QTest::newRow("another keyboard's file") << KeymapXml(QStringLiteral("PFX_1"), 5, 15) << false;
    QTest::newRow("another grid") << KeymapXml(kName, 4, 15) << false;
    QTest::newRow("keycodes out of range")
        << KeymapXml(kName, 5, 15).replace("KEYCODE=\"6404\"", "KEYCODE=\"-65536\"") << true;
}

void TestHostileFiles::keymapFile()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, accepted);
    QVERIFY(m_folder->Write("config/PFX_0.json", TestLayouts::Grid(5, 15)));
    QVERIFY(m_folder->Write("hostile.xml", content));
    MainDialog window(nullptr, true, 0x0601, 0);
    window.SetWindowSize(1294, 800);
    window.SetDeviceNames(QStringLiteral("PFX"), QStringLiteral("Board"));
    QVERIFY(window.Connect());
    window.Setup();
    window.show();
    KeymapStore* store = window.KeymapPage()->Store();
    const KeymapStore::KeymapCodes before = store->KeymapCopy(0);

    FileDialog::SetNextFileName(m_folder->Path("hostile.xml"));
    QTest::mouseClick(window.findChild<QToolButton*>("tbtnLoad"), Qt::LeftButton);

    const QString status = window.findChild<QLabel*>("lblStatus")->text();
    if (accepted) {
        QCOMPARE(status, QStringLiteral("Success to Load Keymap File"));
        QVERIFY(!(store->KeymapCopy(0) == before));
    } else {
        QVERIFY2(status.startsWith(QStringLiteral("Failed to Load Keymap File")), qPrintable(status));
        QVERIFY(store->KeymapCopy(0) == before);
    }
    QVERIFY(!window.grab().isNull());
}

void TestHostileFiles::storeCatalogue_data()
{
    // As many products as fit under the size limit, far more than the page has tiles for.
    int products = 1000;
    while (StoreXml(products).size() > StoreCatalogue::kMaxFileSize)
        products -= 20;
    AddXmlRows(StoreXml(3), "Board", StoreXml(products).replace(kMark, "Board"), StoreCatalogue::kMaxFileSize,
        {"empty", "not xml", "truncated", "over the size limit", "nested 100000 deep", "entity expansion",
            "external entity", "numbers -1", "numbers 99999999999999999999", "numbers as letters", "numbers NaN",
            "numbers 1.5", "duplicate attribute", "invalid UTF-8", "GBK undeclared", "NUL byte"});
    QTest::newRow("count beyond the products")
        << StoreXml(3).replace("SALE_NUMBER=\"3\"", "SALE_NUMBER=\"255\"").replace(kMark, "Board") << true;
}

void TestHostileFiles::storeCatalogue()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, accepted);
    QDir().mkpath(QStringLiteral("Store"));
    QVERIFY(m_folder->Write("Store/store.xml", content));
    StoreCatalogue catalogue;
    QCOMPARE(catalogue.Parse(content.size() > StoreCatalogue::kMaxFileSize ? QByteArray() : content), accepted);

    AboutDialog page(nullptr, QUrl());
    page.show();
    QCOMPARE(page.TileCount(), accepted ? qMin(int(catalogue.saleNum), catalogue.products.size()) : 0);
    QVERIFY(page.TileCount() <= StoreCatalogue::kMaxTiles);
    QVERIFY(!page.grab().isNull());
}

void TestHostileFiles::versionText_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<quint64>("value");
    auto row = [](const char* name, const QByteArray& content, bool accepted, quint64 value = 0) {
        QTest::newRow(name) << content << accepted << value;
    };
    row("valid", "1.3", true, 13);
    row("empty", "", false);
    row("three parts", "1.2.3", false);
    row("only a dot", ".", true, 0);
    row("negative", "-1.-5", true, 0);
    row("beyond 32 bits", "99999999999.4294967296", true, 0);
    row("largest", "4294967295.4294967295", true, 42949672950ULL + 4294967295ULL);
    row("NaN", "NaN.inf", true, 0);
    row("fractions", "1.5e3.2", false);
    row("CR LF around", "\r\n 2 . 7 \r\n", true, 27);
    row("NUL inside", QByteArray("1\0.2", 4), true, 2);
    row("invalid UTF-8", "\xC3\x28.\xFF", true, 0);
    row("GBK digits", Gbk(QStringLiteral("１.２")), true, 0);
    row("over 256 bytes", "1." + QByteArray(300, '1'), false);
    row("enormous", QByteArray(kOverLimit, '9') + ".1", false);
}

void TestHostileFiles::versionText()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, accepted);
    QFETCH(quint64, value);
    VersionText version;
    QCOMPARE(VersionText::Parse(content, &version), accepted);
    if (accepted)
        QCOMPARE(version.Value(), value);
}

void TestHostileFiles::firmwareInfo_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("version");
    const QString noInfo = QStringLiteral("Fail to Load Firmware Info");
    const QString noVersion = QStringLiteral("Fail to Get Keyboard Version");
    const QByteArray head = "[Device]=Board\r\n[Version]=1_2_3\r\n";
    auto row = [](const char* name, const QByteArray& content, const QString& message, const char* version = "") {
        QTest::newRow(name) << content << message << QString::fromUtf8(version);
    };
    row("valid", head + "[Desc]=fixes", QString(), "Ver: 1.2.3");
    row("empty", "", noInfo);
    row("binary noise", QByteArray(4096, '\xA5'), noInfo);
    row("truncated", head.left(20), noVersion);
    row("only line ends", QByteArray("\r\n").repeated(30000), noInfo);
    row("largest allowed: notes up to 64 KiB", head + QByteArray("[Desc]=") + QByteArray(60000, 'n'), QString(),
        "Ver: 1.2.3");
    row("many short notes", head + QByteArray("[Desc]=n\r\n").repeated(6000), QString(), "Ver: 1.2.3");
    row("over the size limit", head + QByteArray(kOverLimit, 'x'), noInfo);
    row("version of dots", "[Device]=B\r\n[Version]=____", QString(), "Ver: ....");
    row("negative and NaN", "[Device]=-1\r\n[Version]=-1_NaN_1e999", QString(), "Ver: -1.NaN.1e999");
    row("duplicate keys", "[Device]=A\r\n[Device]=B\r\n[Version]=1", noVersion);
    row("invalid UTF-8", "[Device]=\xC3\x28\r\n[Version]=\xFF_1", QString(), "Ver: \xEF\xA3\xB5.1");
    row("GBK", "[Device]=" + Gbk(QStringLiteral("键盘")) + "\r\n[Version]=2_0\r\n[Desc]=" + Gbk(QStringLiteral("修复")),
        QString(), "Ver: 2.0");
    row("NUL bytes", QByteArray("[Device]=a\0b\r\n[Version]=3_1\0", 27), QString(), "Ver: 3.1");
    row("markup", "[Device]=B\r\n[Version]=<h1>9</h1>\r\n[Desc]=<table><tr><td>x</td></tr></table>", QString(),
        "Ver: <h1>9</h1>");
}

void TestHostileFiles::firmwareInfo()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    QFETCH(QString, version);
    LocalHttpServer server;
    QVERIFY(server.IsListening());
    server.Serve(QStringLiteral("/fw/Version.txt"), content);
    GeneralConfigDialog page;
    page.SetFirmwareUrl(server.Url("fw/"));
    page.show();
    MessageBox::SetNextAnswer(QMessageBox::Ok);
    auto* button = page.findChild<QPushButton*>("btnGetNewFmVer");
    QTest::mouseClick(button, Qt::LeftButton);
    QTRY_VERIFY(button->isEnabled());
    QCOMPARE(MessageBox::LastText(), message);
    QCOMPARE(page.findChild<QLabel*>("lblNewFmVer")->text(), version);
    if (!version.isEmpty()) {
        QCOMPARE(page.findChild<QLabel*>("lblNewFmVer")->textFormat(), Qt::PlainText);
        QCOMPARE(page.findChild<QLabel*>("lblFirmwareDesc")->textFormat(), Qt::PlainText);
    }
    QVERIFY(!page.grab().isNull());
}

QTEST_MAIN(TestHostileFiles)
#include "tst_hostilefiles.moc"
