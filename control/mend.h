#pragma once
// tallywright-ctl's verbs that mend the record: track, list, edit, delete, split, undo, redo and
// history. Each one goes through the record store and its history (store/changes.h), exactly as
// the windows' changes do, whether the running program carries it out or the command acts on the
// data folder itself.
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "control/mend_request.h"
#include "dates/date_format.h"
#include "platform/files.h"
#include "store/data_folder.h"

namespace tw {

struct MendContext {
  const Files* files = nullptr;
  DataFolder folder;
  const DateFormat* reportForm = nullptr;  // the form records are written in
  LocaleData user;                          // the user's form, for reading other machines' reports
  std::int64_t now = 0;                     // unix seconds
  int firstWeekday = 0;                     // 0 Sunday .. 6 Saturday, as Weekday() counts
  std::string origin;                       // for the history: "command line", "D-Bus"
};

// Runs one of them with its arguments; exit status 0 done, 1 refused, 2 a bad command line (the
// reason on err). Throws nothing: a failure of the files is a refusal with its reason.
int RunMend(const std::string& verb, const std::vector<std::string>& args, const MendContext& context,
            std::ostream& out, std::ostream& err);

// The verbs that change the record: with the program running, it carries them out (its windows
// then show the change at once); list and history read the folder wherever they run.
bool MendVerbWrites(const std::string& verb);
// RunMend on a data folder, as the command line's: in the report's form and the user's, at the
// clock's now, the history noting the command line.
int RunMendOn(const DataFolder& folder, const std::string& verb, const std::vector<std::string>& args,
              int firstWeekday, std::ostream& out, std::ostream& err);

// In the program: a mending request (control/mend_request.h) carried out on its data folder, the
// week starting on firstWeekday. Every failure is an answer.
std::string AnswerMendRequest(std::string_view request, int firstWeekday = 0);
// Whether the request is one of a verb that changes the record.
bool MendRequestWrites(std::string_view request);

// The arguments and help of each verb, for --help, in order.
struct MendHelp {
  const char* name;
  const char* arguments;
  const char* help;
};
const std::vector<MendHelp>& MendVerbs();

}  // namespace tw
