// Confirmation dialog shown for paths handed over from Explorer.
#pragma once

#include "toolkit/Forms.h"

class Tconfirm : public tk::TForm {
 public:
  explicit Tconfirm(tk::TComponent* AOwner);
  std::wstring ClassName() const override { return L"Tconfirm"; }
};

extern Tconfirm* confirm;
