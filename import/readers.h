#pragma once
// Reading other programs' files into stretches: one small reader per format behind one routine.
// A reader gives what it could read and lists each line or item it could not read with its place
// and why. A Timewarrior data folder is read line by line, a month's file at a time, so that a
// history of millions of intervals never stands in memory; the other formats are read whole.
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "dates/date_format.h"
#include "platform/files.h"

namespace tw {

// A stretch of work as the import writes it: real moments, in seconds since 1970 (UTC).
struct ImportedStretch {
  std::string project;
  std::int64_t start = 0;
  std::int64_t end = 0;
  std::string comment;
};

struct Unreadable {
  std::string place;   // "line 12", "item 3", "data/2026-11.data line 4"
  std::string reason;
};

// Something read that the preview tells of: a repeating event and what it gave, a cancelled event
// left out, a comment cut.
struct ImportNote {
  std::string place;
  std::string text;
};

// What a reader hands on, in the file's order.
class ImportSink {
 public:
  virtual ~ImportSink() = default;
  virtual void Take(ImportedStretch&& stretch) = 0;
  virtual void Skip(Unreadable&& item) = 0;
  virtual void Note(ImportNote&&) {}
  // The share of the file read so far, 0 to 1, now and then; false stops the reading.
  virtual bool Progress(double) { return true; }
};

// A file read whole: what the readers of the smaller formats give.
struct ImportRead final : ImportSink {
  std::vector<ImportedStretch> stretches;
  std::vector<Unreadable> unreadable;
  std::vector<ImportNote> notes;
  // Set when the file is not of the format at all: one message, and nothing is imported.
  std::string refusal;

  // Keeps at most kHeldTextBytes of the project and of the comment (import/fit.h).
  void Take(ImportedStretch&& stretch) override;
  void Skip(Unreadable&& item) override { unreadable.push_back(std::move(item)); }
  void Note(ImportNote&& note) override { notes.push_back(std::move(note)); }
};

// A file to import, read again each time it is asked: for the preview, and again for the write,
// so that what is written is what the file holds then.
class ImportSource {
 public:
  virtual ~ImportSource() = default;
  // Hands every stretch and unreadable item to sink; answers why the file cannot be read or is not
  // of its format at all (nothing is imported then), or "".
  virtual std::string Read(ImportSink& sink) const = 0;
};

// Stretches read once and kept, handed on in order of start at every reading.
class ReadStretches final : public ImportSource {
 public:
  explicit ReadStretches(ImportRead read);
  std::string Read(ImportSink& sink) const override;

 private:
  ImportRead read_;
};

enum class ImportFormat {
  TimewarriorData,
  TimewarriorJson,
  Watson,
  Hamster,
  GTimeLog,
  Toggl,
  Clockify,
  ICalendar,
  TallywrightCsv,
  TallywrightJson,
  TallywrightReport,
};

struct ImportFormatInfo {
  ImportFormat format;
  const char* name;     // for --format and the window's list: "timewarrior"
  const char* title;    // as the window shows it: "Timewarrior data folder"
};
std::span<const ImportFormatInfo> ImportFormats();
std::optional<ImportFormat> ImportFormatNamed(std::string_view name);
const ImportFormatInfo& InfoOf(ImportFormat format);

// Only regular files are read, and a folder only as Timewarrior's data folder; a file read whole
// is at most this long.
inline constexpr std::uint64_t kMostWholeFileBytes = std::uint64_t{256} << 20;
// A line of a format read line by line is at most this long: a file that runs on for longer without
// a line end is not of its format.
inline constexpr std::size_t kLongestLine = std::size_t{1} << 20;

// Why path cannot be imported as it stands, or "": it is not there, it is no regular file (a folder
// is one where `folder`), or it cannot be opened ("cannot read PATH: Permission denied").
std::string ImportFileRefusal(const Files& files, const std::string& path, bool folder);

// The format a file or folder is in, from its name and its first bytes; nothing when none fits.
std::optional<ImportFormat> DetectImportFormat(const Files& files, const std::string& path);

// The file (or Timewarrior data folder) at path in that format, read at each reading as it is then.
// `user` is the form to read the dates of Tallywright's own files in where their records cannot
// tell. A data folder is read a line at a time, the other files whole. The Hamster database is
// read through the reader SetDatabaseReader installs, since it needs Qt's SQL.
std::unique_ptr<ImportSource> OpenImport(const Files& files, const std::string& path, ImportFormat format,
                                         const LocaleData& user);
// All of it at once, for the tests.
ImportRead ReadImport(const Files& files, const std::string& path, ImportFormat format, const LocaleData& user);

// The size of a file, 0 when it is not there.
std::uint64_t FileSizeOf(const std::string& path);

// The reader of Hamster's database, which needs Qt's SQL: the programs install it (import/hamster.h).
using DatabaseReader = ImportRead (*)(const std::string& path);
void SetDatabaseReader(DatabaseReader reader);

// A file's text in a format other than Hamster's: a leading byte-order mark left out, a line
// format's line longer than kLongestLine refused, then read by the format's reader.
ImportRead ReadImportText(std::string_view text, ImportFormat format, const LocaleData& user);

// The readers of text, for the tests and the fuzzer; `zone`-free formats give moments directly.
ImportRead ReadTimewarriorData(std::string_view text, const std::string& placePrefix = "");
ImportRead ReadTimewarriorJson(std::string_view text);
ImportRead ReadWatsonFrames(std::string_view text);
ImportRead ReadGTimeLog(std::string_view text);
ImportRead ReadServiceCsv(std::string_view text, ImportFormat format);
ImportRead ReadICalendar(std::string_view text);
ImportRead ReadTallywrightCsv(std::string_view text, const LocaleData& user);
ImportRead ReadTallywrightJson(std::string_view text);
ImportRead ReadTallywrightReport(std::string_view text, const LocaleData& user);

// The cells of RFC 4180 CSV text, row by row, with the line each row starts on. A quoted cell
// that runs to the end of the text sets `unclosed` to the line it begins on.
struct CsvRow {
  std::size_t line = 0;
  std::vector<std::string> cells;
};
std::vector<CsvRow> ParseCsv(std::string_view text, std::size_t* unclosed = nullptr);

}  // namespace tw
