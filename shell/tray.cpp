#include "shell/tray.h"

#include "errors/guard.h"
#include "platform/platform.h"

namespace tw {

void MainFormResize(TrayWindow& form) {
  Guard step("frmMain/FR");
  step([&] {
    if (form.IsMinimized() && platform().shell->HasNotificationArea()) form.SetVisible(false);
  });
}

namespace {

void RestoreSteps(TrayWindow& form, Guard& step) {
  if (!step([&] { form.SetNormalState(); })) return;
  if (!step([&] { form.SetVisible(true); })) return;
  if (!step([&] { form.SetStatusText(kProductName); })) return;
  step([&] { form.BringToFront(); });
}

}  // namespace

void RestoreWindow(TrayWindow& form) {
  Guard step("frmMain/Restore");
  RestoreSteps(form, step);
}

void PicIconPress(TrayWindow& form, IconPress press) {
  Guard step("frmMain/picIcon");
  if (press == IconPress::Right) {
    step([&] { form.PopupOptionMenu(); });
  } else {
    RestoreSteps(form, step);
  }
}

}  // namespace tw
