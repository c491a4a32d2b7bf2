#pragma once
// The report's columns and the cells of its rows, as the report window and tallywright-report
// both show them.
#include <array>
#include <string>
#include <string_view>

#include "store/day_report.h"

namespace tw {

struct ReportColumn {
  const char* header;
  double widthTwips;  // in the report window
};

inline constexpr std::array<ReportColumn, 5> kReportColumns{{{"Project Name", 2000},
                                                             {"Start of Project", 1750},
                                                             {"End of Project", 1750},
                                                             {"Project Time", 1200},
                                                             {"Comments", 3100}}};

using ReportCells = std::array<std::string_view, kReportColumns.size()>;

// The headers.
ReportCells HeaderCells();
// A stretch: project, start and end as they stand in the file, its length, and the comment.
ReportCells RowCells(const DayRow& row);
// The total row, for a total text that outlives the cells.
ReportCells TotalCells(const std::string& total);

// The column after the comments in a report window over a folder shared by several machines: the
// machine that recorded the stretch, and the machine that edited it, when another one did.
inline constexpr ReportColumn kMachineColumn{"Machine", 1500};
std::string MachineCell(const DayRow& row);

}  // namespace tw
