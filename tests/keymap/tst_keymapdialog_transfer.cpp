#include "device/Protocol.h"
#include "keymap/KeyCodeLayerKeyPannel.h"
#include "keymap/KeymapDialog.h"
#include "keymap/KeymapStore.h"
#include "layout/KeyCap.h"
#include "layout/KeyPannel.h"
#include "support/SimSession.h"
#include "ui/FileDialog.h"

#include "tst_keymapdialog_fixture.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QtEndian>

#include <memory>

using namespace KeymapPageFixture;

namespace {
constexpr int kRows = 5;
constexpr int kCols = 15;
constexpr tdu2 kPid = 0x0605;

struct Sent
{
    tdu1 cmd;
    QByteArray payload;
    int length;
};

struct Shown
{
    tdu1 level;
    QString text;
};

// A reply of one keymap: code of (layer, row, col) = base + layer * 1000 + row * 100 + col.
QByteArray KeymapReply(int rows, int cols, int base)
{
    QByteArray reply(rows * cols * 8, Qt::Uninitialized);
    uchar* out = reinterpret_cast<uchar*>(reply.data());
    for (int layer = 0; layer < 4; ++layer) {
        for (int row = 0; row < rows; ++row) {
            for (int col = 0; col < cols; ++col) {
                qToLittleEndian<quint16>(static_cast<quint16>(base + layer * 1000 + row * 100 + col), out);
                out += 2;
            }
        }
    }
    return reply;
}
} // namespace

class TestKeymapDialogTransfer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void upload_sendsWriteCommandOfShownKeymapWithPackedCodes_data();
    void upload_sendsWriteCommandOfShownKeymapWithPackedCodes();
    void download_sendsReadCommandOfShownKeymapWithoutPayload_data();
    void download_sendsReadCommandOfShownKeymapWithoutPayload();
    void writeReply_reportsSuccessOrFailureOfItsKeymap_data();
    void writeReply_reportsSuccessOrFailureOfItsKeymap();
    void readReply_switchesToItsKeymapOnLayer1AndCopiesCodes();
    void readReply_shorterThanOneKeymap_isRefusedAndKeymapUnchanged_data();
    void readReply_shorterThanOneKeymap_isRefusedAndKeymapUnchanged();
    void layoutOverTransferLimit_refusesUploadAndDownload_data();
    void layoutOverTransferLimit_refusesUploadAndDownload();
    void pageWithoutLayout_refusesUpload();

    void save_thenOpen_restoresTheShownKeymap();
    void open_fileOfAnotherKeyboard_isRefusedAndChangesNothing_data();
    void open_fileOfAnotherKeyboard_isRefusedAndChangesNothing();
    void open_fileThatIsNoKeymap_saysSoAndKeepsKeymap();
    void cancelledDialogs_areSilent();
    void save_failure_isReportedAsFailure();
    void fileDialogs_startInFirstExistingOfDesktopDocumentsHome_data();
    void fileDialogs_startInFirstExistingOfDesktopDocumentsHome();

private:
    void Watch(KeymapDialog* page);
    void Click(KeymapDialog* page, const QString& name);
    // The keyboard's answer to the last command the page sent.
    void Answer(tdu1 cmd, const QByteArray& reply);
    // What reached the keyboard.
    QList<Sent> SentCommands() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SimSession> m_sim;
    std::unique_ptr<KeymapDialog> m_page;
    QList<Shown> m_shown;
};

void TestKeymapDialogTransfer::initTestCase()
{
    RegisterDeviceMetaTypes();
    QLoggingCategory::setFilterRules(QStringLiteral("driver.*.debug=false"));
}

void TestKeymapDialogTransfer::init()
{
    m_shown.clear();
    // A keyboard that answers only what each test makes it answer.
    m_sim = std::make_unique<SimSession>(kPid, kRows, kCols);
    QVERIFY(m_sim->opened);
    m_sim->Mute();
    m_dir.reset(new QTemporaryDir());
    QVERIFY(m_dir->isValid());
    const QString path = m_dir->filePath("GRID_0.json");
    QVERIFY(WriteGridLayout(path, kRows, kCols));
    m_page = MakePage(path, "GRID_0");
    QVERIFY(m_page != nullptr);
    m_page->show();
    Watch(m_page.get());
}

