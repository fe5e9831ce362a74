#include "app/DeviceIndex.h"
#include "backup/BackupFile.h"
#include "support/TestLayouts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {
constexpr int kPid = 0x0605;

struct Run
{
    int status = -1;
    QString out;
    QString err;
};

// What a terminal would act on or reorder: controls other than tab and line end, DEL, C1 and the
// bidirectional marks.
bool HasHidden(const QString& text)
{
    static const QRegularExpression hidden(QStringLiteral(
        "[\\x00-\\x08\\x0B-\\x1F\\x7F-\\x9F\\x{061C}\\x{200E}\\x{200F}\\x{2028}-\\x{202E}\\x{2066}-\\x{2069}]"));
    return text.contains(hidden);
}
} // namespace

// The program as a shell runs it: a process of its own without a display, its exit status, what it
// prints on each stream and what it leaves in the folder; and names from outside, shown as text.
class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void arguments_data();
    void arguments();
    void hostileNames_data();
    void hostileNames();

private:
    // Writes the index (with this keyboard name) and the layout under data/config.
    void WriteConfig(const QString& name);
    Run Start(const QStringList& arguments, bool plugged);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestCommandLine::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("data/config")));
    WriteConfig(QStringLiteral("Test Board"));
}

void TestCommandLine::WriteConfig(const QString& name)
{
    const QJsonObject index {{"priver", 1}, {"subver", 0},
        {"inst", QJsonArray {TestLayouts::Entry(kPid, QStringLiteral("PFX"), name)}}, {"demo", QJsonArray {}}};
    QFile indexFile(m_dir->filePath(QStringLiteral("data/config/index.json")));
    QVERIFY(indexFile.open(QIODevice::WriteOnly));
    indexFile.write(QJsonDocument(index).toJson());
    QFile layout(m_dir->filePath(QStringLiteral("data/config/PFX_0.json")));
    QVERIFY(layout.open(QIODevice::WriteOnly));
    layout.write(TestLayouts::Grid(5, 15));
}

Run TestCommandLine::Start(const QStringList& arguments, bool plugged)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QT_LOGGING_RULES", "LD_PRELOAD"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), m_dir->filePath(QStringLiteral("home")));
    environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(DRIVER_SIM_PRELOAD));
    if (plugged)
        environment.insert(QStringLiteral("DRIVER_SIM_KEYBOARDS"), QStringLiteral("0605:5x15:0"));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(m_dir->path());
    process.start(QStringLiteral(DRIVER_BIN), arguments);
    Run run;
    if (!process.waitForFinished(30000))
        return run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    // The preloaded keyboard announces itself; that line is the tool's, not the program's.
    run.err.remove(
        QRegularExpression(QStringLiteral("^simulated keyboard: [^\n]*\n"), QRegularExpression::MultilineOption));
    return run;
}

void TestCommandLine::arguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("plugged");
    QTest::addColumn<int>("status");
    // Whole-stream patterns; an empty one means the stream must stay empty.
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    // A file the run must not leave behind, or must leave ("+name").
    QTest::addColumn<QString>("file");

    // A usage error: exit 2, one line on stderr, nothing on stdout.
    const auto usage = [](const char* name, const QStringList& arguments, const QString& message, bool plugged = false,
                           const QString& file = QString()) {
        QTest::newRow(name) << arguments << plugged << 2 << QString()
                            << QStringLiteral("^driver: %1 \\(see --help\\)\\.\\n$").arg(message) << file;
    };
    usage("unknown option", {"--bogus"}, "Unknown option 'bogus'");
    usage("unknown single-dash option", {"-bogus"}, "Unknown option 'bogus'");
    usage("missing value", {"--backup"}, "Missing value after '--backup'");
    usage("option as a value", {"--backup", "--list"}, "--backup needs a file, not '--list'", true, "--list");
    usage("extra argument", {"--list", "extra"}, "unexpected argument 'extra'");
    usage("two actions", {"--list", "--backup", "b.json"}, "give one of --list, --backup FILE or --restore FILE", true,
        "b.json");
    usage("option twice", {"--list", "--list"}, "--list is given more than once");
    usage("json with a restore", {"--restore", "b.json", "--json"}, "--json goes with --list or --backup");
    QTest::newRow("help") << QStringList {"--help"} << false << 0 << "--backup <file>[\\s\\S]*Exit status:"
                          << ""
                          << "";
    QTest::newRow("version") << QStringList {"--version"} << false << 0
                             << QStringLiteral("^driver %1\\n$").arg(QRegularExpression::escape(DRIVER_VERSION)) << ""
                             << "";
    QTest::newRow("nothing plugged") << QStringList {"--list", "--data-dir", "data"} << false << 3 << ""
                                     << "^driver: no keyboard is plugged in\\.\\n$"
                                     << "";
    QTest::newRow("nothing plugged, JSON")
        << QStringList {"--list", "--json", "--data-dir", "data"} << false << 3 << "^\\{\"keyboards\":\\[\\]\\}\\n$"
        << "^driver: no keyboard is plugged in\\.\\n$"
        << "";
    QTest::newRow("no index here") << QStringList {"--list"} << false << 1 << ""
                                   << "^driver: the device index .*config/index\\.json cannot be read\\.\\n$"
                                   << "";
    QTest::newRow("list, relative data folder")
        << QStringList {"--list", "--data-dir", "data"} << true << 0 << "^Test Board\\t0x0605\\n$"
        << ""
        << "";
    QTest::newRow("list, JSON") << QStringList {"--json", "--list", "--data-dir=data"} << true << 0
                                << "^\\{\"keyboards\":\\[\\{\"model\":\"Test Board\",\"prefix\":\"PFX\","
                                   "\"productId\":1541\\}\\]\\}\\n$"
                                << ""
                                << "";
    QTest::newRow("backup, quiet") << QStringList {"--backup", "b.json", "--data-dir", "data"} << true << 0
                                   << "^Test Board backed up to b\\.json\\.\\n$"
                                   << ""
                                   << "+b.json";
    QTest::newRow("backup, JSON")
        << QStringList {"--backup", "b.json", "--json", "--data-dir", "data"} << true << 0
        << "^\\{\"cols\":15,\"date\":\"[^\"]+\",\"file\":\"b\\.json\",\"keymapType\":0,"
           "\"model\":\"Test Board\",\"productId\":1541,\"rows\":5,\"savedTo\":\"[^\"]*b\\.json\"\\}\\n$"
        << ""
        << "+b.json";
}

