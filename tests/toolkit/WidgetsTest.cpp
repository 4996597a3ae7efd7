// List view, menus, page control, status bar, timer, tray icon, dialogs and Synchronize.
#include "support/GuiHelpers.h"
#include "toolkit/Application.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/Dialogs.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Forms.h"
#include "toolkit/ImgList.h"
#include "toolkit/ListView.h"
#include "toolkit/Menus.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/Thread.h"

#include <commctrl.h>
#include <gtest/gtest.h>

using namespace tk;

namespace {

class WidgetsTest : public testing::Test {
 protected:
  void SetUp() override {
    Application().Initialize();
    form.SetClientSize(400, 300);
  }
  TForm form;
};

std::wstring ItemText(HWND lv, int item, int sub) {
  wchar_t buf[256] = {};
  ListView_GetItemText(lv, item, sub, buf, 256);
  return buf;
}

TEST_F(WidgetsTest, ListViewItemsColumnsGroupsAndChecks) {
  auto* lv = new TListView(&form, &form);
  lv->SetBounds(0, 0, 380, 200);
  lv->AddColumn(L"Name", 200);
  lv->AddColumn(L"Size", 80);
  lv->AddGroup(0, L"Files");
  lv->AddGroup(1, L"Folders");
  lv->SetGroupView(true);
  lv->SetCheckboxes(true);
  TImageList images(&form);
  images.AddIcon(::LoadIconW(nullptr, IDI_APPLICATION));
  lv->SetSmallImages(&images);

  TListItem* a = lv->AddItem();
  a->SetCaption(L"C:\\a.txt");
  a->AddSubItem(L"12 KB");
  a->SetGroupID(0);
  a->SetImageIndex(0);
  TListItem* b = lv->AddItem();
  b->SetCaption(L"C:\\Folder");
  b->SetGroupID(1);
  b->SetChecked(true);

  ASSERT_EQ(lv->Count(), 2);
  EXPECT_EQ(ListView_GetItemCount(lv->Handle()), 2);
  EXPECT_EQ(ItemText(lv->Handle(), 0, 0), L"C:\\a.txt");
  EXPECT_EQ(ItemText(lv->Handle(), 0, 1), L"12 KB");
  EXPECT_EQ(a->GroupID(), 0);
  EXPECT_EQ(b->GroupID(), 1);
  EXPECT_EQ(lv->GroupIds(), (std::vector<int>{0, 1}));
  EXPECT_TRUE(b->Checked());
  EXPECT_FALSE(a->Checked());
  EXPECT_TRUE(lv->GroupView());
  lv->SetGroupView(false);
  EXPECT_FALSE(lv->GroupView());

  lv->Delete(0);
  EXPECT_EQ(lv->Count(), 1);
  EXPECT_EQ(lv->Items(0)->Caption(), L"C:\\Folder");
  EXPECT_EQ(lv->Items(0)->Index(), 0);
  EXPECT_TRUE(lv->Items(0)->Checked());
  lv->Clear();
  EXPECT_EQ(ListView_GetItemCount(lv->Handle()), 0);
}

TEST_F(WidgetsTest, MainMenuCommandReachesTheItem) {
  TMainMenu menu(&form);
  TMenuItem* file = menu.Items()->Add(L"&File");
  int exits = 0;
  TMenuItem* exitItem = file->Add(L"&Exit", [&](TComponent*) { ++exits; });
  menu.AttachTo(&form);
  EXPECT_TRUE(::GetMenu(form.Handle()));
  ::SendMessageW(form.Handle(), WM_COMMAND, MAKEWPARAM(exitItem->CommandId(), 0), 0);
  EXPECT_EQ(exits, 1);
  EXPECT_EQ(TMenuItem::FromCommand(exitItem->CommandId()), exitItem);
}

TEST_F(WidgetsTest, PageControlRunsOnShowOfTheNewPage) {
  auto* pages = new TPageControl(&form, &form);
  pages->SetBounds(0, 0, 300, 200);
  auto* one = new TTabSheet(&form, pages, L"File Shredder");
  auto* two = new TTabSheet(&form, pages, L"Drive Wipe");
  int shownTwo = 0;
  two->SetOnShow([&](TComponent*) { ++shownTwo; });
  EXPECT_EQ(pages->ActivePage(), one);
  pages->SetActivePage(two);
  EXPECT_EQ(shownTwo, 1);
  EXPECT_TRUE(two->Visible());
  EXPECT_FALSE(one->Visible());
  pages->SetActivePage(two);
  EXPECT_EQ(shownTwo, 1);
}

TEST_F(WidgetsTest, StatusBarAndEditableCombo) {
  auto* bar = new TStatusBar(&form, &form);
  bar->SetSimpleText(L"Successfuly Erased");
  wchar_t text[64] = {};
  ::SendMessageW(bar->Handle(), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, L"Successfuly Erased");
  auto* combo = new TComboBox(&form, &form, csDropDown);
  int changes = 0;
  combo->SetOnChange([&](TComponent*) { ++changes; });
  combo->SetText(L"custom text");
  EXPECT_EQ(combo->Text(), L"custom text");
  EXPECT_EQ(changes, 0);
}

TEST_F(WidgetsTest, TimerFiresUntilDisabled) {
  TTimer timer(&form);
  int ticks = 0;
  timer.SetInterval(20);
  timer.SetOnTimer([&](TComponent* s) {
    EXPECT_EQ(s, &timer);
    if (++ticks == 2) timer.SetEnabled(false);
  });
  testsupport::PumpFor(400);
  EXPECT_EQ(ticks, 2);
}

TEST_F(WidgetsTest, TrayIconClickBalloonAndReAddAfterTaskbarRestart) {
  struct Call { DWORD message; UINT flags; std::wstring info; };
  std::vector<Call> calls;
  TTrayIcon::SetNotifyFunction([&](DWORD message, const NOTIFYICONDATAW& d) {
    calls.push_back({message, d.uFlags, d.szInfo});
    return TRUE;
  });
  {
    TTrayIcon tray(&form);
    tray.SetIcon(::LoadIconW(nullptr, IDI_APPLICATION));
    tray.SetHint(L"Tamberlock");
    EXPECT_TRUE(calls.empty()) << "nothing shown while invisible";
    tray.SetVisible(true);
    int clicks = 0;
    tray.SetOnClick([&](TComponent*) { ++clicks; });
    ::SendMessageW(tray.Handle(), WM_APP + 0x3A1, 1, WM_LBUTTONUP);
    EXPECT_EQ(clicks, 1);
    tray.SetBalloonTitle(L"Tamberlock");
    tray.SetBalloonHint(L"The operation completed.");
    tray.SetBalloonFlags(bfInfo);
    tray.ShowBalloonHint();
    ::SendMessageW(tray.Handle(), ::RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    tray.SetVisible(false);
  }
  TTrayIcon::SetNotifyFunction(nullptr);
  ASSERT_EQ(calls.size(), 4u);
  EXPECT_EQ(calls[0].message, DWORD(NIM_ADD));
  EXPECT_EQ(calls[1].message, DWORD(NIM_MODIFY));
  EXPECT_TRUE(calls[1].flags & NIF_INFO);
  EXPECT_EQ(calls[1].info, L"The operation completed.");
  EXPECT_EQ(calls[2].message, DWORD(NIM_ADD)) << "added again for the new taskbar";
  EXPECT_EQ(calls[3].message, DWORD(NIM_DELETE));
}

TEST_F(WidgetsTest, TrayIconWithTheRealNotificationArea) {
  TTrayIcon tray(&form);
  tray.SetIcon(::LoadIconW(nullptr, IDI_APPLICATION));
  tray.SetVisible(true);
  NOTIFYICONDATAW nid{};
  nid.cbSize = sizeof(nid);
  nid.hWnd = tray.Handle();
  nid.uID = 1;
  nid.uFlags = NIF_TIP;
  EXPECT_TRUE(::Shell_NotifyIconW(NIM_MODIFY, &nid)) << "the icon was added";
}

class Worker : public TThread {
 public:
  DWORD ranOn = 0;
  int value = 0;

 protected:
  void Execute() override {
    Synchronize([this] {
      ranOn = ::GetCurrentThreadId();
      value = 42;
    });
  }
};

TEST_F(WidgetsTest, SynchronizeRunsOnTheUserInterfaceThreadAndWaits) {
  Worker worker;
  worker.Start();
  for (int i = 0; i < 200 && !worker.Finished(); ++i) {
    Application().ProcessMessages();
    ::Sleep(5);
  }
  worker.WaitFor();
  EXPECT_EQ(worker.ranOn, ::GetCurrentThreadId());
  EXPECT_EQ(worker.value, 42);
}

TEST_F(WidgetsTest, FolderPickerCancelledGivesFalse) {
  TFolderDialog dialog(&form);
  dialog.SetTitle(L"Pick a folder for the test");
  testsupport::CommandWhenShown closer(L"Pick a folder for the test", IDCANCEL);
  EXPECT_FALSE(dialog.Execute(form.Handle()));
  EXPECT_TRUE(closer.Found());
  EXPECT_EQ(dialog.Folder(), L"");
}

}  // namespace
