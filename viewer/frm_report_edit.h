#pragma once
// The entry editor: one stretch of the report window, to correct or delete.
#include <QDialog>
#include <QString>

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
  // What each box showed when filled, to tell whether the user changed it.
  QString shown_[4];
};

}  // namespace tw
