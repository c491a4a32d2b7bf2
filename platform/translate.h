#pragma once
// The program's texts in the person's language. The logic libraries link no Qt, so they ask through
// a hook that the Qt programs fill with Qt's translations (desktop/qt_translations.cpp); with none
// filled, or no translation of a text, it stays the English it is written in. The build's lupdate
// finds the calls below as it finds Qt's own translate(), so every text they name is in the
// translators' files (translations/*.ts).
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// Marks a text for the translators' files where it is written (a constant), to be translated where it
// is shown, with Tr() of the same context.
#define TW_TEXT(context, text) text

namespace tw {

// context and text as written in the call, count -1 for a text without plural forms: the
// translation with %n written as count, or nothing where there is none.
using TranslateHook = bool (*)(const char* context, const char* text, const char* disambiguation, int count,
                               std::string& out);
void SetTranslateHook(TranslateHook hook);

// A text a person reads, in their language.
std::string Tr(const char* context, const char* text);
// A text with plural forms: plural is the English text for every count but one ("%n stretches"),
// singular the one for exactly one ("%n stretch"); %n is the count as a number.
std::string TrN(const char* context, const char* plural, const char* singular, long long count);

// text with %1 .. %9 replaced by args, in one pass: an argument that holds "%2" keeps it.
std::string Arg(std::string_view text, std::initializer_list<std::string_view> args);

// The languages to look for, most wanted first, as gettext chooses a program's messages:
// the setting (empty: the locale), else LANGUAGE (a colon-separated list, read only where the
// locale is not C or POSIX), else the first set of LC_ALL, LC_MESSAGES, LANG. Each name is given
// as it is ("de_DE.UTF-8@euro" becomes "de_DE") and then its language alone ("de"); a list stops
// at English ("en", "en_US"...), which is the program's own; en_XA is the pseudo-language of the
// checks for cut-off texts. Empty: English.
std::vector<std::string> WantedLanguages(std::string_view setting, const char* language, const char* lcAll,
                                         const char* lcMessages, const char* lang);
// The same, from the environment.
std::vector<std::string> WantedLanguages(std::string_view setting);

// Where the program's translations are looked for, in order: translations/ beside the program (a
// build, a copy of the program with its files), ../share/tallywright/translations from the
// program's folder (any install prefix), then the folder configured at build time.
std::vector<std::string> TranslationFolders(const std::string& programFolder);
// The translation file of a language ("tallywright_de.qm") in the first of those folders that holds
// it; empty where none does.
std::string TranslationFile(const std::string& programFolder, const std::string& language);

// The setting that chooses the language over the locale ("Settings" section).
inline constexpr const char* kLanguageSetting = "Language";

}  // namespace tw
