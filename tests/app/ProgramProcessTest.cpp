// The real program in its own process: paths on the command line and from a second start,
// the confirmation it shows, and what "&Yes" and "&No" do.
#include "support/EngineHelpers.h"
#include "support/TestFiles.h"
#include "toolkit/Handles.h"

#include <gtest/gtest.h>

#include <shlobj.h>

using namespace testsupport;

namespace {

std::wstring ProgramOnC() {
  static const std::wstring copy = [] {
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    std::wstring target = std::wstring(temp) + L"Tamberlock.exe";
    ::CopyFileW(ProgramBesideTest(L"Tamberlock.exe").c_str(), target.c_str(), FALSE);
    return target;
  }();
  return copy;
}

tk::UniqueKernelHandle Start(const std::wstring& args) {
  std::wstring cmd = L"\"" + ProgramOnC() + L"\" " + args;
  STARTUPINFOW si{sizeof(si)};
  PROCESS_INFORMATION pi{};
  if (!::CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return {};
  ::CloseHandle(pi.hThread);
  return tk::UniqueKernelHandle(pi.hProcess);
}

// Polls until pred holds or the time is up; returns the milliseconds it took, or -1.
template <typename Pred>
int WaitUntil(Pred pred, int timeoutMs = 10000) {
  const DWORD start = ::GetTickCount();
  for (;;) {
    if (pred()) return static_cast<int>(::GetTickCount() - start);
    if (static_cast<int>(::GetTickCount() - start) > timeoutMs) return -1;
    ::Sleep(25);
  }
}

HWND Confirmation() {
  HWND w = ::FindWindowW(nullptr, L"Confirm");
  return w && ::IsWindowVisible(w) ? w : nullptr;
}

HWND MainWindow() { return ::FindWindowW(L"Varnholt.SingleInstDemo.1", nullptr); }

void Press(HWND dialog, const wchar_t* caption) {
  HWND button = ::FindWindowExW(dialog, nullptr, L"Button", caption);
  ASSERT_TRUE(button) << "no button";
  ::SendMessageW(button, BM_CLICK, 0, 0);
}

class ProgramProcess : public testing::Test {
 protected:
  void SetUp() override {
    wchar_t appData[MAX_PATH] = {};
    ::SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, appData);
    ::DeleteFileW((std::wstring(appData) + L"\\Tamberlock\\settings.ini").c_str());
    tk::UniqueRegKey run;  // a first run: ticked options write, nothing asks
    ::RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run", 0, nullptr, 0,
                      KEY_READ, nullptr, run.Put(), nullptr);
  }
  void TearDown() override {
    if (program) ::TerminateProcess(program.Get(), 0);
    if (program) ::WaitForSingleObject(program.Get(), 10000);
  }
  tk::UniqueKernelHandle program;
  TempDir tmp;
};

TEST_F(ProgramProcess, PathOnTheCommandLineIsConfirmedThenDestroyed) {
  MakeFile(tmp / L"victim one.txt", "secret");
  const DWORD started = ::GetTickCount();
  program = Start(L"\"" + (tmp / L"victim one.txt") + L"\"");
  ASSERT_TRUE(program.Valid());
  ASSERT_GE(WaitUntil([] { return MainWindow() != nullptr; }), 0);
  ASSERT_GE(WaitUntil([] { return Confirmation() != nullptr; }), 0);
  const DWORD shownAfter = ::GetTickCount() - started;
  EXPECT_GE(shownAfter, 700u) << "about a second after start-up";
  EXPECT_TRUE(::GetWindowLongW(Confirmation(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_TRUE(Exists(tmp / L"victim one.txt")) << "nothing happens before the answer";

  // Unanswered, it stays: no timer closes a confirmation that a real path opened.
  while (::GetTickCount() - started < 6500) ::Sleep(100);
  ASSERT_TRUE(Confirmation()) << "still open six seconds after start-up";

  Press(Confirmation(), L"&Yes");
  EXPECT_GE(WaitUntil([&] { return !Exists(tmp / L"victim one.txt"); }), 0);
  EXPECT_GE(WaitUntil([] { return !::IsWindowVisible(MainWindow()); }), 0) << "the window went to the tray";
}

TEST_F(ProgramProcess, ForwardedPathsNoThenYes) {
  MakeFile(tmp / L"kept.txt", "k");
  MakeFile(tmp / L"later.txt", "l");
  program = Start(L"");
  ASSERT_GE(WaitUntil([] { return MainWindow() != nullptr; }), 0);
  ::Sleep(1500);  // past the start-up timers

  tk::UniqueKernelHandle second = Start(L"\"" + (tmp / L"kept.txt") + L"\"");
  ASSERT_EQ(::WaitForSingleObject(second.Get(), 20000), WAIT_OBJECT_0);
  DWORD code = 99;
  ::GetExitCodeProcess(second.Get(), &code);
  EXPECT_EQ(code, 0u);
  ASSERT_GE(WaitUntil([] { return Confirmation() != nullptr; }), 0);
  Press(Confirmation(), L"&No");
  EXPECT_GE(WaitUntil([] { return Confirmation() == nullptr; }), 0);
  EXPECT_GE(WaitUntil([] { return !::IsWindowVisible(MainWindow()); }), 0);
  ::Sleep(300);
  EXPECT_TRUE(Exists(tmp / L"kept.txt")) << "\"&No\" keeps the entry and the file";

  tk::UniqueKernelHandle third = Start(L"\"" + (tmp / L"later.txt") + L"\"");
  ASSERT_EQ(::WaitForSingleObject(third.Get(), 20000), WAIT_OBJECT_0);
  ASSERT_GE(WaitUntil([] { return Confirmation() != nullptr; }), 0);
  Press(Confirmation(), L"&Yes");
  EXPECT_GE(WaitUntil([&] { return !Exists(tmp / L"kept.txt") && !Exists(tmp / L"later.txt"); }), 0)
      << "a later \"&Yes\" destroys both";
}

}  // namespace
