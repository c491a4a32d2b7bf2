#pragma once
// The desktop shell as the program asks it: the notification-area icon and the presses on it, a
// balloon message from the icon, finding and starting another program, and the help viewer.
#include <functional>
#include <string>

#include "platform/product.h"

namespace tw {

// What the notification icon shows: its tip, under the program's icon. Filled once at start-up
// and passed again when the icon is taken away at shutdown.
struct IconRecord {
  std::string tip;
  friend bool operator==(const IconRecord&, const IconRecord&) = default;
};

// The program's icon record: the tip is the program's name.
inline IconRecord MakeNotifyIconRecord() { return IconRecord{kProductName}; }

// The presses on the icon the program answers; the shell reports no other (a double click, the
// middle button, a release or a move over the icon do nothing).
enum class IconPress { Left, Right };

// Where the help viewer opens the help file: at its contents, or at its keyword search with an
// empty keyword.
enum class HelpPage { Contents, Search };

class Shell {
 public:
  virtual ~Shell() = default;
  // Shows the icon in the notification area; false when it is shown already.
  virtual bool AddIcon(const IconRecord& icon) = 0;
  // Takes the icon away; false when it is not shown.
  virtual bool RemoveIcon(const IconRecord& icon) = 0;
  // What a left or right press on the icon runs.
  virtual void OnIconPress(std::function<void(IconPress)> onPress) = 0;
  // True while the desktop has a notification area showing the program's icon; without one a
  // window hidden there could not be brought back.
  virtual bool HasNotificationArea() const = 0;
  // A message to the user that a click answers: through the desktop's notification service where
  // there is one, else a balloon of the notification icon; false when neither can show it.
  virtual bool ShowBalloon(const std::string& title, const std::string& text) = 0;
  // What a click on a balloon message runs.
  virtual void OnBalloonClick(std::function<void()> onClick) = 0;
  // Where ShowBalloon's messages go on this desktop, for the Preferences window; empty when unknown.
  virtual std::string BalloonsThrough() const { return ""; }
  // The full name of the program called name in a folder of the search path (PATH), or empty.
  virtual std::string FindProgram(const std::string& name) const = 0;
  // Starts the program at path in a normal window that gets the focus, without waiting for it.
  // RunError 53 when there is no such program, 75 when it cannot be started.
  virtual void StartProgram(const std::string& path) = 0;
  // Opens helpFile in the help viewer at page.
  virtual void OpenHelp(const std::string& helpFile, HelpPage page) = 0;
};

}  // namespace tw
