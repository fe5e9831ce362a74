#include "app/CommandLine.h"
#include "app/MainDialog.h"
#include "backup/BackupDialog.h"
#include "backup/BackupFile.h"
#include "device/Protocol.h"
#include "sim/SimBus.h"
#include "support/TestFolder.h"
#include "support/TestLayouts.h"
#include "ui/FileDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QTimer>
#include <QtTest>

#include <cstdio>
#include <cstring>

using sim::SimBus;

namespace {
constexpr tdu2 kPid = 0x0605;
constexpr int kRows = 5;
constexpr int kCols = 15;

// A keyboard with something of its own in every part.
void Fill(sim::KeyboardState& state, std::uint16_t seed)
{
    for (int k = 0; k < Protocol::kKeymapCount; k++) {
        for (int l = 0; l < Protocol::kLayerCount; l++) {
            for (int r = 0; r < kRows; r++) {
                for (int c = 0; c < kCols; c++)
                    state.keymaps[k][l][r][c] = std::uint16_t(seed + k * 1000 + l * 100 + r * kCols + c);
            }
        }
    }
    for (int m = 0; m < Protocol::kMacroCount; m++)
        state.macros[m]
            = {std::uint16_t(0x4000 | (4 + (seed + m) % 26)), std::uint16_t(0x8000 | (4 + (seed + m) % 26))};
    state.rollover = seed % 2;
    state.sleepTime = 60u + seed;
    state.wakeupMode = (seed + 1) % 2;
    for (int r = 0; r < kRows; r++) {
        for (int c = 0; c < kCols; c++)
            state.iled[r][c] = std::uint8_t((seed + r + c) % 7);
    }
}

bool SameUserParts(const sim::KeyboardState& a, const sim::KeyboardState& b)
{
    return std::memcmp(a.keymaps, b.keymaps, sizeof(a.keymaps)) == 0 && std::memcmp(a.iled, b.iled, sizeof(a.iled)) == 0
        && a.rollover == b.rollover && a.sleepTime == b.sleepTime && a.wakeupMode == b.wakeupMode
        && std::equal(std::begin(a.macros), std::end(a.macros), std::begin(b.macros));
}

// Runs the command line as a shell would, catching what it prints.
int RunCli(const QStringList& arguments, QString* out = nullptr)
{
    FILE* stdoutFile = std::tmpfile();
    FILE* stderrFile = std::tmpfile();
    const int status = CommandLine::Run(QStringList {"driver"} + arguments, stdoutFile, stderrFile);
    for (FILE* file : {stdoutFile, stderrFile}) {
        std::rewind(file);
        QByteArray text(1 << 16, '\0');
        text.resize(int(std::fread(text.data(), 1, size_t(text.size()), file)));
        std::fclose(file);
        if (file == stdoutFile && out)
            *out = QString::fromLocal8Bit(text);
        if (file == stderrFile && status != 0)
            qInfo().noquote() << "stderr:" << text.trimmed();
    }
    return status;
}
} // namespace

// The whole keyboard to a file and back: from the command line, from the window, and files that
// must not reach a keyboard.
class TestBackup : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void commandLine_backupChangeRestore_getsTheKeyboardBack();
    void window_backupChangeRestore_previewsAndVerifies();
    void badFile_writesNothing_data();
    void badFile_writesNothing();

private:
    std::unique_ptr<TestFolder> m_folder;
    std::shared_ptr<sim::SimKeyboard> m_keyboard;
};

void TestBackup::init()
{
    SimBus::instance().reset();
    m_folder = std::make_unique<TestFolder>();
    QVERIFY(m_folder->Write("config/PFX_0.json", TestLayouts::Grid(kRows, kCols)));
    const QJsonObject entry = TestLayouts::Entry(kPid, QStringLiteral("PFX"), QStringLiteral("Test Board"));
    QVERIFY(m_folder->Write("config/index.json",
        QJsonDocument(QJsonObject {{"priver", 1}, {"subver", 0}, {"inst", QJsonArray {entry}}, {"demo", QJsonArray {}}})
            .toJson()));
    m_keyboard = SimBus::instance().plug(Protocol::kVendorId, kPid, kRows, kCols);
    m_keyboard->modify([](sim::KeyboardState& state) { Fill(state, 7); });
}

void TestBackup::cleanup()
{
    m_keyboard.reset();
    SimBus::instance().reset();
    m_folder.reset();
}

void TestBackup::commandLine_backupChangeRestore_getsTheKeyboardBack()
{
    QString out;
    QCOMPARE(RunCli({"--list"}, &out), 0);
    QCOMPARE(out, QStringLiteral("Test Board\t0x0605\n"));
    const sim::KeyboardState original = m_keyboard->state();
    const QString file = m_folder->Path("board.json");
    QCOMPARE(RunCli({"--backup", file, "--model", "test board"}), 0);

    m_keyboard->modify([](sim::KeyboardState& state) { Fill(state, 300); });
    QVERIFY(!SameUserParts(m_keyboard->state(), original));
    QCOMPARE(RunCli({"--restore", file, "--data-dir", m_folder->Path(".")}, &out), 0);
    QVERIFY(SameUserParts(m_keyboard->state(), original));
    QCOMPARE(out.count(QStringLiteral("written and verified")), int(KeyboardBackup::WirelessType));

    // A keyboard that refuses one write is reported, part by part.
    m_keyboard->modify([](sim::KeyboardState& state) { Fill(state, 300); });
    m_keyboard->failNextStatus(1);
    QCOMPARE(RunCli({"--restore", file}, &out), int(CommandLine::NotVerified));
    QVERIFY(out.contains(QStringLiteral("Keymap 1: NOT restored.")));
    QCOMPARE(RunCli({"--model", "other", "--backup", file}), int(CommandLine::NoKeyboard));
}

