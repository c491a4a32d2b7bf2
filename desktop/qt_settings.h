#pragma once
// The settings store in an INI file of the user's (~/.config/Tallywright/Tallywright.ini), one
// section per settings section.
#include <QString>

#include "platform/settings.h"

namespace tw {

class QtSettings : public Settings {
 public:
  QtSettings() = default;
  // A store kept in the given INI file (tests point it at a scratch folder).
  explicit QtSettings(QString iniFile) : iniFile_(std::move(iniFile)) {}

  std::string GetSetting(const std::string& app, const std::string& section, const std::string& key,
                         const std::string& defaultValue) override;
  void SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                   const std::string& value) override;

 private:
  QString iniFile_;
};

}  // namespace tw
