#include "device/Protocol.h"
#include "layout/KeyCap.h"
#include "layout/KeyPannel.h"
#include "layout/LayoutFile.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLayout>
#include <QToolButton>
#include <QtTest>

namespace {
// Room the main window leaves for a key panel: navigation column, title bar, status line, the
// keycode pickers under the keymap panel, and the general settings page of 1160 x 620 whose
// key panel area is 1030 x 600 with 240 pixels of settings under the panel.
constexpr int kNavWidth = 110;
constexpr int kTitleHeight = 60;
constexpr int kStatusHeight = 22;
constexpr int kPickerHeight = 300;
constexpr int kGeneralPageWidth = 1160;
constexpr int kGeneralPageHeight = 620;
constexpr int kGeneralPannelWidth = 1030;
constexpr int kGeneralPannelHeight = 600 - 240;
constexpr int kPannelMargin = 10;
constexpr tdu2 kCapsLock = 57;
constexpr tdu2 kEmpty = 3;

QString ConfigPath(const QString& name)
{
    return QDir(QStringLiteral(DRIVER_CONFIG_DIR)).filePath(name);
}

QJsonObject Index()
{
    QFile file(ConfigPath(QStringLiteral("index.json")));
    if (!file.open(QIODevice::ReadOnly)) {
        return QJsonObject();
    }
    return QJsonDocument::fromJson(file.readAll()).object();
}
} // namespace

class TestShippedLayouts : public QObject
{
    Q_OBJECT

private slots:
    void index_listsSameModelsForUseDemoAndDownload();
    void layout_loadsWithinTransferLimits_data();
    void layout_loadsWithinTransferLimits();
    void layout_builtPannelsHoldEveryKeyAndFitTheWindow_data();
    void layout_builtPannelsHoldEveryKeyAndFitTheWindow();
};

void TestShippedLayouts::index_listsSameModelsForUseDemoAndDownload()
{
    const QJsonObject index = Index();
    QCOMPARE(index.value("priver").toInt(), 1);
    QCOMPARE(index.value("subver").toInt(), 0);
    const QJsonArray inst = index.value("inst").toArray();
    const QJsonArray demo = index.value("demo").toArray();
    QVERIFY(inst.size() >= 2);
    QCOMPARE(demo.size(), inst.size());
    for (int i = 0; i < inst.size(); ++i) {
        const QJsonObject a = inst.at(i).toObject();
        const QJsonObject b = demo.at(i).toObject();
        for (const char* member : {"pid", "width", "height", "prefix", "name"}) {
            QCOMPARE(a.value(member), b.value(member));
        }
        QVERIFY(a.value("pid").toInt() > 0 && a.value("pid").toInt() <= 0xFFFF);
        QVERIFY(!a.value("prefix").toString().isEmpty());
        QVERIFY(!a.value("name").toString().isEmpty());
        QVERIFY(!b.value("type").toArray().isEmpty());
        QVERIFY(a.value("width").toInt() >= kNavWidth + kGeneralPageWidth);
        QVERIFY(a.value("height").toInt() >= kTitleHeight + kGeneralPageHeight + kStatusHeight);
    }

    // The download list names exactly the layout files of every model and keymap type.
    QStringList listed;
    for (const QJsonValue& entry : index.value("keymap").toArray()) {
        const QString name = entry.toObject().value("name").toString();
        QVERIFY(entry.toObject().value("url").toString().startsWith("https://"));
        QVERIFY(entry.toObject().value("url").toString().endsWith("/" + name + ".json"));
        listed.append(name + ".json");
    }
    QStringList expected;
    for (const QJsonValue& model : index.value("demo").toArray()) {
        const QJsonObject entry = model.toObject();
        for (int type = 0; type < entry.value("type").toArray().size(); ++type) {
            expected.append(QFileInfo(LayoutFile::FileName(entry.value("prefix").toString(), type)).fileName());
        }
    }
    QStringList onDisk = QDir(QStringLiteral(DRIVER_CONFIG_DIR)).entryList({"*_*.json"}, QDir::Files);
    listed.sort();
    expected.sort();
    onDisk.sort();
    QCOMPARE(listed, expected);
    QCOMPARE(onDisk, expected);
}

static void AddLayoutRows()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("windowWidth");
    QTest::addColumn<int>("windowHeight");
    for (const QJsonValue& model : Index().value("demo").toArray()) {
        const QJsonObject entry = model.toObject();
        for (int type = 0; type < entry.value("type").toArray().size(); ++type) {
            const QString file = LayoutFile::FileName(entry.value("prefix").toString(), type);
            QTest::newRow(qPrintable(file))
                << QFileInfo(file).fileName() << entry.value("width").toInt() << entry.value("height").toInt();
        }
    }
}

