#include "shell/sysinfo.h"

#include <exception>

#include "platform/platform.h"
#include "platform/translate.h"

namespace tw {

void StartSysInfo() {
  Platform& p = platform();
  try {
    for (const char* name : kSysInfoPrograms) {
      const std::string path = p.shell->FindProgram(name);
      if (path.empty()) continue;
      p.shell->StartProgram(path);
      return;
    }
  } catch (const std::exception&) {
  }
  p.dialogs->MsgBox(Tr("About", kSysInfoUnavailable), MsgStyle::OkOnly, kProductName);
}

}  // namespace tw
