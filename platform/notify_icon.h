#pragma once
// The desktop shell: the notification-area icon with the shell's record in its first,
// 8-bit-character form (88 bytes, little-endian), bringing a window to the front, starting another
// program, and the help viewer.
#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace tw {

inline constexpr std::uint32_t NIM_ADD = 0;
inline constexpr std::uint32_t NIM_MODIFY = 1;
inline constexpr std::uint32_t NIM_DELETE = 2;
inline constexpr std::uint32_t NIF_MESSAGE = 1;
inline constexpr std::uint32_t NIF_ICON = 2;
inline constexpr std::uint32_t NIF_TIP = 4;
inline constexpr std::uint32_t WM_MOUSEMOVE = 0x200;
inline constexpr std::uint32_t WM_LBUTTONDOWN = 0x201;
inline constexpr std::uint32_t WM_LBUTTONUP = 0x202;
inline constexpr std::uint32_t WM_LBUTTONDBLCLK = 0x203;
inline constexpr std::uint32_t WM_RBUTTONDOWN = 0x204;
inline constexpr std::uint32_t WM_RBUTTONUP = 0x205;
inline constexpr std::uint32_t WM_MBUTTONDOWN = 0x207;
inline constexpr std::uint32_t HELP_CONTENTS = 3;
inline constexpr std::uint32_t HELP_PARTIALKEY = 0x105;

struct NOTIFYICONDATA {
  std::uint32_t cbSize = 0;
  std::uint32_t hWnd = 0;
  std::uint32_t uID = 0;
  std::uint32_t uFlags = 0;
  std::uint32_t uCallbackMessage = 0;
  std::uint32_t hIcon = 0;
  std::array<char, 64> szTip{};

  // The record as the shell reads it.
  std::array<std::uint8_t, 88> Bytes() const;
  // The tip up to its terminating zero.
  std::string Tip() const;
};

// The record the program registers: size 88, the icon holder's window, identifier 1, flags 7,
// callback WM_MOUSEMOVE, the icon, and the tip "Tallywright", a zero and blanks to 64 bytes.
NOTIFYICONDATA MakeNotifyIconRecord(std::uint32_t iconHolderWindow, std::uint32_t icon);

class Shell {
 public:
  virtual ~Shell() = default;
  virtual bool Shell_NotifyIconA(std::uint32_t message, const NOTIFYICONDATA& data) = 0;
  virtual bool SetForegroundWindow(std::uint32_t window) = 0;
  // True while the desktop has a notification area showing the program's icon; without one a
  // window hidden there could not be brought back.
  virtual bool HasNotificationArea() const = 0;
  // A balloon message from the notification icon; false while the program has no icon.
  virtual bool ShowBalloon(const std::string& title, const std::string& text) = 0;
  // What a click on a balloon message runs.
  virtual void OnBalloonClick(std::function<void()> onClick) = 0;
  // Starts the program at path in a normal window that gets the focus, without waiting for it.
  // RunError 53 when there is no such program, 75 when it cannot be started.
  virtual void StartProgram(const std::string& path) = 0;
  // Opens helpFile in the help viewer, owned by window: HELP_CONTENTS at its contents,
  // HELP_PARTIALKEY at its keyword search with data (a zero-terminated keyword) typed in.
  virtual bool WinHelpA(std::uint32_t window, const std::string& helpFile, std::uint32_t command,
                        const void* data) = 0;
};

}  // namespace tw
