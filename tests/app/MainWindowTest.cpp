// The program's windows in this process: start-up, closing and exit, the shred list, the
// options dialog with its registry entries, and help.
#include "app/ShellEntries.h"
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "app/Unit3.h"
#include "dialogs/MessageDlg.h"
#include "engine/PassData.h"
#include "settings/UMySingleInst.h"
#include "support/TestFiles.h"
#include "toolkit/Application.h"
#include "toolkit/Handles.h"

#include <gtest/gtest.h>

#include <shlobj.h>

using namespace testsupport;
using namespace tk;

#include "app/ProgramFixture.h"

namespace {

TEST_F(ProgramWindows, StartUpOrderClassAndFirstRun) {
  ASSERT_GE(Application().ComponentCount(), 3);
  EXPECT_EQ(Application().Components(0), Form1);
  EXPECT_EQ(Application().Components(1), Options);
  EXPECT_EQ(Application().Components(2), confirm);
  EXPECT_EQ(Application().MainForm(), Form1);
  wchar_t cls[128] = {};
  ::GetClassNameW(Form1->Handle(), cls, 128);
  EXPECT_STREQ(cls, L"Varnholt.SingleInstDemo.1");
  EXPECT_EQ(::FindWindowW(L"Varnholt.SingleInstDemo.1", nullptr), Form1->Handle());
  EXPECT_EQ(firstRun.combo1, 0);
  EXPECT_EQ(firstRun.combo3, 0);
  EXPECT_EQ(firstRun.fileMethod, smZeros);
  EXPECT_EQ(firstRun.freeMethod, smPseudorandom);
  EXPECT_FALSE(firstRunWroteSettings) << "loading writes nothing";
  EXPECT_FALSE(firstRunWroteRun);
  EXPECT_FALSE(firstRunWroteVerbs);
  EXPECT_TRUE(firstRun.startUp);
  EXPECT_FALSE(firstRun.exitWhenFinished);
  EXPECT_FALSE(firstRun.silent);
  EXPECT_EQ(firstRun.optionsCombo1, -1);
  EXPECT_EQ(firstRun.optionsCombo1Text, L"Simple zero-fill (1 pass)");
  EXPECT_EQ(Form1->ClientWidth(), Scale(827));
}

TEST_F(ProgramWindows, ClosingHidesSavesAndKeepsRunning) {
  struct Way { const char* name; UINT msg; WPARAM w; };
  for (Way way : {Way{"close box / Alt+F4", WM_CLOSE, 0}, Way{"system menu close", WM_SYSCOMMAND, SC_CLOSE},
                  Way{"minimise", WM_SYSCOMMAND, SC_MINIMIZE}}) {
    ::DeleteFileW(SettingsFile().c_str());
    Form1->Show();
    ::ShowWindow(Form1->Handle(), SW_RESTORE);
    Form1->ComboBox3->SetItemIndex(2);
    ::SendMessageW(Form1->Handle(), way.msg, way.w, 0);
    Application().ProcessMessages();
    EXPECT_FALSE(::IsWindowVisible(Form1->Handle())) << way.name;
    EXPECT_FALSE(Application().Terminated()) << way.name;
    if (way.msg == WM_SYSCOMMAND && way.w == SC_MINIMIZE) continue;  // minimising only hides
    EXPECT_EQ(Ini(L"Form1", L"ComboBox3"), L"2") << way.name;
  }
}

TEST_F(ProgramWindows, DataFolderDeletedWhileRunningIsCreatedAgainOnClose) {
  ::DeleteFileW(SettingsFile().c_str());
  ASSERT_TRUE(::RemoveDirectoryW(TForm1::DataFolder().c_str()));
  ::SendMessageW(Form1->Handle(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(Exists(SettingsFile()));
  EXPECT_EQ(Ini(L"Form1", L"ComboBox1"), std::to_wstring(Form1->ComboBox1->ItemIndex()));
  EXPECT_EQ(Ini(L"Form1", L"ckSilentOverwriteDriveFreeSpace"), L"0");
}

TEST_F(ProgramWindows, ExitSavesThenEnds) {
  Form1->ComboBox1->SetItemIndex(3);
  Form1->Exit1->Click();
  EXPECT_EQ(Ini(L"Form1", L"ComboBox1"), L"3");
  EXPECT_TRUE(Application().Terminated());
  Application().CancelTerminate();
  Form1->ComboBox1->SetItemIndex(0);
}

// --- The shred list ---------------------------------------------------------------------------

std::vector<std::wstring> Row(TListItem* item) {
  std::vector<std::wstring> r{item->Caption()};
  r.insert(r.end(), item->SubItems().begin(), item->SubItems().end());
  return r;
}

TEST_F(ProgramWindows, FileFolderAndParameterEntries) {
  const std::wstring file = tmp / L"report.txt";
  MakeFile(file, "12345");
  MakeDir(tmp / L"Folder");
  TListView* list = Form1->ListView1;
  list->SetGroupView(true);
  Form1->AddFileEntry(file);
  Form1->AddFolderEntry(tmp / L"Folder");
  Form1->AddFileEntry(file);  // no duplicate check
  ASSERT_EQ(list->Count(), 3);
  const auto fileRow = Row(list->Items(0));
  ASSERT_EQ(fileRow.size(), 4u);
  EXPECT_EQ(fileRow[0], file);
  EXPECT_EQ(fileRow[1], L"report.txt");
  EXPECT_FALSE(fileRow[2].empty());
  EXPECT_EQ(fileRow[2].find(L':'), std::wstring::npos) << "a date only";
  EXPECT_EQ(fileRow[3], L"5 bytes");
  EXPECT_EQ(list->Items(0)->GroupID(), 1);
  EXPECT_EQ(list->Items(0)->ImageIndex(), 0);
  const auto folderRow = Row(list->Items(1));
  ASSERT_EQ(folderRow.size(), 3u);
  EXPECT_EQ(folderRow[1], L"Folder");
  EXPECT_NE(folderRow[2].find(L". "), std::wstring::npos) << folderRow[2].size();
  EXPECT_EQ(std::count(folderRow[2].begin(), folderRow[2].end(), L':'), 2) << "hh:mm:ss";
  EXPECT_EQ(list->Items(1)->GroupID(), 0);
  EXPECT_EQ(list->Items(1)->ImageIndex(), 2);
  EXPECT_EQ(Row(list->Items(2)), fileRow);

  EXPECT_TRUE(list->GroupView());
  Form1->Timer3->SetEnabled(false);
  Form1->HandleParam(L"C:\\from explorer.doc");
  ASSERT_EQ(list->Count(), 4);
  EXPECT_EQ(Row(list->Items(3)), std::vector<std::wstring>{L"C:\\from explorer.doc"});
  EXPECT_EQ(list->Items(3)->GroupID(), -1);
  EXPECT_EQ(list->Items(3)->ImageIndex(), 0);
  EXPECT_FALSE(list->GroupView()) << "grouping goes off for good";
  EXPECT_TRUE(Form1->Timer3->Enabled());
  Form1->Timer3->SetEnabled(false);
}

TEST_F(ProgramWindows, FileSizeTexts) {
  const std::wstring sep = UserDecimalSeparator();
  struct Row { size_t size; std::wstring text; };
  for (const Row& r : {Row{0, L"0 bytes"}, Row{1023, L"1023 bytes"}, Row{1024, L"1" + sep + L"00 KB"},
                       Row{1536, L"1" + sep + L"50 KB"}, Row{1048576, L"1" + sep + L"00 MB"}}) {
    const std::wstring f = tmp / (L"size" + std::to_wstring(r.size));
    MakeFile(f, std::string(r.size, 'x'));
    EXPECT_EQ(FormatFileSize(f), r.text);
  }
  const std::wstring held = tmp / L"held.txt";
  MakeFile(held, "x");
  UniqueKernelHandle h(::CreateFileW(held.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  EXPECT_EQ(FormatFileSize(held), L"Unable to open file " + held);
}

TEST_F(ProgramWindows, DeleteKeyAndListMenuRemoveEntries) {
  for (int i = 0; i < 4; ++i) Form1->HandleParam(L"C:\\entry" + std::to_wstring(i));
  Form1->Timer3->SetEnabled(false);
  TListView* list = Form1->ListView1;
  list->Items(1)->SetSelected(true);
  list->Items(2)->SetSelected(true);
  ::SendMessageW(list->Handle(), WM_KEYDOWN, VK_DELETE, 0);
  ASSERT_EQ(list->Count(), 2);
  EXPECT_EQ(list->Items(0)->Caption(), L"C:\\entry0");
  EXPECT_EQ(list->Items(1)->Caption(), L"C:\\entry3");
  list->Items(0)->SetSelected(true);
  Form1->ListMenu->Items()->Items(0)->Click();  // "Remove from list"
  ASSERT_EQ(list->Count(), 1);
  EXPECT_EQ(list->Items(0)->Caption(), L"C:\\entry3");
  EXPECT_EQ(Form1->ListMenu->Items()->Items(1)->Caption(), L"Clear list");
  Form1->ListMenu->Items()->Items(1)->Click();
  EXPECT_EQ(list->Count(), 0);
}

// --- Options and the registry -------------------------------------------------------------

TEST_F(ProgramWindows, StartUpBoxWritesAndRemovesTheRunValue) {
  UniqueRegKey run;  // a fresh profile may have no Run key yet
  ::RegCreateKeyExW(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_READ, nullptr, run.Put(), nullptr);
  run.Reset();
  Options->CheckBox6->SetChecked(false);
  Options->CheckBox6->SetChecked(true);
  EXPECT_EQ(RegString(HKEY_CURRENT_USER, kRunKey, L"Tamberlock"), L"\"" + ProgramPath() + L"\" /start");
  Options->CheckBox6->SetChecked(false);
  EXPECT_EQ(RegString(HKEY_CURRENT_USER, kRunKey, L"Tamberlock"), L"<missing>");
  EXPECT_TRUE(messages.empty());

  Options->CheckBox6->SetChecked(true);
  ASSERT_EQ(::RegDeleteTreeW(HKEY_CURRENT_USER, kRunKey), ERROR_SUCCESS);
  ::RegDeleteKeyW(HKEY_CURRENT_USER, kRunKey);
  Options->CheckBox6->SetChecked(false);
  EXPECT_EQ(messages, std::vector<std::wstring>{L"Key not found"});
}

TEST_F(ProgramWindows, ContextMenuBoxesWriteAndRemoveThePerUserVerbs) {
  const std::wstring command = L"\"" + ProgramPath() + L"\" \"%1\"";
  struct Box { TCheckBox* box; std::wstring verb, shell; };
  for (const Box& b : {Box{Options->CheckBox7, kFileVerb, L"Software\\Classes\\*\\shell"},
                       Box{Options->CheckBox8, kFolderVerb, L"Software\\Classes\\Folder\\shell"}}) {
    b.box->SetChecked(false);
    b.box->SetChecked(true);
    EXPECT_EQ(RegString(HKEY_CURRENT_USER, b.verb + L"\\command", nullptr), command);
    EXPECT_EQ(RegString(HKEY_CURRENT_USER, b.verb, nullptr), L"<missing>") << "the verb key has no value of its own";
    b.box->SetChecked(false);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, b.verb));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, b.shell)) << "an emptied shell key goes too";
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, L"Software\\Classes")) << "the walk stops at the classes key";
  }
  // A shell key that holds another program's verb stays.
  UniqueRegKey other;
  ::RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Classes\\*\\shell\\OtherTool", 0, nullptr, 0, KEY_ALL_ACCESS,
                    nullptr, other.Put(), nullptr);
  other.Reset();
  Options->CheckBox7->SetChecked(true);
  Options->CheckBox7->SetChecked(false);
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kFileVerb));
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, L"Software\\Classes\\*\\shell\\OtherTool"));
  ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Classes\\*");
  ::RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Classes\\*");
}

