#include "control/mend_request.h"

#include <algorithm>

#include "control/ctl_command.h"
#include "control/request_line.h"

namespace tw {

bool IsMendVerb(std::string_view verb) {
  return std::find(std::begin(kMendVerbNames), std::end(kMendVerbNames), verb) != std::end(kMendVerbNames);
}

bool MendVerbOnlyReads(std::string_view verb) { return verb == "list" || verb == "history"; }

std::string MendRequest(const std::string& verb, const std::vector<std::string>& args) {
  std::vector<std::string> fields = {"mend", verb};
  fields.insert(fields.end(), args.begin(), args.end());
  return JoinRequestLine(fields);
}

bool IsMendRequest(std::string_view request) { return request.starts_with("mend\t"); }

int PrintMendAnswer(std::string_view answer, std::ostream& out, std::ostream& err) {
  const std::vector<std::string> f = SplitRequestLine(answer);
  if (f.size() == 4 && f[0] == "ok" && (f[1] == "0" || f[1] == "1" || f[1] == "2")) {
    out << f[2];
    err << f[3];
    return f[1][0] - '0';
  }
  err << "tallywright-ctl: " << (f.size() == 3 && f[0] == "error" ? f[2] : "Tallywright's answer cannot be read") << "\n";
  return kCtlRefused;
}

std::optional<int> AskOwnerToMend(const std::function<OwnerAnswer(std::string_view)>& askOwner, const std::string& verb,
                                  const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const OwnerAnswer answer = askOwner(MendRequest(verb, args));
  if (answer.outcome == OwnerAnswer::kAnswered) return PrintMendAnswer(answer.text, out, err);
  if (answer.outcome == OwnerAnswer::kLost && !MendVerbOnlyReads(verb)) {
    err << "tallywright-ctl: Tallywright took the request but its answer was lost; look at the record "
           "(tallywright-ctl history) before asking again\n";
    return kCtlRefused;
  }
  return std::nullopt;  // nothing was changed
}

}  // namespace tw
