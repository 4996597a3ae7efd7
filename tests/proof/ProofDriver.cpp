// Drives the proofs on a real file system:
//   proof_driver shred <path>   starts Tamberlock.exe with the path and answers "&Yes"
//   proof_driver wipe <letter>  wipes the drive's free space with the program's engine
// Exit code 0 when the step did what it should.
#include "engine/Shredder.h"
#include "toolkit/Application.h"
#include "toolkit/Handles.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

template <typename Pred>
bool WaitUntil(Pred pred, int timeoutMs) {
  for (int waited = 0; waited <= timeoutMs; waited += 50) {
    if (pred()) return true;
    ::Sleep(50);
  }
  return false;
}

int Shred(const std::wstring& path) {
  wchar_t self[MAX_PATH] = {}, temp[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring dir = self;
  if (dir.rfind(L"unix\\", 0) == 0) dir = L"\\\\?\\" + dir;
  dir = dir.substr(0, dir.find_last_of(L'\\') + 1);
  ::GetTempPathW(MAX_PATH, temp);
  const std::wstring program = std::wstring(temp) + L"Tamberlock-proof.exe";
  ::CopyFileW((dir + L"Tamberlock.exe").c_str(), program.c_str(), FALSE);
  std::wstring cmd = L"\"" + program + L"\" \"" + path + L"\"";
  STARTUPINFOW si{sizeof(si)};
  PROCESS_INFORMATION pi{};
  if (!::CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return 2;
  tk::UniqueKernelHandle process(pi.hProcess);
  ::CloseHandle(pi.hThread);
  HWND dialog = nullptr;
  WaitUntil([&] { return (dialog = ::FindWindowW(nullptr, L"Confirm")) && ::IsWindowVisible(dialog); }, 15000);
  if (!dialog) return 3;
  ::SendMessageW(::FindWindowExW(dialog, nullptr, L"Button", L"&Yes"), BM_CLICK, 0, 0);
  const bool gone = WaitUntil([&] { return ::GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES; }, 30000);
  ::TerminateProcess(process.Get(), 0);
  ::WaitForSingleObject(process.Get(), 10000);
  return gone ? 0 : 4;
}

int Wipe(wchar_t letter) {
  tk::Application().Initialize();
  TShredder engine;
  engine.SetIntMethod(smZeros);
  const TShredOutcome outcome = engine.OverwriteDriveFreeSpace(std::wstring(1, letter), true);
  std::printf("wipe outcome %d\n", int(outcome));
  return outcome == soCompleted ? 0 : 5;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) return 1;
  const std::wstring mode = argv[1];
  if (mode == L"shred") return Shred(argv[2]);
  if (mode == L"wipe") return Wipe(argv[2][0]);
  return 1;
}
