// TFileList_F: the modal "Report" window: a heading above a list of files, and OK.
#pragma once

#include "dialogs/VEKForms.h"
#include "toolkit/StdCtrls.h"

namespace vek {

class TFileList_F : public TVEKForm {
 public:
  explicit TFileList_F(tk::TComponent* AOwner = nullptr);
  std::wstring ClassName() const override { return L"TFileList_F"; }

  tk::TLabel* lblTitle;
  tk::TPanel* pnlPlaceholder;
  tk::TListBox* lbFiles;
  tk::TRichEdit* reReport;
  tk::TButton* pbOK;

  // Each showing turns every listed path into its long form (empty when it no longer exists).
  void FormShow(tk::TComponent* Sender);
};

}  // namespace vek
