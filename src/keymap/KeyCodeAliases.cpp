#include "keymap/KeyCodeAliases.h"

#include "keymap/KeymapLog.h"

#include <QFile>
#include <QMap>

// The resources live in a static library: they are registered by hand before the first read.
static void InitResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace {
const char* const kTablePath = ":/image/keycode-aliases.tsv";

struct Table
{
    QMap<tdu2, QStringList> aliases;
    QStringList problems;

    Table()
    {
        InitResources();
        QFile file(QString::fromLatin1(kTablePath));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            problems.append(file.errorString());
            qCDebug(lcKeymap) << "Alias table not read" << file.errorString();
            return;
        }
        int number = 0;
        while (!file.atEnd()) {
            ++number;
            const QString line = QString::fromUtf8(file.readLine()).trimmed();
            if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
                continue;
            const QStringList fields = line.split(QLatin1Char('\t'));
            bool ok = false;
            const uint code = fields.first().toUInt(&ok, 0);
            QStringList names;
            for (int i = 1; i < fields.size(); ++i) {
                if (!fields.at(i).trimmed().isEmpty())
                    names.append(fields.at(i).trimmed());
            }
            // A name given without a tab, or a code out of range, is a slip in the table.
            if (!ok || code > 0xFFFF || names.isEmpty() || names.size() != fields.size() - 1) {
                problems.append(QStringLiteral("%1: %2").arg(number).arg(line));
                qCDebug(lcKeymap) << "Alias line not read" << number << line;
                continue;
            }
            aliases[tdu2(code)].append(names);
        }
    }
};

const Table& table()
{
    static const Table instance;
    return instance;
}
} // namespace

QStringList KeyCodeAliases::Of(tdu2 code)
{
    return table().aliases.value(code);
}

QVector<tdu2> KeyCodeAliases::Codes()
{
    const QList<tdu2> codes = table().aliases.keys();
    return QVector<tdu2>(codes.begin(), codes.end());
}

QStringList KeyCodeAliases::Problems()
{
    return table().problems;
}
