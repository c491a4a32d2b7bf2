#pragma once
// The report's columns and the cells of its rows, as the report window and tallywright-report
// both show them.
#include <array>
#include <string>
#include <string_view>

#include "store/day_report.h"
#include "platform/translate.h"

namespace tw {

struct ReportColumn {
  const char* header;
  double widthTwips;  // in the report window
};

// The headers are English in the files scripts read and translated (context "Report") where a
// person reads them.
inline constexpr std::array<ReportColumn, 5> kReportColumns{{{TW_TEXT("Report", "Project Name"), 2000},
                                                             {TW_TEXT("Report", "Start of Project"), 1750},
                                                             {TW_TEXT("Report", "End of Project"), 1750},
                                                             {TW_TEXT("Report", "Project Time"), 1200},
                                                             {TW_TEXT("Report", "Comments"), 3100}}};

using ReportCells = std::array<std::string_view, kReportColumns.size()>;

// The headers.
ReportCells HeaderCells();
// A stretch: project, start and end as they stand in the file, its length, and the comment.
ReportCells RowCells(const DayRow& row);
// The total row, for a total text that outlives the cells.
ReportCells TotalCells(const std::string& total);

// The column after the comments in a report window over a folder shared by several machines: the
// machine that recorded the stretch, and the machine that edited it, when another one did.
inline constexpr ReportColumn kMachineColumn{TW_TEXT("Report", "Machine"), 1500};
std::string MachineCell(const DayRow& row);

// A row as a screen reader reads it: "Website redesign, 9:03 to 10:15, 1 hour 12 minutes, layout";
// the start and end as written where they are no date-time of format.
std::string SpokenRow(const DayRow& row, const DateFormat& format);
// A length in words: "1 hour 12 minutes", "45 minutes", "0 minutes".
std::string SpokenDuration(std::int64_t seconds);

}  // namespace tw
