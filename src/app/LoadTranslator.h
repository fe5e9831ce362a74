#pragma once

#include <QString>

// The translation file for a locale name such as zh_CN or en_US: Chinese for any Chinese
// locale, English otherwise.
QString TranslationFileForLocale(const QString& localeName);

// Installs the translation of the system locale for the life of the process; a missing file
// leaves the texts of the code.
void LoadTranslator();
