// Confirmation dialog: topmost, "&Yes" runs the context-menu job, "&No" hides to the tray.
#include "app/Unit3.h"

#include "app/Icons.h"
#include "app/Unit1.h"
#include "fsutil/VEKGeneral.h"

using namespace tk;

Tconfirm* confirm = nullptr;

Tconfirm::Tconfirm(TComponent* AOwner) : TForm(AOwner) {
  SetName(L"confirm");
  SetCaption(vek::TranslateText(L"Confirm"));
  SetBorderStyle(bsDialog);
  SetBorderIcons(biSystemMenu);
  SetPosition(poScreenCenter);
  SetDesignClientSize(431, 153);

  auto* picture = new TLabel(this, this);
  ::SetWindowLongW(picture->Handle(), GWL_STYLE, ::GetWindowLongW(picture->Handle(), GWL_STYLE) | SS_ICON);
  picture->SetAutoSize(false);
  picture->SetDesignBounds(16, 16, 64, 64);
  ::SendMessageW(picture->Handle(), STM_SETICON, reinterpret_cast<WPARAM>(::LoadIconW(nullptr, IDI_WARNING)), 0);
  Label1 = new TLabel(this, this);
  Label1->SetAutoSize(false);
  Label1->SetDesignBounds(88, 24, 336, 60);
  Label1->SetCaption(
      vek::TranslateText(L"Are you sure you want to permanently delete the selected\r\n file(s) or folder(s)?"));
  FlatButton1 = new TButton(this, this, vek::TranslateText(L"&Yes"));
  FlatButton1->SetName(L"FlatButton1");
  FlatButton1->SetDesignBounds(205, 111, 102, 30);
  FlatButton1->SetOnClick([this](TComponent* s) { FlatButton1Click(s); });
  FlatButton2 = new TButton(this, this, vek::TranslateText(L"&No"));
  FlatButton2->SetName(L"FlatButton2");
  FlatButton2->SetDesignBounds(317, 111, 102, 30);
  FlatButton2->SetDefault(true);  // Enter never destroys anything by accident
  FlatButton2->SetCancel(true);
  FlatButton2->SetOnClick([this](TComponent* s) { FlatButton2Click(s); });
  SetOnShow([this](TComponent* s) { FormShow(s); });
  DoCreate();
}

void Tconfirm::FormShow(TComponent*) {
  ::SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Tconfirm::FlatButton1Click(TComponent*) {
  Close();
  Form1->cancellafilemenu();
}

void Tconfirm::FlatButton2Click(TComponent*) {
  Form1->startprogramhide();
  Close();
}
