// The program's windows, created once per test process as the program creates them, on a
// first start: no settings file and no shell entries.
#pragma once

#include "app/ShellEntries.h"
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "app/Unit3.h"
#include "dialogs/MessageDlg.h"
#include "settings/UMySingleInst.h"
#include "support/TestFiles.h"
#include "toolkit/Application.h"
#include "toolkit/Handles.h"

#include <gtest/gtest.h>

#include <shlobj.h>

using namespace testsupport;
using namespace tk;

inline std::wstring SettingsFile() { return TForm1::DataFolder() + L"\\settings.ini"; }

inline std::wstring Ini(const wchar_t* section, const wchar_t* key) {
  wchar_t buf[512] = {};
  ::GetPrivateProfileStringW(section, key, L"<missing>", buf, 512, SettingsFile().c_str());
  return buf;
}

// The string value of a key, or "<missing>".
inline std::wstring RegString(HKEY root, const std::wstring& key, const wchar_t* value) {
  wchar_t buf[1024] = {};
  DWORD size = sizeof(buf);
  if (::RegGetValueW(root, key.c_str(), value, RRF_RT_REG_SZ, nullptr, buf, &size) != ERROR_SUCCESS) return L"<missing>";
  return buf;
}

inline bool KeyExists(HKEY root, const std::wstring& key) {
  UniqueRegKey k;
  return ::RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, k.Put()) == ERROR_SUCCESS;
}

inline const std::wstring kFileVerb = L"Software\\Classes\\*\\shell\\Tamberlock";
inline const std::wstring kFolderVerb = L"Software\\Classes\\Folder\\shell\\Tamberlock";

// The windows are created once for the whole run, as in the program, on a first start:
// no settings file and no shell entries.
class ProgramWindows : public testing::Test {
 public:
  static void SetUpTestSuite() {
    if (Form1) return;  // one set of windows for every suite of this process
    UseMySingleInst();
    Application().Initialize();
    ::DeleteFileW(SettingsFile().c_str());
    ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, L"Tamberlock");
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Classes\\*\\shell\\Tamberlock");
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Classes\\Folder\\shell\\Tamberlock");
    CreateProgramForms();
    firstRunWroteSettings = Exists(SettingsFile());
    firstRunWroteRun = RegString(HKEY_CURRENT_USER, kRunKey, L"Tamberlock") != L"<missing>";
    firstRunWroteVerbs = KeyExists(HKEY_CURRENT_USER, kFileVerb) || KeyExists(HKEY_CURRENT_USER, kFolderVerb);
    firstRun = {Form1->ComboBox1->ItemIndex(), Form1->ComboBox3->ItemIndex(), Form1->ShredderObj->IntMethod(),
                Form1->test12->IntMethod(), Options->CheckBox6->Checked(), Options->CheckBox4->Checked(),
                Options->ckSilentDestroyFileDir->Checked(), Options->ComboBox1->ItemIndex(), Options->ComboBox1->Text()};
  }
  // The state the windows had right after creation, before any test changed it.
  struct FirstRunState {
    int combo1, combo3;
    TShredMethod fileMethod, freeMethod;
    bool startUp, exitWhenFinished, silent;
    int optionsCombo1;
    std::wstring optionsCombo1Text;
  };
  static inline FirstRunState firstRun{};
  // What the run changed goes, so that the next start of anything in this prefix is a first run.
  static void TearDownTestSuite() {
    ::DeleteFileW(SettingsFile().c_str());
    UniqueRegKey run;
    ::RegCreateKeyExW(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, run.Put(), nullptr);
    ::RegDeleteValueW(run.Get(), L"Tamberlock");
  }
  static inline bool firstRunWroteSettings = false, firstRunWroteRun = false, firstRunWroteVerbs = false;

 protected:
  void SetUp() override {
    Form1->ClearList();
    vek::SetMessageDialogFunction([this](const std::wstring& text, uint8_t, vek::TMsgDlgButtons) {
      messages.push_back(text);
      return IDOK;
    });
  }
  void TearDown() override { vek::SetMessageDialogFunction(nullptr); }
  std::vector<std::wstring> messages;
  TempDir tmp;
};

