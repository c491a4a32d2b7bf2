#pragma once
// Facts about the running program and the machine, and the few process-wide actions the program
// takes (beep, pointer, debugger, ending the process).
#include <optional>
#include <string>

namespace tw {

// What the error handler logs about the operating system and the power supply.
struct SysInfoFacts {
  int platform = 0;      // 1 Windows 95/98, 2 Windows NT; 0 here
  int build = 0;         // the kernel's patch level
  float version = 0.0f;  // the kernel's major.minor
  int battery = 255;     // AC line status: 1 on line, 0 off line, 255 unknown
};

class System {
 public:
  virtual ~System() = default;
  // The running executable's name without folder and extension, in its own letter case.
  virtual std::string ExeName() const = 0;
  // The folder that holds the executable.
  virtual std::string ProgramFolder() const = 0;
  // The folder that holds the data files (report, backup, scratch files, project list, crash log).
  virtual std::string DataFolder() const { return ProgramFolder(); }
  // Why the data files are not where they were, when the data folder moved away from the program
  // folder only because it cannot be written now; empty otherwise.
  virtual std::string DataFolderNotice() const { return ""; }
  virtual double TwipsPerPixel() const = 0;
  virtual double ScreenWidthTwips() const = 0;
  virtual double ScreenHeightTwips() const = 0;
  virtual SysInfoFacts SysInfo() const = 0;
  virtual void Beep() = 0;
  virtual void RestorePointer() = 0;
  // Stops in the debugger when one is attached; does nothing otherwise.
  virtual void DebugBreak() = 0;
  // Ends the process at once, with no clean-up.
  virtual void EndProcess(int exitCode) = 0;
};

// The parts of System that need no windowing platform.
class PosixSystem : public System {
 public:
  std::string ExeName() const override;
  std::string ProgramFolder() const override;
  // The folder the setting DataFolder names (read through platform().settings, made when first
  // asked for); without one, the program folder when its user may write there (a copy of the
  // program of its own), otherwise, installed for the whole system, the user's data folder, made
  // when first asked for.
  std::string DataFolder() const override;
  std::string DataFolderNotice() const override;
  double TwipsPerPixel() const override { return 15.0; }
  double ScreenWidthTwips() const override { return 0.0; }
  double ScreenHeightTwips() const override { return 0.0; }
  SysInfoFacts SysInfo() const override;
  void Beep() override {}
  void RestorePointer() override {}
  void DebugBreak() override;
  void EndProcess(int exitCode) override;
};

// The path of the running executable.
std::string ExecutablePath();
// Where the data files live: programFolder when it is writable, otherwise "Tallywright" in the
// user's data folder ($XDG_DATA_HOME when it is an absolute path, else ~/.local/share).
std::string ChooseDataFolder(const std::string& programFolder, bool programFolderWritable,
                             const char* xdgDataHome, const char* home);
// The setting that names the data folder; empty for the rule above.
inline constexpr const char* kDataFolderKey = "DataFolder";
// The folder a DataFolder setting names: an absolute path, or one under the home folder written
// "~/..."; nothing for an empty or relative one, which leaves the rule above.
std::optional<std::string> ChosenDataFolder(const std::string& setting, const char* home);
// SysInfo facts from a kernel release text ("6.1.0-18-amd64") and an AC status file's content.
SysInfoFacts SysInfoFromKernel(const std::string& release, int acOnline);

}  // namespace tw
