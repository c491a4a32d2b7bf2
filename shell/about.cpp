#include "shell/about.h"

#include "version.h"
#include "platform/translate.h"

namespace tw {

std::string VersionText(int major, int minor, int revision) {
  return Arg(Tr("About", "Version %1"),
             {std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(revision)});
}

std::string VersionText() { return VersionText(kVersionMajor, kVersionMinor, kVersionRevision); }

}  // namespace tw
