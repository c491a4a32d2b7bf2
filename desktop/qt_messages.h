#pragma once
// What Qt prints on standard error while the program runs.

namespace tw {

// From now on Qt's notices go where they went before, except the one that the user's runtime
// folder is not set (a start outside a login session): Qt then uses a folder of its own in /tmp,
// which serves, and there is nothing for the user to do about it. Call it before the application
// object is made, which looks for that folder first.
void QuietenRuntimeFolderNotice();

}  // namespace tw
