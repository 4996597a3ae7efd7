// Program entry: the single-instance gate, the three windows, the message loop.
#include "app/InstanceMutex.h"
#include "app/Unit1.h"
#include "settings/UMySingleInst.h"
#include "toolkit/Application.h"
#include "toolkit/Handles.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  UseMySingleInst();
  // A second start hands its paths to the running instance and ends here.
  if (!PassSingleInstanceGate(InstanceMutex())) return 0;
  tk::TApplication& app = tk::Application();
  app.Initialize();
  app.SetTitle(L"Tamberlock");
  app.Guard([] { CreateProgramForms(); });
  if (!Form1) return 1;
  Form1->Show();
  app.Run();
  InstanceMutex().Reset();
  return 0;
}
