#pragma once
// The Preferences window's data folder: where the program keeps its files (the setting
// DataFolder), whether that folder is shared with other machines, and this machine's name there.
#include <string>
#include <vector>

#include "state/main_view.h"

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
// then removed from the old folder. Into a shared folder a file takes this machine's name and the
// project list is merged with the one there. RunError when a file cannot be moved; what was moved
// stays moved.
void MoveProgramFiles(const std::string& from, const std::string& to, const std::string& device);

}  // namespace tw
