#pragma once
// The project list editor: the list as plain text, one name per line, with Save and Cancel, and
// Project Settings... for the project on the cursor's line. It is shown modally by
// Setup::ProjectList and stays loaded when cancelled, keeping the unsaved text.
#include <QDialog>
#include <string>

#include "state/main_view.h"
#include "widgets/registration.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tw {

class frmProjectList : public QDialog, public RegisteredForm<frmProjectList> {
  Q_OBJECT

 public:
  // The loaded editor; loads it (its text built from the project box of form) when it is not.
  static frmProjectList& Load(MainView& form);

  // Shows the editor modally, Save filling the project box of form; returns when the editor is
  // hidden or unloaded.
  void ShowModal(MainView& form);

  // The text box's text, lines separated by CR LF.
  std::string Text() const;
  void SetText(const std::string& text);

  // LoadedForm
  void Unload() override;

 protected:
  void reject() override;

 private:
  explicit frmProjectList(MainView& form);
  void Save();
  void Cancel();

  // The main window whose project box Save fills.
  MainView* form_;
  QPlainTextEdit* txtProjectList_ = nullptr;
  QLabel* lblInstructions_ = nullptr;
  QPushButton* cmdSave_ = nullptr;
  QPushButton* cmdCancel_ = nullptr;
  QPushButton* cmdSettings_ = nullptr;
};

// The editor that Update Projects shows: loaded when it is not, shown modally for form.
void ShowProjectListEditor(MainView& form);

}  // namespace tw
