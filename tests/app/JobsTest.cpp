// The jobs end to end in this process: real files, real drives, the confirmation dialog,
// timers and the tray menu, and each mended behaviour of the jobs.
#include "app/InstanceMutex.h"
#include "app/ProgramFixture.h"
#include "app/SecurityLevels.h"
#include "fsutil/VEKGeneral.h"
#include "support/EngineHelpers.h"

#include <system_error>

namespace {

class Jobs : public ProgramWindows {
 protected:
  void SetUp() override {
    ProgramWindows::SetUp();
    Options->ckSilentDestroyFileDir->SetChecked(true);
    Options->CheckBox4->SetChecked(false);
    Options->CheckBox10->SetChecked(true);
    Form1->ShredderObj->SetOnStartingFileOverwritePass(nullptr);
    Form1->ShredderObj->SetOnOverwriteDataReq(nullptr);
    TTrayIcon::SetNotifyFunction([this](DWORD, const NOTIFYICONDATAW& d) {
      if (d.uFlags & NIF_INFO) balloons.push_back(d.szInfo);
      return TRUE;
    });
    Form1->Show();
  }
  void TearDown() override {
    TTrayIcon::SetNotifyFunction(nullptr);
    Form1->ShredderObj->SetOnStartingFileOverwritePass(nullptr);
    Form1->ShredderObj->SetOnOverwriteDataReq(nullptr);
    TForm1::SetShellRunAsFunction(nullptr);
    Application().SetErrorReporter(nullptr);
    ProgramWindows::TearDown();
  }
  std::wstring Status() const { return Form1->StatusBar1->SimpleText(); }
  static std::wstring Summary(int files, int folders) {
    return L"Successfuly Erased....    (" + std::to_wstring(files) + L") Files Deleted  (" + std::to_wstring(folders) +
           L") Folders Deleted";
  }
  std::wstring File(const wchar_t* name, const std::string& content = "data") {
    MakeFile(tmp / name, content);
    return tmp / name;
  }
  std::vector<std::wstring> balloons;
};

TEST_F(Jobs, StartDestroysFilesBeforeFoldersAndSumsUp) {
  MakeDir(tmp / L"Folder");
  MakeFile(tmp / L"Folder\\inner.txt", "inner");
  const std::wstring file = File(L"single.txt");
  std::vector<std::wstring> order;
  Form1->ShredderObj->SetOnStartingFileOverwritePass([&](TComponent*, const std::wstring& item, int pass, int) {
    if (pass == 1) order.push_back(vek::LongPathOf(item).empty() ? item : vek::LongPathOf(item));
  });
  Form1->AddFolderEntry(tmp / L"Folder");  // added first, destroyed second
  Form1->AddFileEntry(file);
  Form1->FlatSpeedButton2->Press();
  EXPECT_FALSE(Exists(file));
  EXPECT_FALSE(Exists(tmp / L"Folder"));
  ASSERT_EQ(order.size(), 2u);
  EXPECT_NE(order[1].find(L"inner.txt"), std::wstring::npos) << "the file entry went first";
  EXPECT_EQ(Status(), Summary(1, 1));
  EXPECT_EQ(Form1->ListView1->Count(), 0);
  EXPECT_EQ(balloons, std::vector<std::wstring>{L"The operation completed."});
  EXPECT_TRUE(messages.empty());
}

TEST_F(Jobs, EmptyListGivesZeroCounts) {
  Form1->FlatSpeedButton2->Press();
  EXPECT_EQ(Status(), Summary(0, 0));
}

TEST_F(Jobs, HeldFilePromptsOnceAndTheJobGoesOn) {
  const std::wstring held = File(L"held.txt"), other = File(L"other.txt");
  UniqueKernelHandle h(::CreateFileW(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  Form1->AddFileEntry(held);
  Form1->AddFileEntry(other);
  vek::SetMessageDialogFunction([this](const std::wstring& text, uint8_t, vek::TMsgDlgButtons buttons) {
    messages.push_back(text);
    EXPECT_EQ(buttons, vek::Buttons({vek::mbYes, vek::mbCancel}));
    return IDCANCEL;
  });
  Form1->FlatSpeedButton2->Press();
  h.Reset();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], L"Unable to Delete " + held +
                             L" You will need to provide administrator permission. if you want run with administrator "
                             L"privilege? ");
  EXPECT_TRUE(Exists(held));
  EXPECT_FALSE(Exists(other));
  EXPECT_EQ(Status(), Summary(1, 0)) << "only what is gone is counted";
  EXPECT_EQ(Form1->ListView1->Count(), 0);
}

TEST_F(Jobs, SecurityLevelsMeanWhatTheySay) {
  const TShredMethod expected[] = {smZeros, smRCMP, smUSDOD_E, smGutmann, smUSDOD_ECE};
  for (int i = 0; i < 5; ++i) {
    Form1->ComboBox1->SetItemIndex(i);
    Form1->ComboBox1Change(Form1);
    EXPECT_EQ(Form1->ShredderObj->IntMethod(), expected[i]) << i;
    EXPECT_EQ(Options->ComboBox1->ItemIndex(), i);
  }
  Form1->ComboBox3->SetItemIndex(3);
  Form1->ComboBox3Change(Form1);
  EXPECT_EQ(Form1->test12->IntMethod(), smGutmann);
  EXPECT_EQ(Form1->ShredderObj->IntMethod(), smUSDOD_ECE) << "the pages' levels are independent";
  Form1->ComboBox1->SetItemIndex(0);
  Form1->ComboBox3->SetItemIndex(0);
}

TEST_F(Jobs, ListedFilesAreOverwrittenWhole) {
  ASSERT_TRUE(Options->CheckBox3->Checked()) << "\"Delete Subfolder\" ticked, as by default";
  const std::wstring big = File(L"big.bin", std::string(10u << 20, 'b'));
  int writes = 0;
  Form1->ShredderObj->SetOnOverwriteDataReq([&](TComponent*, int32_t, uint32_t, bool&, TShredBlock&) { ++writes; });
  Form1->AddFileEntry(big);
  Form1->FlatSpeedButton2->Press();
  EXPECT_EQ(writes, 10) << "ten blocks of a megabyte, not the first one only";
  EXPECT_FALSE(Exists(big));
}

TEST_F(Jobs, StartDestroysParameterEntriesToo) {
  const std::wstring file = File(L"param.txt");
  MakeDir(tmp / L"ParamDir");
  MakeFile(tmp / L"ParamDir\\x.txt");
  Form1->HandleParam(file);
  Form1->HandleParam(tmp / L"ParamDir");
  Form1->Timer3->SetEnabled(false);
  Form1->FlatSpeedButton2->Press();
  EXPECT_FALSE(Exists(file));
  EXPECT_FALSE(Exists(tmp / L"ParamDir"));
  EXPECT_TRUE(messages.empty()) << "no false administrator prompt";
  EXPECT_EQ(Status(), Summary(1, 1));
}

TEST_F(Jobs, EntriesAddedDuringAJobStay) {
  const std::wstring file = File(L"first.txt");
  const std::wstring later = tmp / L"arrived later.txt";
  Form1->AddFileEntry(file);
  Form1->ShredderObj->SetOnStartingFileOverwritePass([&](TComponent*, const std::wstring&, int pass, int) {
    if (pass == 1) Form1->HandleParam(later);  // a path forwarded while the job runs
  });
  Form1->FlatSpeedButton2->Press();
  ASSERT_EQ(Form1->ListView1->Count(), 1);
  EXPECT_EQ(Form1->ListView1->Items(0)->Caption(), later);
  EXPECT_TRUE(Form1->Timer3->Enabled()) << "it still gets its confirmation";
  Form1->Timer3->SetEnabled(false);
}

TEST_F(Jobs, NoJobRunsInsideAnother) {
  const std::wstring a = File(L"a.txt");
  Form1->AddFileEntry(a);
  const int before = Form1->JobsRun();
  bool checked = false;
  Form1->ShredderObj->SetOnStartingFileOverwritePass([&](TComponent*, const std::wstring&, int pass, int) {
    if (pass != 1 || checked) return;
    checked = true;
    Form1->FlatSpeedButton2->Press();  // a second "Start" while the first runs
    Form1->FlatSpeedButton5->Press();  // and the wipe
    EXPECT_EQ(Form1->JobsRun(), before + 1) << "nothing started inside the running job";
    Form1->Timer4Timer(Form1);
    EXPECT_EQ(Form1->ListView1->Count(), 1) << "Timer4 leaves a running job's entries alone";
  });
  Form1->FlatSpeedButton2->Press();
  EXPECT_TRUE(checked);
  EXPECT_EQ(Form1->JobsRun(), before + 3) << "both waited and ran afterwards";
  EXPECT_FALSE(Form1->JobRunning());
  EXPECT_FALSE(Exists(a));
  Form1->Show();
}

TEST_F(Jobs, ExitWhenFinishedActsOnceAfterTheLastEntry) {
  Options->CheckBox4->SetChecked(true);
  ::DeleteFileW(SettingsFile().c_str());
  Form1->AddFileEntry(File(L"one.txt"));
  Form1->AddFileEntry(File(L"two.txt"));
  std::vector<bool> visibleAtPass;
  Form1->ShredderObj->SetOnStartingFileOverwritePass([&](TComponent*, const std::wstring&, int, int) {
    visibleAtPass.push_back(::IsWindowVisible(Form1->Handle()) != FALSE);
  });
  Form1->FlatSpeedButton2->Press();
  Options->CheckBox4->SetChecked(false);
  EXPECT_EQ(visibleAtPass, (std::vector<bool>{true, true}));
  EXPECT_FALSE(::IsWindowVisible(Form1->Handle()));
  EXPECT_TRUE(Exists(SettingsFile())) << "closing saves";
  EXPECT_FALSE(Application().Terminated());
}

TEST_F(Jobs, StartSwitchIsNotAnEntryAndOnlyItArmsTimer5) {
  for (const wchar_t* sw : {L"/start", L"/START", L"-start"}) {
    Form1->Timer4->SetEnabled(false);
    Form1->Timer5->SetEnabled(false);
    Form1->ProcessCommandLine({sw});
    EXPECT_EQ(Form1->ListView1->Count(), 0) << "no entry for the switch";
    EXPECT_TRUE(Form1->Timer4->Enabled());
    EXPECT_TRUE(Form1->Timer5->Enabled());
  }
  Form1->Timer4->SetEnabled(false);
  Form1->Timer5->SetEnabled(false);
  Form1->ProcessCommandLine({tmp / L"from explorer.txt"});
  EXPECT_EQ(Form1->ListView1->Count(), 1);
  EXPECT_TRUE(Form1->Timer3->Enabled());
  EXPECT_FALSE(Form1->Timer5->Enabled()) << "a real path's confirmation stays until answered";
  Form1->Timer3->SetEnabled(false);

  // At log-on: the list is emptied and the window goes to the tray when CheckBox9 says so.
  ASSERT_TRUE(Options->CheckBox9->Checked());
  Form1->Timer4Timer(Form1);
  EXPECT_EQ(Form1->ListView1->Count(), 0);
  EXPECT_FALSE(::IsWindowVisible(Form1->Handle()));
  EXPECT_TRUE(Form1->Timer5->Enabled());
  Form1->Timer5Timer(Form1);
  EXPECT_FALSE(Form1->Timer5->Enabled());
}

TEST_F(Jobs, FailedElevatedRestartLosesNothing) {
  const std::wstring held = File(L"locked.txt");
  UniqueKernelHandle h(::CreateFileW(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  vek::SetMessageDialogFunction([](const std::wstring&, uint8_t, vek::TMsgDlgButtons) { return IDYES; });
  std::wstring reported;
  Application().SetErrorReporter([&](const std::wstring& m) { reported = m; });
  bool mutexFreeDuringStart = false;
  TForm1::SetShellRunAsFunction([&](const std::wstring&, const std::wstring&) {
    mutexFreeDuringStart = !InstanceMutex();
    throw std::system_error(ERROR_CANCELLED, std::system_category());
  });
  Form1->AddFileEntry(held);
  Form1->FlatSpeedButton2->Press();
  EXPECT_TRUE(mutexFreeDuringStart) << "the new instance would have got through the gate";
  EXPECT_FALSE(Application().Terminated());
  EXPECT_FALSE(reported.empty()) << "the error is shown";
  EXPECT_TRUE(InstanceMutex().Valid()) << "this instance holds the gate again";
  ASSERT_EQ(Form1->ListView1->Count(), 1) << "the list stays";

  std::wstring parameters;
  TForm1::SetShellRunAsFunction([&](const std::wstring& file, const std::wstring& params) {
    EXPECT_EQ(file, ProgramPath());
    parameters = params;
  });
  Form1->FlatSpeedButton2->Press();
  EXPECT_EQ(parameters, L"\"" + held + L"\"") << "what survived goes to the new instance";
  EXPECT_TRUE(Application().Terminated());
  Application().CancelTerminate();
  Form1->ClearList();
  ReacquireInstanceMutex();
}

TEST_F(Jobs, ConfirmationYesAndNo) {
  const std::wstring first = File(L"context1.txt"), second = File(L"context2.txt"), third = File(L"context3.txt");
  Form1->HandleParam(first);
  Form1->Timer3Timer(Form1);
  EXPECT_TRUE(confirm->Visible());
  EXPECT_TRUE(::GetWindowLongW(confirm->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  confirm->FlatButton1->Press();  // "&Yes"
  EXPECT_FALSE(confirm->Visible());
  EXPECT_FALSE(Exists(first));
  EXPECT_FALSE(::IsWindowVisible(Form1->Handle()));
  EXPECT_EQ(Form1->ListView1->Count(), 0);

  Form1->HandleParam(second);
  Form1->Timer3Timer(Form1);
  confirm->FlatButton2->Press();  // "&No"
  EXPECT_FALSE(confirm->Visible());
  EXPECT_TRUE(Exists(second));
  EXPECT_EQ(Form1->ListView1->Count(), 1);
  Form1->HandleParam(third);
  Form1->Timer3Timer(Form1);
  confirm->FlatButton1->Press();
  EXPECT_FALSE(Exists(second));
  EXPECT_FALSE(Exists(third));
}

TEST_F(Jobs, DriveListAndWipe) {
  if (!HaveScratchDrive()) GTEST_SKIP() << "no scratch drive T:";
  Form1->PageControl1->SetActivePageIndex(1);  // showing the page refreshes the list
  TListView* drives = Form1->ListView2;
  int tRow = -1;
  for (int i = 0; i < drives->Count(); ++i) {
    TListItem* row = drives->Items(i);
    ULARGE_INTEGER avail{}, total{}, free{};
    ASSERT_TRUE(::GetDiskFreeSpaceExW(row->Caption().c_str(), &avail, &total, &free));
    EXPECT_EQ(row->SubItems()[0], std::to_wstring(free.QuadPart / 1048576));
    EXPECT_EQ(row->SubItems()[2], std::to_wstring(total.QuadPart / 1048576));
    EXPECT_EQ(row->ImageIndex(), 5);
    EXPECT_FALSE(row->Checked());
    if (row->Caption() == L"T:") tRow = i;
  }
  ASSERT_GE(tRow, 0) << "the scratch drive is listed as a fixed drive";

  Form1->FlatSpeedButton5->Press();
  EXPECT_TRUE(messages.empty()) << "nothing ticked, nothing shown";

  drives->Items(tRow)->SetChecked(true);
  Form1->ckSilentOverwriteDriveFreeSpace->SetChecked(true);
  bool refreshedInside = false;
  Form1->test12->SetOnCheckForUserCancel([&](TComponent*, bool&) {
    if (refreshedInside) return;
    refreshedInside = true;
    Form1->SomeNameICantThinkOfNow();  // waits for the wipe
    EXPECT_TRUE(Form1->ListView2->Items(tRow)->Checked());
  });
  Form1->FlatSpeedButton5->Press();
  Form1->test12->SetOnCheckForUserCancel(nullptr);
  Form1->ckSilentOverwriteDriveFreeSpace->SetChecked(false);
  EXPECT_EQ(messages, std::vector<std::wstring>{L"The operation completed successfully."});
  WIN32_FIND_DATAW fd{};
  UniqueFindHandle left(::FindFirstFileW(L"T:\\~Tamberlock*", &fd));
  EXPECT_FALSE(left.Valid()) << "no work folder left";
  EXPECT_FALSE(Form1->ListView2->Items(tRow)->Checked()) << "the waiting refresh ran after the wipe";
  Form1->PageControl1->SetActivePageIndex(0);
}

TEST_F(Jobs, Timer6WritesTheTickedShellEntries) {
  ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, L"Tamberlock");
  ::RegDeleteTreeW(HKEY_CURRENT_USER, kFileVerb.c_str());
  ::RegDeleteTreeW(HKEY_CURRENT_USER, kFolderVerb.c_str());
  UniqueRegKey run;
  ::RegCreateKeyExW(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_READ, nullptr, run.Put(), nullptr);
  Options->CheckBox6->SetChecked(true);
  Options->CheckBox7->SetChecked(true);
  Options->CheckBox8->SetChecked(true);
  ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, L"Tamberlock");
  ::RegDeleteTreeW(HKEY_CURRENT_USER, kFileVerb.c_str());
  ::RegDeleteKeyW(HKEY_CURRENT_USER, kFileVerb.c_str());
  Form1->Timer6->SetEnabled(true);
  Form1->Timer6Timer(Form1);
  EXPECT_FALSE(Form1->Timer6->Enabled());
  EXPECT_EQ(RegString(HKEY_CURRENT_USER, kRunKey, L"Tamberlock"), L"\"" + ProgramPath() + L"\" /start");
  EXPECT_EQ(RegString(HKEY_CURRENT_USER, kFileVerb + L"\\command", nullptr), L"\"" + ProgramPath() + L"\" \"%1\"");
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kFolderVerb + L"\\command"));
}

TEST_F(Jobs, TrayMenu) {
  Form1->H1->Click();
  EXPECT_FALSE(::IsWindowVisible(Form1->Handle()));
  EXPECT_FALSE(Application().Terminated());
  Form1->S2->Click();
  EXPECT_TRUE(::IsWindowVisible(Form1->Handle()));
  Form1->H1->Click();
  Form1->A1->Click();
  EXPECT_TRUE(::IsWindowVisible(Form1->Handle()));
  EXPECT_EQ(Form1->PageControl1->ActivePageIndex(), 2);
  Form1->PageControl1->SetActivePageIndex(0);
  Form1->H1->Click();
  Form1->TrayIcon1Click(Form1->TrayIcon1);
  EXPECT_TRUE(::IsWindowVisible(Form1->Handle()));
  Form1->w1->Click();
  EXPECT_TRUE(Application().Terminated());
  Application().CancelTerminate();
  EXPECT_EQ(Form1->PopupMenu1->Items()->Count(), 9);
}

}  // namespace
