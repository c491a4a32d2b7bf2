#pragma once
// The texts the error handler writes and shows. Plain functions of their inputs, so that the crash
// log entry can be checked byte for byte.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/product.h"
#include "platform/settings.h"
#include "platform/system.h"

namespace tw {

// "[53] [Setup/WriteRecord]": the error number and the location, each in square brackets.
std::string ErrorTag(std::int32_t number, std::string_view location);
// "Source> " source CR LF "Error>  " description.
std::string ErrorDetails(std::string_view source, std::string_view description);
// 1 "Windows 95/98 ", 2 "Windows NT", anything else "Unknown".
std::string PlatformName(int platform);
// " A", " R", " I" for 3, 4, 5; empty otherwise.
std::string ActionLetter(int action);

struct CrashLogFacts {
  std::string stamp;  // the failure's local time as "mm-dd-yyyy  hh:nn:ssAM/PM"
  int versionMajor = 1, versionMinor = 0, versionRevision = 0;
  double screenWidthTwips = 0, screenHeightTwips = 0;
  SysInfoFacts system;
};

// One entry: an empty line, the time and tag padded to the next 14-column print zone followed by
// the action letter, then the Source, Error, App Version, Monitor, System and Battery lines, each
// ended by CR LF.
std::string CrashLogEntry(std::string_view tag, int action, std::string_view source,
                          std::string_view description, const CrashLogFacts& facts);

// The released program's last words, and the title of their box.
std::string FinalMessage(std::string_view exeName, std::string_view programFolder);
std::string FinalTitle(std::string_view exeName, std::string_view description);

// True when the executable is the released program (its name is the product's, in any case).
bool IsReleaseName(std::string_view exeName);

}  // namespace tw
