#include "settings/FirmwareInfo.h"

#include <QStringList>
#include <QTextCodec>

namespace {
const QString kLineEnd = QStringLiteral("\r\n");

// "[Key]=value" with exactly one "=" gives value; any other line gives nothing.
bool Field(const QString& line, const QString& key, QString* value)
{
    const QStringList parts = line.split(QLatin1Char('='));
    if (parts.size() != 2 || !parts.at(0).startsWith(key))
        return false;
    *value = parts.at(1);
    return true;
}
} // namespace

FirmwareInfo::Result FirmwareInfo::Parse(const QByteArray& body)
{
    Result result;
    if (body.size() > kMaxFileSize)
        return result;
    QTextCodec* gbk = QTextCodec::codecForName("GBK");
    const QString text = gbk ? gbk->toUnicode(body) : QString::fromLatin1(body);
    // A file with bare LF line ends is one single line and names no version.
    const QStringList lines = text.split(kLineEnd);

    if (!Field(lines.at(0), QStringLiteral("[Device]"), &result.device))
        return result;
    QString version;
    if (lines.size() < 2 || !Field(lines.at(1), QStringLiteral("[Version]"), &version)) {
        result.status = Status::NoVersion;
        return result;
    }
    result.version = version.replace(QLatin1Char('_'), QLatin1Char('.'));

    QStringList description;
    for (const QString& line : lines) {
        QString note;
        if (Field(line, QStringLiteral("[Desc]"), &note))
            description.append(note);
    }
    result.description = description.join(kLineEnd);
    result.status = Status::Ok;
    return result;
}