void TestShippedLayouts::layout_loadsWithinTransferLimits_data()
{
    AddLayoutRows();
}

void TestShippedLayouts::layout_loadsWithinTransferLimits()
{
    QFETCH(QString, file);
    const LayoutDescription layout = LayoutFile::Read(ConfigPath(file));
    QVERIFY(layout.ok);
    QVERIFY(layout.rownum >= 1 && layout.rownum <= Protocol::kMaxRows);
    QVERIFY(layout.colnum >= 1 && layout.colnum <= Protocol::kMaxCols);
    QVERIFY(layout.rownum * layout.colnum <= Protocol::kMaxTransferableKeys);
    QVERIFY(Protocol::KeymapPayloadSize(layout.rownum, layout.colnum) <= Protocol::kMaxPayload);
    QVERIFY(layout.firmware.startsWith("https://") && layout.firmware.endsWith('/'));
    QVERIFY(layout.keyboardtype <= 1);
    QCOMPARE(layout.rowgap.size(), int(layout.rownum));

    int capsLocks = 0;
    QSet<int> cells;
    for (const LayoutKey& key : layout.keys) {
        QVERIFY2(!cells.contains(key.row * 100 + key.col), "cell described twice");
        cells.insert(key.row * 100 + key.col);
        if (!key.valid) {
            continue;
        }
        QVERIFY(key.width >= 100 && key.height == 100);
        QVERIFY2(key.keycode[0] != 0 && key.keycode[0] != kEmpty, "dead key on layer 1");
        for (tdu2 code : key.keycode) {
            QVERIFY(code != 0 && code <= 0xFF);
        }
        if (key.iledflag) {
            ++capsLocks;
            QCOMPARE(key.keycode[0], kCapsLock);
            QCOMPARE(int(key.iledtype), 1);
        }
    }
    QCOMPARE(capsLocks, 1);
    QCOMPARE(cells.size(), layout.rownum * layout.colnum);
}

void TestShippedLayouts::layout_builtPannelsHoldEveryKeyAndFitTheWindow_data()
{
    AddLayoutRows();
}

void TestShippedLayouts::layout_builtPannelsHoldEveryKeyAndFitTheWindow()
{
    QFETCH(QString, file);
    QFETCH(int, windowWidth);
    QFETCH(int, windowHeight);

    const LayoutDescription layout = LayoutFile::Read(ConfigPath(file));
    QVERIFY(layout.ok);
    const QSize pannelSize(layout.pannelwidth, layout.pannelheight);
    QVERIFY(kNavWidth + pannelSize.width() <= windowWidth);
    QVERIFY(kTitleHeight + pannelSize.height() + kPickerHeight + kStatusHeight <= windowHeight);
    QVERIFY(pannelSize.width() <= kGeneralPannelWidth);
    QVERIFY(pannelSize.height() <= kGeneralPannelHeight);

    const QList<LayoutFile::PannelRole> roles
        = {LayoutFile::PannelRole::Keymap, LayoutFile::PannelRole::Indicator, LayoutFile::PannelRole::Length};
    for (LayoutFile::PannelRole role : roles) {
        KeyPannel pannel;
        LayoutFile::FillPannel(&pannel, layout, role);
        pannel.BuildPannel();
        pannel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pannel));
        QCOMPARE(pannel.size(), pannelSize);
        QVERIFY(pannel.layout()->minimumSize().width() <= pannelSize.width());
        QVERIFY(pannel.layout()->minimumSize().height() <= pannelSize.height());

        const QRect inside = pannel.rect().adjusted(kPannelMargin, kPannelMargin, -kPannelMargin, -kPannelMargin);
        int caps = 0;
        for (const LayoutKey& key : layout.keys) {
            KeyCap* cap = pannel.Cap(key.row, key.col);
            QCOMPARE(cap != nullptr, key.valid);
            if (cap == nullptr) {
                continue;
            }
            ++caps;
            QVERIFY2(inside.contains(cap->geometry()),
                qPrintable(QStringLiteral("key %1,%2 overflows the panel").arg(key.row).arg(key.col)));
            QCOMPARE(cap->PixelWidth(), key.width * layout.cappix / 100);
            const bool selectable
                = role == LayoutFile::PannelRole::Keymap || (role == LayoutFile::PannelRole::Indicator && key.iledflag);
            QCOMPARE(cap->Button()->isCheckable(), selectable);
        }
        QVERIFY(caps > 0 && caps <= Protocol::kMaxTransferableKeys);
    }
}

QTEST_MAIN(TestShippedLayouts)
#include "tst_shippedlayouts.moc"
