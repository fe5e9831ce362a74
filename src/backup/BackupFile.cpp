#include "backup/BackupFile.h"

#include "codec/MacroCodec.h"
#include "ui/FileSaver.h"
#include "ui/LocalFile.h"
#include "ui/PlainName.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

namespace {
const char* const kFormatName = "driver-backup";

bool WholeIn(const QJsonValue& value, double low, double high, qint64* result)
{
    if (!value.isDouble())
        return false;
    const double number = value.toDouble();
    if (number < low || number > high || number != double(qint64(number)))
        return false;
    *result = qint64(number);
    return true;
}

QJsonArray Grid(const QVector<tdu2>& cells, int cols)
{
    QJsonArray rows;
    for (int start = 0; cols > 0 && start < cells.size(); start += cols) {
        QJsonArray row;
        for (int i = start; i < start + cols && i < cells.size(); i++)
            row.append(cells.at(i));
        rows.append(row);
    }
    return rows;
}

// rows x cols whole numbers from 0 to high, row by row into cells; false when the shape or a
// number is wrong.
bool ReadGrid(const QJsonValue& value, int rows, int cols, int high, QVector<tdu2>* cells)
{
    const QJsonArray grid = value.toArray();
    if (!value.isArray() || grid.size() != rows)
        return false;
    cells->clear();
    for (const QJsonValue& row : grid) {
        if (!row.isArray() || row.toArray().size() != cols)
            return false;
        for (const QJsonValue& cell : row.toArray()) {
            qint64 number = 0;
            if (!WholeIn(cell, 0, high, &number))
                return false;
            cells->append(tdu2(number));
        }
    }
    return true;
}

constexpr int kTypeShift = 14;
constexpr int kValueMask = 0x3FFF;

struct WordType
{
    tdu1 type;
    const char* name;
};
// "word" keeps a stored word of no known type, which the keyboard holds all the same.
const WordType kWordTypes[] = {
    {0, "word"},
    {MacroAction::kKeyDown, "down"},
    {MacroAction::kKeyUp, "up"},
    {MacroAction::kDelay, "delay"},
};

// A macro word in the form of the macro file where that gives the very same word back (a key by
// its virtual-key code, a pause in milliseconds); a key without a code keeps its usage.
QJsonObject WordObject(tdu2 word)
{
    const tdu1 type = tdu1(word >> kTypeShift);
    const QString name = QLatin1String(kWordTypes[type].name);
    if (type == MacroAction::kKeyDown || type == MacroAction::kKeyUp) {
        const tdu2 vk = MacroCodec::ExactKey(word);
        if (vk == 0)
            return {{"type", name}, {"usage", word & kValueMask}};
        return {{"type", name}, {"value", vk}};
    }
    return {{"type", name}, {"value", word & kValueMask}};
}

bool ReadWord(const QJsonValue& value, tdu2* word)
{
    const QJsonObject object = value.toObject();
    const QString name = object.value("type").toString();
    for (const WordType& known : kWordTypes) {
        if (name != QLatin1String(known.name))
            continue;
        qint64 number = 0;
        const bool key = known.type == MacroAction::kKeyDown || known.type == MacroAction::kKeyUp;
        if (key && object.contains("usage")) {
            if (!WholeIn(object.value("usage"), 0, kValueMask, &number))
                return false;
            *word = tdu2(known.type << kTypeShift | number);
        } else if (key) {
            // Virtual-key codes, as the macro page and older backups write them.
            if (!WholeIn(object.value("value"), 1, 254, &number))
                return false;
            *word = MacroCodec::ActionWord({known.type, tdu2(number)});
        } else {
            if (!WholeIn(object.value("value"), 0, kValueMask, &number))
                return false;
            *word = tdu2(known.type << kTypeShift | number);
        }
        return value.isObject();
    }
    return false;
}

BackupFile::Result Fail(const QString& error)
{
    BackupFile::Result result;
    result.error = error;
    return result;
}
} // namespace

