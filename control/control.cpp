#include "control/control.h"

#include <charconv>

#include "control/request_line.h"
#include "platform/run_error.h"

namespace tw {
namespace {

constexpr const char* kAwayNames[] = {"ask", "left", "keep"};

std::string AwayName(AwayRule away) { return kAwayNames[static_cast<int>(away)]; }

AwayRule AwayOf(const std::string& name) {
  for (int i = 0; i < 3; ++i)
    if (name == kAwayNames[i]) return static_cast<AwayRule>(i);
  throw ControlError(kInvalidArgument, "Unknown rule for time away \"" + name + "\"");
}

// What an answer says: its first value, or nothing.
std::string Said(const std::vector<std::string>& answer) { return answer.empty() ? "" : answer.front(); }

// A request's DRY field: 0 or 1, and "o" after it where a start may overlap what is recorded (a
// copy of the program that knows no such start refuses the request).
std::string Flag(bool dryRun) { return dryRun ? "1" : "0"; }
std::string Flag(const RequestMoment& when) { return Flag(when.dryRun) + (when.allowOverlap ? "o" : ""); }

// A request's AT and DRY fields.
RequestMoment MomentOf(const std::string& at, const std::string& dry) {
  RequestMoment when;
  if (dry != "0" && dry != "1" && dry != "0o" && dry != "1o")
    throw ControlError(kInvalidArgument, "A dry run is 0 or 1, not \"" + dry + "\"");
  when.dryRun = dry[0] == '1';
  when.allowOverlap = dry.size() == 2;
  if (at.empty()) return when;
  std::int64_t seconds = 0;
  const auto [end, error] = std::from_chars(at.data(), at.data() + at.size(), seconds);
  if (error != std::errc() || end != at.data() + at.size())
    throw ControlError(kInvalidArgument, "Not a moment: \"" + at + "\"");
  when.at = seconds;
  return when;
}

// "ok", with what was recorded when anything was.
std::string Done(const std::string& recorded) { return recorded.empty() ? "ok" : JoinRequestLine({"ok", recorded}); }

std::string Refused(const std::string& name, const std::string& message) {
  return JoinRequestLine({"error", name, message});
}

}  // namespace

std::string FolderServiceName(const std::string& folderIdentity) {
  return std::string(kServiceName) + ".F" + folderIdentity;
}

std::string AnswerRequest(std::string_view request, Tracker& tracker) {
  const std::vector<std::string> f = SplitRequestLine(request);
  try {
    const std::string& verb = f.front();
    if (verb == "start" && (f.size() == 3 || f.size() == 4)) {
      const std::optional<std::string> comment = f.size() == 4 ? std::optional(f[3]) : std::nullopt;
      return Done(tracker.Start(f[1], comment, AwayOf(f[2]), {}));
    }
    if (verb == "start-at" && (f.size() == 5 || f.size() == 6)) {
      const std::optional<std::string> comment = f.size() == 6 ? std::optional(f[5]) : std::nullopt;
      return Done(tracker.Start(f[1], comment, AwayOf(f[2]), MomentOf(f[3], f[4])));
    }
    if (verb == "end" && f.size() == 2) return Done(tracker.End(AwayOf(f[1]), {}));
    if (verb == "end-at" && f.size() == 4) return Done(tracker.End(AwayOf(f[1]), MomentOf(f[2], f[3])));
    if (verb == "continue" && f.size() == 3) return Done(tracker.Continue(MomentOf(f[1], f[2])));
    if (verb == "cancel" && f.size() == 2) return Done(tracker.Cancel(MomentOf("", f[1]).dryRun));
    if (verb == "comment" && f.size() == 3) return Done(tracker.SetComment(f[1], MomentOf("", f[2]).dryRun));
    if (verb == "status" && f.size() == 1) {
      const TrackerStatus s = tracker.Status();
      return JoinRequestLine({"ok", s.running ? "1" : "0", s.project, s.start, s.startIso, std::to_string(s.elapsed), s.comment});
    }
    if (verb == "projects" && f.size() == 1) {
      std::vector<std::string> answer = tracker.Projects();
      answer.insert(answer.begin(), "ok");
      return JoinRequestLine(answer);
    }
    if (verb == kShowRequest && f.size() == 1) {
      tracker.Show();
      return "ok";
    }
    return Refused(kInvalidArgument, "Unknown request \"" + verb + "\"");
  } catch (const ControlError& e) {
    return Refused(e.name(), e.what());
  } catch (const RunError& e) {
    return Refused(kFailed, e.description().empty() ? "error " + std::to_string(e.number()) : e.description());
  } catch (const std::exception& e) {
    return Refused(kFailed, e.what());
  } catch (...) {
    return Refused(kFailed, "The request failed");
  }
}

std::optional<std::vector<std::string>> OwnerTracker::Ask(const std::vector<std::string>& request) {
  if (direct_) return std::nullopt;
  const OwnerAnswer answer = ask_(JoinRequestLine(request));
  if (answer.outcome == OwnerAnswer::kNoOwner) {
    if (!fallback_) throw ControlError(kNoProgram, "Tallywright does not answer");
    direct_ = &fallback_();
    return std::nullopt;
  }
  if (answer.outcome == OwnerAnswer::kLost)
    throw ControlError(kFailed, "Tallywright took the request but its answer was lost; look at its window "
                                "before asking again");
  std::vector<std::string> fields = SplitRequestLine(answer.text);
  if (fields.front() == "error" && fields.size() == 3) throw ControlError(fields[1], fields[2]);
  if (fields.front() != "ok") throw ControlError(kFailed, "Tallywright's answer cannot be read");
  fields.erase(fields.begin());
  return fields;
}

std::string OwnerTracker::Start(const std::string& project, const std::optional<std::string>& comment, AwayRule away,
                                RequestMoment when) {
  // Asked of now and done: the request an older copy of the program takes too.
  const bool plain = !when.at && !when.dryRun;
  std::vector<std::string> request = {plain ? "start" : "start-at", project, AwayName(away)};
  if (!plain) request.insert(request.end(), {when.at ? std::to_string(*when.at) : "", Flag(when)});
  if (comment) request.push_back(*comment);
  const auto answer = Ask(request);
  return answer ? Said(*answer) : direct_->Start(project, comment, away, when);
}

std::string OwnerTracker::End(AwayRule away, RequestMoment when) {
  const auto answer = !when.at && !when.dryRun
                          ? Ask({"end", AwayName(away)})
                          : Ask({"end-at", AwayName(away), when.at ? std::to_string(*when.at) : "", Flag(when.dryRun)});
  return answer ? Said(*answer) : direct_->End(away, when);
}

std::string OwnerTracker::Continue(RequestMoment when) {
  const auto answer = Ask({"continue", when.at ? std::to_string(*when.at) : "", Flag(when)});
  return answer ? Said(*answer) : direct_->Continue(when);
}

std::string OwnerTracker::Cancel(bool dryRun) {
  const auto answer = Ask({"cancel", Flag(dryRun)});
  return answer ? Said(*answer) : direct_->Cancel(dryRun);
}

std::string OwnerTracker::SetComment(const std::string& text, bool dryRun) {
  const auto answer = Ask({"comment", text, Flag(dryRun)});
  return answer ? Said(*answer) : direct_->SetComment(text, dryRun);
}

void OwnerTracker::Show() {
  if (!Ask({std::string(kShowRequest)})) direct_->Show();
}

TrackerStatus OwnerTracker::Status() {
  const auto f = Ask({"status"});
  if (!f) return direct_->Status();
  if (f->size() != 6) throw ControlError(kFailed, "Tallywright's answer cannot be read");
  const std::vector<std::string>& v = *f;
  TrackerStatus s{v[0] == "1", v[1], v[2], v[3], 0, v[5]};
  try {
    s.elapsed = std::stoll(v[4]);
  } catch (const std::exception&) {
  }
  return s;
}

std::vector<std::string> OwnerTracker::Projects() {
  const auto f = Ask({"projects"});
  return f ? *f : direct_->Projects();
}

}  // namespace tw
