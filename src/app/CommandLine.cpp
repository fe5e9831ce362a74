#include "app/CommandLine.h"

#include "app/AppLog.h"
#include "app/DeviceIndex.h"
#include "app/StopSignals.h"
#include "app/UserDataFolder.h"
#include "backup/BackupFile.h"
#include "backup/BackupJob.h"
#include "backup/RestoreCopies.h"
#include "codec/KeymapCodec.h"
#include "device/DeviceSession.h"
#include "device/HidDeviceHandle.h"
#include "device/Protocol.h"
#include "layout/LayoutFile.h"
#include "ui/PlainName.h"

#include <QCommandLineParser>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace {
// Qt's own options for a window, with a value or without; anything else asks for the command line.
const QStringList kWindowOptionsWithValue {"platform", "platformpluginpath", "platformtheme", "plugin", "style",
    "stylesheet", "session", "display", "geometry", "title", "name", "qwindowgeometry", "qwindowicon", "qwindowtitle",
    "qmljsdebugger"};
const QStringList kWindowOptions {"reverse", "widgetcount", "nograb", "dograb", "sync", "verbose"};

// The opened keyboard and what the command needs of it.
struct Keyboard
{
    DeviceEntry entry;
    tdu1 keymapType = 0;
    LayoutDescription layout;
};

// Lines carry names from the index, backup files and the user's own arguments: nothing in them
// may reach the terminal as a control sequence.
void Print(FILE* stream, const QString& text)
{
    std::fprintf(stream, "%s\n", PlainName::ForTerminal(text).toLocal8Bit().constData());
}

void PrintJson(FILE* stream, const QJsonObject& object)
{
    std::fprintf(stream, "%s\n", QJsonDocument(object).toJson(QJsonDocument::Compact).constData());
}
} // namespace

bool CommandLine::Wanted(const QStringList& arguments)
{
    for (int i = 1; i < arguments.size(); i++) {
        QString name = arguments.at(i);
        if (!name.startsWith(QLatin1Char('-')))
            return true;
        name.remove(0, name.startsWith(QLatin1String("--")) ? 2 : 1);
        if (kWindowOptionsWithValue.contains(name.section(QLatin1Char('='), 0, 0))) {
            i += name.contains(QLatin1Char('=')) ? 0 : 1;
            continue;
        }
        if (!kWindowOptions.contains(name))
            return true;
    }
    return false;
}

QString CommandLine::ExitStatusText()
{
    return tr("Exit status:\n"
              "  0    done\n"
              "  1    the device index or the keyboard's layout cannot be read, or a file cannot be written\n"
              "  2    usage error: an unknown or repeated option, a missing value, more or less than one action, or "
              "several keyboards and no --model\n"
              "  3    no keyboard (or not the one named) is plugged in, or it may not be opened\n"
              "  4    the backup file is missing, broken or not of this keyboard; nothing was written\n"
              "  5    the keyboard did not answer or went away\n"
              "  6    a part was not restored: the keyboard refused it or holds something else\n"
              "  130, 143  a restore was stopped by SIGINT or SIGTERM");
}

