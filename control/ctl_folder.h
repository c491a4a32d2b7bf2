#pragma once
// tallywright-ctl with no copy of the program running: the data folder acted on directly, by the
// tracker the window would drive, with the same locks and the same running-stretch file.
#include <functional>
#include <memory>

#include "tracking/tracker.h"

namespace tw {

// The tracker of the data folder of platform(): its project box filled from the folder's list and
// the remembered project, its saved stretch taken up (TrackerModel::ActOnFolder). show is what Show
// does here: start the program.
std::unique_ptr<TrackerModel> FolderTracker(std::function<void()> show);

}  // namespace tw
