#include "state/program_state.h"

namespace Setup {

tw::DateTime DisplayDate;
int EditRow = 0;
tw::IconRecord NotifyIconRecord;

}  // namespace Setup
