// Shows each page of the main window, then the options dialog, two seconds each, for
// screenshots (scripts/screenshots takes them).
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "settings/UMySingleInst.h"
#include "toolkit/Application.h"

#include <windows.h>

namespace {

void Hold(int ms) {
  const DWORD end = ::GetTickCount() + ms;
  while (static_cast<int>(end - ::GetTickCount()) > 0) {
    tk::Application().ProcessMessages();
    ::Sleep(20);
  }
}

}  // namespace

int wmain() {
  UseMySingleInst();
  tk::Application().Initialize();
  CreateProgramForms();
  Form1->Show();
  Form1->AddFolderEntry(L"C:\\windows");
  Form1->AddFileEntry(L"C:\\windows\\win.ini");
  Form1->AddFileEntry(L"C:\\windows\\system.ini");
  for (int page = 0; page < 3; ++page) {
    Form1->PageControl1->SetActivePageIndex(page);
    Hold(2000);
  }
  Form1->PageControl1->SetActivePageIndex(0);
  Form1->s1->Click();
  Hold(2000);
  return 0;
}
