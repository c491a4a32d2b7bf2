#include "store/history.h"

#include <algorithm>
#include <charconv>

#include "platform/lines.h"
#include "platform/shared_folder.h"
#include "report/tab_fields.h"

namespace tw {
namespace {

constexpr std::string_view kHeader = "Tallywright history";

constexpr std::pair<StepKind, std::string_view> kKinds[] = {
    {StepKind::Edit, "edit"},     {StepKind::Delete, "delete"},   {StepKind::Add, "add"},
    {StepKind::Import, "import"}, {StepKind::Clear, "clear"},     {StepKind::Restore, "restore"},
    {StepKind::Merge, "merge"}};

std::string_view KindName(StepKind kind) {
  for (const auto& [k, name] : kKinds)
    if (k == kind) return name;
  return "";
}

std::optional<std::uint64_t> Number(std::string_view text) {
  std::uint64_t n = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return n;
}

// The fields of a step after its kind, in this order.
struct Field {
  std::string HistoryStep::*text = nullptr;
  std::uint64_t HistoryStep::*number = nullptr;
};
constexpr Field kFields[] = {{&HistoryStep::what, nullptr},   {&HistoryStep::file, nullptr},
                             {&HistoryStep::record, nullptr}, {nullptr, &HistoryStep::offset},
                             {&HistoryStep::before, nullptr}, {&HistoryStep::after, nullptr},
                             {nullptr, &HistoryStep::at},     {nullptr, &HistoryStep::size},
                             {&HistoryStep::hash, nullptr},   {&HistoryStep::aside, nullptr},
                             {&HistoryStep::put, nullptr},    {nullptr, &HistoryStep::made},
                             {nullptr, &HistoryStep::group}};

}  // namespace

const HistoryStep* HistoryState::Step(std::uint64_t number) const {
  for (const HistoryStep& s : steps)
    if (s.number == number) return &s;
  return nullptr;
}

std::string HistoryState::AsideOfUndo(std::uint64_t number) const {
  std::string found;
  for (const auto& [n, name] : asideByUndo)
    if (n == number) found = name;
  return found;
}

std::string StepLine(const HistoryStep& step) {
  std::string line = "step\t" + std::to_string(step.number) + "\t" + step.stamp + "\t" + EscapeField(step.origin) +
                     "\t" + std::string(KindName(step.kind));
  for (const Field& f : kFields)
    line += "\t" + (f.text ? EscapeField(step.*f.text) : std::to_string(step.*f.number));
  return line;
}

HistoryState ParseHistory(std::string_view text) {
  HistoryState state;
  const std::vector<std::string> lines = SplitLines(text);
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::vector<std::string_view> f = SplitTabs(lines[i]);
    if (f.size() < 4) continue;
    const std::optional<std::uint64_t> number = Number(f[1]);
    if (!number) continue;
    if (f[0] == "step" && f.size() == 5 + std::size(kFields)) {
      HistoryStep step;
      step.number = *number;
      step.stamp = f[2];
      const auto origin = UnescapeField(f[3]);
      const auto kind = std::find_if(std::begin(kKinds), std::end(kKinds), [&](const auto& k) { return k.second == f[4]; });
      if (!origin || kind == std::end(kKinds) || *number < state.next) continue;
      step.origin = *origin;
      step.kind = kind->first;
      bool whole = true;
      for (size_t k = 0; k < std::size(kFields) && whole; ++k) {
        if (kFields[k].text) {
          const auto value = UnescapeField(f[5 + k]);
          whole = value.has_value();
          if (whole) step.*kFields[k].text = *value;
        } else {
          const auto value = Number(f[5 + k]);
          whole = value.has_value();
          if (whole) step.*kFields[k].number = *value;
        }
      }
      if (!whole) continue;
      state.next = step.number + 1;
      state.done.push_back(step.number);
      state.undone.clear();  // a new step leaves nothing to redo
      state.steps.push_back(std::move(step));
    } else if (f[0] == "undo" && !state.done.empty() && state.done.back() == *number) {
      state.done.pop_back();
      state.undone.push_back(*number);
      if (f.size() > 4)
        if (const auto aside = UnescapeField(f[4])) state.asideByUndo.emplace_back(*number, *aside);
    } else if (f[0] == "redo" && !state.undone.empty() && state.undone.back() == *number) {
      state.undone.pop_back();
      state.done.push_back(*number);
    }
  }
  return state;
}

History::History(const Files& files, DataFolder folder) : files_(&files), folder_(std::move(folder)) {}

HistoryState History::Read() const {
  std::string text;
  FileMissing([&] { text = files_->ReadAll(folder_.Own(kHistoryFile)); });
  return ParseHistory(text);
}

HistoryStep History::Add(HistoryStep step) const {
  const std::string path = folder_.Own(kHistoryFile);
  step.number = Read().next;
  std::string bytes;
  if (!files_->Exists(path)) bytes.append(kHeader).append("\r\n");
  bytes += StepLine(step) + "\r\n";
  files_->Append(path, bytes);
  return step;
}

void History::Mark(bool undo, std::uint64_t number, const std::string& stamp, const std::string& origin,
                   const std::string& aside) const {
  std::string line = std::string(undo ? "undo" : "redo") + "\t" + std::to_string(number) + "\t" + stamp + "\t" +
                     EscapeField(origin);
  if (!aside.empty()) line += "\t" + EscapeField(aside);
  files_->Append(folder_.Own(kHistoryFile), line + "\r\n");
}

std::string History::AsidePath(const std::string& name) const { return folder_.File(name); }

std::string History::NewAsideName(std::uint64_t number, std::string_view what) const {
  return folder_.OwnName("projrpt." + std::to_string(number) + std::string(what) + ".hsb");
}

void History::Prune(std::int64_t unixNow, int days) const {
  if (days <= 0) return;
  const std::string path = folder_.Own(kHistoryFile);
  std::string text;
  if (FileMissing([&] { text = files_->ReadAll(path); })) return;
  const std::string oldest = UtcStamp(unixNow - std::int64_t{days} * 86400);
  const HistoryState state = ParseHistory(text);
  std::uint64_t keepFrom = 0;  // the first step kept
  for (const HistoryStep& s : state.steps)
    if (s.stamp >= oldest) {
      keepFrom = s.number;
      break;
    }
  if (keepFrom == 0) keepFrom = state.next;
  if (state.steps.empty() || state.steps.front().number >= keepFrom) return;
  std::string kept = std::string(kHeader) + "\r\n";
  std::vector<std::string> gone;
  for (const std::string& line : SplitLines(text)) {
    const std::vector<std::string_view> f = SplitTabs(line);
    const auto number = f.size() >= 2 ? Number(f[1]) : std::nullopt;
    if (!number) continue;
    if (*number >= keepFrom) {
      kept += line + "\r\n";
    } else if (const HistoryStep* s = state.Step(*number)) {
      for (const std::string* name : {&s->aside, &s->put})
        if (!name->empty()) gone.push_back(*name);
    }
  }
  for (const auto& [n, name] : state.asideByUndo)
    if (n < keepFrom) gone.push_back(name);
  files_->Replace(path, path + ".tmp", kept);
  for (const std::string& name : gone) FileMissing([&] { files_->Remove(AsidePath(name)); });
}

}  // namespace tw
