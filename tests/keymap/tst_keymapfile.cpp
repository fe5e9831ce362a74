#include "device/Protocol.h"
#include "keymap/KeymapFile.h"
#include "keymap/KeymapStore.h"

#include <QDomDocument>
#include <QtTest>
#include <functional>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <unistd.h>
#endif

Q_DECLARE_METATYPE(KeymapFile::LoadResult)

namespace {

const QString kName = QStringLiteral("Alpha 60 键盘");

tdu2 seededCode(int seed, int keymap, int layer, int row, int col)
{
    return static_cast<tdu2>((seed * 40503 + keymap * 9001 + layer * 2741 + row * 151 + col * 13) & 0xFFFF);
}

// A store like the editor's after setup with a rows x cols layout; every cell of every keymap,
// also beyond the grid, carries a code that depends on `seed`.
void fill(KeymapStore& store, int rows, int cols, int seed)
{
    QVERIFY(store.SetLayoutSize(rows, cols));
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < cols; ++col)
            QVERIFY(store.SetKeyPresent(row, col, true));
    }
    for (int keymap = 0; keymap < Protocol::kKeymapCount; ++keymap) {
        for (int layer = 0; layer < Protocol::kLayerCount; ++layer) {
            for (int row = 0; row < Protocol::kMaxRows; ++row) {
                for (int col = 0; col < Protocol::kMaxCols; ++col)
                    store.SetKeymapCode(keymap, layer, row, col, seededCode(seed, keymap, layer, row, col));
            }
        }
    }
    // Codes whose text form matters: a dual-role key and the largest code.
    store.SetKeymapCode(1, 0, 0, 0, 0x1904);
    store.SetKeymapCode(1, 3, rows - 1, cols - 1, 0xFFFF);
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

QByteArray readAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

bool writeAll(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size();
}

QDomElement nthChild(const QDomElement& parent, int n)
{
    QDomElement child = parent.firstChildElement();
    for (int i = 0; i < n; ++i)
        child = child.nextSiblingElement();
    return child;
}

QDomElement layerElement(QDomDocument& doc, int layer)
{
    return nthChild(nthChild(doc.documentElement(), 3), layer);
}

// Rewrites a saved file through a DOM edit (attribute order is irrelevant to the reader).
QByteArray edited(const QByteArray& xml, const std::function<void(QDomDocument&)>& edit)
{
    QDomDocument doc;
    if (!doc.setContent(xml))
        return QByteArray();
    edit(doc);
    return doc.toByteArray(4);
}

} // namespace

class TestKeymapFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void saveThenLoad_reproducesEveryCodeOfTheKeymap_data();
    void saveThenLoad_reproducesEveryCodeOfTheKeymap();
    void save_writesTheDocumentedElementsAttributesAndIndentation();
    void load_intoAnotherKeymap_replacesOnlyThatKeymap();
    void load_refusesFilesMadeForAnotherLayout_data();
    void load_refusesFilesMadeForAnotherLayout();
    void load_readsBadKeycodesAsZero();
    void load_keepsTheCodesOfAMissingRow();
    void load_goesByPositionNotByElementName();
    void load_silentlyIgnoresUnreadableFiles_data();
    void load_silentlyIgnoresUnreadableFiles();
    void save_failureReportsAnErrorAndKeepsTheOldFile_data();
    void save_failureReportsAnErrorAndKeepsTheOldFile();
    void save_replacesAnExistingFile();

private:
    QString path(const QString& name) const;
    QByteArray savedFile(int rows, int cols, int keymap);

    QScopedPointer<QTemporaryDir> m_dir;
};

void TestKeymapFile::init()
{
    m_dir.reset(new QTemporaryDir());
    QVERIFY(m_dir->isValid());
}

QString TestKeymapFile::path(const QString& name) const
{
    return m_dir->filePath(name);
}

QByteArray TestKeymapFile::savedFile(int rows, int cols, int keymap)
{
    KeymapStore store;
    fill(store, rows, cols, 1);
    QString error;
    const QString file = path(QStringLiteral("source.xml"));
    if (!KeymapFile::Save(file, kName, store, keymap, &error))
        return QByteArray();
    return readAll(file);
}

