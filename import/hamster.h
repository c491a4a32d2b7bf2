#pragma once
// Hamster's database (hamster.db, SQLite) read through Qt's SQL driver.
#include <string>

#include "import/readers.h"

namespace tw {

// The facts with an end: the project "activity@category" (the activity alone without a category),
// the description and the tags as the comment. Installed as the import's database reader.
ImportRead ReadHamster(const std::string& path);

}  // namespace tw