QByteArray BackupFile::Serialize(const KeyboardBackup& backup)
{
    QJsonArray keymaps;
    for (const KeyboardBackup::KeymapLayers& layers : backup.keymaps) {
        QJsonArray keymap;
        for (const KeyboardBackup::LayerCodes& layer : layers)
            keymap.append(Grid(layer, backup.cols));
        keymaps.append(keymap);
    }
    // Macros in the macro file's form, numbered from 1, with what that form cannot say kept raw.
    QJsonArray macroArray;
    for (int macro = 0; macro < Protocol::kMacroCount; macro++) {
        QJsonArray actions;
        for (const tdu2 word : backup.macros[size_t(macro)])
            actions.append(WordObject(word));
        macroArray.append(QJsonObject {{"macro", macro + 1}, {"actions", actions}});
    }
    QVector<tdu2> indicators;
    for (const char byte : backup.indicators)
        indicators.append(tdu1(byte));
    const QJsonObject settings {{"rollover", backup.rollover}, {"sleepTime", double(backup.sleepTime)},
        {"wakeupMode", backup.wakeupMode}, {"indicators", Grid(indicators, backup.cols)},
        {"wirelessType", backup.wirelessType}};
    const QJsonObject root {{"format", kFormatName}, {"version", kVersion}, {"program", backup.program},
        {"date", backup.date.toUTC().toString(Qt::ISODate)}, {"model", backup.model}, {"productId", backup.productId},
        {"keymapType", backup.keymapType}, {"rows", backup.rows}, {"cols", backup.cols}, {"keymaps", keymaps},
        {"macros", macroArray}, {"settings", settings}};
    return QJsonDocument(root).toJson();
}

