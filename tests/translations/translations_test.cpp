// The translators' files against the sources' texts, and the program's choice of language.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTranslator>
#include <QXmlStreamReader>
#include <map>
#include <tuple>

#include "desktop/qt_translations.h"
#include "platform/translate.h"
#include "store/changes.h"

namespace tw {
namespace {

struct Message {
  bool numerus = false;
  bool unfinished = false;
  QStringList forms;  // one for a text without plural forms
};
using Key = std::tuple<QString, QString, QString>;  // context, source, comment
struct TsFile {
  QString language;
  std::map<Key, Message> messages;
};

TsFile ReadTs(const QString& path) {
  TsFile ts;
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  QXmlStreamReader xml(&file);
  QString context, source, comment;
  Message message;
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isStartElement()) {
      const auto name = xml.name();
      if (name == QLatin1String("TS")) ts.language = xml.attributes().value("language").toString();
      if (name == QLatin1String("name")) context = xml.readElementText();
      if (name == QLatin1String("message")) {
        message = Message{xml.attributes().value("numerus") == QLatin1String("yes"), false, {}};
        source.clear();
        comment.clear();
      }
      if (name == QLatin1String("source")) source = xml.readElementText();
      if (name == QLatin1String("comment")) comment = xml.readElementText();
      if (name == QLatin1String("translation")) {
        const QString type = xml.attributes().value("type").toString();
        message.unfinished = !type.isEmpty();  // unfinished, vanished or obsolete
        if (!message.numerus) message.forms.append(xml.readElementText());
      }
      if (name == QLatin1String("numerusform")) message.forms.append(xml.readElementText());
    } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
      ts.messages[{context, source, comment}] = message;
    }
  }
  EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
  return ts;
}

QStringList Placeholders(const QString& text) {
  static const QRegularExpression pattern(R"(%L?[1-9n]|\{[a-zA-Z]+\})");
  QStringList found;
  for (auto m = pattern.globalMatch(text); m.hasNext();) found.append(m.next().captured());
  found.sort();
  found.removeDuplicates();
  return found;
}

const char* kLanguages[] = {"de", "fr", "es", "ja"};

QString TsPath(const char* language) {
  return QString(TW_TRANSLATIONS_DIR) + "/tallywright_" + language + ".ts";
}

// Each language has every source text translated with its place-holders, and no text left over.
TEST(TranslationsTest, EveryTextOfTheSourcesIsTranslatedWithItsPlaceholders) {
  const TsFile sources = ReadTs(TW_SOURCES_TS);
  ASSERT_GT(sources.messages.size(), 50u);
  for (const char* language : kLanguages) {
    SCOPED_TRACE(language);
    const TsFile ts = ReadTs(TsPath(language));
    EXPECT_EQ(ts.language.section('_', 0, 0), language);
    for (const auto& [key, source] : sources.messages) {
      const std::string named = std::get<0>(key).toStdString() + " \"" + std::get<1>(key).toStdString() + "\"";
      const auto found = ts.messages.find(key);
      if (found == ts.messages.end()) {
        ADD_FAILURE() << "not in the file: " << named << " (run the target update_translations)";
        continue;
      }
      const Message& m = found->second;
      EXPECT_FALSE(m.unfinished) << "unfinished: " << named;
      EXPECT_EQ(m.numerus, source.numerus) << named;
      const QStringList wanted = Placeholders(std::get<1>(key));
      for (const QString& form : m.forms) {
        EXPECT_FALSE(form.isEmpty()) << "empty: " << named;
        EXPECT_EQ(Placeholders(form), wanted) << named << " as \"" << form.toStdString() << "\"";
      }
    }
    for (const auto& [key, m] : ts.messages)
      EXPECT_TRUE(sources.messages.count(key))
          << "no longer in the sources: " << std::get<0>(key).toStdString() << " \"" << std::get<1>(key).toStdString()
          << "\"";
  }
}