void TestKeymapDialogTransfer::cleanup()
{
    m_page.reset();
    m_sim.reset();
    m_dir.reset();
}

void TestKeymapDialogTransfer::Watch(KeymapDialog* page)
{
    page->SetClient(m_sim->session->NewClient(page));
    connect(page, &KeymapDialog::ResultShow, this, [this](tdu1 level, const QString& text) {
        m_shown.append({level, text});
    });
}

void TestKeymapDialogTransfer::Click(KeymapDialog* page, const QString& name)
{
    QToolButton* button = Button(page, name);
    QVERIFY2(button != nullptr, qPrintable(name));
    QTest::mouseClick(button, Qt::LeftButton);
}

void TestKeymapDialogTransfer::Answer(tdu1 cmd, const QByteArray& reply)
{
    QVERIFY(!SentCommands().isEmpty());
    m_sim->Answer(cmd, reply);
}

QList<Sent> TestKeymapDialogTransfer::SentCommands() const
{
    QList<Sent> sent;
    for (const sim::SimKeyboard::Command& command : m_sim->Sent()) {
        const QByteArray payload(reinterpret_cast<const char*>(command.second.data()), int(command.second.size()));
        sent.append({command.first, payload, payload.size()});
    }
    return sent;
}

void TestKeymapDialogTransfer::upload_sendsWriteCommandOfShownKeymapWithPackedCodes_data()
{
    QTest::addColumn<QString>("keymapButton");
    QTest::addColumn<int>("keymap");
    QTest::addColumn<int>("cmd");

    QTest::newRow("keymap 1") << "tbtnKeymap0" << 0 << 3;
    QTest::newRow("keymap 2") << "tbtnKeymap1" << 1 << 24;
    QTest::newRow("keymap 3") << "tbtnKeymap2" << 2 << 25;
    QTest::newRow("keymap 4") << "tbtnKeymap3" << 3 << 26;
}

void TestKeymapDialogTransfer::upload_sendsWriteCommandOfShownKeymapWithPackedCodes()
{
    QFETCH(QString, keymapButton);
    QFETCH(int, keymap);
    QFETCH(int, cmd);

    Click(m_page.get(), keymapButton);
    // Mark two cells of layer 3 of this keymap only.
    QVERIFY(m_page->SetKeymapCode(keymap, 2, 4, 14, 0x5504));
    QVERIFY(m_page->SetKeymapCode(keymap, 2, 0, 1, 0xBEEF));
    Click(m_page.get(), "tbtnUpLoad");

    QCOMPARE(SentCommands().size(), 1);
    QCOMPARE(int(SentCommands().at(0).cmd), cmd);
    QCOMPARE(int(SentCommands().at(0).length), 600);
    const QByteArray bytes = SentCommands().at(0).payload;
    QCOMPARE(bytes.size(), 600);
    // Layer 1 first, rows packed at 15 columns, low byte first.
    QCOMPARE(bytes.left(6).toHex(), QByteArray("040005000600"));
    // Layer 2, row 0, column 0 follows 75 codes of layer 1: digit "1" (30).
    QCOMPARE(bytes.mid(150, 2).toHex(), QByteArray("1e00"));
    // Layer 3 starts at 300: column 1 holds the mark, row 4 column 14 ends the layer.
    QCOMPARE(bytes.mid(302, 2).toHex(), QByteArray("efbe"));
    QCOMPARE(bytes.mid(300 + 74 * 2, 2).toHex(), QByteArray("0455"));
    // Layer 4 is see-through throughout.
    for (int offset = 450; offset < 600; offset += 2) {
        QCOMPARE(bytes.mid(offset, 2).toHex(), QByteArray("0300"));
    }
    // Writing reports nothing until the keyboard answers.
    QVERIFY(m_shown.isEmpty());
}

void TestKeymapDialogTransfer::download_sendsReadCommandOfShownKeymapWithoutPayload_data()
{
    QTest::addColumn<QString>("keymapButton");
    QTest::addColumn<int>("cmd");

    QTest::newRow("keymap 1") << "tbtnKeymap0" << 1;
    QTest::newRow("keymap 2") << "tbtnKeymap1" << 21;
    QTest::newRow("keymap 3") << "tbtnKeymap2" << 22;
    QTest::newRow("keymap 4") << "tbtnKeymap3" << 23;
}

