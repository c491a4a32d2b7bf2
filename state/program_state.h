#pragma once
// Program-wide values shared between start-up, shutdown, the notification icon and the report
// window.
#include "dates/date_value.h"
#include "platform/shell.h"

namespace Setup {

// The calendar day the report window shows; start-up sets it to now.
extern tw::DateTime DisplayDate;
// The 1-based row of the report window that the entry editor works on.
extern int EditRow;
// What the notification-area icon shows, filled at start-up and passed again at shutdown.
extern tw::IconRecord NotifyIconRecord;

}  // namespace Setup