TEST_F(ProgramWindows, EmptyParentWalk) {
  UniqueRegKey k;
  ::RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\TamberlockWalk\\A\\B\\C", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                    k.Put(), nullptr);
  k.Reset();
  ::RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\TamberlockWalk\\Keep", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                    k.Put(), nullptr);
  k.Reset();
  EXPECT_TRUE(DeleteKeyAndEmptyParents(L"Software\\TamberlockWalk\\A\\B\\C", HKEY_CURRENT_USER));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, L"Software\\TamberlockWalk\\A"));
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, L"Software\\TamberlockWalk\\Keep"));
  EXPECT_FALSE(DeleteKeyAndEmptyParents(L"Software\\TamberlockWalk\\Missing", HKEY_CURRENT_USER));
  ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\TamberlockWalk");
  ::RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\TamberlockWalk");
}

void UserPicks(TComboBox* combo, int index) {
  combo->SetItemIndex(index);
  ::SendMessageW(::GetParent(combo->Handle()), WM_COMMAND, MAKEWPARAM(combo->ControlId(), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo->Handle()));
}

TEST_F(ProgramWindows, SecurityListsAreMirrored) {
  UserPicks(Options->ComboBox1, 3);
  EXPECT_EQ(Form1->ComboBox1->ItemIndex(), 3);
  UserPicks(Options->ComboBox3, 4);
  EXPECT_EQ(Form1->ComboBox3->ItemIndex(), 4);
  UserPicks(Form1->ComboBox1, 1);
  EXPECT_EQ(Options->ComboBox1->ItemIndex(), 1);
  UserPicks(Form1->ComboBox3, 2);
  EXPECT_EQ(Options->ComboBox3->ItemIndex(), 2);
  UserPicks(Options->ComboBox1, -1);
  EXPECT_EQ(Form1->ComboBox1->ItemIndex(), 1) << "no selection changes nothing";
}

