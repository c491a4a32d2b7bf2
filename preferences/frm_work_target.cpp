#include "preferences/frm_work_target.h"

#include <QLineEdit>
#include <algorithm>

#include "desktop/qt_text.h"
#include "platform/platform.h"
#include "preferences/work_preferences.h"
#include "widgets/controls.h"
#include "widgets/twips.h"

namespace tw {

WorkTargetGroup::WorkTargetGroup(QWidget* window, double top, double width) : QGroupBox(tr("Working-time target"), window) {
  setObjectName("fraWorkTarget");
  PlaceTwips(this, 120, top, width - 240, kHeight);
  const WorkPreferences shown = CurrentWorkPreferences();
  QLabel* hours = MakeLabel(this, "lblTargetHours", tr("&Target hours on each weekday (empty: none):"));
  PlaceTwips(hours, 120, 300, width - 480, 255);
  static constexpr const char* kNames[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
  const QString labels[] = {tr("Mon"), tr("Tue"), tr("Wed"), tr("Thu"), tr("Fri"), tr("Sat"), tr("Sun")};
  const double each = (width - 480) / 7;
  for (std::size_t i = 0; i < hours_.size(); ++i) {
    const double left = 120 + each * static_cast<double>(i);
    QLabel* day = MakeLabel(this, (std::string("lblTarget") + kNames[i]).c_str(), labels[i]);
    PlaceTwips(day, left, 600, each - 60, 255);
    hours_[i] = new QLineEdit(FromBytes(shown.hours[i]), this);
    hours_[i]->setObjectName((std::string("txtTarget") + kNames[i]).c_str());
    hours_[i]->setMaxLength(std::max(8, static_cast<int>(hours_[i]->text().size())));  // an unreadable setting whole
    hours_[i]->setToolTip(tr("Hours as 8, 7.5 or 7:30"));
    hours_[i]->setAccessibleName(tr("Target hours on %1").arg(labels[i]));
    PlaceTwips(hours_[i], left, 870, each - 60, 285);
  }
  hours->setBuddy(hours_[0]);
  QLabel* off = MakeLabel(this, "lblDaysOff", tr("Days o&ff:"));
  PlaceTwips(off, 120, 1290, 1500, 255);
  txtDaysOff_ = new QLineEdit(FromBytes(shown.daysOff), this);
  txtDaysOff_->setObjectName("txtDaysOff");
  txtDaysOff_->setPlaceholderText("2026-12-24, 2026-12-28..2026-12-31");
  txtDaysOff_->setToolTip(tr("Days whose target counts as met; a stretch tagged #off marks one too"));
  off->setBuddy(txtDaysOff_);
  PlaceTwips(txtDaysOff_, 1680, 1245, width - 1920, 285);
  QLabel* since = MakeLabel(this, "lblBalanceSince", tr("Balance s&ince:"));
  PlaceTwips(since, 120, 1635, 1500, 255);
  txtBalanceSince_ = new QLineEdit(FromBytes(shown.since), this);
  txtBalanceSince_->setObjectName("txtBalanceSince");
  txtBalanceSince_->setPlaceholderText("2026-01-01");
  txtBalanceSince_->setMaxLength(10);
  since->setBuddy(txtBalanceSince_);
  PlaceTwips(txtBalanceSince_, 1680, 1590, 1500, 285);
  for (std::size_t i = 0; i + 1 < hours_.size(); ++i) QWidget::setTabOrder(hours_[i], hours_[i + 1]);
  QWidget::setTabOrder(hours_.back(), txtDaysOff_);
  QWidget::setTabOrder(txtDaysOff_, txtBalanceSince_);
}

QLineEdit* WorkTargetGroup::Last() const { return txtBalanceSince_; }

bool WorkTargetGroup::Check() {
  WorkPreferences typed;
  for (std::size_t i = 0; i < hours_.size(); ++i) typed.hours[i] = ToBytes(hours_[i]->text());
  typed.daysOff = ToBytes(txtDaysOff_->text());
  typed.since = ToBytes(txtBalanceSince_->text());
  typed_ = ReadTypedWork(typed);
  if (typed_.wrong < 0) return true;
  platform().dialogs->MsgBox(typed_.problem, MsgStyle::OkOnly | MsgStyle::Exclamation, kProductName);
  const int wrong = typed_.wrong;
  QLineEdit* box = wrong < 7 ? hours_[static_cast<std::size_t>(wrong)] : wrong == 7 ? txtDaysOff_ : txtBalanceSince_;
  box->setFocus();
  box->selectAll();
  return false;
}

bool WorkTargetGroup::Save() { return SaveTypedWork(typed_); }

}  // namespace tw
