#pragma once
// Tallywright driven from outside: the requests another program makes of a running copy (through
// D-Bus, or through the data folder's socket) and of a data folder with no copy running
// (tallywright-ctl). Each one is a request of the tracker (tracking/tracker.h), the object the
// main window's buttons drive too.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/folder_owner.h"
#include "tracking/tracker.h"

namespace tw {

// The interface's name, and the prefix of the names of its errors.
inline constexpr const char* kControlInterface = "com.quillfen.Tallywright1";
inline constexpr const char* kControlErrorPrefix = "com.quillfen.Tallywright1.Error.";

// The service's name on the session bus, and the name of the copy that owns a data folder: the
// service's name with the folder's identity (platform/folder_owner.h), so copies on different
// data folders answer side by side.
inline constexpr const char* kServiceName = "com.quillfen.Tallywright";
inline constexpr const char* kObjectPath = "/com/quillfen/Tallywright";
std::string FolderServiceName(const std::string& folderIdentity);

// The requests over the data folder's socket (platform/folder_owner.h): a verb and its arguments,
// separated by tabs; the answer "ok" with its values, or "error", a refusal's name and its message.
// Tabs, line ends and backslashes inside are written \t, \n, \r, \\.
//   start PROJECT AWAY [COMMENT]   (no comment: the comment box is left as it is)
//   end AWAY                       AWAY: ask, left or keep (AwayRule); the answer: what was recorded
//   start-at PROJECT AWAY AT DRY [COMMENT], end-at AWAY AT DRY
//                                  AT: unix seconds, or empty for now; DRY: 1 for a dry run, else 0
//   continue AT DRY, cancel DRY, comment TEXT DRY
//                                  the answer: what was (or would be) done
//   status, projects, show
inline constexpr std::string_view kShowRequest = "show";
// Every failure, whatever it is, becomes an error answer: the owner never leaves a request
// unanswered for the asker to send again.
std::string AnswerRequest(std::string_view request, Tracker& tracker);

// The copy that owns a data folder, asked through ask (a request in, what came of it out). When no
// copy owns the folder (nothing was sent), the requests go to fallback's tracker, or without one
// are refused as NoProgram; an answer lost after the request went out is Failed, never sent again.
class OwnerTracker : public Tracker {
 public:
  using Asker = std::function<OwnerAnswer(std::string_view request)>;
  explicit OwnerTracker(Asker ask, std::function<Tracker&()> fallback = {})
      : ask_(std::move(ask)), fallback_(std::move(fallback)) {}
  std::string Start(const std::string& project, const std::optional<std::string>& comment, AwayRule away,
                    RequestMoment when) override;
  std::string End(AwayRule away, RequestMoment when) override;
  std::string Continue(RequestMoment when) override;
  std::string Cancel(bool dryRun) override;
  std::string SetComment(const std::string& text, bool dryRun) override;
  TrackerStatus Status() override;
  std::vector<std::string> Projects() override;
  void Show() override;

 private:
  // The request's answer without its "ok"; nothing when the request went to the fallback instead.
  std::optional<std::vector<std::string>> Ask(const std::vector<std::string>& request);
  Asker ask_;
  std::function<Tracker&()> fallback_;
  Tracker* direct_ = nullptr;
};

}  // namespace tw
