#include "platform/translate.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "version.h"

namespace tw {
namespace {

TranslateHook& Hook() {
  static TranslateHook hook = nullptr;
  return hook;
}

std::string WithCount(std::string_view text, long long count) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size() && text[i + 1] == 'n') {
      out += std::to_string(count);
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

// "de_DE.UTF-8@euro" -> "de_DE"; empty for C and POSIX, which name no language.
std::string LocaleName(std::string_view value) {
  value = value.substr(0, value.find_first_of(".@"));
  if (value == "C" || value == "POSIX") return {};
  return std::string(value);
}

// en_XA is the pseudo-language of the translators' checks (every text lengthened and accented), not
// English.
bool IsEnglish(std::string_view name) { return name == "en" || (name.starts_with("en_") && name != "en_XA"); }

}  // namespace

void SetTranslateHook(TranslateHook hook) { Hook() = hook; }

std::string Tr(const char* context, const char* text) {
  std::string out;
  if (Hook() && Hook()(context, text, nullptr, -1, out)) return out;
  return text;
}

std::string TrN(const char* context, const char* plural, const char* singular, long long count) {
  std::string out;
  if (Hook() && Hook()(context, plural, singular, static_cast<int>(count), out)) return out;
  return WithCount(count == 1 ? singular : plural, count);
}

std::string Arg(std::string_view text, std::initializer_list<std::string_view> args) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
      const size_t index = static_cast<size_t>(text[i + 1] - '1');
      if (index < args.size()) {
        out += *(args.begin() + index);
        ++i;
        continue;
      }
    }
    out += text[i];
  }
  return out;
}

std::vector<std::string> WantedLanguages(std::string_view setting, const char* language, const char* lcAll,
                                         const char* lcMessages, const char* lang) {
  std::vector<std::string> names;
  const auto add = [&names](std::string_view value) {
    const std::string name = LocaleName(value);
    if (name.empty()) return true;
    if (IsEnglish(name)) return false;
    names.push_back(name);
    const std::string alone = name.substr(0, name.find('_'));
    if (alone != name && alone != "en") names.push_back(alone);
    return true;
  };
  if (!setting.empty()) {
    add(setting);
    return names;
  }
  std::string_view locale;
  for (const char* value : {lcAll, lcMessages, lang}) {
    if (value && *value) {
      locale = value;
      break;
    }
  }
  if (LocaleName(locale).empty()) return names;
  if (language && *language) {
    std::string_view list = language;
    while (!list.empty()) {
      const size_t colon = list.find(':');
      if (!add(list.substr(0, colon))) return names;
      list = colon == std::string_view::npos ? std::string_view() : list.substr(colon + 1);
    }
    if (!names.empty()) return names;
  }
  add(locale);
  return names;
}

std::vector<std::string> TranslationFolders(const std::string& programFolder) {
  namespace fs = std::filesystem;
  std::vector<std::string> folders = {(fs::path(programFolder) / "translations").lexically_normal().string(),
                                      (fs::path(programFolder) / ".." / "share" / "tallywright" / "translations")
                                          .lexically_normal()
                                          .string()};
  if (*kTranslationsFolder) folders.emplace_back(kTranslationsFolder);
  return folders;
}

std::string TranslationFile(const std::string& programFolder, const std::string& language) {
  for (const std::string& folder : TranslationFolders(programFolder)) {
    const std::string path = folder + "/tallywright_" + language + ".qm";
    if (::access(path.c_str(), R_OK) == 0) return path;
  }
  return {};
}

std::vector<std::string> WantedLanguages(std::string_view setting) {
  return WantedLanguages(setting, std::getenv("LANGUAGE"), std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"),
                         std::getenv("LANG"));
}

}  // namespace tw