void TestKeymapFile::saveThenLoad_reproducesEveryCodeOfTheKeymap_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("keymap");

    QTest::newRow("7 x 21 keymap 1") << 7 << 21 << 0;
    QTest::newRow("5 x 15 keymap 2") << 5 << 15 << 1;
    QTest::newRow("6 x 18 keymap 4") << 6 << 18 << 3;
}

void TestKeymapFile::saveThenLoad_reproducesEveryCodeOfTheKeymap()
{
    QFETCH(int, rows);
    QFETCH(int, cols);
    QFETCH(int, keymap);

    KeymapStore source;
    fill(source, rows, cols, 1);
    const QString file = path(QStringLiteral("keymap.xml"));
    QString error;
    QVERIFY2(KeymapFile::Save(file, kName, source, keymap, &error), qPrintable(error));
    QVERIFY(error.isEmpty());
    const QByteArray content = readAll(file);
    QCOMPARE(content.count("<COLUMN "), 4 * rows * cols);
    if (keymap == 1)
        QVERIFY(content.contains("KEYCODE=\"6404\""));

    KeymapStore target;
    fill(target, rows, cols, 2);
    QCOMPARE(KeymapFile::Load(file, kName, target, keymap), KeymapFile::Loaded);
    for (int layer = 0; layer < Protocol::kLayerCount; ++layer) {
        for (int row = 0; row < Protocol::kMaxRows; ++row) {
            for (int col = 0; col < Protocol::kMaxCols; ++col) {
                const bool inGrid = row < rows && col < cols;
                const tdu2 expected
                    = inGrid ? source.KeymapCode(keymap, layer, row, col) : seededCode(2, keymap, layer, row, col);
                if (target.KeymapCode(keymap, layer, row, col) != expected)
                    QFAIL(qPrintable(QStringLiteral("layer %1 row %2 col %3").arg(layer).arg(row).arg(col)));
            }
        }
    }
}

void TestKeymapFile::save_writesTheDocumentedElementsAttributesAndIndentation()
{
    KeymapStore store;
    QVERIFY(store.SetLayoutSize(1, 2));
    const tdu2 codes[4][2] = {{0x1904, 4}, {3, 0}, {0xFFFF, 0x3204}, {183, 41}};
    for (int layer = 0; layer < 4; ++layer) {
        store.SetKeymapCode(2, layer, 0, 0, codes[layer][0]);
        store.SetKeymapCode(2, layer, 0, 1, codes[layer][1]);
    }
    const QString file = path(QStringLiteral("small.xml"));
    QString error;
    QVERIFY(KeymapFile::Save(file, QStringLiteral("K&B \"Pro\" <键盘>"), store, 2, &error));

    const QByteArray expected = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                "<DEVICE KEYBOARD_NAME=\"K&amp;B &quot;Pro&quot; &lt;\xe9\x94\xae\xe7\x9b\x98&gt;\">\n"
                                "    <LAYERNUM LAYER_NUMBER=\"4\"/>\n"
                                "    <ROWNUM ROW_NUMBER=\"1\"/>\n"
                                "    <COLNUM COL_NUMBER=\"2\"/>\n"
                                "    <KEYMAP>\n"
                                "        <LAYER LAYER_INDEX=\"0\">\n"
                                "            <ROW ROW_INDEX=\"0\">\n"
                                "                <COLUMN COL_INDEX=\"0\" KEYCODE=\"6404\"/>\n"
                                "                <COLUMN COL_INDEX=\"1\" KEYCODE=\"4\"/>\n"
                                "            </ROW>\n"
                                "        </LAYER>\n"
                                "        <LAYER LAYER_INDEX=\"1\">\n"
                                "            <ROW ROW_INDEX=\"0\">\n"
                                "                <COLUMN COL_INDEX=\"0\" KEYCODE=\"3\"/>\n"
                                "                <COLUMN COL_INDEX=\"1\" KEYCODE=\"0\"/>\n"
                                "            </ROW>\n"
                                "        </LAYER>\n"
                                "        <LAYER LAYER_INDEX=\"2\">\n"
                                "            <ROW ROW_INDEX=\"0\">\n"
                                "                <COLUMN COL_INDEX=\"0\" KEYCODE=\"65535\"/>\n"
                                "                <COLUMN COL_INDEX=\"1\" KEYCODE=\"12804\"/>\n"
                                "            </ROW>\n"
                                "        </LAYER>\n"
                                "        <LAYER LAYER_INDEX=\"3\">\n"
                                "            <ROW ROW_INDEX=\"0\">\n"
                                "                <COLUMN COL_INDEX=\"0\" KEYCODE=\"183\"/>\n"
                                "                <COLUMN COL_INDEX=\"1\" KEYCODE=\"41\"/>\n"
                                "            </ROW>\n"
                                "        </LAYER>\n"
                                "    </KEYMAP>\n"
                                "</DEVICE>\n";
    QCOMPARE(readAll(file), expected);
}

