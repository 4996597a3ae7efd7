// The drop component with real WM_DROPFILES messages built from a DROPFILES block.
#include "dropfiles/VEKDropFiles.h"
#include "support/TestFiles.h"
#include "toolkit/Application.h"
#include "toolkit/Forms.h"
#include "toolkit/ListView.h"

#include <gtest/gtest.h>

#include <shlobj.h>

using namespace testsupport;
using vek::TVEKDropFiles;

namespace {

// A global block as the shell hands it over: DROPFILES, then the wide paths, double-terminated.
HGLOBAL MakeDrop(const std::vector<std::wstring>& paths, POINT pt) {
  size_t chars = 1;
  for (const auto& p : paths) chars += p.size() + 1;
  HGLOBAL h = ::GlobalAlloc(GHND, sizeof(DROPFILES) + chars * sizeof(wchar_t));
  auto* df = static_cast<DROPFILES*>(::GlobalLock(h));
  df->pFiles = sizeof(DROPFILES);
  df->pt = pt;
  df->fNC = FALSE;
  df->fWide = TRUE;
  auto* out = reinterpret_cast<wchar_t*>(df + 1);
  for (const auto& p : paths) {
    p.copy(out, p.size());
    out += p.size() + 1;
  }
  ::GlobalUnlock(h);
  return h;
}

struct Event {
  std::wstring kind, path;
  POINT pt;
};

class DropTest : public testing::Test {
 protected:
  void SetUp() override {
    tk::Application().Initialize();
    list = new tk::TListView(&form, &form);
    list->SetBounds(0, 0, 200, 100);
    MakeFile(tmp / L"one.txt", "1");
    MakeFile(tmp / L"two.txt", "2");
    MakeDir(tmp / L"folder");
  }
  void Record(TVEKDropFiles& drop) {
    drop.SetOnItemsDrop([this](tk::TComponent*, std::vector<std::wstring>& items, POINT pt) {
      for (const auto& i : items) events.push_back({L"items", i, pt});
      if (removeSecond && items.size() > 1) items.erase(items.begin() + 1);
    });
    drop.SetOnFileDrop([this](tk::TComponent*, const std::wstring& p, POINT pt) { events.push_back({L"file", p, pt}); });
    drop.SetOnDirectoryDrop([this](tk::TComponent*, const std::wstring& p, POINT pt) { events.push_back({L"dir", p, pt}); });
  }
  // Pumps until the delivery thread has run, or a second has passed.
  void PumpUntil(size_t count) {
    for (int i = 0; i < 200 && events.size() < count; ++i) {
      tk::Application().ProcessMessages();
      ::Sleep(5);
    }
    tk::Application().ProcessMessages();
  }
  std::vector<std::wstring> Kinds() const {
    std::vector<std::wstring> k;
    for (const auto& e : events) k.push_back(e.kind + L":" + e.path.substr(e.path.find_last_of(L'\\') + 1));
    return k;
  }
  tk::TForm form;
  tk::TListView* list;
  TempDir tmp;
  std::vector<Event> events;
  bool removeSecond = false;
};

TEST_F(DropTest, TwoFilesAndAFolderGiveTheListThenOneEventEach) {
  TVEKDropFiles drop(&form);
  drop.SetDropControl(list);
  drop.SetActive(true);
  Record(drop);
  ::PostMessageW(list->Handle(), WM_DROPFILES,
                 reinterpret_cast<WPARAM>(MakeDrop({tmp / L"one.txt", tmp / L"two.txt", tmp / L"folder", tmp / L"gone.txt"}, {12, 34})), 0);
  PumpUntil(7);
  EXPECT_EQ(Kinds(), (std::vector<std::wstring>{L"items:one.txt", L"items:two.txt", L"items:folder", L"items:gone.txt",
                                                L"file:one.txt", L"file:two.txt", L"dir:folder"}));
  for (const auto& e : events) {
    EXPECT_EQ(e.pt.x, 12);
    EXPECT_EQ(e.pt.y, 34);
  }
  EXPECT_EQ(events[4].path, tmp / L"one.txt");
}

TEST_F(DropTest, ItemsHandlerThatRemovesEntriesSuppressesTheirEvents) {
  TVEKDropFiles drop(&form);
  drop.SetDropControl(list);
  drop.SetActive(true);
  Record(drop);
  removeSecond = true;
  ::PostMessageW(list->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({tmp / L"one.txt", tmp / L"two.txt"}, {1, 1})), 0);
  PumpUntil(3);
  EXPECT_EQ(Kinds(), (std::vector<std::wstring>{L"items:one.txt", L"items:two.txt", L"file:one.txt"}));
}

