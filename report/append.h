#pragma once
// Appending one record to the report.
#include <string>

#include "platform/files.h"

namespace tw {

// The record line for a stretch, with its CR LF. It is always one record: line breaks become blanks,
// and so do commas in the project, start and end (the comment may hold commas).
std::string RecordLine(const std::string& project, const std::string& start, const std::string& end,
                       const std::string& comment);

// Appends a record line to "projrpt.pro" in folder: the whole line in one write, flushed, under the
// report's lock, so that another copy of the program rewriting the report cannot drop it with its
// rename.
void AppendRecord(const Files& files, const std::string& folder, const std::string& line);

}  // namespace tw