void TestKeymapFile::load_intoAnotherKeymap_replacesOnlyThatKeymap()
{
    // Saved while keymap 2 was shown, loaded while keymap 4 is shown.
    const QByteArray content = savedFile(5, 15, 1);
    QVERIFY(!content.isEmpty());
    const QString file = path(QStringLiteral("keymap2.xml"));
    QVERIFY(writeAll(file, content));

    KeymapStore source;
    fill(source, 5, 15, 1);
    KeymapStore target;
    fill(target, 5, 15, 2);
    const KeymapStore::KeymapCodes keymap1 = target.KeymapCopy(0);
    const KeymapStore::KeymapCodes keymap2 = target.KeymapCopy(1);
    const KeymapStore::KeymapCodes keymap3 = target.KeymapCopy(2);

    QCOMPARE(KeymapFile::Load(file, kName, target, 3), KeymapFile::Loaded);
    QCOMPARE(int(target.KeymapCode(3, 0, 0, 0)), 0x1904);
    for (int layer = 0; layer < Protocol::kLayerCount; ++layer) {
        for (int row = 0; row < 5; ++row) {
            for (int col = 0; col < 15; ++col)
                QCOMPARE(target.KeymapCode(3, layer, row, col), source.KeymapCode(1, layer, row, col));
        }
    }
    QVERIFY(target.KeymapCopy(0) == keymap1);
    QVERIFY(target.KeymapCopy(1) == keymap2);
    QVERIFY(target.KeymapCopy(2) == keymap3);
}

void TestKeymapFile::load_refusesFilesMadeForAnotherLayout_data()
{
    QTest::addColumn<QString>("keyboardName");
    QTest::addColumn<int>("cols");
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");
    QTest::addColumn<QString>("debugLine");

    const QByteArray none;
    QTest::newRow("name differs in case")
        << QStringLiteral("ALPHA 60 键盘") << 15 << none << none << QStringLiteral("NOT EQUAL");
    QTest::newRow("name missing") << kName << 15 << QByteArray(" KEYBOARD_NAME=\"Alpha 60 \xe9\x94\xae\xe7\x9b\x98\"")
                                  << QByteArray() << QStringLiteral("NOT EQUAL");
    QTest::newRow("three layers") << kName << 15 << QByteArray("LAYER_NUMBER=\"4\"") << QByteArray("LAYER_NUMBER=\"3\"")
                                  << QStringLiteral("Read LayerNum Failed");
    QTest::newRow("layer count not a number")
        << kName << 15 << QByteArray("LAYER_NUMBER=\"4\"") << QByteArray("LAYER_NUMBER=\"four\"")
        << QStringLiteral("Read LayerNum Failed");
    QTest::newRow("six rows") << kName << 15 << QByteArray("ROW_NUMBER=\"5\"") << QByteArray("ROW_NUMBER=\"6\"")
                              << QStringLiteral("Read RowNum Failed");
    QTest::newRow("panel has 14 columns") << kName << 14 << none << none << QStringLiteral("Read ColNum Failed");
    QTest::newRow("layer 4 numbered 3") << kName << 15 << QByteArray("LAYER_INDEX=\"3\"")
                                        << QByteArray("LAYER_INDEX=\"2\"")
                                        << QStringLiteral("读取层序号错误,Layer = 3");
    QTest::newRow("columns of layer 4 row 2 swapped")
        << kName << 15 << QByteArray("swap") << none << QStringLiteral("Read KeyCode Failed,i=3,j=1,k=0");
    QTest::newRow("last column of the file missing")
        << kName << 15 << QByteArray("drop") << none << QStringLiteral("Read KeyCode Failed,i=3,j=4,k=14");
}

