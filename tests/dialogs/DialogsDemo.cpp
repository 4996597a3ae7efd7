// Shows the progress and report dialogs side by side for a few seconds, for a screenshot.
#include "dialogs/FileList_U.h"
#include "dialogs/VEKProgressDlg.h"
#include "toolkit/Application.h"

#include <windows.h>

int wmain() {
  tk::Application().Initialize();
  vek::TVEKProgressDialog progress;
  progress.SetTitle(L"Shredding C:\\Users\\me\\Documents\\tax return 2025.pdf (pass 2 of 7)");
  progress.SetShowTimeRemaining(true);
  progress.SetShowStatusText(true);
  progress.SetStatusText(L"US DoD 5220.22-M (ECE): a very long status line that has to be cut short at its end");
  progress.Show();
  progress.SetBounds(40, 40, progress.Width(), progress.Height());
  progress.Seti64Max(1000);
  progress.Seti64Position(430);

  vek::TFileList_F report;
  report.lblTitle->SetCaption(L"The following files could not have their slack space shredded:");
  report.lbFiles->SetVisible(true);
  report.lbFiles->AddItem(L"C:\\windows\\win.ini");
  report.lbFiles->AddItem(L"C:\\windows\\system.ini");
  report.Show();
  report.SetBounds(500, 40, report.Width(), report.Height());
  const DWORD end = ::GetTickCount() + 4000;
  while (static_cast<int>(end - ::GetTickCount()) > 0) {
    tk::Application().ProcessMessages();
    ::Sleep(20);
  }
  return 0;
}