BackupFile::Result BackupFile::Parse(const QByteArray& content)
{
    QJsonParseError parseError {};
    const QJsonDocument document = QJsonDocument::fromJson(content, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return Fail(
            tr("The file is not valid JSON (%1 at byte %2).").arg(parseError.errorString()).arg(parseError.offset));
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value("format").toString() != QLatin1String(kFormatName))
        return Fail(tr("The file is not a keyboard backup."));
    qint64 number = 0;
    if (!WholeIn(root.value("version"), 1, 1e9, &number))
        return Fail(tr("The file has no format version."));
    if (number > kVersion)
        return Fail(tr("The file has format version %1; this program reads version %2.").arg(number).arg(kVersion));

    Result result;
    KeyboardBackup& backup = result.backup;
    backup.model = PlainName::Of(root.value("model").toString());
    backup.program = root.value("program").toString();
    backup.date = QDateTime::fromString(root.value("date").toString(), Qt::ISODate);
    if (backup.model.isEmpty() || !WholeIn(root.value("productId"), 1, 0xFFFF, &number))
        return Fail(tr("The file names no keyboard model."));
    backup.productId = tdu2(number);
    if (!WholeIn(root.value("keymapType"), 0, Protocol::kKeymapTypeCount - 1, &number))
        return Fail(tr("The file has no keymap type from 0 to %1.").arg(Protocol::kKeymapTypeCount - 1));
    backup.keymapType = int(number);
    if (!WholeIn(root.value("rows"), 1, Protocol::kMaxRows, &number))
        return Fail(tr("The file's grid has no row count from 1 to %1.").arg(Protocol::kMaxRows));
    backup.rows = int(number);
    if (!WholeIn(root.value("cols"), 1, Protocol::kMaxCols, &number))
        return Fail(tr("The file's grid has no column count from 1 to %1.").arg(Protocol::kMaxCols));
    backup.cols = int(number);

    const QJsonArray keymaps = root.value("keymaps").toArray();
    if (keymaps.size() != Protocol::kKeymapCount)
        return Fail(tr("The file does not hold the %1 keymaps.").arg(Protocol::kKeymapCount));
    for (int keymap = 0; keymap < Protocol::kKeymapCount; keymap++) {
        const QJsonArray layers = keymaps.at(keymap).toArray();
        if (layers.size() != Protocol::kLayerCount)
            return Fail(tr("Keymap %1 does not hold %2 layers.").arg(keymap + 1).arg(Protocol::kLayerCount));
        for (int layer = 0; layer < Protocol::kLayerCount; layer++) {
            if (!ReadGrid(
                    layers.at(layer), backup.rows, backup.cols, 0xFFFF, &backup.keymaps[size_t(keymap)][size_t(layer)]))
                return Fail(tr("Keymap %1, layer %2 is not %3 rows of %4 key codes from 0 to 65535.")
                                .arg(keymap + 1)
                                .arg(layer + 1)
                                .arg(backup.rows)
                                .arg(backup.cols));
        }
    }

    const QJsonArray macros = root.value("macros").toArray();
    if (macros.size() != Protocol::kMacroCount)
        return Fail(tr("The file holds %1 macros instead of %2.").arg(macros.size()).arg(Protocol::kMacroCount));
    QSet<int> seen;
    for (const QJsonValue& entry : macros) {
        const QJsonArray actions = entry.toObject().value("actions").toArray();
        if (!WholeIn(entry.toObject().value("macro"), 1, Protocol::kMacroCount, &number) || seen.contains(int(number))
            || actions.size() > Protocol::kMaxMacroActions)
            return Fail(tr("The macros are not numbered 1 to %1, each once with at most %2 actions.")
                            .arg(Protocol::kMacroCount)
                            .arg(Protocol::kMaxMacroActions));
        seen.insert(int(number));
        KeyboardBackup::MacroWords& words = backup.macros[size_t(number - 1)];
        for (int action = 0; action < actions.size(); action++) {
            tdu2 word = 0;
            if (!ReadWord(actions.at(action), &word))
                return Fail(tr("Macro %1, action %2 is not a key, a pause or a stored word within range.")
                                .arg(number)
                                .arg(action + 1));
            words.append(word);
        }
    }

    const QJsonObject settings = root.value("settings").toObject();
    QVector<tdu2> indicators;
    qint64 rollover = 0;
    qint64 sleepTime = 0;
    qint64 wakeupMode = 0;
    qint64 wirelessType = 0;
    if (!WholeIn(settings.value("rollover"), 0, 1, &rollover)
        || !WholeIn(settings.value("sleepTime"), 0, 0xFFFFFFFFu, &sleepTime)
        || !WholeIn(settings.value("wakeupMode"), 0, 1, &wakeupMode)
        || !WholeIn(settings.value("wirelessType"), 0, 0xFF, &wirelessType)
        || !ReadGrid(settings.value("indicators"), backup.rows, backup.cols, 0xFF, &indicators))
        return Fail(tr("The settings are incomplete or out of range."));
    backup.rollover = int(rollover);
    backup.sleepTime = quint32(sleepTime);
    backup.wakeupMode = int(wakeupMode);
    backup.wirelessType = int(wirelessType);
    for (const tdu2 cell : indicators)
        backup.indicators.append(char(cell));
    // Whatever the file holds, a restore of it must be able to write it.
    const QString problem = KeyboardBackup::WriteProblem(backup);
    if (!problem.isEmpty())
        return Fail(problem);
    result.ok = true;
    return result;
}

bool BackupFile::Save(const QString& path, const KeyboardBackup& backup, QString* error, QString* savedPath)
{
    // A file that could not be restored is no backup: it is refused before anything is written.
    const QString problem = KeyboardBackup::WriteProblem(backup);
    if (!problem.isEmpty()) {
        *error = tr("It could not be restored, so it was not saved: %1").arg(problem);
        return false;
    }
    const FileSaver::Result saved = FileSaver::Save(path, Serialize(backup));
    if (!saved.ok)
        *error = saved.error;
    if (savedPath)
        *savedPath = saved.savedPath;
    return saved.ok;
}

BackupFile::Result BackupFile::Load(const QString& path)
{
    QByteArray content;
    const LocalFile::Result read = LocalFile::Read(path, kMaxFileSize, &content);
    return read == LocalFile::Result::Ok ? Parse(content) : Fail(LocalFile::FailureText(read, kMaxFileSize));
}