void TestKeymapDialogTransfer::download_sendsReadCommandOfShownKeymapWithoutPayload()
{
    QFETCH(QString, keymapButton);
    QFETCH(int, cmd);

    const KeymapStore::KeymapCodes before = m_page->Store()->KeymapCopy(m_page->Store()->CurrentKeymap());
    Click(m_page.get(), keymapButton);
    Click(m_page.get(), "tbtnDownLoad");
    QCOMPARE(SentCommands().size(), 1);
    QCOMPARE(int(SentCommands().at(0).cmd), cmd);
    QCOMPARE(int(SentCommands().at(0).length), 0);
    QVERIFY(m_shown.isEmpty());
    // Nothing changes before the reply.
    QVERIFY(m_page->Store()->KeymapCopy(0) == before);
}

void TestKeymapDialogTransfer::writeReply_reportsSuccessOrFailureOfItsKeymap_data()
{
    QTest::addColumn<QString>("uploaded"); // the keymap button to upload from
    QTest::addColumn<int>("cmd");
    QTest::addColumn<QByteArray>("reply");
    // After a write the keyboard confirms, what the read-back finds: the keys written or others.
    QTest::addColumn<bool>("readBackSame");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("text");

    auto row = [](const char* name, const char* uploaded, int cmd, const QByteArray& reply, bool same, int level,
                   const char* text) {
        QTest::newRow(name) << QString(uploaded) << cmd << reply << same << level << QString(text);
    };
    row("keymap 1 done", "tbtnKeymap0", 3, QByteArray(1, '\0'), true, 0, "Set Keyboard Keymap 1 Success");
    row("keymap 2 done", "tbtnKeymap1", 24, QByteArray(1, '\0'), true, 0, "Set Keyboard Keymap 2 Success");
    row("keymap 3 failed", "tbtnKeymap2", 25, QByteArray(1, '\1'), true, 1, "Set Keyboard Keymap 3 Fail");
    row("keymap 4 failed", "tbtnKeymap3", 26, QByteArray("\xff\0", 2), true, 1, "Set Keyboard Keymap 4 Fail");
    row("keymap 4 done", "tbtnKeymap3", 26, QByteArray("\0\x07", 2), true, 0, "Set Keyboard Keymap 4 Success");
    // Without its status byte a reply confirms nothing.
    row("empty reply", "tbtnKeymap1", 24, QByteArray(), true, 1, "Set Keyboard Keymap 2 Fail");
    // Only what the keyboard gives back counts as written.
    row("keymap 3 done, holds other keys", "tbtnKeymap2", 25, QByteArray(1, '\0'), false, 1,
        "Keymap 3 was written, but the keyboard holds something else.");
}

void TestKeymapDialogTransfer::writeReply_reportsSuccessOrFailureOfItsKeymap()
{
    QFETCH(QString, uploaded);
    QFETCH(int, cmd);
    QFETCH(QByteArray, reply);
    QFETCH(bool, readBackSame);
    QFETCH(int, level);
    QFETCH(QString, text);

    Click(m_page.get(), qPrintable(uploaded));
    const int keymap = m_page->Store()->CurrentKeymap();
    const QByteArray written = m_page->Store()->PackKeymap(keymap);
    Click(m_page.get(), "tbtnUpLoad");
    QCOMPARE(SentCommands().size(), 1);
    Click(m_page.get(), "tbtnKeymap1");
    const KeymapStore::KeymapCodes before = m_page->Store()->KeymapCopy(1);
    Answer(tdu1(cmd), reply);
    if (level == 0 || !readBackSame) {
        // A confirmed write is read back before anything is said.
        QVERIFY(m_shown.isEmpty());
        QCOMPARE(SentCommands().size(), 2);
        QCOMPARE(int(SentCommands().at(1).cmd), int(Protocol::kCmdReadKeymap[keymap]));
        Answer(Protocol::kCmdReadKeymap[keymap], readBackSame ? written : KeymapReply(kRows, kCols, 0x100));
    }

    QCOMPARE(m_shown.size(), 1);
    QCOMPARE(int(m_shown.at(0).level), level);
    QCOMPARE(m_shown.at(0).text, text);
    // A write changes neither the view nor the codes; what the keyboard holds becomes the baseline.
    QCOMPARE(m_page->Store()->CurrentKeymap(), 1);
    QVERIFY(m_page->Store()->KeymapCopy(1) == before);
    QCOMPARE(m_page->HasUnsavedEdits(), !readBackSame);
}