int CommandLine::Run(const QStringList& arguments, FILE* out, FILE* err)
{
    QCoreApplication::setApplicationVersion(QStringLiteral(DRIVER_VERSION));
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(tr("Backs up and restores a whole NOVA keyboard: its four keymaps, its 32 "
                                        "macros and its settings."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption list(QStringLiteral("list"), tr("Lists the plugged keyboards, one per line."));
    const QCommandLineOption backup(
        QStringLiteral("backup"), tr("Reads the whole keyboard into <file>."), QStringLiteral("file"));
    const QCommandLineOption restore(QStringLiteral("restore"),
        tr("Writes <file> to the keyboard, reads it back and verifies it."), QStringLiteral("file"));
    const QCommandLineOption model(
        QStringLiteral("model"), tr("The keyboard to use when several are plugged."), QStringLiteral("name"));
    const QCommandLineOption dataDir(QStringLiteral("data-dir"),
        tr("The folder whose config/ holds the device index and layouts (default: the current folder)."),
        QStringLiteral("folder"));
    const QCommandLineOption json(
        QStringLiteral("json"), tr("With --list or --backup: prints one JSON document instead of lines of text."));
    const QCommandLineOption verbose(QStringLiteral("verbose"), tr("Prints the program's debug lines on stderr."));
    parser.addOptions({list, backup, restore, model, dataDir, json, verbose});

    // A usage error names what is wrong on one line, changes nothing and exits 2.
    const auto usage = [err](QString message) {
        if (message.endsWith(QLatin1Char('.')))
            message.chop(1);
        Print(err, tr("driver: %1 (see --help).").arg(message));
        return int(Usage);
    };
    if (!parser.parse(arguments))
        return usage(parser.errorText());
    if (parser.isSet(help)) {
        Print(out, parser.helpText() + QLatin1Char('\n') + ExitStatusText());
        return Done;
    }
    if (parser.isSet(version)) {
        Print(out, QStringLiteral("driver %1").arg(QStringLiteral(DRIVER_VERSION)));
        return Done;
    }
    if (!parser.positionalArguments().isEmpty())
        return usage(tr("unexpected argument '%1'").arg(parser.positionalArguments().first()));
    for (const QCommandLineOption& option : {list, backup, restore, model, dataDir, json, verbose}) {
        const QString name = option.names().first();
        if (parser.optionNames().count(name) > 1)
            return usage(tr("--%1 is given more than once").arg(name));
        // "--backup --list" is a forgotten file name, not a file called "--list".
        const QString value = option.valueName().isEmpty() ? QString() : parser.value(option);
        if (!option.valueName().isEmpty() && parser.isSet(option) && (value.isEmpty() || value.startsWith('-')))
            return usage(tr("--%1 needs a %2, not '%3'").arg(name, option.valueName(), value));
    }
    const int commands = int(parser.isSet(list)) + int(parser.isSet(backup)) + int(parser.isSet(restore));
    if (commands != 1)
        return usage(tr("give one of --list, --backup FILE or --restore FILE"));
    if (parser.isSet(json) && parser.isSet(restore))
        return usage(tr("--json goes with --list or --backup"));

    const QDir data(parser.isSet(dataDir) ? parser.value(dataDir) : QDir::currentPath());
    DeviceIndex index;
    if (!index.Load(data.filePath(QStringLiteral("config/index.json")))) {
        Print(err,
            tr("driver: the device index %1 cannot be read.").arg(data.filePath(QStringLiteral("config/index.json"))));
        return Failed;
    }
    const QSet<tdu2> present = HidDeviceHandle::PresentProducts(Protocol::kVendorId);
    QList<DeviceEntry> plugged;
    for (const DeviceEntry& entry : qAsConst(index.inst)) {
        if (present.contains(entry.pid))
            plugged.append(entry);
    }
    if (parser.isSet(list)) {
        QJsonArray keyboards;
        for (const DeviceEntry& entry : qAsConst(plugged)) {
            if (parser.isSet(json))
                keyboards.append(
                    QJsonObject {{"model", entry.name}, {"prefix", entry.prefix}, {"productId", entry.pid}});
            else
                Print(out, QStringLiteral("%1\t0x%2").arg(entry.name).arg(entry.pid, 4, 16, QLatin1Char('0')));
        }
        if (parser.isSet(json))
            PrintJson(out, QJsonObject {{"keyboards", keyboards}});
        if (plugged.isEmpty()) {
            Print(err, tr("driver: no keyboard is plugged in."));
            return NoKeyboard;
        }
        return Done;
    }

    // The keyboard: the one plugged, or the one named.
    if (parser.isSet(model)) {
        const QString wanted = parser.value(model);
        QList<DeviceEntry> named;
        for (const DeviceEntry& entry : qAsConst(plugged)) {
            if (entry.name.compare(wanted, Qt::CaseInsensitive) == 0
                || entry.prefix.compare(wanted, Qt::CaseInsensitive) == 0)
                named.append(entry);
        }
        plugged = named;
        if (plugged.isEmpty()) {
            Print(err, tr("driver: no plugged keyboard is called %1 (see --list).").arg(wanted));
            return NoKeyboard;
        }
    }
    if (plugged.isEmpty()) {
        Print(err, tr("driver: no keyboard is plugged in."));
        return NoKeyboard;
    }
    if (plugged.size() > 1) {
        QStringList names;
        for (const DeviceEntry& entry : qAsConst(plugged))
            names.append(entry.name);
        Print(err,
            tr("driver: several keyboards are plugged in (%1); choose one with --model.")
                .arg(names.join(QStringLiteral(", "))));
        return Usage;
    }

    // A file to restore is checked whole before the keyboard is touched.
    KeyboardBackup restored;
    if (parser.isSet(restore)) {
        const BackupFile::Result file = BackupFile::Load(parser.value(restore));
        if (!file.ok) {
            Print(err, tr("driver: %1: %2").arg(parser.value(restore), file.error));
            return BadFile;
        }
        restored = file.backup;
    }

    Keyboard keyboard;
    keyboard.entry = plugged.first();
    DeviceSession session(keyboard.entry.pid);
    HidDeviceHandle& hid = *session.Device();
    if (!session.Open()) {
        Print(err,
            hid.LastOpenError() == HidDeviceHandle::OpenError::NoAccess
                ? tr("driver: %1 may not be opened by this user (%2: %3).")
                      .arg(keyboard.entry.name, hid.LastOpenPath(), hid.LastOpenReason())
                : tr("driver: %1 could not be opened.").arg(keyboard.entry.name));
        return NoKeyboard;
    }
    keyboard.keymapType = session.KeyboardKeymapType();
    session.SetLayoutKeymapType(keyboard.keymapType);
    const QString layoutPath = data.filePath(LayoutFile::FileName(keyboard.entry.prefix, keyboard.keymapType));
    keyboard.layout = LayoutFile::Read(layoutPath);
    if (!keyboard.layout.ok || !KeymapCodec::Transferable(keyboard.layout.rownum, keyboard.layout.colnum)) {
        Print(err, tr("driver: the layout %1 is missing or unusable.").arg(layoutPath));
        return Failed;
    }
    KeyboardBackup identity;
    identity.model = keyboard.entry.name;
    identity.productId = keyboard.entry.pid;
    identity.program = QStringLiteral(DRIVER_VERSION);
    identity.keymapType = keyboard.keymapType;
    identity.rows = keyboard.layout.rownum;
    identity.cols = keyboard.layout.colnum;
    if (parser.isSet(restore) && !KeyboardBackup::Fits(restored, identity)) {
        Print(err,
            tr("driver: %1 holds a backup of %2 with keymap type %3; the keyboard is %4 with keymap type %5. Nothing "
               "was written.")
                .arg(parser.value(restore), restored.model)
                .arg(restored.keymapType)
                .arg(keyboard.entry.name)
                .arg(keyboard.keymapType));
        return BadFile;
    }

    // The same path as the window's: a job with a client of the keyboard's session.
    BackupJob job(&session, keyboard.keymapType, keyboard.layout.rownum, keyboard.layout.colnum);
    QString failure;
    const auto runJob = [&](const std::function<void()>& start) {
        QEventLoop loop;
        bool ok = false;
        const QMetaObject::Connection finished
            = QObject::connect(&job, &BackupJob::Finished, &loop, [&](bool done, const QString& error) {
                  ok = done;
                  failure = error;
                  loop.quit();
              });
        start();
        if (job.IsRunning())
            loop.exec();
        QObject::disconnect(finished);
        return ok;
    };

    if (parser.isSet(backup)) {
        if (!runJob([&] { job.Read(); })) {
            Print(err, tr("driver: the backup failed: %1").arg(failure));
            return KeyboardFailed;
        }
        const KeyboardBackup result = job.ResultOf(identity);
        QString error;
        QString savedTo;
        if (!BackupFile::Save(parser.value(backup), result, &error, &savedTo)) {
            Print(err, tr("driver: %1 could not be written: %2").arg(parser.value(backup), error));
            return Failed;
        }
        if (parser.isSet(json))
            PrintJson(out,
                QJsonObject {{"model", result.model}, {"productId", result.productId},
                    {"keymapType", result.keymapType}, {"rows", result.rows}, {"cols", result.cols},
                    {"file", parser.value(backup)}, {"savedTo", savedTo}, {"date", result.date.toString(Qt::ISODate)}});
        else if (QFileInfo(savedTo).absoluteFilePath() == QFileInfo(parser.value(backup)).absoluteFilePath())
            Print(out, tr("%1 backed up to %2.").arg(keyboard.entry.name, parser.value(backup)));
        else
            Print(out,
                tr("%1 backed up to %2, the file the link %3 points to.")
                    .arg(keyboard.entry.name, QDir::toNativeSeparators(savedTo), parser.value(backup)));
        return Done;
    }

    // What the keyboard holds is saved before the first write, so that the restore can be undone.
    if (!runJob([&] { job.Read(); })) {
        Print(
            err, tr("driver: the keyboard could not be read before the restore: %1 Nothing was written.").arg(failure));
        return KeyboardFailed;
    }
    const KeyboardBackup before = job.ResultOf(identity);
    QString copyError;
    const QString copy = RestoreCopies(UserDataFolder::RestoreCopiesDir()).Save(before, &copyError);
    if (copy.isEmpty()) {
        Print(err,
            tr("driver: what the keyboard holds could not be saved first, so nothing was written: %1").arg(copyError));
        return Failed;
    }
    Print(out, tr("What the keyboard held before is saved in %1.").arg(QDir::toNativeSeparators(copy)));
    const QString undo = tr("driver: to undo the restore: driver --restore %1").arg(QDir::toNativeSeparators(copy));

    // Ctrl+C or a SIGTERM lets the command in flight finish, then stops the restore.
    StopSignals stopSignals;
    QObject::connect(&stopSignals, &StopSignals::Arrived, &job, [&job] { job.Stop(tr("it was interrupted.")); });
    if (!runJob([&] { job.Write(restored); })) {
        Print(err, tr("driver: the restore stopped: %1").arg(failure));
        for (const QString& line : job.WriteReport())
            Print(err, QStringLiteral("driver: ") + line);
        if (job.SentWrite())
            Print(err, undo);
        return stopSignals.Received() != 0 ? 128 + stopSignals.Received() : KeyboardFailed;
    }
    const QSet<int> refused = job.RefusedParts();
    if (!runJob([&] { job.Read(); })) {
        Print(err, tr("driver: the keyboard could not be read back: %1").arg(failure));
        return KeyboardFailed;
    }
    QStringList unverified;
    const QVector<KeyboardBackup::Outcome> outcomes = KeyboardBackup::Verify(restored, refused, job.Result());
    for (int part = 0; part < outcomes.size(); part++) {
        const bool verified = outcomes.at(part) == KeyboardBackup::Outcome::Verified;
        Print(out,
            verified ? KeyboardBackup::OutcomeText(part, outcomes.at(part))
                     : tr("%1: NOT restored.").arg(KeyboardBackup::PartName(part)));
        if (!verified)
            unverified.append(KeyboardBackup::PartName(part));
    }
    if (!unverified.isEmpty()) {
        Print(err, tr("driver: not restored: %1.").arg(unverified.join(QStringLiteral(", "))));
        Print(err, undo);
        return NotVerified;
    }
    return Done;
}
