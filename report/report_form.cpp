#include "report/report_form.h"

#include <algorithm>

#include "platform/lines.h"
#include "platform/platform.h"
#include "report/record.h"
#include "report/report_files.h"
#include "platform/translate.h"

namespace tw {
namespace {

// The first records settle the form: enough of them to pass the 12th of a month, few enough to be
// read at once.
constexpr size_t kSampleBytes = 64 * 1024;
constexpr size_t kSampleRecords = 256;

struct Sample {
  std::string lines;  // the lines read, each with a line feed: while they stay, so does the form
  std::vector<RecordTimes> records;
};

Sample SampleOf(const Files& files, const std::string& path) {
  Sample sample;
  FileMissing([&] {
    Files::Reader reader = files.OpenRead(path);
    LineReader lines(reader, kSampleBytes);
    std::string_view line;
    while (sample.records.size() < kSampleRecords && sample.lines.size() < kSampleBytes &&
           lines.Next(line)) {
      line = line.substr(0, kSampleBytes - sample.lines.size());  // a huge line counts by its start
      sample.lines.append(line).push_back('\n');
      if (const auto f = SplitRecord(line))
        sample.records.push_back(RecordTimes{std::string(f->start), std::string(f->end)});
    }
  });
  return sample;
}

bool Shows(const std::string& pattern, DateToken::Kind kind) {
  for (const DateToken& t : TokenizeDatePattern(pattern))
    if (t.kind == kind) return true;
  return false;
}

bool NamesMonths(const LocaleData& form) {
  return Shows(form.shortDate, DateToken::MonthName) || Shows(form.longTime, DateToken::MonthName);
}

template <size_t N>
std::string Joined(const std::array<std::string, N>& names) {
  std::string out;
  for (const std::string& name : names) out += (out.empty() ? "" : "|") + name;
  return out;
}

template <size_t N>
bool Split(std::string_view text, std::array<std::string, N>& names) {
  for (size_t i = 0; i < N; ++i) {
    const size_t bar = i + 1 < N ? text.find('|') : text.size();
    if (bar == std::string_view::npos) return false;
    names[i] = text.substr(0, bar);
    text.remove_prefix(std::min(bar + 1, text.size()));
  }
  return true;
}

// The form, settled from the sample and the kept form, and kept when `keep` and the kept file
// holds another (a failure to keep it only means it is settled again next time).
SettledForm Settle(const Files& files, const std::string& path, const LocaleData& user,
                   const Sample& sample, bool keep) {
  if (sample.records.empty() && !keep) return SettledForm{user};
  const std::string keptFile = FormFileOf(path);
  std::string keptText;
  try {
    FileMissing([&] { keptText = files.ReadAll(keptFile); });
  } catch (const RunError&) {
    keptText.clear();
  }
  const auto kept = ParseFormText(keptText, user);
  const SettledForm settled = sample.records.empty()
                                  ? SettledForm{user}
                                  : SettleDateForm(sample.records, user, kept ? &*kept : nullptr);
  if (keep && FormText(settled.form) != keptText) {
    try {
      const Files::Lock lock = files.LockFor(path);
      files.Replace(keptFile, keptFile + ".tmp", FormText(settled.form));
    } catch (const RunError&) {
    }
  }
  return settled;
}

// The form last settled for the program's report, with what settled it: the program reads one
// report, many times over.
struct LastSettled {
  std::string path;
  LocaleData user;
  std::string lines;
  bool kept = false;
  bool mixed = false;
  std::optional<DateFormat> format;
};
LastSettled& Last() {
  static LastSettled last;
  return last;
}

}  // namespace

std::string FormFileOf(const std::string& reportPath) {
  const size_t slash = reportPath.find_last_of('/');
  const size_t dot = reportPath.find_last_of('.');
  const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash + 1);
  return reportPath.substr(0, hasExtension ? dot : reportPath.size()) + ".fmt";
}

std::string FormText(const LocaleData& form) {
  std::string text = "; The form of the dates and times in the report's records\r\n";
  auto line = [&](const char* name, const std::string& value) { text += name + ("=" + value) + "\r\n"; };
  line("ShortDate", form.shortDate);
  line("LongTime", form.longTime);
  line("ShortTime", form.shortTime);
  line("AM", form.am);
  line("PM", form.pm);
  if (NamesMonths(form)) {
    line("Months", Joined(form.monthNames));
    line("ShortMonths", Joined(form.shortMonthNames));
  }
  return text;
}

std::optional<LocaleData> ParseFormText(std::string_view text, const LocaleData& base) {
  LocaleData form = base;
  int patterns = 0;
  for (const std::string& line : SplitLines(text)) {
    const size_t equals = line.find('=');
    if (line.empty() || line[0] == ';' || equals == std::string::npos) continue;
    const std::string name = line.substr(0, equals);
    const std::string value = line.substr(equals + 1);
    if (name == "ShortDate" || name == "LongTime") ++patterns;
    if (name == "ShortDate") form.shortDate = value;
    else if (name == "LongTime") form.longTime = value;
    else if (name == "ShortTime") form.shortTime = value;
    else if (name == "AM") form.am = value;
    else if (name == "PM") form.pm = value;
    else if ((name == "Months" && !Split(value, form.monthNames)) ||
             (name == "ShortMonths" && !Split(value, form.shortMonthNames)))
      return std::nullopt;
  }
  // A form that could not write a day and a time is none.
  const bool month =
      Shows(form.shortDate, DateToken::Month) || Shows(form.shortDate, DateToken::MonthName);
  if (patterns != 2 || !month || !Shows(form.shortDate, DateToken::Day) ||
      !Shows(form.shortDate, DateToken::Year) || !Shows(form.longTime, DateToken::Hour) ||
      !Shows(form.longTime, DateToken::Minute))
    return std::nullopt;
  return form;
}

LocaleData ReportForm(const Files& files, const std::string& reportPath, const LocaleData& user) {
  return Settle(files, reportPath, user, SampleOf(files, reportPath), false).form;
}

DateFormat ReportDateFormat(bool writing) {
  LastSettled& last = Last();
  const Platform& p = platform();
  const std::string path = DataFile(kReportFile);
  const LocaleData& user = p.dateFormat->data();
  Sample sample;
  try {
    sample = SampleOf(*p.files, path);
  } catch (const RunError&) {
    // The report cannot be read now: what reads or writes it next tells the user. Until then, the
    // form last settled for it, else the user's.
    if (last.format && last.path == path && last.user == user) return *last.format;
    return *p.dateFormat;
  }
  const bool keep = writing || !sample.records.empty();
  if (!last.format || last.path != path || !(last.user == user) || last.lines != sample.lines ||
      (keep && !last.kept)) {
    const SettledForm settled = Settle(*p.files, path, user, sample, keep);
    last.path = path;
    last.user = user;
    last.lines = std::move(sample.lines);
    last.kept = keep;
    last.mixed = settled.Mixed();
    last.format.emplace(settled.form);
  }
  return *last.format;
}

bool ReportHoldsOtherForms() {
  ReportDateFormat();
  const LastSettled& last = Last();
  return last.path == DataFile(kReportFile) && last.mixed;
}

std::string TimeBoxTip(std::string_view box) {
  return Arg(Tr("MainWindow", "%1 in %2 format"), {box, FormPicture(ReportDateFormat().data())});
}

}  // namespace tw
