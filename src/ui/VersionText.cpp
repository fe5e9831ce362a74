#include "ui/VersionText.h"

#include <QString>
#include <QStringList>
#include <QTextCodec>

bool VersionText::Parse(const QByteArray& gbk, VersionText* version)
{
    if (gbk.size() > kMaxSize)
        return false;
    QTextCodec* codec = QTextCodec::codecForName("GBK");
    const QString text = codec != nullptr ? codec->toUnicode(gbk) : QString::fromLatin1(gbk);
    const QStringList parts = text.split(QLatin1Char('.'), Qt::KeepEmptyParts);
    if (parts.size() != 2)
        return false;
    version->major = parts.at(0).trimmed().toUInt();
    version->minor = parts.at(1).trimmed().toUInt();
    return true;
}

quint64 VersionText::Value(quint32 major, quint32 minor)
{
    return quint64(major) * 10 + minor;
}

quint64 VersionText::Value() const
{
    return Value(major, minor);
}
