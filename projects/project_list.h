#pragma once
// The project list: "project.lst" in the program folder, one name per line, and the project box.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "state/main_view.h"

namespace tw {

inline constexpr const char* kProjectListFile = "project.lst";
// Where the new list is written before it is put in place of the old one.
inline constexpr const char* kProjectListScratch = "project.lst.tmp";

// The entries of the project box, in order.
std::vector<std::string> ProjectEntries(const TrackingBoxes& form);

// The list as the file and the editor hold it: every name followed by CR LF, and one CR LF more
// (the empty entry one past the last).
std::string ListText(const std::vector<std::string>& names);

// The editor's text with every run of line ends made one: no empty line is left between names,
// and an empty first line stays.
std::string CollapseBlankLines(std::string_view text);

// The editor's text cut at each CR LF. The first line is always taken (an empty text gives one
// empty name), and a last line is taken whether or not it ends with CR LF.
std::vector<std::string> SplitEditorLines(std::string_view text);

// The position of the first line that holds a comma, which no report record can carry.
std::optional<size_t> FirstLineWithComma(const std::vector<std::string>& lines);

// What the editor tells the user when it refuses line `lineNumber` (1-based).
std::string CommaRefusal(size_t lineNumber, std::string_view line);

// Save in the project list editor: refuses a text with a comma in a name (a message box; nothing
// changes), otherwise puts the text's names into the project box, writes the list and calls
// unload. Location "frmProjectList/Save".
void SaveEditorText(TrackingBoxes& form, std::string_view text, const std::function<void()>& unload);

}  // namespace tw

namespace Setup {

// Fills the project box from "project.lst" and selects its second entry. False only when the file
// does not exist.
bool ReadProjectList(tw::TrackingBoxes& form);
// Reads the list again and keeps the project the box holds: the entry chosen (at its place when it
// is still there, else the first entry of its name) or the text typed, which stays typed when no
// entry holds it; an empty box stays empty. Every reload of the list goes through here: a merge of a shared folder's
// list, an import's new names, a new data folder. False only
// when the file does not exist.
bool ReloadProjectList(tw::TrackingBoxes& form);

// Writes the project box to "project.lst" (through a scratch file, so the old list stays whole
// until the new one is complete), with one empty line after the last name, and reads it back.
void WriteProjectList(tw::TrackingBoxes& form);

}  // namespace Setup
