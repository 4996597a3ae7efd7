// The real program in its own process: paths on the command line and from a second start,
// the confirmation it shows, and what "&Yes" and "&No" do.
#include "support/EngineHelpers.h"
#include "support/TestFiles.h"
#include "toolkit/Handles.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <shlobj.h>

using namespace testsupport;

namespace {

std::wstring TamberlockOnC() { return ProgramOnC(L"Tamberlock.exe"); }

tk::UniqueKernelHandle Start(const std::wstring& args) { return StartProgram(TamberlockOnC(), args); }

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

// The first visible button with this caption anywhere inside the window.
HWND FindButton(HWND top, const std::wstring& caption) {
  struct Search { const std::wstring* caption; HWND found; } search{&caption, nullptr};
  ::EnumChildWindows(
      top,
      [](HWND wnd, LPARAM lParam) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lParam);
        wchar_t cls[32] = {}, text[128] = {};
        ::GetClassNameW(wnd, cls, 32);
        ::GetWindowTextW(wnd, text, 128);
        if (_wcsicmp(cls, L"Button") == 0 && *s->caption == text && ::IsWindowVisible(wnd)) {
          s->found = wnd;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The number of rows of the first visible list view inside the window (the shred list).
int ListRows(HWND top) {
  HWND found = nullptr;
  ::EnumChildWindows(
      top,
      [](HWND wnd, LPARAM lParam) -> BOOL {
        wchar_t cls[32] = {};
        ::GetClassNameW(wnd, cls, 32);
        if (_wcsicmp(cls, L"SysListView32") == 0 && ::IsWindowVisible(wnd)) {
          *reinterpret_cast<HWND*>(lParam) = wnd;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found ? static_cast<int>(::SendMessageW(found, LVM_GETITEMCOUNT, 0, 0)) : -1;
}

std::wstring StatusText(HWND top) {
  HWND bar = ::FindWindowExW(top, nullptr, L"msctls_statusbar32", nullptr);
  wchar_t text[256] = {};
  ::SendMessageW(bar, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
  return text;
}

std::wstring RegString(HKEY root, const std::wstring& key, const wchar_t* value) {
  wchar_t buf[1024] = {};
  DWORD size = sizeof(buf);
  if (::RegGetValueW(root, key.c_str(), value, RRF_RT_REG_SZ, nullptr, buf, &size) != ERROR_SUCCESS) return L"<missing>";
  return buf;
}

TEST_F(ProgramProcess, ForwardedPathShreddedWithStart) {
  MakeFile(tmp / L"via start.txt", "s");
  program = Start(L"");
  ASSERT_GE(WaitUntil([] { return MainWindow() != nullptr; }), 0);
  ::Sleep(1500);
  tk::UniqueKernelHandle second = Start(L"\"" + (tmp / L"via start.txt") + L"\"");
  ASSERT_EQ(::WaitForSingleObject(second.Get(), 20000), WAIT_OBJECT_0);
  ASSERT_GE(WaitUntil([] { return Confirmation() != nullptr; }), 0);
  EXPECT_EQ(ListRows(MainWindow()), 1) << "the forwarded path is listed";
  HWND start = FindButton(MainWindow(), L"Start");
  ASSERT_TRUE(start);
  ::SendMessageW(start, BM_CLICK, 0, 0);
  EXPECT_GE(WaitUntil([&] { return !Exists(tmp / L"via start.txt"); }), 0);
  EXPECT_GE(WaitUntil([] { return ListRows(MainWindow()) == 0; }), 0) << "the list is empty after the job";
  EXPECT_GE(WaitUntil([] {
              return StatusText(MainWindow()) == L"Successfuly Erased....    (1) Files Deleted  (0) Folders Deleted";
            }),
            0)
      << std::string(StatusText(MainWindow()).begin(), StatusText(MainWindow()).end());
}

TEST_F(ProgramProcess, ShellEntriesAfterStartUpAndSettingsAfterExit) {
  wchar_t appData[MAX_PATH] = {};
  ::SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, appData);
  const std::wstring settings = std::wstring(appData) + L"\\Tamberlock\\settings.ini";
  program = Start(L"");
  ASSERT_GE(WaitUntil([] { return MainWindow() != nullptr; }), 0);
  const std::wstring exe = TamberlockOnC();
  EXPECT_GE(WaitUntil([&] {
              return RegString(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run", L"Tamberlock") ==
                     L"\"" + exe + L"\" /start";
            }),
            0);
  EXPECT_EQ(RegString(HKEY_CURRENT_USER, L"Software\\Classes\\*\\shell\\Tamberlock\\command", nullptr),
            L"\"" + exe + L"\" \"%1\"");
  EXPECT_EQ(RegString(HKEY_CURRENT_USER, L"Software\\Classes\\Folder\\shell\\Tamberlock\\command", nullptr),
            L"\"" + exe + L"\" \"%1\"");

  // File > Exit from the keyboard: Alt+F opens the menu, E picks "&Exit". The menu's own loop
  // may need a moment to start, so try a few times.
  bool ended = false;
  for (int attempt = 0; attempt < 5 && !ended; ++attempt) {
    ::SetForegroundWindow(MainWindow());
    ::PostMessageW(MainWindow(), WM_SYSCOMMAND, SC_KEYMENU, 'f');
    ::Sleep(700);
    ::PostMessageW(MainWindow(), WM_KEYDOWN, 'E', 0);
    ::PostMessageW(MainWindow(), WM_CHAR, 'e', 0);
    ended = ::WaitForSingleObject(program.Get(), 3000) == WAIT_OBJECT_0;
    if (!ended) ::PostMessageW(MainWindow(), WM_KEYDOWN, VK_ESCAPE, 0);
  }
  ASSERT_TRUE(ended) << "Exit ends the program";
  program.Reset();
  struct Key { const wchar_t* section; const wchar_t* key; };
  for (Key k : {Key{L"Form1", L"ComboBox1"}, Key{L"Form1", L"ckSilentOverwriteDriveFreeSpace"}, Key{L"Form1", L"ComboBox3"},
                Key{L"Options", L"CheckBox6"}, Key{L"Options", L"CheckBox7"}, Key{L"Options", L"CheckBox8"},
                Key{L"Options", L"CheckBox9"}, Key{L"Options", L"CheckBox10"}, Key{L"Options", L"CheckBox2"},
                Key{L"Options", L"CheckBox3"}, Key{L"Options", L"CheckBox4"}, Key{L"Options", L"ckSilentDestroyFileDir"},
                Key{L"Options", L"ComboBox1"}, Key{L"Options", L"CheckBox1"}, Key{L"Options", L"CheckBox5"},
                Key{L"Options", L"ComboBox3"}}) {
    wchar_t value[64] = {};
    ::GetPrivateProfileStringW(k.section, k.key, L"<missing>", value, 64, settings.c_str());
    EXPECT_STRNE(value, L"<missing>") << std::string(k.key, k.key + wcslen(k.key));
  }
  wchar_t value[64] = {};
  ::GetPrivateProfileStringW(L"Options", L"CheckBox6", L"", value, 64, settings.c_str());
  EXPECT_STREQ(value, L"1");
}

}  // namespace
