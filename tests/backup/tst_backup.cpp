#include "app/CommandLine.h"
#include "app/MainDialog.h"
#include "app/UserDataFolder.h"
#include "backup/BackupDialog.h"
#include "backup/BackupFile.h"
#include "backup/BackupJob.h"
#include "backup/RestoreCopies.h"
#include "codec/MacroCodec.h"
#include "codec/MacroKeyTable.h"
#include "device/DeviceSession.h"
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
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>

#include <csignal>
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

// A macro word drawn over the whole range, leaning towards the awkward ones: keys without a name,
// pauses of 0, 1 and 16383 ms, words of no known type.
std::uint16_t RandomWord(QRandomGenerator& random)
{
    static const int kAwkward[] = {0, 1, 0x68, 0xE8, 0x3FFF};
    const QVector<MacroKeyTable::Entry>& named = MacroKeyTable::Instance().Entries();
    const int type = random.bounded(4) << 14;
    switch (random.bounded(4)) {
    case 0:
        return std::uint16_t(random.bounded(0x10000));
    case 1:
        return std::uint16_t(type | named.at(random.bounded(named.size())).hid);
    case 2:
        return std::uint16_t(type | kAwkward[random.bounded(5)]);
    default:
        return std::uint16_t(type | random.bounded(0x4000));
    }
}

// Anything a keyboard can hold, drawn over each value's whole range.
void Random(sim::KeyboardState& state, quint32 seed)
{
    QRandomGenerator random(seed);
    for (auto& keymap : state.keymaps) {
        for (auto& layer : keymap) {
            for (int r = 0; r < kRows; r++) {
                for (int c = 0; c < kCols; c++)
                    layer[r][c] = std::uint16_t(random.bounded(0x10000));
            }
        }
    }
    for (auto& macro : state.macros) {
        macro.resize(size_t(random.bounded(Protocol::kMaxMacroActions + 1)));
        for (std::uint16_t& w : macro)
            w = RandomWord(random);
    }
    state.rollover = std::uint8_t(random.bounded(2));
    state.wakeupMode = std::uint8_t(random.bounded(2));
    state.sleepTime = random.generate();
    for (int r = 0; r < kRows; r++) {
        for (int c = 0; c < kCols; c++)
            state.iled[r][c] = std::uint8_t(random.bounded(256));
    }
}

// Runs a job to its end; false with the reason when it stopped.
bool RunJob(BackupJob* job, const std::function<void()>& start, QString* error = nullptr)
{
    QSignalSpy finished(job, &BackupJob::Finished);
    start();
    if (finished.isEmpty() && !finished.wait(10000))
        return false;
    if (error)
        *error = finished.first().at(1).toString();
    return finished.first().at(0).toBool();
}

// Runs the command line as a shell would, catching what it prints.
int RunCli(const QStringList& arguments, QString* out = nullptr, QString* err = nullptr)
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
        if (file == stderrFile && err)
            *err = QString::fromLocal8Bit(text);
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
    void initTestCase();
    void init();
    void cleanup();
    void roundTrip_fileKeepsAnyContents();
    void unwritableBackup_isRefusedBeforeSaveAndWrite();
    void restoreStopped_saysWhatIsWhereAndCanBeUndone_data();
    void restoreStopped_saysWhatIsWhereAndCanBeUndone();
    void commandLine_backupChangeRestore_getsTheKeyboardBack();
    void window_backupChangeRestore_previewsAndVerifies();
    void badFile_writesNothing_data();
    void badFile_writesNothing();

private:
    std::unique_ptr<TestFolder> m_folder;
    std::shared_ptr<sim::SimKeyboard> m_keyboard;
};

void TestBackup::initTestCase()
{
    // The copies taken before each restore go to a test folder, not the user's.
    QStandardPaths::setTestModeEnabled(true);
    QDir(UserDataFolder::RestoreCopiesDir()).removeRecursively();
}

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

    // Through a link the file it names is saved, and the message says so; a link to nothing is
    // refused and creates nothing.
    QVERIFY(QFile::link(file, m_folder->Path("link.json")));
    QCOMPARE(RunCli({"--backup", m_folder->Path("link.json")}, &out), 0);
    QVERIFY2(out.contains(QStringLiteral("backed up to %1, the file the link").arg(file)), qPrintable(out));
    QVERIFY(QFileInfo(m_folder->Path("link.json")).isSymLink());
    QVERIFY(QFile::link(m_folder->Path("nowhere.json"), m_folder->Path("dangling.json")));
    QCOMPARE(RunCli({"--backup", m_folder->Path("dangling.json")}), int(CommandLine::Failed));
    QVERIFY(!QFile::exists(m_folder->Path("nowhere.json")));
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

    // "Undo restore" writes back what the keyboard held before, from the copy taken first.
    m_keyboard->modify([](sim::KeyboardState& state) { Random(state, 9); });
    const sim::KeyboardState before = m_keyboard->state();
    FileDialog::SetNextFileName(file);
    QString copy;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<BackupDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QTRY_VERIFY(dialog->findChild<QAbstractButton*>("btnBackupRestore")->isVisible());
        dialog->findChild<QAbstractButton*>("btnBackupRestore")->click();
        QTRY_VERIFY(dialog->findChild<QAbstractButton*>("btnBackupUndo")->isVisible());
        QVERIFY(SameUserParts(m_keyboard->state(), original));
        copy = dialog->CopyPath();
        whenDone("btnBackupClose");
        dialog->findChild<QAbstractButton*>("btnBackupUndo")->click();
    });
    window.findChild<QAbstractButton*>("tbtnRestore")->click();
    QVERIFY(SameUserParts(m_keyboard->state(), before));
    QCOMPARE(lines.filter(QStringLiteral("written and verified")).size(), int(KeyboardBackup::WirelessType));
    QVERIFY(BackupFile::Load(copy).ok);
    QVERIFY(window.findChild<QLabel*>("lblStatus")->text().contains(QDir::toNativeSeparators(copy)));
}

