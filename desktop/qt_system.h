#pragma once
// System facts and actions that need the windowing platform: the screen, the beep, the pointer.
#include "platform/system.h"

namespace tw {

class QtSystem : public PosixSystem {
 public:
  double TwipsPerPixel() const override;
  double ScreenWidthTwips() const override;
  double ScreenHeightTwips() const override;
  void Beep() override;
  void RestorePointer() override;
};

}  // namespace tw
