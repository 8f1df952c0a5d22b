#pragma once

#include <QLocale>
#include <QStringList>

/// The languages Tavrel ships translations for, as QLocale names ("de", "pt_BR", ...). English is
/// the source language and needs none.
const QStringList &ShippedLanguages();

/// The language a person asked for: TAVREL_LANGUAGE (a locale name such as "de" or "pt_BR")
/// when set and not empty, else the system's (QLocale::system(), which follows LANGUAGE,
/// LC_ALL, LC_MESSAGES and LANG).
QLocale PreferredLocale();

/// Installs into the running application Tavrel's own translation for locale and Qt's (qtbase,
/// for the standard dialogs' buttons), replacing the ones an earlier call installed; for
/// English, or a language without a translation, it only takes the earlier ones out so that the
/// English source texts show. Tavrel's files come from TAVREL_TRANSLATIONS_DIR when that is set
/// (for translators trying a file), else from the program's resources; Qt's from Qt's
/// translations folder. Returns whether Tavrel's own translation was found.
bool InstallTranslations(const QLocale &locale);

/// The language of the translation InstallTranslations installed last, as a ShippedLanguages()
/// name; empty while the English source texts show.
QString InstalledLanguage();
