#pragma once
// The entry editor: one stretch of the report window, to correct or delete.
#include <QDialog>
#include <QString>

#include "app/forms.h"
#include "viewer/entry.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace tw {

class frmReportEdit : public QDialog, public LoadedForm {
  Q_OBJECT

 public:
  explicit frmReportEdit(QWidget* parent);
  ~frmReportEdit() override;

  // The loaded editor, or nullptr.
  static frmReportEdit* Loaded();

  // Fills the boxes with the entry's texts, exactly as they are.
  void Fill(const EntryTexts& entry);
  // The boxes' texts; a box the user did not change gives back the bytes it was filled with.
  EntryTexts Entry() const;

  // LoadedForm
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

namespace Setup {

// Replaces ("Update", exactly) or removes (any other action) the entry the editor was opened on,
// in the report file, then closes the editor and shows the day again. Only that one line changes;
// when it is no longer in the file as it was read, nothing is written and the user is told.
void UpdateReport(const std::string& action);

}  // namespace Setup
