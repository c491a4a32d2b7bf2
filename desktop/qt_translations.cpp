#include "desktop/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>
#include <vector>

#include "desktop/qt_text.h"
#include "platform/translate.h"

namespace tw {
namespace {

// The translators loaded, the program's first: kept for the program's life, and asked directly by
// the hook, so that a command without an application object (tallywright-report) is translated too.
std::vector<std::unique_ptr<QTranslator>>& Loaded() {
  static std::vector<std::unique_ptr<QTranslator>> loaded;
  return loaded;
}

// %n as QCoreApplication::translate writes it: the count, and %Ln in the language's own digits and
// separators.
QString WithCount(QString text, int count, const QLocale& locale) {
  text.replace(QLatin1String("%Ln"), locale.toString(count));
  text.replace(QLatin1String("%n"), QString::number(count));
  return text;
}

bool Translate(const char* context, const char* text, const char* disambiguation, int count, std::string& out) {
  for (const auto& translator : Loaded()) {
    const QString found = translator->translate(context, text, disambiguation, count);
    if (found.isEmpty()) continue;
    out = ToBytes(count < 0 ? found : WithCount(found, count, QLocale(translator->language())));
    return true;
  }
  return false;
}

}  // namespace

QString InstallTranslations(const std::string& languageSetting, const std::string& programFolder) {
  for (const std::string& wanted : WantedLanguages(languageSetting)) {
    const QString language = QString::fromStdString(wanted);
    const std::string file = TranslationFile(programFolder, wanted);
    auto own = std::make_unique<QTranslator>();
    if (file.empty() || !own->load(FromBytes(file))) continue;
    auto qt = std::make_unique<QTranslator>();
    const bool qtFound = qt->load("qtbase_" + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
                         qt->load("qtbase_" + language.section('_', 0, 0),
                                  QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (QCoreApplication::instance()) {
      QCoreApplication::installTranslator(own.get());
      if (qtFound) QCoreApplication::installTranslator(qt.get());
    }
    Loaded().push_back(std::move(own));
    if (qtFound) Loaded().push_back(std::move(qt));
    SetTranslateHook(Translate);
    return language;
  }
  return {};
}

QString QTr(const char* context, const char* text) { return QCoreApplication::translate(context, text); }

}  // namespace tw
