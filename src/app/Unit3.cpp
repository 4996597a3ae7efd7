// Confirmation dialog: its window; the buttons come with the jobs.
#include "app/Unit3.h"

#include "fsutil/VEKGeneral.h"

Tconfirm* confirm = nullptr;

Tconfirm::Tconfirm(tk::TComponent* AOwner) : tk::TForm(AOwner) {
  SetName(L"confirm");
  SetCaption(vek::TranslateText(L"Confirm"));
  SetBorderStyle(tk::bsDialog);
  SetBorderIcons(tk::biSystemMenu);
  SetPosition(tk::poScreenCenter);
  SetDesignClientSize(431, 153);
  DoCreate();
}
