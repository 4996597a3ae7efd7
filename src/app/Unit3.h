// Confirmation dialog shown for paths handed over from Explorer: "&Yes" destroys the list.
#pragma once

#include "toolkit/Forms.h"
#include "toolkit/StdCtrls.h"

class Tconfirm : public tk::TForm {
 public:
  explicit Tconfirm(tk::TComponent* AOwner);
  std::wstring ClassName() const override { return L"Tconfirm"; }

  tk::TLabel* Label1;
  tk::TButton *FlatButton1, *FlatButton2;

  void FormShow(tk::TComponent* Sender);
  void FlatButton1Click(tk::TComponent* Sender);
  void FlatButton2Click(tk::TComponent* Sender);
};

extern Tconfirm* confirm;
