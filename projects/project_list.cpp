#include "projects/project_list.h"

#include "errors/guard.h"
#include "platform/lines.h"
#include "platform/platform.h"
#include "platform/shared_folder.h"
#include "projects/shared_list.h"
#include "platform/translate.h"

namespace {
constexpr std::string_view kCrLf = "\r\n";
}  // namespace

namespace tw {

std::vector<std::string> ProjectEntries(const TrackingBoxes& form) {
  std::vector<std::string> names;
  const int count = form.ProjectCount();
  names.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) names.push_back(form.ProjectAt(i));
  return names;
}

std::string ListText(const std::vector<std::string>& names) {
  size_t size = kCrLf.size();
  for (const std::string& name : names) size += name.size() + kCrLf.size();
  std::string text;
  text.reserve(size);
  for (const std::string& name : names) text.append(name).append(kCrLf);
  text.append(kCrLf);
  return text;
}

std::string CollapseBlankLines(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  size_t start = 0;
  for (;;) {
    const size_t at = text.find(kCrLf, start);
    if (at == std::string_view::npos) break;
    out.append(text.substr(start, at + kCrLf.size() - start));
    start = at + kCrLf.size();
    while (text.substr(start, kCrLf.size()) == kCrLf) start += kCrLf.size();
  }
  out.append(text.substr(start));
  return out;
}

std::vector<std::string> SplitEditorLines(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  do {
    size_t end = text.find(kCrLf, start);
    if (end == std::string_view::npos) end = text.size();
    lines.emplace_back(text.substr(start, end - start));
    start = end + kCrLf.size();
  } while (start < text.size());
  return lines;
}

std::optional<size_t> FirstLineWithComma(const std::vector<std::string>& lines) {
  for (size_t i = 0; i < lines.size(); ++i)
    if (lines[i].find(',') != std::string::npos) return i;
  return std::nullopt;
}

std::string CommaRefusal(size_t lineNumber, std::string_view line) {
  // The name goes below the first line, where a message box never reads it as markup.
  return Arg(Tr("ProjectList", "A project name cannot contain a comma: the report keeps its fields apart by "
                               "commas.\n\nPlease change line %1:\n%2"),
             {std::to_string(lineNumber), line});
}

void SaveEditorText(TrackingBoxes& form, std::string_view text, const std::function<void()>& unload) {
  Guard step("frmProjectList/Save");
  // Checked before anything changes, so that the user finds the text as typed to correct it.
  bool refused = false;
  if (!step([&] {
        const std::vector<std::string> typed = SplitEditorLines(text);
        if (const auto bad = FirstLineWithComma(typed)) {
          refused = true;
          platform().dialogs->MsgBox(CommaRefusal(*bad + 1, typed[*bad]),
                                     MsgStyle::OkOnly + MsgStyle::Exclamation, kProductName);
        }
      }))
    return;
  if (refused) return;
  if (!step([&] { form.ClearProjects(); })) return;
  std::string collapsed;
  if (!step([&] { collapsed = CollapseBlankLines(text); })) return;
  if (!step([&] { form.AddProjects(SplitEditorLines(collapsed)); })) return;
  if (!step([&] { Setup::WriteProjectList(form); })) return;
  step(unload);
}

}  // namespace tw

namespace Setup {

bool ReadProjectList(tw::TrackingBoxes& form) {
  using namespace tw;
  const bool result = true;
  Guard step("Setup/ReadProjectList");
  if (!step([&] { form.ClearProjects(); })) return result;
  const std::string path = DataFile(kProjectListFile);
  std::string content;
  bool missing = false;
  if (!step([&] { missing = FileMissing([&] { content = platform().files->ReadAll(path); }); }))
    return result;
  if (missing) return false;
  if (!step([&] { form.AddProjects(SplitLines(content)); })) return result;
  // The second entry, as files the program writes always have one; a shorter list made by hand
  // selects what it has.
  step([&] { form.SetProjectIndex(form.ProjectCount() >= 2 ? 1 : form.ProjectCount() - 1); });
  return result;
}

bool ReloadProjectList(tw::TrackingBoxes& form) {
  const int index = form.ProjectIndex();
  const bool listed = index >= 0 && index < form.ProjectCount();
  const std::string chosen = listed ? form.ProjectAt(index) : form.ProjectText();
  const bool read = ReadProjectList(form);
  if (listed && index < form.ProjectCount() && form.ProjectAt(index) == chosen) {
    form.SetProjectIndex(index);
    return read;
  }
  for (int i = 0; i < form.ProjectCount() && !chosen.empty(); ++i)
    if (form.ProjectAt(i) == chosen) {
      form.SetProjectIndex(i);
      return read;
    }
  form.SetProjectText(chosen);
  return read;
}

void WriteProjectList(tw::TrackingBoxes& form) {
  using namespace tw;
  Guard step("Setup/WriteProjectList");
  std::string content;
  if (!step([&] { content = ListText(ProjectEntries(form)); })) return;
  // The whole list goes to a scratch file, is flushed and then renamed over the old one, so that
  // a crash or a full disk leaves the old list whole; another copy of the program waits meanwhile.
  if (!step([&] {
        const Platform& p = platform();
        const std::string list = DataFile(kProjectListFile);
        const Files::Lock lock = p.files->LockFor(list);
        // In a folder shared with other machines, what changed is noted for a later merge.
        const std::string folder = p.system->DataFolder();
        std::string before;
        if (IsSharedFolder(folder)) FileMissing([&] { before = p.files->ReadAll(list); });
        p.files->Replace(list, DataFile(kProjectListScratch), content);
        NoteProjectChanges(*p.files, folder, before, content, p.clock->UnixNow());
      }))
    return;
  step([&] { ReadProjectList(form); });
}

}  // namespace Setup
