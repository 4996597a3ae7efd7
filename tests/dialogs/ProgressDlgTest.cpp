// The progress dialog on a real window: percent, estimates from an injected clock, the cancel
// flow by click, Enter and Escape, the status panel, and responsiveness during a long loop.
#include "dialogs/MessageDlg.h"
#include "dialogs/VEKProgressDlg.h"
#include "toolkit/Application.h"

#include <gtest/gtest.h>

using namespace vek;

namespace {

constexpr double kSecond = 1.0 / 86400.0;

class ProgressTest : public testing::Test {
 protected:
  void SetUp() override { tk::Application().Initialize(); }
  TVEKProgressDialog dlg;
  int Bar() const { return dlg.pgbOverall->Position(); }
};

TEST_F(ProgressTest, PercentOfThe64BitRange) {
  dlg.Seti64Max(1000);
  dlg.Seti64Min(0);
  struct Row { int64_t pos; int bar; };
  for (Row r : {Row{999, 99}, Row{1000, 100}, Row{1500, 100}, Row{-5, 0}, Row{0, 0}, Row{500, 50}}) {
    dlg.Seti64Position(r.pos);
    EXPECT_EQ(Bar(), r.bar) << r.pos;
  }
  EXPECT_EQ(dlg.pgbOverall->Min(), 0);
  EXPECT_EQ(dlg.pgbOverall->Max(), 100);
  dlg.Seti64InversePosition(250);  // 750 done
  EXPECT_EQ(Bar(), 75);
  dlg.i64IncPosition();
  EXPECT_EQ(dlg.i64Position(), 751);
}

TEST_F(ProgressTest, EqualNonZeroMinAndMaxShowsComplete) {
  dlg.Seti64Min(7);
  dlg.Seti64Max(7);
  dlg.Seti64Position(3);
  EXPECT_EQ(Bar(), 100);
}

TEST_F(ProgressTest, ZeroMaxLeavesTheBarAndDispatchesNothing) {
  dlg.Seti64Max(100);
  dlg.Seti64Position(40);
  ASSERT_EQ(Bar(), 40);
  ::PostThreadMessageW(::GetCurrentThreadId(), WM_APP + 7, 0, 0);
  dlg.Seti64Max(0);
  dlg.Seti64Position(77);
  EXPECT_EQ(Bar(), 40);
  EXPECT_EQ(dlg.pgbOverall->Max(), 100);
  MSG msg;
  EXPECT_TRUE(::PeekMessageW(&msg, nullptr, WM_APP + 7, WM_APP + 7, PM_REMOVE)) << "still queued";
}

TEST_F(ProgressTest, TimeRemainingTexts) {
  double now = 45000.0;
  dlg.SetNowFunction([&] { return now; });
  dlg.SetShowTimeRemaining(true);
  EXPECT_TRUE(dlg.lblEstTimeRemaining->Visible());
  dlg.Show();
  dlg.Seti64Max(100);
  struct Row { double elapsed; int64_t pos; const wchar_t* text; };
  const Row rows[] = {
      {60 * kSecond, 25, L"3 minutes, 0 seconds"},
      {1 * kSecond, 50, L"1 seconds"},
      {3600 * kSecond, 50, L"1 hours, 0 minutes"},
      {86400 * kSecond, 25, L"3 days, 0 hours"},
      {10 * kSecond, 0, L"<unknown>"},
  };
  for (const Row& r : rows) {
    now = 45000.0 + r.elapsed;
    dlg.Seti64Position(r.pos);
    EXPECT_EQ(dlg.lblEstTimeRemaining->Caption(), r.text);
  }
  // At the very moment of showing the label is left as it was.
  now = 45000.0;
  dlg.Seti64Position(50);
  EXPECT_EQ(dlg.lblEstTimeRemaining->Caption(), L"<unknown>");
}

TEST_F(ProgressTest, CancelByClickIsFinal) {
  dlg.Show();
  EXPECT_FALSE(dlg.Cancel);
  ::SendMessageW(dlg.pbCancel->Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(dlg.Cancel);
  EXPECT_FALSE(dlg.pbCancel->Enabled());
  dlg.Seti64Max(10);
  dlg.Seti64Position(5);
  EXPECT_TRUE(dlg.Cancel);
  EXPECT_FALSE(dlg.pbCancel->Enabled());
  EXPECT_TRUE(dlg.Visible()) << "cancel does not close the dialog";
}

TEST_F(ProgressTest, EnterAndEscapePressCancel) {
  for (WPARAM key : {WPARAM(VK_RETURN), WPARAM(VK_ESCAPE)}) {
    TVEKProgressDialog d;
    d.Show();
    ::SetActiveWindow(d.Handle());
    d.pbCancel->SetFocus();
    ::PostMessageW(d.pbCancel->Handle(), WM_KEYDOWN, key, 0);
    ::PostMessageW(d.pbCancel->Handle(), WM_KEYUP, key, 0xC0000000);
    tk::Application().ProcessMessages();
    EXPECT_TRUE(d.Cancel) << "key " << key;
    EXPECT_FALSE(d.pbCancel->Enabled());
  }
}

TEST_F(ProgressTest, ConfirmCancelShowsTheMessageBeforeReturning) {
  std::wstring shown;
  SetMessageDialogFunction([&](const std::wstring& text, uint8_t kind, TMsgDlgButtons) {
    EXPECT_EQ(kind, mtInformation);
    shown = text;
    return IDOK;
  });
  dlg.SetConfirmCancel(true);
  dlg.pbCancel->Press();
  SetMessageDialogFunction(nullptr);
  EXPECT_EQ(shown, L"Operation cancelled by user");
  EXPECT_TRUE(dlg.Cancel);
}

TEST_F(ProgressTest, CancelSetsModalResultWhenAsked) {
  dlg.SetCancelSetsModalResult(true);
  dlg.pbCancel->Press();
  EXPECT_EQ(dlg.ModalResult(), tk::mrCancel);
}

TEST_F(ProgressTest, StatusPanelGrowsAndShrinksTheFormOnce) {
  const int hidden = dlg.Height();
  const int panel = dlg.pnlStatusText->Height();
  EXPECT_EQ(panel, tk::Scale(29));
  EXPECT_FALSE(dlg.ShowStatusText());
  dlg.SetShowStatusText(true);
  EXPECT_EQ(dlg.Height(), hidden + panel);
  dlg.SetShowStatusText(true);
  EXPECT_EQ(dlg.Height(), hidden + panel);
  EXPECT_TRUE(dlg.pnlStatusText->Visible());
  dlg.SetShowStatusText(false);
  EXPECT_EQ(dlg.Height(), hidden);
  EXPECT_FALSE(dlg.pnlStatusText->Visible());
}

TEST_F(ProgressTest, CreationState) {
  EXPECT_EQ(dlg.Caption(), L"Progress");
  EXPECT_TRUE(dlg.pbCancel->Enabled());
  EXPECT_FALSE(dlg.Indeterminate());
  EXPECT_FALSE(dlg.lblEstTimeRemaining->Visible());
  EXPECT_EQ(dlg.lblEstTimeRemaining->Caption(), L"<unknown>");
  EXPECT_EQ(dlg.StatusText(), L"");
  EXPECT_EQ(dlg.ClientWidth(), tk::Scale(383));
  dlg.SetIndeterminate(true);
  EXPECT_TRUE(dlg.Indeterminate());
  EXPECT_FALSE(dlg.pgbOverall->Visible());
}

TVEKProgressDialog* g_timerTarget = nullptr;

void CALLBACK PressCancel(HWND, UINT, UINT_PTR id, DWORD) {
  ::KillTimer(nullptr, id);
  if (g_timerTarget) ::SendMessageW(g_timerTarget->pbCancel->Handle(), BM_CLICK, 0, 0);
}

TEST_F(ProgressTest, LongLoopSeesCancelPressedByATimer) {
  dlg.Show();
  dlg.Seti64Max(1000000);
  g_timerTarget = &dlg;
  ::SetTimer(nullptr, 0, 200, PressCancel);
  int64_t i = 0;
  for (; i < 1000000 && !dlg.Cancel; ++i) {
    dlg.Seti64Position(i);
    ::Sleep(1);
  }
  g_timerTarget = nullptr;
  EXPECT_TRUE(dlg.Cancel);
  EXPECT_LT(i, 1000000) << "the loop stopped early";
  EXPECT_GT(i, 10) << "the cancel came from the timer, during the loop";
}

}  // namespace
