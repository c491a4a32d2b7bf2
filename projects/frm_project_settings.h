#pragma once
// The Project settings window: a project's hourly rates, each from the day it takes effect,
// whether its work is billable, its budgets in hours and money (for its whole life and for each
// month), and the data folder's currency; kept in the rates file. Opened from the project list
// editor (for the project on its current line) and from Report > Rates... (for the main window's
// project). OK saves what changed, Cancel nothing.
#include <QDialog>
#include <string>
#include <vector>

#include "projects/project_terms.h"
#include "widgets/registration.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QTableWidget;

namespace tw {

class frmProjectSettings : public QDialog, public RegisteredForm<frmProjectSettings> {
  Q_OBJECT

 public:
  // Shows the window modally over parent for `project` (the first of `projects` when empty), the
  // project box offering `projects` and every project the rates name.
  static void ShowModal(QWidget* parent, const std::string& project, const std::vector<std::string>& projects);

  // What the window shows now, as the routines read it.
  TermsForm Form() const;
  void Unload() override;

 protected:
  void accept() override;

 private:
  frmProjectSettings(QWidget* parent, const std::string& project, const std::vector<std::string>& projects);
  void Load(const std::string& project);
  void ProjectChosen();
  void AddRate();
  // Writes what changed; false (with the user told why, the box to correct focused) when it cannot.
  bool Save();

  RatesBook rates_;
  TermsForm loaded_;  // as shown when the project was chosen: what changed is told from it
  QComboBox* cboProject_ = nullptr;
  QCheckBox* chkBillable_ = nullptr;
  QTableWidget* tblRates_ = nullptr;
  QLineEdit* txtTotalHours_ = nullptr;
  QLineEdit* txtTotalAmount_ = nullptr;
  QLineEdit* txtMonthHours_ = nullptr;
  QLineEdit* txtMonthAmount_ = nullptr;
  QLineEdit* txtCurrency_ = nullptr;
};

}  // namespace tw