void TestKeymapFile::load_refusesFilesMadeForAnotherLayout()
{
    QFETCH(QString, keyboardName);
    QFETCH(int, cols);
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    QFETCH(QString, debugLine);

    QByteArray content = savedFile(5, 15, 0);
    QVERIFY(!content.isEmpty());
    if (from == "swap") {
        content = edited(content, [](QDomDocument& doc) {
            QDomElement row = nthChild(layerElement(doc, 3), 1);
            row.insertAfter(row.firstChildElement(), nthChild(row, 1));
        });
    } else if (from == "drop") {
        content = edited(content, [](QDomDocument& doc) {
            QDomElement row = nthChild(layerElement(doc, 3), 4);
            row.removeChild(row.lastChildElement());
        });
    } else if (!from.isEmpty()) {
        QVERIFY(content.contains(from));
        content.replace(from, to);
    }
    const QString file = path(QStringLiteral("other.xml"));
    QVERIFY(writeAll(file, content));

    KeymapStore store;
    fill(store, 5, cols, 2);
    KeymapStore reference;
    fill(reference, 5, cols, 2);
    QTest::ignoreMessage(QtDebugMsg, debugLine.toUtf8().constData());
    QCOMPARE(KeymapFile::Load(file, keyboardName, store, 0), KeymapFile::Refused);
    // Nothing of the file is kept, not even the layers read before the fault.
    QVERIFY(sameKeymaps(store, reference));
}

void TestKeymapFile::load_readsBadKeycodesAsZero()
{
    QByteArray content = savedFile(5, 15, 0);
    content = edited(content, [](QDomDocument& doc) {
        QDomElement column = nthChild(layerElement(doc, 1), 2).firstChildElement();
        const QStringList texts = {QStringLiteral("65536"), QStringLiteral("abc"), QStringLiteral("-1"),
            QStringLiteral("0x10"), QStringLiteral("6404"), QStringLiteral("65535")};
        for (const QString& text : texts) {
            column.setAttribute(QStringLiteral("KEYCODE"), text);
            column = column.nextSiblingElement();
        }
        column.removeAttribute(QStringLiteral("KEYCODE"));
    });
    const QString file = path(QStringLiteral("bad.xml"));
    QVERIFY(writeAll(file, content));

    KeymapStore store;
    fill(store, 5, 15, 2);
    QCOMPARE(KeymapFile::Load(file, kName, store, 0), KeymapFile::Loaded);
    const int expected[] = {0, 0, 0, 0, 0x1904, 0xFFFF, 0};
    for (int col = 0; col < 7; ++col)
        QCOMPARE(int(store.KeymapCode(0, 1, 2, col)), expected[col]);
}

void TestKeymapFile::load_keepsTheCodesOfAMissingRow()
{
    QByteArray content = savedFile(5, 15, 0);
    content = edited(content, [](QDomDocument& doc) {
        QDomElement layer = layerElement(doc, 1);
        layer.removeChild(nthChild(layer, 2));
    });
    QCOMPARE(content.count("ROW_INDEX=\"2\""), 3);
    const QString file = path(QStringLiteral("missing-row.xml"));
    QVERIFY(writeAll(file, content));

    KeymapStore source;
    fill(source, 5, 15, 1);
    KeymapStore store;
    fill(store, 5, 15, 2);
    QCOMPARE(KeymapFile::Load(file, kName, store, 0), KeymapFile::Loaded);
    for (int layer = 0; layer < Protocol::kLayerCount; ++layer) {
        for (int row = 0; row < 5; ++row) {
            const bool kept = layer == 1 && row == 2;
            for (int col = 0; col < 15; ++col) {
                const tdu2 expected = kept ? seededCode(2, 0, layer, row, col) : source.KeymapCode(0, layer, row, col);
                QCOMPARE(store.KeymapCode(0, layer, row, col), expected);
            }
        }
    }
}

