#pragma once
// Message boxes drawn by Qt, answering with the Windows button codes.
#include "platform/dialogs.h"

namespace tw {

class QtDialogs : public Dialogs {
 public:
  int MsgBox(const std::string& prompt, int style, const std::string& title) override;
  int Choose(const std::string& prompt, const std::string& title,
             const std::vector<std::string>& buttons, int defaultButton, int escapeButton) override;
};

}  // namespace tw
