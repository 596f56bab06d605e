#include "Translations.h"

#include "UserText.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>
#include <vector>

namespace {

std::vector<std::unique_ptr<QTranslator>> &installed()
{
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

std::string lookUp(const char *context, const char *source)
{
    return QCoreApplication::translate(context, source).toStdString();
}

bool install(const QLocale &locale, const QString &name, const QString &folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, name, QStringLiteral("_"), folder))
        return false;
    QCoreApplication::installTranslator(translator.get());
    installed().push_back(std::move(translator));
    return true;
}

} // namespace

QString InstallTranslation(const QString &language, const QString &programFolder)
{
    RemoveTranslations();
    const QLocale locale(language);
    // English is the source: "en" (or "C") means no translation at all, even
    // where a translation of another language would match the locale's list.
    if (language.isEmpty() || locale.language() == QLocale::English || locale.language() == QLocale::C)
        return {};
    if (!install(locale, QStringLiteral("marrowlyn"), programFolder + QStringLiteral("/translations")))
        return {};
    install(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    SetTextLookup(&lookUp);
    return installed().front()->language();
}

QString InstallTranslations(const QString &programFolder)
{
    const QByteArray forced = qgetenv("MARROWLYN_LANGUAGE");
    if (!forced.isEmpty())
        return InstallTranslation(QString::fromLocal8Bit(forced), programFolder);
    // The desktop's languages in the order the user prefers them; the first
    // one shipped wins, and English (the source) ends the search.
    for (const QString &language : QLocale::system().uiLanguages()) {
        if (QLocale(language).language() == QLocale::English)
            return {};
        const QString loaded = InstallTranslation(language, programFolder);
        if (!loaded.isEmpty())
            return loaded;
    }
    return {};
}

void RemoveTranslations()
{
    SetTextLookup(nullptr);
    for (auto &translator : installed())
        QCoreApplication::removeTranslator(translator.get());
    installed().clear();
}
