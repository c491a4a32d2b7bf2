#include "app/tray.h"

#include <cmath>

#include "errors/guard.h"
#include "platform/platform.h"

namespace tw {

std::uint32_t MouseMessageFromX(double x, double twipsPerPixel) {
  if (!(twipsPerPixel > 0) || !std::isfinite(x)) return 0;
  const double message = std::round(x / twipsPerPixel);
  return message >= 0 && message <= 0xFFFF ? static_cast<std::uint32_t>(message) : 0;
}

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
  step([&] { platform().shell->SetForegroundWindow(form.WindowHandle()); });
}

}  // namespace

void RestoreWindow(TrayWindow& form) {
  Guard step("frmMain/Restore");
  RestoreSteps(form, step);
}

void PicIconMouseMove(TrayWindow& form, double x) {
  Guard step("frmMain/picIcon");
  std::uint32_t message = 0;
  if (!step([&] { message = MouseMessageFromX(x, platform().system->TwipsPerPixel()); })) return;
  if (message == WM_RBUTTONDOWN) {
    step([&] { form.PopupOptionMenu(); });
  } else if (message == WM_LBUTTONDOWN) {
    RestoreSteps(form, step);
  }
}

}  // namespace tw
