// TVEProgressBarIndeterminate: marquee style and its switch.
#include "dialogs/VEKComCtrls.h"

#include <commctrl.h>

namespace vek {

TVEProgressBarIndeterminate::TVEProgressBarIndeterminate(tk::TComponent* AOwner, tk::TWinControl* AParent)
    : tk::TProgressBar(AOwner, AParent, PBS_MARQUEE) {}

void TVEProgressBarIndeterminate::SetMarquee(bool value) {
  FMarquee = value;
  ::SendMessageW(Handle(), PBM_SETMARQUEE, value ? 1 : 0, FMarqueeUpdateDelay);
}

}  // namespace vek
