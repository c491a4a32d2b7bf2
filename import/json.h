#pragma once
// A small JSON reader for the files other trackers write: values as a tree, strings as UTF-8.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tw {

struct JsonValue {
  enum Kind { Null, Bool, Number, String, Array, Object } kind = Null;
  bool boolean = false;
  double number = 0;
  std::string text;  // a string's value
  std::vector<JsonValue> items;
  std::vector<std::string> names;  // an object's member names, in file order
  std::vector<JsonValue> values;   // and their values

  // The member of that name, or nothing.
  const JsonValue* Find(std::string_view name) const;
  // A member's string, or empty when it is missing or no string.
  std::string StringOf(std::string_view name) const;
};

// The value a whole text holds; nothing (and where and why in `error`) when it is no JSON.
std::optional<JsonValue> ParseJson(std::string_view text, std::string* error = nullptr);

}  // namespace tw
