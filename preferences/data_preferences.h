#pragma once
// The Preferences window's data folder: where the program keeps its files (the setting
// DataFolder), whether that folder is shared with other machines, and this machine's name there.
#include <string>
#include <vector>

#include "state/main_view.h"
#include "store/data_folder.h"

namespace tw {

struct DataChoice {
  std::string folder;  // a full path; empty for the usual place
  bool shared = false;
  std::string device;
};

// The choice as it stands now.
DataChoice CurrentDataChoice();

// Saves the choice. A new folder is offered the program's files of the old one: moved there (in
// a shared folder under this machine's name, the project lists merged), left where they are, or
// nothing changed. Ticked shared, the folder gets the marker and its report stays readable as
// this machine's. Neither happens while a stretch runs. Gives the box to correct (0 the folder,
// 2 the name), -1 when saved, -2 when the user chose to change nothing.
int SaveDataChoice(MainView& main, const DataChoice& choice);

// The program's files of a folder of one machine, by name: the report, its backup, form and
// running stretch, the project list, any other "projrpt." file and the crash log.
std::vector<std::string> ProgramFiles(const std::string& folder);

// Moves those files from one folder to another: each copied whole and put in place by a rename,
// then removed from the old folder; a file the new folder already holds is never written over, and
// stays in the old one. Into a shared folder this machine's records and list are brought in
// (BringIn) and every other file takes this machine's name, its history aside (it names the old
// folder's report). RunError when a file cannot be moved; what was moved stays moved.
void MoveProgramFiles(const std::string& from, const std::string& to, const std::string& device);

// What coming into a shared folder brought with it.
struct BroughtIn {
  std::size_t records = 0;         // lines merged into this machine's report
  std::vector<std::string> names;  // names the project list gained
};

// Brings this machine's records and project list from `from`, a folder of one machine where it
// kept them, into the shared folder `to`, under this machine's name there: the lines its report
// there lacks are merged in (in that report's date form, one step of the history, made from
// `origin`), and the names the shared list lacks are noted as this machine's additions. Nothing in
// `from` changes. Joining a folder and coming back to it go through here, whichever way.
BroughtIn BringIn(const std::string& from, const DataFolder& to, const std::string& origin);

// The setting that remembers the data folder the program last kept its files in.
inline constexpr const char* kLastDataFolderKey = "LastDataFolder";

// The data folder as it stands now, against the one last kept in: a shared folder come into from a
// folder of one machine (the setting DataFolder changed by hand) gets this machine's records and
// list from there (BringIn). Remembers the folder. Gives what to tell the user; empty when nothing
// came.
std::string ArriveInDataFolder();

}  // namespace tw
