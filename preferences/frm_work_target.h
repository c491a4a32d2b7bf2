#pragma once
// The Preferences window's group of the working-time target: the hours to work on each weekday,
// the days off and the first day the balance counts. Saved with the window's OK.
#include <QGroupBox>
#include <array>

#include "preferences/work_preferences.h"

class QLineEdit;

namespace tw {

class WorkTargetGroup : public QGroupBox {
  Q_OBJECT

 public:
  // Placed at `top` (twips) across the window's width, filled from the settings.
  WorkTargetGroup(QWidget* window, double top, double width);
  // Its height, in twips.
  static constexpr double kHeight = 1980;
  // Reads what was typed, or tells what to correct and focuses its box: false then.
  bool Check();
  // Saves what Check read; false when it could not be saved.
  bool Save();
  QLineEdit* First() const { return hours_[0]; }
  QLineEdit* Last() const;

 private:
  std::array<QLineEdit*, 7> hours_{};
  QLineEdit* txtDaysOff_ = nullptr;
  QLineEdit* txtBalanceSince_ = nullptr;
  TypedWork typed_;
};

}  // namespace tw
