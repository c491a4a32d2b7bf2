#pragma once
// The record of a stretch: the main window's project and comment with its start and end.
#include <string>

#include "state/main_view.h"
#include "store/record_store.h"

namespace tw {

// The project a record carries: the selected entry of the project box, or the box's edit text when
// no entry is selected.
std::string ChosenProject(const TrackingBoxes& form);

// One stretch as its record carries it: each field one line, and no comma before the comment.
struct Stretch {
  std::string project, start, end, comment;
  // The record line, without its line end.
  std::string Line() const;
};

// The main window's stretch from start to end, taken once where it ends (the button, the shutdown):
// its project as WriteRecord takes it and its comment.
Stretch StretchOf(const TrackingBoxes& form, const std::string& start, const std::string& end);
// The same with the project already chosen.
Stretch StretchOf(const std::string& project, const TrackingBoxes& form, const std::string& start,
                  const std::string& end);

}  // namespace tw

namespace Setup {

// Appends the stretch start..end with the main window's project and comment to "projrpt.pro".
// False when the record could not be written.
bool WriteRecord(const tw::TrackingBoxes& form, const std::string& start, const std::string& end);
// Appends a record line (without its line end) made by Stretch::Line; appended (if given) names the
// record as it was appended.
bool WriteRecord(const std::string& line, tw::RecordRef* appended = nullptr);

}  // namespace Setup
