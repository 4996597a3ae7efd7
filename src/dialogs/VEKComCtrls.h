// TVEProgressBarIndeterminate: a progress bar that can run as a marquee.
#pragma once

#include "toolkit/ComCtrls.h"

namespace vek {

class TVEProgressBarIndeterminate : public tk::TProgressBar {
 public:
  TVEProgressBarIndeterminate(tk::TComponent* AOwner, tk::TWinControl* AParent);
  std::wstring ClassName() const override { return L"TVEProgressBarIndeterminate"; }
  bool Marquee() const { return FMarquee; }
  // Starts or stops the animation with the current MarqueeUpdate delay.
  void SetMarquee(bool value);
  // Takes effect the next time Marquee is written.
  int MarqueeUpdate() const { return FMarqueeUpdateDelay; }
  void SetMarqueeUpdate(int value) { FMarqueeUpdateDelay = value; }

 private:
  bool FMarquee = false;
  int FMarqueeUpdateDelay = 200;
};

}  // namespace vek
