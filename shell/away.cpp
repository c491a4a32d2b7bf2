#include "shell/away.h"

#include "platform/platform.h"
#include "shell/tray.h"

namespace tw {

void PollAway(MainView& form, TrayWindow& window, AwayWatch& watch, StretchReminder& reminder) {
  const Platform& p = platform();
  const std::int64_t now = p.clock->UnixNow();
  std::optional<std::int64_t> since = RunningSince(form);
  if (const std::optional<Absence> absence = watch.Poll(now, since, IdleMinutes() * 60)) {
    RestoreWindow(window);
    AskAboutAbsence(form, *absence);
    watch.Answered();
    since = RunningSince(form);  // the answer may have ended the stretch or begun another
  }
  const std::string text = reminder.Poll(form, since, now, RemindHours());
  if (!text.empty()) p.shell->ShowBalloon(kProductName, text);
}

}  // namespace tw
