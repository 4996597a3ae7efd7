// TVEKForm: creation event, then the translation hook.
#include "dialogs/VEKForms.h"

#include "fsutil/VEKGeneral.h"

namespace vek {

TVEKForm::TVEKForm(tk::TComponent* AOwner) : tk::TForm(AOwner) { SetPosition(tk::poScreenCenter); }

void TVEKForm::DoCreate() {
  tk::TForm::DoCreate();
  TranslateForm(this);
}

}  // namespace vek
