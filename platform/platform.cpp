#include "platform/platform.h"

namespace tw {

Platform& platform() {
  static Platform current;
  return current;
}

std::string DataFile(const std::string& name) {
  return JoinPath(platform().system->DataFolder(), name);
}

}  // namespace tw
