// Main window: command line, the four timers, the tray icon and its menu, Run as Administrator.
#include "app/InstanceMutex.h"
#include "app/ShellEntries.h"
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "app/Unit3.h"
#include "dialogs/MessageDlg.h"
#include "fsutil/VEKGeneral.h"
#include "toolkit/Application.h"

using namespace tk;

namespace {

bool IsStartSwitch(const std::wstring& p) {
  return p.size() == 6 && (p[0] == L'-' || p[0] == L'/') && _wcsicmp(p.c_str() + 1, L"start") == 0;
}

}  // namespace

void TForm1::ProcessCommandLine(const std::vector<std::wstring>& params) {
  bool startSwitch = false;
  for (const auto& p : params) startSwitch = startSwitch || IsStartSwitch(p);
  if (startSwitch) {
    Timer4->SetEnabled(true);
    // Only after a start at log-on does a timer close the confirmation by itself: one that a
    // real path opened stays until answered.
    Timer5->SetEnabled(true);
  }
  for (const auto& p : params)
    if (!IsStartSwitch(p)) HandleParam(p);
}

void TForm1::Timer3Timer(TComponent*) {
  Timer3->SetEnabled(false);
  confirm->Show();
}

void TForm1::Timer4Timer(TComponent*) {
  confirm->Hide();
  if (!FJobRunning) ClearList();  // a running job owns its entries
  if (Options->CheckBox9->Checked()) startprogramhide();
  Timer4->SetEnabled(false);
  confirm->Hide();
  Timer5->SetEnabled(true);
}

void TForm1::Timer5Timer(TComponent*) {
  confirm->Hide();
  Timer5->SetEnabled(false);
}

void TForm1::Timer6Timer(TComponent*) {
  if (Options->CheckBox8->Checked()) Options->CheckBox8Click(this);
  if (Options->CheckBox7->Checked()) Options->CheckBox7Click(this);
  if (Options->CheckBox6->Checked()) Options->CheckBox6Click(this);
  Timer6->SetEnabled(false);
}

void TForm1::TrayIcon1Click(TComponent*) {
  Application().Restore();
  Application().BringToFront();
  Show();
}

void TForm1::S2Click(TComponent*) {
  ::ShowWindow(Handle(), SW_RESTORE);
  Show();
  Application().BringToFront();
}

void TForm1::H1Click(TComponent*) {
  Application().Minimize();
  Hide();
}

void TForm1::A1Click(TComponent* Sender) {
  S2Click(Sender);
  PageControl1->SetActivePageIndex(2);
}

void TForm1::R1Click(TComponent*) {
  if (vek::ShowMessageDialog(vek::TranslateText(L"Run Tamberlock with administrator privileges? "), vek::mtCustom,
                             vek::Buttons({vek::mbYes, vek::mbCancel}), 0) != IDYES)
    return;
  RelaunchElevated({});
}

void TForm1::BuildTrayMenu() {
  TMenuItem* items = PopupMenu1->Items();
  S2 = items->Add(vek::TranslateText(L"Show main window"), [this](TComponent* s) { S2Click(s); });
  H1 = items->Add(vek::TranslateText(L"Hide main window"), [this](TComponent* s) { H1Click(s); });
  items->Add(L"-");
  S3 = items->Add(vek::TranslateText(L"Settings"), [this](TComponent* s) { s1Click(s); });
  items->Add(L"-");
  O3 = items->Add(vek::TranslateText(L"Online help"), [this](TComponent* s) { O2Click(s); });
  A1 = items->Add(vek::TranslateText(L"About..."), [this](TComponent* s) { A1Click(s); });
  items->Add(L"-");
  w1 = items->Add(vek::TranslateText(L"Exit"), [this](TComponent* s) { Exit1Click(s); });
}
