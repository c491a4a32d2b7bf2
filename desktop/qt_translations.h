#pragma once
// The program in the person's language: its own translations (tallywright_LANG.qm) and Qt's
// (qtbase_LANG.qm: the standard buttons, the file dialog), for the language that the Language
// setting or the locale names (platform/translate.h), also to the logic libraries' texts.
#include <QString>
#include <string>

namespace tw {

// Loads the first wanted language that has a translation of the program, and Qt's own for it, and
// fills the translate hook; installs them in the application too where there is one. Returns the
// language loaded ("de", "ja_JP"), empty for English (nothing wanted, or nothing found).
QString InstallTranslations(const std::string& languageSetting, const std::string& programFolder);

// A text a person reads in a window: QCoreApplication::translate, for the windows that are no
// QObject of their own.
QString QTr(const char* context, const char* text);
}  // namespace tw