TEST_F(DropTest, FirstActivatedComponentOnAControlWins) {
  TVEKDropFiles first(&form), second(&form);
  first.SetDropControl(list);
  second.SetDropControl(list);
  first.SetActive(true);
  second.SetActive(true);
  int secondCalls = 0;
  Record(first);
  second.SetOnFileDrop([&](tk::TComponent*, const std::wstring&, POINT) { ++secondCalls; });
  ::PostMessageW(list->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({tmp / L"one.txt"}, {0, 0})), 0);
  PumpUntil(2);
  EXPECT_EQ(Kinds(), (std::vector<std::wstring>{L"items:one.txt", L"file:one.txt"}));
  EXPECT_EQ(secondCalls, 0);
}

TEST_F(DropTest, HookFollowsTheActiveComponents) {
  EXPECT_FALSE(TVEKDropFiles::HookInstalled());
  TVEKDropFiles a(&form), b(&form);
  a.SetDropControl(list);
  b.SetDropControl(&form);
  a.SetActive(true);
  a.SetActive(true);
  b.SetActive(true);
  EXPECT_TRUE(TVEKDropFiles::HookInstalled());
  EXPECT_TRUE(::GetWindowLongW(list->Handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
  a.SetActive(false);
  EXPECT_TRUE(TVEKDropFiles::HookInstalled());
  b.SetActive(false);
  EXPECT_FALSE(TVEKDropFiles::HookInstalled());
  EXPECT_FALSE(::GetWindowLongW(list->Handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
  a.SetActive(true);
  EXPECT_TRUE(TVEKDropFiles::HookInstalled());
  a.SetActive(false);
}

TEST_F(DropTest, OwnerBecomesTheControlWhenNoneIsSet) {
  TVEKDropFiles drop(&form);
  drop.SetActive(true);
  EXPECT_EQ(drop.DropControl(), &form);
  drop.SetActive(false);
  TVEKDropFiles orphan;
  orphan.SetActive(true);
  EXPECT_TRUE(orphan.Active());
  EXPECT_FALSE(TVEKDropFiles::HookInstalled()) << "active without a control receives nothing";
}

TEST_F(DropTest, MessageLookedAtTwiceIsHandledOnce) {
  TVEKDropFiles drop(&form);
  drop.SetDropControl(list);
  drop.SetActive(true);
  Record(drop);
  HGLOBAL block = MakeDrop({tmp / L"one.txt"}, {5, 6});
  ::PostMessageW(list->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(block), 0);
  MSG msg;
  ASSERT_TRUE(::PeekMessageW(&msg, nullptr, WM_DROPFILES, WM_DROPFILES, PM_NOREMOVE));
  ASSERT_TRUE(::PeekMessageW(&msg, nullptr, WM_DROPFILES, WM_DROPFILES, PM_NOREMOVE));
  ASSERT_TRUE(::PeekMessageW(&msg, nullptr, WM_DROPFILES, WM_DROPFILES, PM_REMOVE));
  ::DispatchMessageW(&msg);
  PumpUntil(10);
  EXPECT_EQ(Kinds(), (std::vector<std::wstring>{L"items:one.txt", L"file:one.txt"}));
  EXPECT_EQ(::GlobalSize(block), 0u) << "the drop handle was released";
}

}  // namespace
