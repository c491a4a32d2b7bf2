#pragma once
// Message boxes. The style is a sum of one button set, one icon and the default button; the result
// is the button pressed, with the Windows codes.
#include <string>
#include <vector>

namespace tw {

namespace MsgStyle {
inline constexpr int OkOnly = 0;
inline constexpr int OkCancel = 1;
inline constexpr int AbortRetryIgnore = 2;
inline constexpr int YesNoCancel = 3;
inline constexpr int YesNo = 4;
inline constexpr int RetryCancel = 5;
inline constexpr int Critical = 16;
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;
inline constexpr int Information = 64;
inline constexpr int DefaultButton2 = 256;
inline constexpr int DefaultButton3 = 512;
}  // namespace MsgStyle

namespace MsgResult {
inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;
inline constexpr int Abort = 3;
inline constexpr int Retry = 4;
inline constexpr int Ignore = 5;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
}  // namespace MsgResult

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // Shows a modal message box and returns the button pressed.
  virtual int MsgBox(const std::string& prompt, int style, const std::string& title) = 0;
  // A modal question with buttons of the program's own captions ("&Keep Running", ...), in order:
  // returns the index of the button pressed. Enter presses defaultButton; Escape and the close box
  // press escapeButton.
  virtual int Choose(const std::string& prompt, const std::string& title,
                     const std::vector<std::string>& buttons, int defaultButton, int escapeButton) = 0;
};

}  // namespace tw
