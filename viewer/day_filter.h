#pragma once
// The quick looks that let a scan of the whole report pass over the lines of other days without
// reading them as records.
#include <string_view>

#include "platform/date_format.h"

namespace tw {

// A look at a start text's date part alone: false only when format.Parse(text) cannot give a
// value on `day` (whatever its time part says). True does not promise a value: Parse decides.
bool MayBeOnDay(const DateFormat& format, std::string_view text, const CivilDate& day);

}  // namespace tw
