// TVEKForm: the base of the library's forms; centred, translated right after creation.
#pragma once

#include "toolkit/Forms.h"

namespace vek {

class TVEKForm : public tk::TForm {
 public:
  explicit TVEKForm(tk::TComponent* AOwner = nullptr);
  std::wstring ClassName() const override { return L"TVEKForm"; }

 protected:
  void DoCreate() override;
};

}  // namespace vek
