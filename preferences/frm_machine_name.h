#pragma once
// The first start on a machine whose data folder is already shared by others: the machine's name
// there (the host's, to confirm or change), never one another machine of the folder uses.
#include <QDialog>
#include <string>

class QLineEdit;

namespace tw {

class frmMachineName : public QDialog {
  Q_OBJECT

 public:
  // Asks until a name is accepted, and saves it as the setting DeviceName.
  static void Ask(const std::string& folder);

 protected:
  // OK, Enter, Escape and the close box alike: the name typed is checked and kept, or refused
  // with a message and the window stays.
  void accept() override;
  void reject() override { accept(); }

 private:
  explicit frmMachineName(const std::string& folder);

  std::string folder_;
  QLineEdit* txtName_ = nullptr;
};

}  // namespace tw
