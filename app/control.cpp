#include "app/control.h"

namespace tw {

void CheckStartArguments(std::string_view project, std::string_view comment) {
  // The report separates a record's fields by commas and its records by line ends.
  if (project.find(',') != std::string_view::npos)
    throw ControlError(kInvalidArgument, "A project name cannot hold a comma: \"" + std::string(project) + "\"");
  if (project.find_first_of("\r\n") != std::string_view::npos)
    throw ControlError(kInvalidArgument, "A project name cannot hold a line break");
  if (project.size() > kMaxProjectName)
    throw ControlError(kInvalidArgument, "A project name is at most " + std::to_string(kMaxProjectName) +
                                             " bytes long; this one has " + std::to_string(project.size()));
  if (comment.size() > kMaxComment)
    throw ControlError(kInvalidArgument, "A comment is at most " + std::to_string(kMaxComment) +
                                             " bytes long; this one has " + std::to_string(comment.size()));
}

std::string ElapsedText(std::int64_t seconds) {
  if (seconds < 0) seconds = 0;
  const auto two = [](std::int64_t n) { return (n < 10 ? "0" : "") + std::to_string(n); };
  return std::to_string(seconds / 3600) + ":" + two(seconds / 60 % 60) + ":" + two(seconds % 60);
}

}  // namespace tw
