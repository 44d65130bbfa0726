// The languages the window speaks, the one it starts in, and switching between them.
#pragma once

#include <array>

#include <QString>

class QLocale;

namespace brindlex {

struct Language {
    const char* code;  // ISO 639-1
    const char* name;  // as its own speakers write it, in UTF-8
};

// English is the programs' own; the others have a translation in the resources.
inline constexpr std::array<Language, 3> kLanguages = {{
    {"en", "English"},
    {"de", "Deutsch"},
    {"es", "Espa\xc3\xb1ol"},
}};

// The first of `locale`'s languages (on Linux: LANGUAGE, then LC_ALL, LC_MESSAGES and LANG)
// that the window speaks, else English.
QString LanguageOf(const QLocale& locale);

// Makes the application speak `code`: installs the window's translation and Qt's own, for the
// buttons of message boxes and the file chooser, where the system has it; English removes
// both. Widgets hear of it by QEvent::LanguageChange. Returns false and changes nothing for a
// language that the window does not speak or whose translation cannot be loaded.
bool UseLanguage(const QString& code);
// The language the application speaks.
QString CurrentLanguage();

// The language the user last chose in the menu, from the settings; empty when none was chosen
// or the one kept is not spoken.
QString ChosenLanguage();
// Speaks `code` and keeps it as the user's choice for the next start.
bool ChooseLanguage(const QString& code);
// The language to start in: the one chosen, else the desktop's.
QString StartLanguage();

}  // namespace brindlex
