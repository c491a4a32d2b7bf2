#include "app/away.h"

#include "app/tray.h"
#include "platform/platform.h"

namespace tw {

void PollAway(MainView& form, TrayWindow& window, AwayWatch& watch, StretchReminder& reminder) {
  const Platform& p = platform();
  const std::int64_t now = p.clock->UnixNow();
  if (const std::optional<Absence> absence = watch.Poll(now, RunningSince(form), IdleMinutes() * 60)) {
    RestoreWindow(window);
    AskAboutAbsence(form, *absence);
  }
  const std::string text = reminder.Poll(form, now, RemindHours());
  if (!text.empty()) p.shell->ShowBalloon(kProductName, text);
}

}  // namespace tw
