// Program entry. The main window is not built yet: for now the program reports what the
// engine in this build can do.
#include "engine/PassData.h"
#include "engine/Shredder.h"

#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  TShredder engine;
  std::wstring text =
      L"Tamberlock is being built.\n\nThis build holds the shredding engine's settings and pass "
      L"data, the path helpers and the folder walks. The main window comes next.\n\n"
      L"Overwrite methods:\n";
  for (int m = smZeros; m <= smGutmann; ++m) {
    engine.SetIntMethod(static_cast<TShredMethod>(m));
    text += L"  " + MethodDisplayName(engine.IntMethod()) + L" (" +
            std::to_wstring(engine.TotalPasses()) + L" passes)\n";
  }
  ::MessageBoxW(nullptr, text.c_str(), L"Tamberlock", MB_OK | MB_ICONINFORMATION);
  return 0;
}
