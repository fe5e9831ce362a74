#include "macro/MacroFile.h"

#include "device/Protocol.h"
#include "macro/MacroLog.h"
#include "ui/FileSaver.h"
#include "ui/LocalFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <cmath>

namespace {
const char* const kFormatName = "driver-macros";
const QString kFormat = QStringLiteral("format");
const QString kVersion = QStringLiteral("version");
const QString kMacros = QStringLiteral("macros");
const QString kNumber = QStringLiteral("macro");
const QString kActions = QStringLiteral("actions");
const QString kType = QStringLiteral("type");
const QString kValue = QStringLiteral("value");
// Virtual-key codes; 0 stands for a key the keyboard holds that has no code, as a read may find.
constexpr int kMinKey = 0;
constexpr int kMaxKey = 254;
// Any pause the keyboard can hold (14 bits), so that whatever a read finds can be saved and loaded
// again; the page itself keeps new pauses within what the keyboard is known to wait.
constexpr int kMinStoredDelay = 0;
constexpr int kMaxStoredDelay = 0x3FFF;

struct TypeName
{
    tdu1 type;
    const char* name;
};
const TypeName kTypeNames[] = {
    {MacroAction::kKeyDown, "down"},
    {MacroAction::kKeyUp, "up"},
    {MacroAction::kDelay, "delay"},
};

// A JSON number that is a whole number within [low, high].
bool WholeIn(const QJsonValue& value, double low, double high, int* result)
{
    if (!value.isDouble())
        return false;
    const double number = value.toDouble();
    if (!(number >= low && number <= high) || std::floor(number) != number)
        return false;
    *result = int(number);
    return true;
}

MacroFile::Result Fail(const QString& error)
{
    MacroFile::Result result;
    result.error = error;
    qCDebug(lcMacro) << "Macro File Refused:" << error;
    return result;
}
} // namespace

MacroFile::Result MacroFile::Parse(const QByteArray& content)
{
    if (content.size() > kMaxFileSize)
        return Fail(tr("The file is larger than %1 KB.").arg(kMaxFileSize / 1024));
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(content, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return Fail(
            tr("The file is not valid JSON (%1 at byte %2).").arg(parseError.errorString()).arg(parseError.offset));
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value(kFormat).toString() != QLatin1String(kFormatName))
        return Fail(tr("The file is not a macro file of this program."));
    int version = 0;
    if (!WholeIn(root.value(kVersion), 1, 1e9, &version))
        return Fail(tr("The file has no format version."));
    if (version != kFormatVersion)
        return Fail(
            tr("The file has format version %1; this program reads version %2.").arg(version).arg(kFormatVersion));
    if (!root.value(kMacros).isArray())
        return Fail(tr("The file has no list of macros."));
    const QJsonArray macros = root.value(kMacros).toArray();
    if (macros.isEmpty())
        return Fail(tr("The file holds no macro."));
    if (macros.size() > Protocol::kMacroCount)
        return Fail(tr("The file holds %1 macros; there are only %2.").arg(macros.size()).arg(Protocol::kMacroCount));

    Result result;
    for (int m = 0; m < macros.size(); m++) {
        const QJsonObject entry = macros.at(m).toObject();
        int number = 0;
        if (!macros.at(m).isObject() || !WholeIn(entry.value(kNumber), 1, Protocol::kMacroCount, &number))
            return Fail(tr("Entry %1 of the macro list has no macro number from 1 to %2.")
                            .arg(m + 1)
                            .arg(Protocol::kMacroCount));
        for (const Macro& earlier : qAsConst(result.macros)) {
            if (earlier.index == number - 1)
                return Fail(tr("Macro %1 is in the file twice.").arg(number));
        }
        if (!entry.value(kActions).isArray())
            return Fail(tr("Macro %1 has no list of actions.").arg(number));
        const QJsonArray actions = entry.value(kActions).toArray();
        if (actions.size() > Protocol::kMaxMacroActions)
            return Fail(tr("Macro %1 has %2 actions; a macro holds at most %3.")
                            .arg(number)
                            .arg(actions.size())
                            .arg(Protocol::kMaxMacroActions));
        Macro macro;
        macro.index = number - 1;
        for (int a = 0; a < actions.size(); a++) {
            const QString where = tr("Macro %1, action %2").arg(number).arg(a + 1);
            if (!actions.at(a).isObject())
                return Fail(tr("%1 is not an object with a type and a value.").arg(where));
            const QJsonObject object = actions.at(a).toObject();
            const QString typeName = object.value(kType).toString();
            MacroAction action;
            for (const TypeName& known : kTypeNames) {
                if (typeName == QLatin1String(known.name))
                    action.type = known.type;
            }
            if (action.type == 0)
                return Fail(tr("%1 has no known type; the types are \"down\", \"up\" and \"delay\".").arg(where));
            int value = 0;
            if (action.type == MacroAction::kDelay) {
                if (!WholeIn(object.value(kValue), kMinStoredDelay, kMaxStoredDelay, &value))
                    return Fail(tr("%1: a delay is a whole number of milliseconds from %2 to %3.")
                                    .arg(where)
                                    .arg(kMinStoredDelay)
                                    .arg(kMaxStoredDelay));
            } else if (!WholeIn(object.value(kValue), kMinKey, kMaxKey, &value)) {
                // Keys the keyboard cannot play are kept: the recorder captures them, the page marks
                // them and writing asks first.
                return Fail(
                    tr("%1: the value is not a virtual-key code from %2 to %3.").arg(where).arg(kMinKey).arg(kMaxKey));
            }
            action.value = tdu2(value);
            macro.actions.append(action);
        }
        result.macros.append(macro);
    }
    result.ok = true;
    return result;
}

QByteArray MacroFile::Serialize(const QVector<Macro>& macros)
{
    // Written by hand, one action to a line: short enough to read and to compare between files.
    QByteArray out;
    out += "{\n    \"format\": \"";
    out += kFormatName;
    out += "\",\n    \"version\": " + QByteArray::number(kFormatVersion) + ",\n    \"macros\": [";
    for (int m = 0; m < macros.size(); m++) {
        const Macro& macro = macros.at(m);
        out += m == 0 ? "\n" : ",\n";
        out += "        {\n            \"macro\": " + QByteArray::number(macro.index + 1)
            + ",\n            \"actions\": [";
        for (int a = 0; a < macro.actions.size(); a++) {
            const MacroAction& action = macro.actions.at(a);
            const char* type = "";
            for (const TypeName& known : kTypeNames) {
                if (known.type == action.type)
                    type = known.name;
            }
            out += a == 0 ? "\n" : ",\n";
            out += "                {\"type\": \"" + QByteArray(type)
                + "\", \"value\": " + QByteArray::number(action.value) + "}";
        }
        out += macro.actions.isEmpty() ? "]\n        }" : "\n            ]\n        }";
    }
    out += macros.isEmpty() ? "]\n}\n" : "\n    ]\n}\n";
    return out;
}

MacroFile::Result MacroFile::Load(const QString& path)
{
    QByteArray content;
    const LocalFile::Result read = LocalFile::Read(path, kMaxFileSize, &content);
    return read == LocalFile::Result::Ok ? Parse(content) : Fail(LocalFile::FailureText(read, kMaxFileSize));
}

bool MacroFile::Save(const QString& path, const QVector<Macro>& macros, QString* error)
{
    const FileSaver::Result saved = FileSaver::Save(path, Serialize(macros));
    if (!saved.ok) {
        *error = saved.error;
        qCDebug(lcMacro) << "Save Macro File Failed" << path << *error;
    }
    return saved.ok;
}
