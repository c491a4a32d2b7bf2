#pragma once
// The per-user settings store: text values by application, section and key.
#include <string>

#include "platform/product.h"

namespace tw {

inline constexpr const char* kSettingsSection = "Settings";

// A number as a setting's text holds it (and the crash log writes it): in its shortest form, no
// decimals when it is whole.
std::string ShortestNumber(double value);
std::string ShortestNumber(float value);

class Settings {
 public:
  virtual ~Settings() = default;
  virtual std::string GetSetting(const std::string& app, const std::string& section,
                                 const std::string& key, const std::string& defaultValue) = 0;
  virtual void SaveSetting(const std::string& app, const std::string& section,
                           const std::string& key, const std::string& value) = 0;
};

}  // namespace tw
