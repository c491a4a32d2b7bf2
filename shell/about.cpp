#include "shell/about.h"

#include "version.h"

namespace tw {

std::string VersionText(int major, int minor, int revision) {
  return "Version " + std::to_string(major) + "." + std::to_string(minor) + "." +
         std::to_string(revision);
}

std::string VersionText() { return VersionText(kVersionMajor, kVersionMinor, kVersionRevision); }

}  // namespace tw
