#include "app/control.h"

#include "platform/platform.h"
#include "projects/project_list.h"
#include "report/report_form.h"
#include "state/main_view.h"
#include "summaries/export.h"
#include "tracking/calculate_time.h"
#include "tracking/running.h"
#include "tracking/stretch.h"
#include "tracking/write_record.h"

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

std::string ElapsedText(std::int64_t seconds) {
  if (seconds < 0) seconds = 0;
  const auto two = [](std::int64_t n) { return (n < 10 ? "0" : "") + std::to_string(n); };
  return std::to_string(seconds / 3600) + ":" + two(seconds / 60 % 60) + ":" + two(seconds % 60);
}

void ChooseProject(MainView& form, const std::string& project) {
  for (int i = 0; i < form.ProjectCount(); ++i) {
    if (form.ProjectAt(i) == project) return form.SetProjectIndex(i);
  }
  form.SetProjectText(project);
}

void ViewTracker::Start(const std::string& project, const std::string& comment) {
  CheckStartArguments(project, comment);
  ready_();
  const std::string chosen = project.empty() ? ChosenProject(form_) : project;
  if (chosen.empty())
    throw ControlError(kInvalidArgument, "No project is chosen: name the project to start");
  if (IsRunning(form_)) {
    if (ChosenProject(form_) == chosen) return;
    if (!EndProject(form_)) throw ControlError(kFailed, "The running stretch could not be recorded");
  }
  if (!project.empty()) {
    ChooseProject(form_, project);
    Setup::RememberProject(form_);
  }
  if (!comment.empty()) form_.SetComments(comment);
  // A stretch started from outside starts now, never at the start of the stretch last shown.
  form_.SetStartText("");
  StartProject(form_);
  if (!IsRunning(form_)) throw ControlError(kFailed, "The stretch could not be started");
}

void ViewTracker::End() {
  ready_();
  if (!IsRunning(form_)) throw ControlError(kNotRunning, "No stretch is running");
  if (!EndProject(form_)) throw ControlError(kFailed, "The stretch could not be recorded in the report");
}

TrackerStatus ViewTracker::Status() {
  TrackerStatus status;
  status.running = IsRunning(form_);
  status.project = ChosenProject(form_);
  status.comment = form_.Comments();
  if (status.running) {
    status.start = form_.StartText();
    if (const std::optional<DateTime> start = ReportDateFormat().Parse(status.start)) {
      status.startIso = IsoDateTime(*start);
      status.elapsed = ElapsedSeconds(*start, platform().clock->Now());
    }
  }
  return status;
}

std::vector<std::string> ViewTracker::Projects() {
  std::vector<std::string> names = ProjectEntries(form_);
  std::erase(names, std::string());
  return names;
}

void ViewTracker::Show() { show_(); }

namespace {

std::string Escape(std::string_view text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\t': out += "\\t"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      default: out += c;
    }
  }
  return out;
}

std::vector<std::string> Split(std::string_view line) {
  std::vector<std::string> fields(1);
  for (size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '\t') {
      fields.emplace_back();
    } else if (c == '\\' && i + 1 < line.size()) {
      const char next = line[++i];
      fields.back() += next == 't' ? '\t' : next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

std::string Join(const std::vector<std::string>& fields) {
  std::string line;
  for (size_t i = 0; i < fields.size(); ++i) line += (i ? "\t" : "") + Escape(fields[i]);
  return line;
}

}  // namespace

std::string AnswerRequest(std::string_view request, Tracker& tracker) {
  const std::vector<std::string> f = Split(request);
  try {
    const std::string& verb = f.front();
    if (verb == "start" && f.size() == 3) {
      tracker.Start(f[1], f[2]);
    } else if (verb == "end" && f.size() == 1) {
      tracker.End();
    } else if (verb == "status" && f.size() == 1) {
      const TrackerStatus s = tracker.Status();
      return Join({"ok", s.running ? "1" : "0", s.project, s.start, s.startIso, std::to_string(s.elapsed), s.comment});
    } else if (verb == "projects" && f.size() == 1) {
      std::vector<std::string> answer = tracker.Projects();
      answer.insert(answer.begin(), "ok");
      return Join(answer);
    } else if (verb == kShowRequest && f.size() == 1) {
      tracker.Show();
    } else {
      return Join({"error", kInvalidArgument, "Unknown request \"" + verb + "\""});
    }
  } catch (const ControlError& e) {
    return Join({"error", e.name(), e.what()});
  }
  return "ok";
}

std::vector<std::string> OwnerTracker::Ask(const std::vector<std::string>& request) {
  const std::optional<std::string> answer = ask_(Join(request));
  if (!answer) throw ControlError(kNoProgram, "Tallywright does not answer");
  std::vector<std::string> fields = Split(*answer);
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
