#include "errors/crash_log.h"

#include "dates/ascii.h"

namespace tw {
namespace {

constexpr size_t kPrintZone = 14;

}  // namespace

std::string ErrorTag(std::int32_t number, std::string_view location) {
  std::string tag = "[";
  tag += std::to_string(number);
  tag += "] [";
  tag += location;
  tag += "]";
  return tag;
}

std::string ErrorDetails(std::string_view source, std::string_view description) {
  std::string text = "Source> ";
  text += source;
  text += "\r\nError>  ";
  text += description;
  return text;
}

std::string PlatformName(int platform) {
  switch (platform) {
    case 1: return "Windows 95/98 ";
    case 2: return "Windows NT";
    default: return "Unknown";
  }
}

std::string ActionLetter(int action) {
  switch (action) {
    case 3: return " A";
    case 4: return " R";
    case 5: return " I";
    default: return "";
  }
}

std::string CrashLogEntry(std::string_view tag, int action, std::string_view source,
                          std::string_view description, const CrashLogFacts& facts) {
  std::string first(facts.stamp);
  first += tag;
  // The next print zone starts at the next multiple of 14 columns.
  first.append((kPrintZone - first.size() % kPrintZone) % kPrintZone, ' ');
  first += ActionLetter(action);

  std::string entry = "\r\n";
  entry += first + "\r\n";
  entry += ErrorDetails(source, description) + "\r\n";
  entry += "App Version> " + std::to_string(facts.versionMajor) + "." +
           std::to_string(facts.versionMinor) + "." + std::to_string(facts.versionRevision) + "\r\n";
  entry += "Monitor> " + ShortestNumber(facts.screenWidthTwips) + "/" +
           ShortestNumber(facts.screenHeightTwips) + "\r\n";
  entry += "System> Platform:" + PlatformName(facts.system.platform) +
           " Build:" + std::to_string(facts.system.build) +
           " Version: " + ShortestNumber(facts.system.version) + "\r\n";
  entry += "Battery>" + std::to_string(facts.system.battery) + "\r\n";
  return entry;
}

std::string FinalMessage(std::string_view exeName, std::string_view programFolder) {
  std::string n(exeName), f(programFolder);
  return "An error has occurred in " + n + ". For safety, the application will now" +
         " be terminated. If this error occurs again, please send the log file (named " + n +
         ".log and located in " + f + ") to" +
         " Quillfen. Tell us what you were doing when the crash occurred" +
         " to help us correct the problem. We will then send you an updated version.";
}

std::string FinalTitle(std::string_view exeName, std::string_view description) {
  std::string title(exeName);
  title += " Error: [";
  title += description;
  title += "]";
  return title;
}

bool IsReleaseName(std::string_view exeName) {
  constexpr std::string_view product = kProductName;
  if (exeName.size() != product.size()) return false;
  for (size_t i = 0; i < product.size(); ++i)
    if (AsciiUpper(exeName[i]) != AsciiUpper(product[i])) return false;
  return true;
}

}  // namespace tw
