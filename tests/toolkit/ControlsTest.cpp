// Toolkit semantics later windows rely on: check-box and combo-box events, the message loop's
// look-then-remove, ownership, and layout.
#include "toolkit/Application.h"
#include "toolkit/Forms.h"
#include "toolkit/StdCtrls.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tk;

namespace {

class ControlsTest : public testing::Test {
 protected:
  void SetUp() override {
    Application().Initialize();
    form.SetClientSize(300, 200);
  }
  TForm form;
};

TEST_F(ControlsTest, CheckBoxClickRunsOnEveryChangeByUserOrCode) {
  auto* box = new TCheckBox(&form, &form, L"Option");
  int clicks = 0;
  box->SetOnClick([&](TComponent* s) {
    EXPECT_EQ(s, box);
    ++clicks;
  });
  box->SetChecked(true);
  EXPECT_EQ(clicks, 1);
  box->SetChecked(true);  // no change, no event
  EXPECT_EQ(clicks, 1);
  form.Show();
  box->SetBounds(5, 5, 100, 20);
  ::SendMessageW(box->Handle(), BM_CLICK, 0, 0);  // the user unticks it
  EXPECT_EQ(clicks, 2);
  EXPECT_FALSE(box->Checked());
}

TEST_F(ControlsTest, ComboChangeRunsOnlyOnTheUsersChange) {
  auto* combo = new TComboBox(&form, &form, csDropDownList);
  for (const wchar_t* s : {L"Zeros", L"RCMP", L"Gutmann"}) combo->AddItem(s);
  int changes = 0;
  combo->SetOnChange([&](TComponent*) { ++changes; });
  combo->SetItemIndex(2);
  combo->SetText(L"RCMP");
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(changes, 0);
  // A user's choice arrives as CBN_SELCHANGE.
  ::SendMessageW(form.Handle(), WM_COMMAND, MAKEWPARAM(combo->ControlId(), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo->Handle()));
  EXPECT_EQ(changes, 1);
  combo->SetItemIndex(-1);
  EXPECT_EQ(combo->ItemIndex(), -1);
}

// Counts how often a per-thread message hook sees a message, and with which removal flag.
std::vector<WPARAM> g_hookFlags;
LRESULT CALLBACK CountingHook(int code, WPARAM wParam, LPARAM lParam) {
  auto* msg = reinterpret_cast<MSG*>(lParam);
  if (code == HC_ACTION && msg->message == WM_APP + 11) g_hookFlags.push_back(wParam);
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(ControlsTest, ProcessMessagesLooksOnceThenRemoves) {
  HHOOK hook = ::SetWindowsHookExW(WH_GETMESSAGE, CountingHook, nullptr, ::GetCurrentThreadId());
  ASSERT_TRUE(hook);
  g_hookFlags.clear();
  ::PostMessageW(form.Handle(), WM_APP + 11, 0, 0);
  Application().ProcessMessages();
  ::UnhookWindowsHookEx(hook);
  EXPECT_EQ(g_hookFlags, (std::vector<WPARAM>{PM_NOREMOVE, PM_REMOVE}));
  MSG msg;
  EXPECT_FALSE(::PeekMessageW(&msg, nullptr, WM_APP + 11, WM_APP + 11, PM_NOREMOVE));
}

TEST_F(ControlsTest, OwnedComponentsInCreationOrderAndFreedWithTheOwner) {
  auto* a = new TCheckBox(&form, &form, L"a");
  a->SetName(L"CheckBox1");
  auto* b = new TEdit(&form, &form);
  b->SetName(L"Edit1");
  ASSERT_EQ(form.ComponentCount(), 2);
  EXPECT_EQ(form.Components(0), a);
  EXPECT_EQ(form.Components(1), b);
  EXPECT_EQ(form.Components(0)->ClassName(), L"TCheckBox");
  EXPECT_EQ(form.Components(1)->ClassName(), L"TEdit");
  delete a;
  EXPECT_EQ(form.ComponentCount(), 1);
  EXPECT_EQ(form.FindComponent(L"Edit1"), b);
}

TEST_F(ControlsTest, ButtonModalResultClosesAModalForm) {
  auto* ok = new TButton(&form, &form, L"OK");
  ok->SetBounds(10, 10, 75, 25);
  ok->SetModalResult(mrOk);
  int clicks = 0;
  ok->SetOnClick([&](TComponent*) { ++clicks; });
  ::PostMessageW(ok->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(form.ShowModal(), mrOk);
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(form.Visible());
}

TEST_F(ControlsTest, CloseQueryCanRefuse) {
  bool allow = false;
  form.SetOnCloseQuery([&](TComponent*, bool& can) { can = allow; });
  form.Show();
  form.Close();
  EXPECT_TRUE(form.Visible());
  allow = true;
  form.Close();
  EXPECT_FALSE(form.Visible());
}

TEST_F(ControlsTest, AlignAndAnchorsFollowTheParent) {
  form.SetClientSize(400, 300);
  auto* top = new TPanel(&form, &form);
  top->SetBounds(0, 0, 10, 30);
  top->SetAlign(alTop);
  auto* client = new TPanel(&form, &form);
  client->SetAlign(alClient);
  auto* button = new TButton(&form, &form, L"x");
  button->SetBounds(300, 250, 80, 25);
  button->SetAnchors(akRight | akBottom);
  form.SetClientSize(500, 400);
  EXPECT_EQ(top->Width(), 500);
  EXPECT_EQ(client->Top(), 30);
  EXPECT_EQ(client->Height(), 370);
  EXPECT_EQ(button->Left(), 400);
  EXPECT_EQ(button->Top(), 350);
  EXPECT_EQ(button->Width(), 80);
}

TEST_F(ControlsTest, EditPasswordCharAndListBox) {
  auto* edit = new TEdit(&form, &form);
  edit->SetPasswordChar(L'*');
  edit->SetText(L"secret");
  EXPECT_EQ(edit->Text(), L"secret");
  EXPECT_EQ(::SendMessageW(edit->Handle(), EM_GETPASSWORDCHAR, 0, 0), L'*');
  auto* list = new TListBox(&form, &form);
  list->AddItem(L"one");
  list->AddItem(L"two");
  list->SetItem(0, L"uno");
  EXPECT_EQ(list->Items(), (std::vector<std::wstring>{L"uno", L"two"}));
}

TEST(ApplicationTest, HandleExceptionReportsTheMessage) {
  std::wstring reported;
  Application().SetErrorReporter([&](const std::wstring& m) { reported = m; });
  Application().Guard([] { throw std::runtime_error("Unable to write to x.ini"); });
  Application().SetErrorReporter(nullptr);
  EXPECT_EQ(reported, L"Unable to write to x.ini");
}

}  // namespace