TEST_F(ProgramWindows, OptionsSaveOnEveryClose) {
  Form1->s1->Click();
  EXPECT_TRUE(Options->Visible());
  Options->CheckBox4->SetChecked(true);
  Options->Button2->Press();  // "Cancel" reverts nothing and saves
  EXPECT_FALSE(Options->Visible());
  EXPECT_EQ(Ini(L"Options", L"CheckBox4"), L"1");
  EXPECT_EQ(Ini(L"Options", L"CheckBox7"), Options->CheckBox7->Checked() ? L"1" : L"0");
  EXPECT_EQ(Ini(L"Options", L"ComboBox3"), std::to_wstring(Options->ComboBox3->ItemIndex()));
  Options->CheckBox4->SetChecked(false);
}

TEST_F(ProgramWindows, BalloonOnFocusOfTheShellBoxes) {
  std::vector<std::wstring> balloons;
  TTrayIcon::SetNotifyFunction([&](DWORD, const NOTIFYICONDATAW& d) {
    if (d.uFlags & NIF_INFO) balloons.push_back(d.szInfo);
    return TRUE;
  });
  Options->Show();
  Options->PageControl1->SetActivePageIndex(0);
  for (TCheckBox* box : {Options->CheckBox6, Options->CheckBox7, Options->CheckBox8}) box->SetFocus();
  TTrayIcon::SetNotifyFunction(nullptr);
  Options->Hide();
  ASSERT_EQ(balloons.size(), 3u);
  EXPECT_EQ(balloons[0], L"Tamberlock Windows startup requires administrator privileges");
  EXPECT_EQ(balloons[1], L"Tamberlock option to Folder Windows Explorer context menu requires administrator privileges");
  EXPECT_EQ(balloons[2], balloons[1]);
}

TEST_F(ProgramWindows, HelpAndAbout) {
  std::vector<std::pair<std::wstring, int>> opened;
  TForm1::SetShellOpenFunction([&](const std::wstring& target, int show) { opened.emplace_back(target, show); });
  Form1->O2->Click();
  ::SendMessageW(::GetParent(Form1->lblLink->Handle()), WM_COMMAND, MAKEWPARAM(Form1->lblLink->ControlId(), STN_CLICKED),
                 reinterpret_cast<LPARAM>(Form1->lblLink->Handle()));
  TForm1::SetShellOpenFunction(nullptr);
  ASSERT_EQ(opened.size(), 2u);
  for (const auto& [target, show] : opened) {
    EXPECT_EQ(target, TForm1::HelpPagePath());
    EXPECT_EQ(target.substr(target.size() - 10), L"\\help.html");
    EXPECT_EQ(show, SW_SHOW);
  }
  Form1->About1->Click();
  EXPECT_EQ(Form1->PageControl1->ActivePageIndex(), 2);
  Form1->PageControl1->SetActivePageIndex(0);
}

}  // namespace