void TestKeymapFile::load_goesByPositionNotByElementName()
{
    QByteArray content = savedFile(5, 15, 0);
    content.replace("<COLUMN ", "<C ");
    content.replace("<ROW ", "<R ").replace("</ROW>", "</R>");
    content.replace("<LAYERNUM ", "<FIRST ");
    QVERIFY(!content.contains("COLUMN"));
    const QString file = path(QStringLiteral("renamed.xml"));
    QVERIFY(writeAll(file, content));

    KeymapStore source;
    fill(source, 5, 15, 1);
    KeymapStore store;
    fill(store, 5, 15, 2);
    QCOMPARE(KeymapFile::Load(file, kName, store, 0), KeymapFile::Loaded);
    QVERIFY(store.KeymapCopy(0) != source.KeymapCopy(0)); // cells beyond 5 x 15 keep their codes
    for (int layer = 0; layer < Protocol::kLayerCount; ++layer)
        QCOMPARE(store.KeymapCode(0, layer, 4, 14), source.KeymapCode(0, layer, 4, 14));
}

void TestKeymapFile::load_silentlyIgnoresUnreadableFiles_data()
{
    QTest::addColumn<QByteArray>("content");

    const QByteArray valid = savedFile(5, 15, 0);
    QVERIFY(!valid.isEmpty());
    const int bodyStart = valid.indexOf("<DEVICE");

    QTest::newRow("no such file") << QByteArray("<missing>");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("not xml") << QByteArray("KEYBOARD_NAME=Alpha");
    QTest::newRow("cut short") << valid.left(valid.size() / 2);

    QByteArray laughs = "<?xml version=\"1.0\"?>\n<!DOCTYPE DEVICE [\n<!ENTITY lol \"lol\">\n";
    for (int level = 1; level <= 9; ++level) {
        laughs += QByteArray("<!ENTITY lol") + QByteArray::number(level) + " \"";
        for (int i = 0; i < 10; ++i)
            laughs += QByteArray("&lol") + (level > 1 ? QByteArray::number(level - 1) : QByteArray()) + ";";
        laughs += "\">\n";
    }
    laughs += "]>\n" + valid.mid(bodyStart).replace("KEYBOARD_NAME=\"", "KEYBOARD_NAME=\"&lol9;");
    QTest::newRow("entity expansion bomb") << laughs;

    QTest::newRow("external entity") << QByteArray(
                                            "<?xml version=\"1.0\"?>\n"
                                            "<!DOCTYPE DEVICE [<!ENTITY name SYSTEM \"file:///etc/hostname\">]>\n")
            + valid.mid(bodyStart);
    QTest::newRow("harmless doctype") << QByteArray("<!DOCTYPE DEVICE>\n") + valid.mid(bodyStart);

    // Otherwise a valid file, but 2 MB of padding in a comment.
    QByteArray padded = valid;
    padded.insert(bodyStart, "<!--" + QByteArray(2 * 1024 * 1024, 'x') + "-->\n");
    QTest::newRow("2 MB file") << padded;

    QByteArray deep = "<DEVICE KEYBOARD_NAME=\"Alpha 60 \xe9\x94\xae\xe7\x9b\x98\">";
    for (int i = 0; i < 10000; ++i)
        deep += "<N LAYER_NUMBER=\"4\">";
    for (int i = 0; i < 10000; ++i)
        deep += "</N>";
    deep += "</DEVICE>";
    QTest::newRow("10000 levels deep") << deep;
}

void TestKeymapFile::load_silentlyIgnoresUnreadableFiles()
{
    QFETCH(QByteArray, content);

    const QString file = path(QStringLiteral("hostile.xml"));
    if (content != "<missing>")
        QVERIFY(writeAll(file, content));
    KeymapStore store;
    fill(store, 5, 15, 2);
    KeymapStore reference;
    fill(reference, 5, 15, 2);
    QCOMPARE(KeymapFile::Load(file, kName, store, 0), KeymapFile::NotRead);
    QVERIFY(sameKeymaps(store, reference));
}

