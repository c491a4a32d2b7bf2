#include "app/program_state.h"

namespace Setup {

tw::DateTime DisplayDate;
tw::NOTIFYICONDATA NotifyIconRecord;

}  // namespace Setup