void TestBackup::window_backupChangeRestore_previewsAndVerifies()
{
    MainDialog window(nullptr, false, kPid, 0);
    window.SetWindowSize(1280, 800);
    window.SetDeviceNames(QStringLiteral("PFX"), QStringLiteral("Test Board"));
    QVERIFY(window.Connect());
    window.Setup();
    window.show();
    QTRY_COMPARE(window.AwaitedReplies(), 0);
    const sim::KeyboardState original = m_keyboard->state();
    const QString file = m_folder->Path("window.json");
    // The dialog is modal: it is read and closed from inside its own event loop.
    QStringList lines;
    const auto whenDone = [&lines](const char* press) {
        QTimer::singleShot(0, [&lines, press] {
            auto* dialog = qobject_cast<BackupDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QTRY_VERIFY(dialog->findChild<QAbstractButton*>("btnBackupClose")->text() == QStringLiteral("Close"));
            lines = dialog->Lines();
            dialog->findChild<QAbstractButton*>(press)->click();
        });
    };

    FileDialog::SetNextFileName(file);
    whenDone("btnBackupClose");
    window.findChild<QAbstractButton*>("tbtnBackup")->click();
    QVERIFY(BackupFile::Load(file).ok);

    m_keyboard->modify([](sim::KeyboardState& state) {
        state.keymaps[2][1][0][3] = 0x29;
        state.macros[4].clear();
    });
    FileDialog::SetNextFileName(file);
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<BackupDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        // The preview, then the restore with its read-back.
        QTRY_VERIFY(dialog->findChild<QAbstractButton*>("btnBackupRestore")->isVisible());
        QCOMPARE(dialog->Lines(), (QStringList {"Keymap 3: 1 key codes change.", "Macros 5 change."}));
        whenDone("btnBackupClose");
        dialog->findChild<QAbstractButton*>("btnBackupRestore")->click();
    });
    window.findChild<QAbstractButton*>("tbtnRestore")->click();
    QVERIFY(SameUserParts(m_keyboard->state(), original));
    QCOMPARE(lines.count(QStringLiteral("Macros: written and verified.")), 1);
    QCOMPARE(lines.filter(QStringLiteral("written and verified")).size(), int(KeyboardBackup::WirelessType));
}

void TestBackup::badFile_writesNothing_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("reason");
    QTest::newRow("not JSON") << "garbage"
                              << "not valid JSON";
    QTest::newRow("another format") << "format=driver-macros"
                                    << "not a keyboard backup";
    QTest::newRow("newer version") << "version=2"
                                   << "format version 2";
    QTest::newRow("another model") << "productId=1537"
                                   << "Nothing was written";
    QTest::newRow("another keymap type") << "keymapType=1"
                                         << "Nothing was written";
    QTest::newRow("keymap type out of range") << "keymapType=9"
                                              << "no keymap type";
    QTest::newRow("another grid") << "rows=4"
                                  << "layer 1 is not 4 rows";
    QTest::newRow("code out of range") << "code=70000"
                                       << "key codes from 0 to 65535";
    QTest::newRow("a macro missing") << "macros=31"
                                     << "31 macros instead of 32";
    QTest::newRow("sleep time as text") << "sleepTime=text"
                                        << "settings are incomplete";
}

void TestBackup::badFile_writesNothing()
{
    QFETCH(QString, edit);
    QFETCH(QString, reason);
    const QString file = m_folder->Path("bad.json");
    QCOMPARE(RunCli({"--backup", file}), 0);
    QJsonObject root = QJsonDocument::fromJson(m_folder->Read("bad.json")).object();
    const QString key = edit.section('=', 0, 0);
    const QString value = edit.section('=', 1);
    if (key == "code") {
        QJsonArray keymaps = root["keymaps"].toArray();
        QJsonArray keymap = keymaps[3].toArray(), layer = keymap[2].toArray(), row = layer[4].toArray();
        row[14] = value.toInt();
        layer[4] = row, keymap[2] = layer, keymaps[3] = keymap;
        root["keymaps"] = keymaps;
    } else if (key == "macros") {
        QJsonArray macros = root["macros"].toArray();
        macros.removeLast();
        root["macros"] = macros;
    } else if (key == "sleepTime") {
        QJsonObject settings = root["settings"].toObject();
        settings["sleepTime"] = value;
        root["settings"] = settings;
    } else if (key == "format") {
        root[key] = value;
    } else if (key != "garbage") {
        root[key] = value.toInt();
    }
    QVERIFY(m_folder->Write("bad.json", key == "garbage" ? QByteArray("{ garbage") : QJsonDocument(root).toJson()));
    m_keyboard->modify([](sim::KeyboardState& state) { Fill(state, 300); });
    const sim::KeyboardState before = m_keyboard->state();
    m_keyboard->clearLog();

    QCOMPARE(RunCli({"--restore", file}), int(CommandLine::BadFile));
    const BackupFile::Result read = BackupFile::Load(file);
    QVERIFY2(!read.ok ? read.error.contains(reason) : reason == "Nothing was written", qPrintable(read.error));
    QVERIFY(SameUserParts(m_keyboard->state(), before));
    for (const auto& command : m_keyboard->receivedCommands())
        QCOMPARE(int(command.first), int(Protocol::kCmdReadKeymapType));
}

QTEST_MAIN(TestBackup)
#include "tst_backup.moc"
