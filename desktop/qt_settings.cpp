#include "desktop/qt_settings.h"

#include <QSettings>
#include <memory>

#include "desktop/qt_text.h"
#include "platform/run_error.h"

namespace tw {
namespace {

std::unique_ptr<QSettings> Open(const QString& iniFile, const std::string& app) {
  if (!iniFile.isEmpty()) return std::make_unique<QSettings>(iniFile, QSettings::IniFormat);
  const QString name = FromBytes(app);
  return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, name, name);
}

}  // namespace

std::string QtSettings::GetSetting(const std::string& app, const std::string& section,
                                   const std::string& key, const std::string& defaultValue) {
  auto store = Open(iniFile_, app);
  store->beginGroup(FromBytes(section));
  const QVariant value = store->value(FromBytes(key));
  if (!value.isValid()) return defaultValue;
  // A value written by hand with commas and no quotes ("Mon=8,Tue=8") is read by Qt as a list:
  // it is the text as written.
  if (value.typeId() == QMetaType::QStringList) return ToBytes(value.toStringList().join(','));
  return ToBytes(value.toString());
}

void QtSettings::SaveSetting(const std::string& app, const std::string& section,
                             const std::string& key, const std::string& value) {
  auto store = Open(iniFile_, app);
  store->beginGroup(FromBytes(section));
  store->setValue(FromBytes(key), FromBytes(value));
  store->endGroup();
  // Written now: the program may end at once, without any clean-up.
  store->sync();
  if (store->status() != QSettings::NoError)
    throw RunError(kErrPathAccess, "The settings could not be saved");
}

}  // namespace tw
