#include "tests/reliability/hostile_files.h"

#include <random>

namespace tw::test {

DateTime HostileDay() { return MakeDateTime({2026, 12, 7}, 12, 0, 0); }

std::vector<std::string> ValidRecords() {
  return {"Alpha,12/7/2026 9:00:00 AM,12/7/2026 10:30:00 AM,layout, then proofs",
          std::string("B\0eta,12/7/2026 11:00 AM,12/7/2026 11:45 AM,nul \0 inside", 56),
          "Gamma \xff\xfe,12/7/2026 2:00 PM,12/7/2026 2:15 PM,caf\xc3\xa9 \xc3\x28 \xed\xa0\x80"};
}

std::vector<HostileFile> HostileFiles() {
  const std::vector<std::string> valid = ValidRecords();
  auto with = [&](const std::string& between, const std::string& lineEnd = "\r\n") {
    std::string text;
    for (const std::string& record : valid) text += between + record + lineEnd;
    return text + between;
  };
  std::mt19937 random(42);
  std::string garbage;
  for (int i = 0; i < 1 << 16; ++i) garbage += static_cast<char>(random() % 256);
  std::string crlfEmpty;
  for (int i = 0; i < 100000; ++i) crlfEmpty += "\r\n";

  return {
      {"binary garbage", with(garbage + "\n")},
      {"NUL bytes", with(std::string(5000, '\0') + "\n")},
      {"invalid UTF-8", with("\xc0\xaf\xed\xbf\xbf,\xf8\x88\x80\x80\x80,\xff,x\r\n")},
      {"a 10 MB line", with(std::string(10 << 20, 'x') + "\r\n")},
      {"a 10 MB record", with("Huge,12/8/2026 1:00 PM,12/8/2026 2:00 PM," + std::string(10 << 20, ',') + "\r\n")},
      {"CR alone", with("one\rtwo\rthree\r\n")},
      {"LF alone", with("", "\n")},
      {"records ended by CR alone", with("", "\r")},
      {"only commas", with(",,,\r\n,,,,,,,,\r\n,\r\n")},
      {"byte-order mark", "\xef\xbb\xbf" + with("")},
      {"100,000 empty lines", with(crlfEmpty)},
      {"no final line end", with("", "\r\n").substr(0, with("", "\r\n").size() - 2)},
      {"start in another form", with("Other,07.12.2026 09:00,07.12.2026 10:00,German form\r\n"
                                     "Other,2026-12-07T09:00,x,ISO with T\r\n")},
  };
}

std::vector<std::string> NonEmptyLines(const std::string& content) {
  std::vector<std::string> lines;
  size_t start = content.rfind("\xef\xbb\xbf", 0) == 0 ? 3 : 0;
  while (start < content.size()) {
    size_t end = content.find_first_of("\r\n", start);
    if (end == std::string::npos) end = content.size();
    const std::string line = content.substr(start, end - start);
    if (!line.empty()) lines.push_back(line);
    start = end + (content.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  return lines;
}

}  // namespace tw::test
