#include "viewer/report_columns.h"

namespace tw {

ReportCells HeaderCells() {
  ReportCells cells;
  for (size_t i = 0; i < cells.size(); ++i) cells[i] = kReportColumns[i].header;
  return cells;
}

ReportCells RowCells(const DayRow& row) {
  const RecordFields f = row.fields();
  return {f.project, f.start, f.end, row.duration, f.comment};
}

std::string MachineCell(const DayRow& row) {
  if (!row.origin) return "";
  const RowOrigin& o = *row.origin;
  return o.amendedOn.empty() || o.amendedOn == o.device ? o.device : o.device + ", edited on " + o.amendedOn;
}

ReportCells TotalCells(const std::string& total) { return {kTotalLabel, "", "", total, ""}; }

}  // namespace tw
