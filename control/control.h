#pragma once
// Tallywright driven from outside: the requests another program makes of a running copy (through
// D-Bus, or through the data folder's socket) and of a data folder with no copy running
// (tallywright-ctl). Each one goes through the routines the main window's buttons use.
#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tw {

// The interface's name, and the prefix of the names of its errors.
inline constexpr const char* kControlInterface = "com.quillfen.Tallywright1";
inline constexpr const char* kControlErrorPrefix = "com.quillfen.Tallywright1.Error.";

// What a stretch's status is made of, as the D-Bus properties carry it.
struct TrackerStatus {
  bool running = false;
  std::string project;   // the project box's project
  std::string start;     // as written in the start box; empty while nothing runs
  std::string startIso;  // the start in ISO 8601 local time, or empty
  std::int64_t elapsed = 0;  // seconds since the start while running
  std::string comment;

  bool operator==(const TrackerStatus&) const = default;
};

// A refused request: the last part of its error's name ("NotRunning") and a message for a person.
class ControlError : public std::runtime_error {
 public:
  ControlError(std::string name, const std::string& message)
      : std::runtime_error(message), name_(std::move(name)) {}
  const std::string& name() const { return name_; }

 private:
  std::string name_;
};

// The service's name on the session bus, and the name of the copy that owns a data folder: the
// service's name with the folder's identity (platform/folder_owner.h), so copies on different
// data folders answer side by side.
inline constexpr const char* kServiceName = "com.quillfen.Tallywright";
inline constexpr const char* kObjectPath = "/com/quillfen/Tallywright";
std::string FolderServiceName(const std::string& folderIdentity);

// The names of refusals.
inline constexpr const char* kNotRunning = "NotRunning";
inline constexpr const char* kInvalidArgument = "InvalidArgument";
inline constexpr const char* kBusy = "Busy";
inline constexpr const char* kShuttingDown = "ShuttingDown";
inline constexpr const char* kFailed = "Failed";
inline constexpr const char* kNoProgram = "NoProgram";

// A copy of the program, or a data folder, that takes requests. Each request throws ControlError
// when it is refused, having changed nothing.
class Tracker {
 public:
  virtual ~Tracker() = default;
  // Starts a stretch of project (empty: the project the box holds). The same project running:
  // nothing changes; another one running: it is ended first, one record. An empty comment leaves
  // the comment as it is.
  virtual void Start(const std::string& project, const std::string& comment) = 0;
  // Ends the running stretch: one record. NotRunning when nothing runs.
  virtual void End() = 0;
  virtual TrackerStatus Status() = 0;
  virtual std::vector<std::string> Projects() = 0;
  // Brings the main window forward, from the notification area too.
  virtual void Show() = 0;
};

// Longest project name and comment a request may carry, in bytes.
inline constexpr size_t kMaxProjectName = 200;
inline constexpr size_t kMaxComment = 4000;
// InvalidArgument, with its reason, for a project name or comment no record can carry.
void CheckStartArguments(std::string_view project, std::string_view comment);

// The requests as one line each over the data folder's socket (platform/folder_owner.h): a verb
// and its arguments, separated by tabs; the answer "ok" with its values, or "error", a refusal's
// name and its message. Tabs, line ends and backslashes inside are written \t, \n, \r, \\.
inline constexpr std::string_view kShowRequest = "show";
std::string AnswerRequest(std::string_view request, Tracker& tracker);
// The running copy that owns a data folder, asked through ask (a request line in, its answer out;
// nothing when no copy answered: then every request throws NoProgram).
class OwnerTracker : public Tracker {
 public:
  explicit OwnerTracker(std::function<std::optional<std::string>(std::string_view)> ask)
      : ask_(std::move(ask)) {}
  void Start(const std::string& project, const std::string& comment) override;
  void End() override;
  TrackerStatus Status() override;
  std::vector<std::string> Projects() override;
  void Show() override;

 private:
  std::vector<std::string> Ask(const std::vector<std::string>& request);
  std::function<std::optional<std::string>(std::string_view)> ask_;
};

}  // namespace tw
