// Shows each page of the main window, then the options dialog, three seconds each, for
// screenshots (scripts/screenshots takes them).
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "settings/UMySingleInst.h"
#include "toolkit/Application.h"

#include <windows.h>

#include <cstdio>

namespace {

// Where a window is on the screen, for the screenshot script to cut it out.
void PrintRect(const char* name, HWND wnd) {
  RECT r{};
  ::GetWindowRect(wnd, &r);
  std::printf("%s %ld %ld %ld %ld\n", name, r.left, r.top, r.right - r.left, r.bottom - r.top);
  std::fflush(stdout);
}

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
  PrintRect("main", Form1->Handle());
  for (int page = 0; page < 3; ++page) {
    Form1->PageControl1->SetActivePageIndex(page);
    Hold(3000);
  }
  Form1->PageControl1->SetActivePageIndex(0);
  Form1->s1->Click();
  PrintRect("options", Options->Handle());
  Hold(3000);
  return 0;
}
