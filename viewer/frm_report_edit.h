#pragma once
// The entry editor: one stretch of the report window, to correct or delete.
#include <QDialog>
#include <QString>
#include <functional>
#include <optional>

#include "viewer/report_routines.h"
#include "widgets/registration.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace tw {

class frmReportEdit : public QDialog, public EntryEditor, public RegisteredForm<frmReportEdit> {
  Q_OBJECT

 public:
  explicit frmReportEdit(QWidget* parent);

  // Fills the boxes with the entry's texts, exactly as they are.
  void Fill(const EntryTexts& entry);

  // Where Save and Delete go when the editor was opened by another window than the report window
  // (the timeline): the form the entry's times are read in, and what Save (Update, with the boxes'
  // texts once they read as an entry) and Delete do; true closes the editor.
  struct Target {
    DateFormat form;
    std::function<bool(EntryAction, const EntryTexts&)> apply;
  };
  void SetTarget(Target target) { target_ = std::move(target); }

  // EntryEditor
  EntryTexts Entry() const override;
  void Unload() override;

  void done(int result) override;

 private:
  void Save();
  void Delete();

  QLineEdit* txtProject_ = nullptr;
  QLineEdit* txtProjectStart_ = nullptr;
  QLineEdit* txtProjectEnd_ = nullptr;
  QPlainTextEdit* txtComment_ = nullptr;
  QPushButton* cmdCancel_ = nullptr;
  QPushButton* cmdDelete_ = nullptr;
  QPushButton* cmdSave_ = nullptr;
  EntryTexts filled_;
  std::optional<Target> target_;
  // What each box showed when filled, to tell whether the user changed it.
  QString shown_[4];
};

}  // namespace tw
