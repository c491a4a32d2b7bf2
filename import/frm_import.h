#pragma once
// The Import window: a file of another tracker (or of Tallywright), its format recognised or
// chosen, and a preview of what an import adds before anything is written. Import writes it all
// in one step; Cancel writes nothing, during a long preview too.
#include <QDialog>
#include <functional>
#include <optional>

#include "import/import_command.h"
#include "state/main_view.h"
#include "widgets/registration.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace tw {

class frmImport : public QDialog, public RegisteredForm<frmImport> {
  Q_OBJECT

 public:
  frmImport(MainView& main, QWidget* parent);

  // Asks for a file, then shows the window with its preview; nothing when no file is chosen.
  static void Open(MainView& main, QWidget* parent);
  // Reads the file in the chosen format (or the one recognised) and shows the preview.
  void Preview(const std::string& path);
  const ImportPreview& preview() const { return preview_; }

  // Asks for a file or a folder to import (parent, whether a folder); an empty answer is none.
  // Tests put their own answer here.
  static inline std::function<QString(QWidget*, bool)> askPath;

  void Unload() override { reject(); }
  // Cancel, Escape and the close box: during a preview they stop it; after it, they write nothing.
  void reject() override;
  // Closed, the window is no longer the loaded one, though Qt deletes it a moment later.
  void done(int result) override;

 private:
  void Build();
  void ChooseFile(bool folder);
  void Import();
  ImportContext Context() const;

  MainView& main_;
  std::string path_;
  ImportPreview preview_;
  bool busy_ = false, cancelled_ = false;
  QLineEdit* txtFile_ = nullptr;
  QComboBox* cboFormat_ = nullptr;
  QCheckBox* chkNewProjects_ = nullptr;
  QPlainTextEdit* txtPreview_ = nullptr;
  QProgressBar* prgRead_ = nullptr;
  QPushButton* cmdImport_ = nullptr;
  QPushButton* cmdCancel_ = nullptr;
};

}  // namespace tw
