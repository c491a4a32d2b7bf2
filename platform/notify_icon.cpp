#include "platform/notify_icon.h"

#include <cstring>

namespace tw {
namespace {

void PutLittleEndian(std::uint8_t* out, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace

std::array<std::uint8_t, 88> NOTIFYICONDATA::Bytes() const {
  std::array<std::uint8_t, 88> bytes{};
  const std::uint32_t fields[] = {cbSize, hWnd, uID, uFlags, uCallbackMessage, hIcon};
  for (int i = 0; i < 6; ++i) PutLittleEndian(&bytes[4 * i], fields[i]);
  std::memcpy(&bytes[24], szTip.data(), szTip.size());
  return bytes;
}

std::string NOTIFYICONDATA::Tip() const {
  const char* end = static_cast<const char*>(std::memchr(szTip.data(), '\0', szTip.size()));
  return std::string(szTip.data(), end ? end - szTip.data() : szTip.size());
}

NOTIFYICONDATA MakeNotifyIconRecord(std::uint32_t iconHolderWindow, std::uint32_t icon) {
  NOTIFYICONDATA record;
  record.cbSize = 88;
  record.hWnd = iconHolderWindow;
  record.uID = 1;
  record.uFlags = NIF_MESSAGE + NIF_ICON + NIF_TIP;
  record.uCallbackMessage = WM_MOUSEMOVE;
  record.hIcon = icon;
  record.szTip.fill(' ');
  const char tip[] = "Tallywright";
  std::memcpy(record.szTip.data(), tip, sizeof tip);  // with its terminating zero
  return record;
}

}  // namespace tw