// Each language's plural forms are the ones its rules pick for 0, 1, 2 and 5.
TEST(TranslationsTest, PluralFormsFollowEachLanguagesRules) {
  struct Rule {
    const char* language;
    int forms;
    int (*formOf)(int n);
  };
  const Rule rules[] = {{"de", 2, [](int n) { return n == 1 ? 0 : 1; }},
                        {"es", 2, [](int n) { return n == 1 ? 0 : 1; }},
                        {"fr", 2, [](int n) { return n <= 1 ? 0 : 1; }},
                        {"ja", 1, [](int) { return 0; }}};
  for (const Rule& rule : rules) {
    SCOPED_TRACE(rule.language);
    const TsFile ts = ReadTs(TsPath(rule.language));
    QTranslator translator;
    ASSERT_TRUE(translator.load(QString("tallywright_") + rule.language, TW_QM_DIR));
    int numerus = 0;
    for (const auto& [key, m] : ts.messages) {
      if (!m.numerus) continue;
      ++numerus;
      const auto& [context, source, comment] = key;
      ASSERT_EQ(m.forms.size(), rule.forms) << source.toStdString();
      for (int n : {0, 1, 2, 5}) {
        const QString got = translator.translate(context.toUtf8(), source.toUtf8(), comment.toUtf8(), n);
        EXPECT_EQ(got, m.forms[rule.formOf(n)]) << source.toStdString() << " for " << n;
      }
    }
    EXPECT_GT(numerus, 5);
  }
}

// The logic's texts through the hook the Qt programs fill; English where nothing is loaded.
TEST(TranslationsTest, LogicTextsAreTranslatedThroughTheHook) {
  EXPECT_EQ(TrN("Report", "%n hours", "%n hour", 1), "1 hour");
  EXPECT_EQ(TrN("Report", "%n hours", "%n hour", 0), "0 hours");
  EXPECT_EQ(Tr("Report", "Total Time:"), "Total Time:");
  // The setting names de_DE; the program has German for every German-speaking place.
  EXPECT_EQ(InstallTranslations("de_DE", TW_QM_DIR "/.."), QString("de"));
  EXPECT_EQ(TrN("Report", "%n hours", "%n hour", 1), "1 Stunde");
  EXPECT_NE(Tr("Report", "Total Time:"), "Total Time:");
  EXPECT_EQ(Tr("Report", "a text nobody translated"), "a text nobody translated");
  // The history's steps and origins, kept in English, are shown in the person's language; other texts as kept.
  EXPECT_EQ(StepWords("the edit of Alpha 12/7/2026 9:00:00 AM"), "die Änderung von Alpha 12/7/2026 9:00:00 AM");
  EXPECT_EQ(OriginWords(kFromCommandLine), "Befehlszeile");
  EXPECT_EQ(StepWords("the import of 5 stretches"), "der Import von 5 Zeitabschnitten");
  EXPECT_EQ(StepWords("the import of 5 apples"), "the import of 5 apples");
  SetTranslateHook(nullptr);
}

TEST(TranslationsTest, TheLanguageIsTheSettingsElseTheLocalesAsGettextChoosesIt) {
  using V = std::vector<std::string>;
  // The setting first; English there means English whatever the locale says.
  EXPECT_EQ(WantedLanguages("fr", "de", nullptr, nullptr, "ja_JP.UTF-8"), (V{"fr"}));
  EXPECT_EQ(WantedLanguages("en", "de", nullptr, nullptr, "ja_JP.UTF-8"), V{});
  // LANGUAGE's list, up to English, where the locale is set and not C.
  EXPECT_EQ(WantedLanguages("", "de_AT:fr:en:ja", nullptr, nullptr, "es_ES.UTF-8"), (V{"de_AT", "de", "fr"}));
  EXPECT_EQ(WantedLanguages("", "de", nullptr, nullptr, "C.UTF-8"), V{});
  EXPECT_EQ(WantedLanguages("", "de", nullptr, nullptr, nullptr), V{});
  // Else LC_ALL, LC_MESSAGES, LANG: the first one set.
  EXPECT_EQ(WantedLanguages("", nullptr, nullptr, "fr_CA.UTF-8@x", "de_DE.UTF-8"), (V{"fr_CA", "fr"}));
  EXPECT_EQ(WantedLanguages("", "", "ja_JP.UTF-8", "fr_FR", "de_DE"), (V{"ja_JP", "ja"}));
  EXPECT_EQ(WantedLanguages("", nullptr, nullptr, nullptr, "en_GB.UTF-8"), V{});
  EXPECT_EQ(WantedLanguages("", nullptr, nullptr, nullptr, "POSIX"), V{});
  // The pseudo-language is no English.
  EXPECT_EQ(WantedLanguages("en_XA", nullptr, nullptr, nullptr, nullptr), V{"en_XA"});
}

TEST(TranslationsTest, ArgumentsAreReplacedInOnePass) {
  EXPECT_EQ(Arg("%1 to %2", {"9:00 %2", "10:00"}), "9:00 %2 to 10:00");
  EXPECT_EQ(Arg("%2, %1, %3%", {"a", "b"}), "b, a, %3%");
}

}  // namespace
}  // namespace tw