void TestKeymapDialogTransfer::readReply_switchesToItsKeymapOnLayer1AndCopiesCodes()
{
    // Keymap 4 is asked for; the user moves on before its reply comes.
    Click(m_page.get(), "tbtnKeymap3");
    Click(m_page.get(), "tbtnDownLoad");
    Click(m_page.get(), "tbtnLayer2");
    Click(m_page.get(), "tbtnKeymap0");
    const KeymapStore::KeymapCodes keymap1 = m_page->Store()->KeymapCopy(0);

    QByteArray reply = KeymapReply(kRows, kCols, 4);
    // Layer 1, row 0, column 0 gets a plain key the panel shows: Z (29).
    qToLittleEndian<quint16>(29, reinterpret_cast<uchar*>(reply.data()));
    Answer(Protocol::kCmdReadKeymap4, reply);

    QCOMPARE(m_page->Store()->CurrentKeymap(), 3);
    QCOMPARE(m_page->Store()->CurrentLayer(), 0);
    QVERIFY(Button(m_page.get(), "tbtnKeymap3")->isChecked());
    QVERIFY(!Button(m_page.get(), "tbtnKeymap0")->isChecked());
    QVERIFY(Button(m_page.get(), "tbtnLayer0")->isChecked());
    QCOMPARE(m_page->Store()->KeymapCode(3, 0, 0, 0), tdu2(29));
    QCOMPARE(m_page->Store()->KeymapCode(3, 2, 4, 14), tdu2(4 + 2000 + 400 + 14));
    QCOMPARE(m_page->Store()->KeymapCode(3, 3, 1, 0), tdu2(4 + 3000 + 100));
    QCOMPARE(m_page->Pannel()->Cap(0, 0)->Button()->text(), QStringLiteral("Z\n"));
    QVERIFY(m_page->Store()->KeymapCopy(0) == keymap1);

    QCOMPARE(m_shown.size(), 1);
    QCOMPARE(int(m_shown.at(0).level), 0);
    QCOMPARE(m_shown.at(0).text, QStringLiteral("Get Keyboard Keymap 4 Success"));
}

void TestKeymapDialogTransfer::readReply_shorterThanOneKeymap_isRefusedAndKeymapUnchanged_data()
{
    QTest::addColumn<int>("length");
    QTest::newRow("empty") << 0;
    QTest::newRow("one packet") << 60;
    QTest::newRow("one byte short") << 599;
}

void TestKeymapDialogTransfer::readReply_shorterThanOneKeymap_isRefusedAndKeymapUnchanged()
{
    QFETCH(int, length);

    Click(m_page.get(), "tbtnKeymap2");
    Click(m_page.get(), "tbtnDownLoad");
    const KeymapStore::KeymapCodes before = m_page->Store()->KeymapCopy(2);
    QByteArray reply = KeymapReply(kRows, kCols, 0x100).left(length);
    Answer(Protocol::kCmdReadKeymap3, reply);

    QVERIFY(m_page->Store()->KeymapCopy(2) == before);
    QCOMPARE(m_page->Pannel()->Cap(0, 0)->Button()->text(), QStringLiteral("A\n"));
    QCOMPARE(m_shown.size(), 1);
    QCOMPARE(int(m_shown.at(0).level), 1);
    QCOMPARE(m_shown.at(0).text, QStringLiteral("Get Keyboard Keymap 3 Fail"));
}

void TestKeymapDialogTransfer::layoutOverTransferLimit_refusesUploadAndDownload_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("cols");
    QTest::addColumn<bool>("refused");

    QTest::newRow("112 keys fit") << 7 << 16 << false;
    QTest::newRow("119 keys") << 7 << 17 << true;
    QTest::newRow("full 7 x 21") << 7 << 21 << true;
}