void TestCommandLine::arguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, plugged);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QFETCH(QString, file);
    if (plugged && QByteArray(DRIVER_SIM_PRELOAD).isEmpty())
        QSKIP("sanitizer builds cannot preload the simulated keyboard into the program");
    const Run run = Start(arguments, plugged);
    QCOMPARE(run.status, status);
    for (const auto& [text, pattern] : {std::pair {run.out, out}, std::pair {run.err, err}}) {
        if (pattern.isEmpty())
            QVERIFY2(text.isEmpty(), qPrintable(text));
        else
            QVERIFY2(QRegularExpression(pattern).match(text).hasMatch(), qPrintable(text));
    }
    if (file.startsWith('+'))
        QVERIFY(BackupFile::Load(m_dir->filePath(file.mid(1))).ok);
    else if (!file.isEmpty())
        QVERIFY(!QFile::exists(m_dir->filePath(file)));
}

void TestCommandLine::hostileNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("terminal escapes") << QStringLiteral("\x1b[2J\x1b]0;owned\x07Board\x1b[31m");
    QTest::newRow("C1 controls and DEL") << QStringLiteral("Bo\u009bard\x7f\u0085");
    QTest::newRow("bidi override") << QStringLiteral("Board \u202Etxt.exe\u202C \u2066x\u2069");
    QTest::newRow("markup") << QStringLiteral("<b>Bold</b><img src=\"x\"><a href=\"http://x\">link</a>");
    QTest::newRow("very long") << QString(300, QLatin1Char('W'));
    QTest::newRow("tabs and line ends") << QStringLiteral("Board\t0x9999\nsecond line\r");
}

// A name from the index (as the update server may send it) or from a backup file reaches the
// terminal, the window's title and the restore preview as text, with nothing that acts: the
// index and the backup file give it plain, the list prints it so.
void TestCommandLine::hostileNames()
{
    QFETCH(QString, name);
    WriteConfig(name);
    DeviceIndex index;
    QVERIFY(index.Load(m_dir->filePath(QStringLiteral("data/config/index.json"))));
    const QString shown = index.inst.value(0).name;
    QVERIFY(!HasHidden(shown));
    QVERIFY(!shown.contains(QLatin1Char('\t')) && !shown.contains(QLatin1Char('\n')));
    QVERIFY(shown.size() <= 64);
    QVERIFY(!shown.isEmpty());

    if (!QByteArray(DRIVER_SIM_PRELOAD).isEmpty()) {
        const Run run = Start({"--list", "--data-dir", "data"}, true);
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, shown + QStringLiteral("\t0x0605\n"));
    }

    KeyboardBackup backup;
    backup.model = name;
    backup.productId = kPid;
    backup.rows = 5;
    backup.cols = 15;
    for (auto& keymap : backup.keymaps) {
        for (KeyboardBackup::LayerCodes& layer : keymap)
            layer.fill(4, 75);
    }
    backup.indicators.fill('\0', 75);
    const BackupFile::Result file = BackupFile::Parse(BackupFile::Serialize(backup));
    QVERIFY2(file.ok, qPrintable(file.error));
    QCOMPARE(file.backup.model, shown);
}

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
