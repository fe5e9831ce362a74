#pragma once

#include <QString>

class QTranslator;

// The translation file for a locale name such as zh_CN or en_US: Chinese for any Chinese
// locale, English otherwise.
QString TranslationFileForLocale(const QString& localeName);

// Loads Qt's own Simplified Chinese texts (file dialogs, standard buttons) into translator;
// false when the system has none.
bool LoadQtChinese(QTranslator* translator);

// Installs the translation of the system locale for the life of the process; a missing file
// leaves the texts of the code.
void LoadTranslator();
// The same for a given locale name.
void LoadTranslator(const QString& localeName);
