#include "AppTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace {

struct Installed
{
    std::unique_ptr<QTranslator> own;
    std::unique_ptr<QTranslator> qt;
    QString language;
};

Installed &installed()
{
    static Installed translators;
    return translators;
}

void Remove(std::unique_ptr<QTranslator> &translator)
{
    if (translator)
        QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}

/// A translator for locale from folder (files "<name>_<language>.qm"), or null when none fits.
std::unique_ptr<QTranslator> Load(const QLocale &locale, const QString &name, const QString &folder)
{
    auto translator = std::make_unique<QTranslator>();
    // A file without a single translated text counts as none: the language is not there yet.
    if (!translator->load(locale, name, QStringLiteral("_"), folder) || translator->isEmpty())
        return nullptr;
    QCoreApplication::installTranslator(translator.get());
    return translator;
}

} // namespace

const QStringList &ShippedLanguages()
{
    static const QStringList languages{QStringLiteral("de"),
                                       QStringLiteral("fr"),
                                       QStringLiteral("es"),
                                       QStringLiteral("it"),
                                       QStringLiteral("pt_BR"),
                                       QStringLiteral("ru"),
                                       QStringLiteral("ja"),
                                       QStringLiteral("zh_CN")};
    return languages;
}

QLocale PreferredLocale()
{
    const QString asked = qEnvironmentVariable("TAVREL_LANGUAGE").trimmed();
    return asked.isEmpty() ? QLocale::system() : QLocale(asked);
}

bool InstallTranslations(const QLocale &locale)
{
    Installed &translators = installed();
    Remove(translators.own);
    Remove(translators.qt);
    translators.language.clear();
    const QString ownFolder = qEnvironmentVariableIsEmpty("TAVREL_TRANSLATIONS_DIR")
                                  ? QStringLiteral(":/i18n")
                                  : qEnvironmentVariable("TAVREL_TRANSLATIONS_DIR");
    // The person's languages in the order of preference ("de-AT", "de", "en", ...): the first
    // that is English (the source texts) or has a translation wins, so "LANGUAGE=en:de" keeps
    // English and "pt-BR" finds the Brazilian file.
    for (const QString &language : locale.uiLanguages()) {
        const QLocale candidate(language);
        if (candidate.language() == QLocale::English || candidate.language() == QLocale::C)
            return false;
        translators.own = Load(candidate, QStringLiteral("tavrel"), ownFolder);
        if (translators.own) {
            // The file found names the language ("tavrel_pt_BR.qm" for "pt-BR").
            translators.language = translators.own->language().replace(u'-', u'_');
            translators.qt = Load(candidate,
                                  QStringLiteral("qtbase"),
                                  QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            return true;
        }
    }
    return false;
}

QString InstalledLanguage()
{
    return installed().language;
}
