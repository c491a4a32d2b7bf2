#pragma once
// The import on the command line: tallywright-ctl import FILE [--format NAME] [--dry-run]
// [--no-new-projects] [--json]. It prints the preview the window shows, and writes unless
// --dry-run.
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include <functional>
#include <memory>
#include <optional>

#include "dates/date_format.h"
#include "import/import_write.h"
#include "platform/files.h"

namespace tw {

// Exit status: 0 written (or nothing to write), 1 refused, 2 a bad command line.
inline constexpr int kImportRefused = 1;
inline constexpr int kImportBadCommand = 2;

struct ImportContext {
  const Files* files;
  std::string folder;      // the data folder
  LocaleData user;         // the user's form, for a report without records
  std::int64_t unixNow = 0;
  std::string origin = "window";  // where the import comes from, for the history
};

// What an import of a file would do, with the report's form it would be written in and the file
// to read again for the write. A file that cannot be read, or whose format is not recognised (no
// format given), is refused.
struct ImportPreview {
  ImportPlan plan;
  DateFormat form;
  std::shared_ptr<const ImportSource> source;
};
ImportPreview PreviewImport(const ImportContext& context, const std::string& file, std::optional<ImportFormat> format,
                            const ImportProgress& progress = {});
// Writes the preview's records (and new projects, when asked), its plan becoming what was written;
// false, with the reason as the plan's refusal, when nothing could be written.
bool CommitImport(const ImportContext& context, ImportPreview& preview, bool newProjects);

// Runs the verb with its arguments (after "import"); returns the exit status.
int RunImportCommand(const std::vector<std::string>& args, const ImportContext& context, std::ostream& out,
                     std::ostream& err);

// The verb's help.
extern const char* const kImportUsage;

}  // namespace tw
