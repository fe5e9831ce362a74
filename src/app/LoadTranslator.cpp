#include "app/LoadTranslator.h"

#include "app/AppLog.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {
const QString kChineseFile = QStringLiteral("./Lang/Lang_Chinese");
} // namespace

QString TranslationFileForLocale(const QString& localeName)
{
    if (localeName.compare(QLatin1String("zh_CN"), Qt::CaseInsensitive) == 0)
        return kChineseFile;
    if (localeName.contains(QLatin1String("zh")))
        return kChineseFile;
    return QStringLiteral("./Lang/Lang_English");
}

bool LoadQtChinese(QTranslator* translator)
{
    // The program's Chinese is Simplified whatever the Chinese locale, and so are Qt's texts.
    return translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qt"), QStringLiteral("_"),
        QLibraryInfo::location(QLibraryInfo::TranslationsPath));
}

void LoadTranslator()
{
    LoadTranslator(QLocale::system().name());
}

void LoadTranslator(const QString& localeName)
{
    qCDebug(lcApp) << "locale" << localeName;
    // Kept for the life of the process, as the application holds only pointers to them.
    static QTranslator translator;
    static QTranslator qtTranslator;
    const QString file = TranslationFileForLocale(localeName);
    if (file == kChineseFile) {
        if (LoadQtChinese(&qtTranslator) && QCoreApplication::installTranslator(&qtTranslator))
            qCDebug(lcApp) << "qt qm load success";
        else
            qCDebug(lcApp) << "qt qm missing";
    }
    if (translator.load(file) && QCoreApplication::installTranslator(&translator))
        qCDebug(lcApp) << "qm load success";
}
