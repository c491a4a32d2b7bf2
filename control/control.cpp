#include "control/control.h"

#include "control/request_line.h"

namespace tw {

std::string FolderServiceName(const std::string& folderIdentity) {
  return std::string(kServiceName) + ".F" + folderIdentity;
}

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

std::string AnswerRequest(std::string_view request, Tracker& tracker) {
  const std::vector<std::string> f = SplitRequestLine(request);
  try {
    const std::string& verb = f.front();
    if (verb == "start" && f.size() == 3) {
      tracker.Start(f[1], f[2]);
    } else if (verb == "end" && f.size() == 1) {
      tracker.End();
    } else if (verb == "status" && f.size() == 1) {
      const TrackerStatus s = tracker.Status();
      return JoinRequestLine({"ok", s.running ? "1" : "0", s.project, s.start, s.startIso, std::to_string(s.elapsed), s.comment});
    } else if (verb == "projects" && f.size() == 1) {
      std::vector<std::string> answer = tracker.Projects();
      answer.insert(answer.begin(), "ok");
      return JoinRequestLine(answer);
    } else if (verb == kShowRequest && f.size() == 1) {
      tracker.Show();
    } else {
      return JoinRequestLine({"error", kInvalidArgument, "Unknown request \"" + verb + "\""});
    }
  } catch (const ControlError& e) {
    return JoinRequestLine({"error", e.name(), e.what()});
  }
  return "ok";
}

std::vector<std::string> OwnerTracker::Ask(const std::vector<std::string>& request) {
  const std::optional<std::string> answer = ask_(JoinRequestLine(request));
  if (!answer) throw ControlError(kNoProgram, "Tallywright does not answer");
  std::vector<std::string> fields = SplitRequestLine(*answer);
  if (fields.front() == "error" && fields.size() == 3) throw ControlError(fields[1], fields[2]);
  if (fields.front() != "ok") throw ControlError(kFailed, "Tallywright's answer cannot be read");
  fields.erase(fields.begin());
  return fields;
}

void OwnerTracker::Start(const std::string& project, const std::string& comment) { Ask({"start", project, comment}); }
void OwnerTracker::End() { Ask({"end"}); }
void OwnerTracker::Show() { Ask({std::string(kShowRequest)}); }

TrackerStatus OwnerTracker::Status() {
  const std::vector<std::string> f = Ask({"status"});
  if (f.size() != 6) throw ControlError(kFailed, "Tallywright's answer cannot be read");
  TrackerStatus s{f[0] == "1", f[1], f[2], f[3], 0, f[5]};
  try {
    s.elapsed = std::stoll(f[4]);
  } catch (const std::exception&) {
  }
  return s;
}

std::vector<std::string> OwnerTracker::Projects() { return Ask({"projects"}); }

}  // namespace tw