void TestKeymapFile::save_failureReportsAnErrorAndKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("how");

    QTest::newRow("missing folder") << QStringLiteral("missing");
    QTest::newRow("folder is a file") << QStringLiteral("notadir");
    QTest::newRow("read-only folder") << QStringLiteral("readonly");
    QTest::newRow("disk full while writing") << QStringLiteral("full");
    QTest::newRow("no such keymap") << QStringLiteral("keymap");
}

void TestKeymapFile::save_failureReportsAnErrorAndKeepsTheOldFile()
{
    QFETCH(QString, how);

    KeymapStore store;
    fill(store, 7, 21, 1);
    const QByteArray oldContent = "<DEVICE KEYBOARD_NAME=\"old\"/>\n";
    QString target = path(QStringLiteral("keymap.xml"));
    int keymap = 0;
    QString error;
    bool saved = true;

    if (how == QLatin1String("missing")) {
        target = path(QStringLiteral("no/such/folder/keymap.xml"));
        saved = KeymapFile::Save(target, kName, store, keymap, &error);
        QVERIFY(!QFile::exists(target));
    } else if (how == QLatin1String("notadir")) {
        QVERIFY(writeAll(path(QStringLiteral("plain")), "x"));
        target = path(QStringLiteral("plain/keymap.xml"));
        saved = KeymapFile::Save(target, kName, store, keymap, &error);
        QCOMPARE(readAll(path(QStringLiteral("plain"))), QByteArray("x"));
    } else if (how == QLatin1String("readonly")) {
#ifdef Q_OS_UNIX
        if (::geteuid() == 0)
            QSKIP("permissions do not stop the superuser");
#endif
        QVERIFY(writeAll(target, oldContent));
        QVERIFY(QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::ExeOwner));
        saved = KeymapFile::Save(target, kName, store, keymap, &error);
        QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(readAll(target), oldContent);
    } else if (how == QLatin1String("full")) {
#ifdef Q_OS_UNIX
        // A file size limit makes the write fail part-way, as a full disk would.
        QVERIFY(writeAll(target, oldContent));
        struct rlimit previous;
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &previous), 0);
        struct rlimit limited = previous;
        limited.rlim_cur = 4096;
        auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limited), 0);
        saved = KeymapFile::Save(target, kName, store, keymap, &error);
        ::setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);
        QCOMPARE(readAll(target), oldContent);
        // The system's own reason reaches the message.
        QVERIFY2(error.contains(QString::fromLocal8Bit(std::strerror(EFBIG))), qPrintable(error));
#else
        QSKIP("needs a file size limit");
#endif
    } else {
        QVERIFY(writeAll(target, oldContent));
        keymap = 4;
        saved = KeymapFile::Save(target, kName, store, keymap, &error);
        QCOMPARE(readAll(target), oldContent);
    }

    QVERIFY(!saved);
    QVERIFY(!error.isEmpty());
    // No half-written temporary file is left beside the target.
    const QStringList left = QDir(m_dir->path()).entryList(QDir::Files | QDir::NoDotAndDotDot);
    for (const QString& name : left)
        QVERIFY2(name == QLatin1String("keymap.xml") || name == QLatin1String("plain"), qPrintable(name));
}

void TestKeymapFile::save_replacesAnExistingFile()
{
    const QString target = path(QStringLiteral("keymap.xml"));
    QVERIFY(writeAll(target, QByteArray(100000, 'z')));
    KeymapStore store;
    fill(store, 2, 2, 1);
    QString error;
    QVERIFY(KeymapFile::Save(target, kName, store, 0, &error));
    const QByteArray content = readAll(target);
    QVERIFY(content.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<DEVICE "));
    QVERIFY(!content.contains('z'));
    QCOMPARE(content.count("<COLUMN "), 16);
}

QTEST_GUILESS_MAIN(TestKeymapFile)
#include "tst_keymapfile.moc"
