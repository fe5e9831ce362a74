#include "app/LoadTranslator.h"

#include "app/AppLog.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

QString TranslationFileForLocale(const QString& localeName)
{
    if (localeName.compare(QLatin1String("zh_CN"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("./Lang/Lang_Chinese");
    if (localeName.contains(QLatin1String("zh")))
        return QStringLiteral("./Lang/Lang_Chinese");
    return QStringLiteral("./Lang/Lang_English");
}

void LoadTranslator()
{
    const QString name = QLocale::system().name();
    qCDebug(lcApp) << "locale" << name;
    // Kept for the life of the process, as the application holds only a pointer to it.
    static QTranslator translator;
    if (translator.load(TranslationFileForLocale(name)) && QCoreApplication::installTranslator(&translator))
        qCDebug(lcApp) << "qm load success";
}