void TestKeymapDialogTransfer::layoutOverTransferLimit_refusesUploadAndDownload()
{
    QFETCH(int, rows);
    QFETCH(int, cols);
    QFETCH(bool, refused);

    const QString path = m_dir->filePath("BIG_0.json");
    QVERIFY(WriteGridLayout(path, rows, cols));
    std::unique_ptr<KeymapDialog> page = MakePage(path, "BIG_0");
    QVERIFY(page != nullptr);
    Watch(page.get());

    Click(page.get(), "tbtnUpLoad");
    Click(page.get(), "tbtnDownLoad");
    if (!refused) {
        QCOMPARE(SentCommands().size(), 2);
        QCOMPARE(int(SentCommands().at(0).length), Protocol::kMaxPayload - 4);
        QVERIFY(m_shown.isEmpty());
        return;
    }
    QVERIFY(SentCommands().isEmpty());
    QCOMPARE(m_shown.size(), 2);
    for (const Shown& shown : qAsConst(m_shown)) {
        QCOMPARE(int(shown.level), 1);
        QVERIFY(shown.text.contains(QStringLiteral("more keys")));
    }
    QVERIFY(m_shown.at(0).text.contains(QStringLiteral("not written")));
    QVERIFY(m_shown.at(1).text.contains(QStringLiteral("not read")));
}

void TestKeymapDialogTransfer::pageWithoutLayout_refusesUpload()
{
    KeymapDialog page;
    Watch(&page);
    Click(&page, "tbtnUpLoad");
    QVERIFY(SentCommands().isEmpty());
    QCOMPARE(m_shown.size(), 1);
    QCOMPARE(int(m_shown.at(0).level), 1);
}

void TestKeymapDialogTransfer::save_thenOpen_restoresTheShownKeymap()
{
    const QString file = m_dir->filePath("keymap.xml");
    Click(m_page.get(), "tbtnKeymap1");
    QVERIFY(m_page->SetKeymapCode(1, 1, 2, 7, 0x1904));

    FileDialog::SetNextFileName(file);
    Click(m_page.get(), "tbtnSave");
    QCOMPARE(FileDialog::LastCaption(), QStringLiteral("Save Keymap File"));
    QCOMPARE(FileDialog::LastFilter(), QStringLiteral("*.xml"));
    QCOMPARE(m_shown.size(), 1);
    QCOMPARE(int(m_shown.at(0).level), 0);
    QCOMPARE(m_shown.at(0).text, QStringLiteral("Success to Save Keymap File."));
    QVERIFY(QFile::exists(file));

    // Load it into keymap 4, shown at the time.
    Click(m_page.get(), "tbtnKeymap3");
    Click(m_page.get(), "tbtnLayer1");
    FileDialog::SetNextFileName(file);
    Click(m_page.get(), "tbtnLoad");
    QCOMPARE(FileDialog::LastCaption(), QStringLiteral("Load Keymap File"));
    QCOMPARE(FileDialog::LastFilter(), QString::fromUtf8("XML文件(*.xml)"));
    QCOMPARE(m_shown.size(), 2);
    QCOMPARE(int(m_shown.at(1).level), 0);
    QCOMPARE(m_shown.at(1).text, QStringLiteral("Success to Load Keymap File"));
    QVERIFY(m_page->Store()->KeymapCopy(3) == m_page->Store()->KeymapCopy(1));
    // The panel shows the loaded layer at once: the dual-role code on A.
    QCOMPARE(m_page->Store()->CurrentLayer(), 1);
    QCOMPARE(m_page->Pannel()->Cap(2, 7)->Button()->text(), QStringLiteral("A\n"));
    QVERIFY(m_page->Pannel()->Cap(2, 7)->Button()->font().italic());
}

void TestKeymapDialogTransfer::open_fileOfAnotherKeyboard_isRefusedAndChangesNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("cols");

    QTest::newRow("name differs in case") << "grid_0" << kCols;
    QTest::newRow("grid has a column less") << "GRID_0" << kCols - 1;
}