void TestBackup::badFile_writesNothing_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("reason");
    QTest::newRow("not JSON") << "garbage"
                              << "not valid JSON";
    QTest::newRow("another format") << "format=driver-macros"
                                    << "not a keyboard backup";
    QTest::newRow("newer version") << "version=3"
                                   << "format version 3";
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
    QTest::newRow("a macro too long") << "actions=121"
                                      << "at most 120 actions";
    QTest::newRow("a pause beyond what the keyboard holds") << "delay=16384"
                                                            << "Macro 1, action 1";
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
    } else if (key == "actions" || key == "delay") {
        QJsonArray macros = root["macros"].toArray();
        QJsonObject first = macros[0].toObject();
        QJsonArray actions;
        for (int i = 0; i < (key == "actions" ? value.toInt() : 1); i++)
            actions.append(QJsonObject {{"type", "delay"}, {"value", key == "delay" ? value.toInt() : 5}});
        first["actions"] = actions;
        macros[0] = first;
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

// Whatever a read finds, over every value's whole range and any grid a keyboard can carry, is
// read from its file as it was saved, and a macro is written back as the very bytes read. (The
// way through a keyboard, read, saved and written back, is taken by the stopped restores below.)
void TestBackup::roundTrip_fileKeepsAnyContents()
{
    for (quint32 seed = 1; seed <= 400; seed++) {
        const QByteArray where = "seed " + QByteArray::number(seed);
        QRandomGenerator random(seed);
        KeyboardBackup backup;
        backup.model = QStringLiteral("Board %1").arg(seed);
        backup.productId = tdu2(random.bounded(1, 0x10000));
        backup.keymapType = random.bounded(Protocol::kKeymapTypeCount);
        do {
            backup.rows = random.bounded(1, Protocol::kMaxRows + 1);
            backup.cols = random.bounded(1, Protocol::kMaxCols + 1);
        } while (backup.rows * backup.cols > Protocol::kMaxTransferableKeys);
        for (auto& keymap : backup.keymaps) {
            for (KeyboardBackup::LayerCodes& layer : keymap) {
                for (int i = 0; i < backup.rows * backup.cols; i++)
                    layer.append(tdu2(random.bounded(0x10000)));
            }
        }
        QVector<QByteArray> replies;
        for (int m = 0; m < Protocol::kMacroCount; m++) {
            QVector<tdu2> stored(random.bounded(Protocol::kMaxMacroActions + 1));
            for (tdu2& word : stored)
                word = RandomWord(random);
            replies.append(MacroCodec::EncodeWords(tdu1(m), stored));
            const MacroCodec::ReadReply read = MacroCodec::DecodeReadReply(
                reinterpret_cast<const tdu1*>(replies.last().constData()), replies.last().size());
            backup.macros[size_t(m)] = read.words;
        }
        backup.rollover = random.bounded(2);
        backup.wakeupMode = random.bounded(2);
        backup.sleepTime = random.generate();
        backup.wirelessType = random.bounded(256);
        for (int i = 0; i < backup.rows * backup.cols; i++)
            backup.indicators.append(char(random.bounded(256)));

        const BackupFile::Result file = BackupFile::Parse(BackupFile::Serialize(backup));
        QVERIFY2(file.ok, qPrintable(file.error + QLatin1Char(' ') + where));
        for (int part = 0; part < KeyboardBackup::PartCount; part++)
            QVERIFY2(KeyboardBackup::SamePart(file.backup, backup, part), where + " part " + QByteArray::number(part));
        QCOMPARE(file.backup.model, backup.model);
        QCOMPARE(file.backup.productId, backup.productId);
        QCOMPARE(file.backup.keymapType, backup.keymapType);
        for (int m = 0; m < Protocol::kMacroCount; m++)
            QVERIFY2(MacroCodec::EncodeWords(tdu1(m), file.backup.macros[size_t(m)]) == replies.at(m),
                where + " macro " + QByteArray::number(m + 1));
    }
}

void TestBackup::unwritableBackup_isRefusedBeforeSaveAndWrite()
{
    DeviceSession session(kPid);
    QVERIFY(session.Open());
    BackupJob job(&session, 0, kRows, kCols);
    QVERIFY(RunJob(&job, [&] { job.Read(); }));
    const KeyboardBackup good = job.Result();
    struct Case
    {
        const char* what;
        std::function<void(KeyboardBackup&)> spoil;
        const char* reason;
    };
    const Case cases[] = {
        {"no grid (no layout file)", [](KeyboardBackup& b) { b.rows = b.cols = 0; }, "0 x 0"},
        {"a macro too long", [](KeyboardBackup& b) { b.macros[3].fill(0x4004, 121); }, "Macro 4"},
        {"indicators short", [](KeyboardBackup& b) { b.indicators.chop(1); }, "indicator"},
        {"rollover beyond on/off", [](KeyboardBackup& b) { b.rollover = 2; }, "rollover"},
    };
    for (const Case& c : cases) {
        KeyboardBackup bad = good;
        bad.model = QStringLiteral("Test Board");
        bad.productId = kPid;
        c.spoil(bad);
        QVERIFY2(KeyboardBackup::WriteProblem(bad).contains(QLatin1String(c.reason)), c.what);
        QString error;
        QVERIFY2(!BackupFile::Save(m_folder->Path("bad.json"), bad, &error), c.what);
        QVERIFY2(error.contains(QLatin1String(c.reason)), qPrintable(error));
        QVERIFY2(!QFile::exists(m_folder->Path("bad.json")), c.what);
        m_keyboard->clearLog();
        QVERIFY2(!RunJob(
                     &job, [&] { job.Write(bad); }, &error),
            c.what);
        QVERIFY2(error.contains(QLatin1String(c.reason)), qPrintable(error));
        QVERIFY2(m_keyboard->receivedCommands().empty(), c.what);
        QVERIFY(!job.SentWrite());
    }
}

void TestBackup::restoreStopped_saysWhatIsWhereAndCanBeUndone_data()
{
    QTest::addColumn<QString>("stop");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("reason");
    QTest::newRow("unplugged") << "unplug" << int(CommandLine::KeyboardFailed) << "unplugged";
    QTest::newRow("SIGTERM") << "SIGTERM" << 128 + SIGTERM << "interrupted";
    QTest::newRow("SIGINT") << "SIGINT" << 128 + SIGINT << "interrupted";
}

void TestBackup::restoreStopped_saysWhatIsWhereAndCanBeUndone()
{
    QFETCH(QString, stop);
    QFETCH(int, status);
    QFETCH(QString, reason);
    const QString file = m_folder->Path("board.json");
    m_keyboard->modify([](sim::KeyboardState& state) { Random(state, 77); });
    QCOMPARE(RunCli({"--backup", file}), 0);
    m_keyboard->modify([](sim::KeyboardState& state) { Random(state, 78); });
    const sim::KeyboardState before = m_keyboard->state();
    m_keyboard->clearLog();

    // Stops while the macros are being written: the four keymaps have gone before them.
    const int stopAfter = 40 + 1 + 4 + 7;
    QTimer poll;
    int signalNumber = stop == "SIGINT" ? SIGINT : SIGTERM;
    if (stop == "unplug") {
        m_keyboard->unplugAfterWrites(4 * 10 + 41 + 8);
    } else {
        m_keyboard->setReplyDelayMs(2);
        connect(&poll, &QTimer::timeout, [&] {
            if (int(m_keyboard->receivedCommands().size()) >= stopAfter) {
                poll.stop();
                std::raise(signalNumber);
            }
        });
        poll.start(0);
    }
    QString out;
    QString err;
    QCOMPARE(RunCli({"--restore", file}, &out, &err), status);
    QVERIFY2(err.contains(reason), qPrintable(err));
    QVERIFY2(err.contains("Keymap 4: now holds the backup's."), qPrintable(err));
    QVERIFY2(err.contains("Sleep time: unchanged."), qPrintable(err));
    QVERIFY2(err.contains(QRegularExpression("Macros: [0-9, ]+ now hold the backup's")), qPrintable(err));
    // A signal lets the command in flight finish; an unplug leaves one that may be half written.
    QCOMPARE(err.contains("may be half written"), stop == "unplug");

    const QStringList copies = RestoreCopies(UserDataFolder::RestoreCopiesDir()).Paths();
    QVERIFY(!copies.isEmpty());
    QVERIFY(out.contains(QDir::toNativeSeparators(copies.last())));
    QVERIFY(err.contains("--restore " + QDir::toNativeSeparators(copies.last())));
    if (stop == "unplug") {
        m_keyboard = SimBus::instance().plug(Protocol::kVendorId, kPid, kRows, kCols);
        m_keyboard->modify([](sim::KeyboardState& state) { Random(state, 5); });
    }
    m_keyboard->setReplyDelayMs(0);
    QCOMPARE(RunCli({"--restore", copies.last()}), 0);
    QVERIFY(SameUserParts(m_keyboard->state(), before));
}

QTEST_MAIN(TestBackup)
#include "tst_backup.moc"
