#include "platform/platform.h"

namespace tw {

Platform& platform() {
  static Platform current;
  return current;
}

std::string ProgramFile(const std::string& name) {
  return JoinPath(platform().system->ProgramFolder(), name);
}

}  // namespace tw
