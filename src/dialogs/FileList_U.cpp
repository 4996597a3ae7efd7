// TFileList_F: layout and the long-path conversion on show.
#include "dialogs/FileList_U.h"

#include "fsutil/VEKGeneral.h"

namespace vek {

using namespace tk;

TFileList_F::TFileList_F(TComponent* AOwner) : TVEKForm(AOwner) {
  SetCaption(TranslateText(L"Report"));
  SetBorderStyle(bsSizeable);
  SetDesignClientSize(443, 357);

  lblTitle = new TLabel(this, this);
  lblTitle->SetName(L"lblTitle");
  lblTitle->SetDesignBounds(8, 4, 0, 13);
  lblTitle->SetCaption(L"This is a placeholder for the title of this report");
  pnlPlaceholder = new TPanel(this, this);
  pnlPlaceholder->SetName(L"pnlPlaceholder");
  pnlPlaceholder->SetDesignBounds(8, 24, 429, 289);
  pnlPlaceholder->SetAnchors(akLeft | akTop | akRight | akBottom);
  lbFiles = new TListBox(this, pnlPlaceholder);
  lbFiles->SetName(L"lbFiles");
  lbFiles->SetDesignBounds(0, 0, 429, 289);
  lbFiles->SetVisible(false);
  reReport = new TRichEdit(this, pnlPlaceholder);
  reReport->SetName(L"reReport");
  reReport->SetDesignBounds(0, 0, 429, 289);
  reReport->SetVisible(false);
  pbOK = new TButton(this, this, TranslateText(L"OK"));
  pbOK->SetName(L"pbOK");
  pbOK->SetDesignBounds(360, 324, 75, 25);
  pbOK->SetAnchors(akRight | akBottom);
  pbOK->SetDefault(true);
  pbOK->SetCancel(true);
  pbOK->SetModalResult(mrOk);

  SetOnShow([this](TComponent* s) { FormShow(s); });
  DoCreate();
}

void TFileList_F::FormShow(TComponent*) {
  pnlPlaceholder->SetBevelOuter(bvNone);
  lbFiles->SetAlign(alClient);
  reReport->SetAlign(alClient);
  for (int i = 0; i < lbFiles->ItemCount(); ++i) lbFiles->SetItem(i, LongPathOf(lbFiles->Item(i)));
}

}  // namespace vek
