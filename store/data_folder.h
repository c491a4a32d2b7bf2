#pragma once
// The data folder as a value: where it is, whether several machines share it, this machine's name
// there, and so the names of this machine's files. Decided once (DataFolder::At) and handed to
// whoever reads or writes the folder, instead of each of them looking at the folder again.
#include <string>
#include <string_view>

namespace tw {

struct DataFolder {
  std::string path;
  bool shared = false;
  std::string machine;  // this machine's name in a shared folder; empty in a folder of one machine

  // This machine's file `name`: in a shared folder under its name ("projrpt.desk.pro"); a file of
  // the whole folder (the project list, the marker) as it is.
  std::string Own(std::string_view name) const;
  // This machine's file's name in the folder, without the folder ("projrpt.desk.pro").
  std::string OwnName(std::string_view name) const;
  // The folder's file `name` as it is named ("project.lst", or another machine's report).
  std::string File(std::string_view name) const;
  // This machine's report.
  std::string Report() const;

  // The folder at path as it stands now: shared once it holds the marker, this machine named by the
  // setting (or the host).
  static DataFolder At(const std::string& path);
  // A folder of one machine at path, looked at no further (tests, a report file named by the user).
  static DataFolder Plain(const std::string& path) { return DataFolder{path, false, ""}; }

  friend bool operator==(const DataFolder&, const DataFolder&) = default;
};

// The program's data folder as it stands now (platform().system->DataFolder()).
DataFolder ProgramDataFolder();

}  // namespace tw
