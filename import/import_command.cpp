#include "import/import_command.h"

#include "import/readers.h"
#include "platform/shared_folder.h"
#include "report/report_files.h"
#include "report/report_form.h"

namespace tw {

const char* const kImportUsage =
    "Usage: tallywright-ctl import FILE [--format NAME] [--dry-run] [--no-new-projects] [--json]\n"
    "\n"
    "Adds the stretches of another time tracker's file to Tallywright's report, in the report's own\n"
    "date form. A stretch the report already holds is skipped, so importing a file twice adds\n"
    "nothing. The whole import is written or nothing is; the report as it stood before is kept as\n"
    "projrpt.imp. The preview (stretches, period, projects, duplicates, overlaps, unreadable items)\n"
    "is printed first.\n"
    "\n"
    "  --format NAME      the file's format, when it is not recognised:\n";

ImportPreview PreviewImport(const ImportContext& c, const std::string& file, std::optional<ImportFormat> format,
                            const ImportProgress& progress) {
  ImportPreview preview{{}, DateFormat(c.user), nullptr};
  ImportPlan& plan = preview.plan;
  // Why the file cannot be read comes first: a file that cannot be opened has no format to find.
  plan.refusal = ImportFileRefusal(*c.files, file, !format || *format == ImportFormat::TimewarriorData);
  if (!plan.refusal.empty()) return preview;
  try {
    preview.form = DateFormat(ReportForm(*c.files, MachineFile(c.folder, kReportFile), c.user));
    if (!format) format = DetectImportFormat(*c.files, file);
    if (!format) {
      plan.refusal = "its format is not recognised; choose it";
      return preview;
    }
    preview.source = OpenImport(*c.files, file, *format, c.user);
    plan = PlanImportInto(*c.files, c.folder, *preview.source, preview.form, c.user, progress);
  } catch (const RunError& e) {  // a source answers its own file's failures: this one is the data folder's
    preview.source = nullptr;
    plan = ImportPlan{};
    plan.refusal = "cannot read the data folder's report: " + e.description();
  }
  return preview;
}

bool CommitImport(const ImportContext& c, ImportPreview& preview, bool newProjects) {
  if (!preview.source) return false;
  try {
    // Judged again against the report as it is now: what landed meanwhile counts as a duplicate, so
    // the answer says what this import added.
    preview.plan = WriteImport(*c.files, c.folder, *preview.source, preview.form, c.user, newProjects, c.unixNow,
                               ImportPeriod{preview.plan.first, preview.plan.last}, c.origin);
    return preview.plan.refusal.empty();
  } catch (const RunError& e) {
    preview.plan.refusal = "the report could not be written, nothing was imported: " + e.description();
    return false;
  }
}

int RunImportCommand(const std::vector<std::string>& args, const ImportContext& c, std::ostream& out,
                     std::ostream& err) {
  std::string file, formatName;
  bool dryRun = false, newProjects = true, json = false;
  const auto bad = [&](const std::string& why) {
    err << "tallywright-ctl import: " << why << "\n";
    return kImportBadCommand;
  };
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--help") {
      out << kImportUsage;
      for (const ImportFormatInfo& f : ImportFormats()) out << "                       " << f.name << ": " << f.title << "\n";
      out << "  --dry-run          print the preview, write nothing\n"
             "  --no-new-projects  leave the project list as it is\n"
             "  --json             print the preview as JSON\n"
             "Exit status: 0 when written (or nothing to write), 1 when refused, 2 for a bad command line.\n";
      return 0;
    }
    if (a == "--dry-run") dryRun = true;
    else if (a == "--no-new-projects") newProjects = false;
    else if (a == "--json") json = true;
    else if (a == "--format" || a.starts_with("--format=")) {
      if (a == "--format" && i + 1 >= args.size()) return bad("--format needs a format's name");
      formatName = a == "--format" ? args[++i] : a.substr(9);
    } else if (a.starts_with("-") && a != "-") {
      return bad("unknown option " + a);
    } else if (!file.empty()) {
      return bad("give one file to import");
    } else {
      file = a;
    }
  }
  if (file.empty()) return bad("give the file to import");
  std::optional<ImportFormat> format;
  if (!formatName.empty()) {
    format = ImportFormatNamed(formatName);
    if (!format) return bad("unknown format '" + formatName + "' (see --help)");
  }

  ImportPreview preview = PreviewImport(c, file, format);
  if (!format && preview.plan.refusal.starts_with("its format")) preview.plan.refusal += " with --format";
  const bool written = preview.plan.refusal.empty() && !dryRun && preview.plan.added > 0 &&
                       CommitImport(c, preview, newProjects) && preview.plan.added > 0;
  const ImportPlan& plan = preview.plan;
  if (json) {
    out << PlanJson(plan, written);
  } else {
    out << PlanText(plan, preview.form, newProjects);
    if (plan.refusal.empty())
      out << (written ? "Imported.\n" : dryRun ? "Nothing written (--dry-run).\n" : "Nothing to write.\n");
  }
  return plan.refusal.empty() ? 0 : kImportRefused;
}

}  // namespace tw
