#pragma once
// The Preferences window: the minutes without input that count as time away, the hours a stretch
// runs before a reminder, and where idle time comes from; the data folder, whether it is shared
// with other machines, and this machine's name there; the working-time target (its own group).
// OK saves, Cancel leaves the settings.
#include <QDialog>
#include <string>

#include "widgets/registration.h"

class QCheckBox;
class QLineEdit;

namespace tw {

class MainView;
class WorkTargetGroup;

class frmPreferences : public QDialog, public RegisteredForm<frmPreferences> {
  Q_OBJECT

 public:
  // Option > Preferences...: shows the window modally; sourceLine tells where idle time comes from,
  // main is the main window whose data folder OK may change (none: the folder is left as it is).
  static void ShowModal(const std::string& sourceLine, MainView* main);

  void Unload() override;

 protected:
  // OK and Enter: saves, or keeps the window open at a value to correct.
  void accept() override;

 private:
  frmPreferences(const std::string& sourceLine, MainView* main);

  // The tick as the folder in the box stands, at once: ticked and fixed for a shared folder,
  // unticked for any other until the user ticks it.
  void FolderChanged();
  // The name box: used for a shared folder, and fixed once this machine keeps records there under it.
  void NameBoxChanged();

  QLineEdit* txtIdleMinutes_ = nullptr;
  QLineEdit* txtRemindHours_ = nullptr;
  QLineEdit* txtDataFolder_ = nullptr;
  QCheckBox* chkShared_ = nullptr;
  QLineEdit* txtMachineName_ = nullptr;
  MainView* main_ = nullptr;
  WorkTargetGroup* work_ = nullptr;
};

}  // namespace tw