void TestKeymapDialogTransfer::open_fileOfAnotherKeyboard_isRefusedAndChangesNothing()
{
    QFETCH(QString, name);
    QFETCH(int, cols);

    const QString file = m_dir->filePath("keymap.xml");
    FileDialog::SetNextFileName(file);
    Click(m_page.get(), "tbtnSave");
    QCOMPARE(m_shown.size(), 1);

    const QString path = m_dir->filePath("OTHER_0.json");
    QVERIFY(WriteGridLayout(path, kRows, cols));
    std::unique_ptr<KeymapDialog> other = MakePage(path, name);
    QVERIFY(other != nullptr);
    Watch(other.get());
    QVERIFY(other->SetKeymapCode(0, 0, 0, 0, 183));
    const KeymapStore::KeymapCodes before = other->Store()->KeymapCopy(0);

    FileDialog::SetNextFileName(file);
    Click(other.get(), "tbtnLoad");
    QCOMPARE(m_shown.size(), 2);
    QCOMPARE(int(m_shown.at(1).level), 1);
    QCOMPARE(m_shown.at(1).text, QStringLiteral("Failed to Load Keymap File"));
    QVERIFY(other->Store()->KeymapCopy(0) == before);
}

void TestKeymapDialogTransfer::open_fileThatIsNoKeymap_saysSoAndKeepsKeymap()
{
    const QString file = m_dir->filePath("notes.xml");
    QFile notes(file);
    QVERIFY(notes.open(QIODevice::WriteOnly));
    notes.write("this is not < xml");
    notes.close();
    const KeymapStore::KeymapCodes before = m_page->Store()->KeymapCopy(0);

    FileDialog::SetNextFileName(file);
    Click(m_page.get(), "tbtnLoad");
    QCOMPARE(m_shown.size(), 1);
    QCOMPARE(int(m_shown.at(0).level), 1);
    QCOMPARE(
        m_shown.at(0).text, QStringLiteral("Failed to Load Keymap File: it cannot be read or is not a keymap file."));
    QVERIFY(m_page->Store()->KeymapCopy(0) == before);
}

void TestKeymapDialogTransfer::cancelledDialogs_areSilent()
{
    const KeymapStore::KeymapCodes before = m_page->Store()->KeymapCopy(0);
    FileDialog::SetNextFileName(QString());
    Click(m_page.get(), "tbtnSave");
    FileDialog::SetNextFileName(QString());
    Click(m_page.get(), "tbtnLoad");
    QVERIFY(m_shown.isEmpty());
    QVERIFY(m_page->Store()->KeymapCopy(0) == before);
    QVERIFY(QDir(m_dir->path()).entryList({"*.xml"}).isEmpty());
}

void TestKeymapDialogTransfer::save_failure_isReportedAsFailure()
{
    const QString file = m_dir->filePath("missing/folder/keymap.xml");
    FileDialog::SetNextFileName(file);
    Click(m_page.get(), "tbtnSave");
    QCOMPARE(m_shown.size(), 1);
    QCOMPARE(int(m_shown.at(0).level), 1);
    QCOMPARE(m_shown.at(0).text,
        QStringLiteral("Failed to Save Keymap File: %1 could not be saved: No such file or directory.").arg(file));
    QVERIFY(!QFile::exists(file));
}

void TestKeymapDialogTransfer::fileDialogs_startInFirstExistingOfDesktopDocumentsHome_data()
{
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<QString>("start");
    QTest::newRow("desktop") << QStringList {"Desktop", "Documents"} << "Desktop/";
    QTest::newRow("no desktop") << QStringList {"Documents"} << "Documents/";
    QTest::newRow("neither") << QStringList() << "";
}

void TestKeymapDialogTransfer::fileDialogs_startInFirstExistingOfDesktopDocumentsHome()
{
    QFETCH(QStringList, folders);
    QFETCH(QString, start);
    const QByteArray home = qgetenv("HOME");
    const QByteArray configHome = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QFile::encodeName(m_dir->path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir->filePath("config")));
    for (const QString& folder : folders)
        QVERIFY(QDir(m_dir->path()).mkpath(folder));

    // A bare name gets the file type added.
    FileDialog::SetNextFileName(m_dir->filePath("mine"));
    Click(m_page.get(), "tbtnSave");
    const QString saveDir = FileDialog::LastDir();
    FileDialog::SetNextFileName(QString());
    Click(m_page.get(), "tbtnLoad");
    qputenv("HOME", home);
    if (configHome.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", configHome);

    QCOMPARE(saveDir, m_dir->path() + QLatin1Char('/') + start);
    QCOMPARE(FileDialog::LastDir(), saveDir);
    QVERIFY(QFile::exists(m_dir->filePath("mine.xml")));
}

QTEST_MAIN(TestKeymapDialogTransfer)
#include "tst_keymapdialog_transfer.moc"
