#include "errors/error.h"

#include <string>

#include "errors/crash_log.h"
#include "platform/platform.h"
#include "platform/shared_folder.h"
#include "version.h"

namespace Error {

int ErrorAction = 0;

void HandleError(std::string_view location, const tw::RunError& failure) {
  using namespace tw;
  // Taken first, before anything below can disturb it.
  const std::int32_t number = failure.number();
  const std::string source = failure.source();
  const std::string description = failure.description();

  try {
    const std::string tag = ErrorTag(number, location);
    const std::string details = ErrorDetails(source, description);
    Platform& p = platform();
    p.system->RestorePointer();
    p.system->Beep();

    const std::string exe = p.system->ExeName();
    if (IsReleaseName(exe)) {
      ErrorAction = kAbort;
      CrashLogFacts facts;
      facts.system = p.system->SysInfo();
      const std::string folder = p.system->DataFolder();
      facts.stamp = p.dateFormat->FormatLogStamp(p.clock->Now());
      facts.versionMajor = kVersionMajor;
      facts.versionMinor = kVersionMinor;
      facts.versionRevision = kVersionRevision;
      facts.screenWidthTwips = p.system->ScreenWidthTwips();
      facts.screenHeightTwips = p.system->ScreenHeightTwips();
      // In a folder shared by several machines, each keeps a log of its own.
      p.files->Append(MachineFile(folder, exe + ".log"),
                      CrashLogEntry(tag, ErrorAction, source, description, facts));
      p.dialogs->MsgBox(FinalMessage(exe, folder), MsgStyle::OkOnly + MsgStyle::Critical,
                        FinalTitle(exe, description));
      p.system->EndProcess(1);
      return;
    }

    ErrorAction = p.dialogs->MsgBox(
        details, MsgStyle::AbortRetryIgnore + MsgStyle::Exclamation + MsgStyle::DefaultButton2,
        "Design-Time Error " + tag);
    if (ErrorAction == kRetry) p.system->DebugBreak();
  } catch (const std::exception&) {
    // The handler could not do its work (the log cannot be written, say): the caller leaves its
    // routine and the program goes on.
    ErrorAction = kAbort;
  }
}

}  // namespace Error
