#include "translations/languages.h"

#include <memory>

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

namespace brindlex {

namespace {

// The settings live in the desktop's configuration folder, brindlex/brindlex.conf on Linux.
constexpr char kSettingsName[] = "brindlex";
constexpr char kSettingsKey[] = "language";

struct Installed {
    QString code = QStringLiteral("en");
    std::unique_ptr<QTranslator> own;
    std::unique_ptr<QTranslator> qt;
};

Installed& Current() {
    static Installed installed;
    return installed;
}

bool Speaks(const QString& code) {
    for (const Language& language : kLanguages) {
        if (code == QLatin1String(language.code)) {
            return true;
        }
    }
    return false;
}

void Remove(std::unique_ptr<QTranslator>& translator) {
    if (translator) {
        QCoreApplication::removeTranslator(translator.get());
        translator.reset();
    }
}

}  // namespace

QString LanguageOf(const QLocale& locale) {
    for (const QString& name : locale.uiLanguages()) {
        const QString code = name.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0);
        if (Speaks(code.toLower())) {
            return code.toLower();
        }
    }
    return QStringLiteral("en");
}

bool UseLanguage(const QString& code) {
    if (!Speaks(code)) {
        return false;
    }
    Installed& installed = Current();
    std::unique_ptr<QTranslator> own;
    std::unique_ptr<QTranslator> qt;
    if (code != QLatin1String("en")) {
        own = std::make_unique<QTranslator>();
        if (!own->load(QStringLiteral(":/i18n/brindlex_") + code)) {
            return false;
        }
        qt = std::make_unique<QTranslator>();
        if (!qt->load(QStringLiteral("qtbase_") + code,
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            qt.reset();  // Qt's buttons stay English where the system lacks its translation
        }
    }
    Remove(installed.qt);
    Remove(installed.own);
    installed.code = code;
    installed.own = std::move(own);
    installed.qt = std::move(qt);
    for (QTranslator* translator : {installed.qt.get(), installed.own.get()}) {
        if (translator != nullptr) {
            QCoreApplication::installTranslator(translator);
        }
    }
    return true;
}

QString CurrentLanguage() {
    return Current().code;
}

QString ChosenLanguage() {
    const QSettings settings{QLatin1String(kSettingsName), QLatin1String(kSettingsName)};
    const QString code = settings.value(QLatin1String(kSettingsKey)).toString();
    return Speaks(code) ? code : QString();
}

bool ChooseLanguage(const QString& code) {
    if (!UseLanguage(code)) {
        return false;
    }
    QSettings settings{QLatin1String(kSettingsName), QLatin1String(kSettingsName)};
    settings.setValue(QLatin1String(kSettingsKey), code);
    settings.sync();
    return true;
}

QString StartLanguage() {
    const QString chosen = ChosenLanguage();
    return chosen.isEmpty() ? LanguageOf(QLocale::system()) : chosen;
}

}  // namespace brindlex
