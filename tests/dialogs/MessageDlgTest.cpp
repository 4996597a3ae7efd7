// The message box: text reflow, kind titles and icons, button mapping, and a real box closed.
#include "dialogs/MessageDlg.h"
#include "support/GuiHelpers.h"
#include "toolkit/Application.h"

#include <commctrl.h>
#include <gtest/gtest.h>

using namespace vek;

namespace {

struct ReflowCase {
  const wchar_t* in;
  const wchar_t* out;
};

class Reflow : public testing::TestWithParam<ReflowCase> {};

TEST_P(Reflow, JoinsHandWrappedLines) { EXPECT_EQ(ReflowForTaskDialog(GetParam().in), GetParam().out); }

INSTANTIATE_TEST_SUITE_P(
    Cases, Reflow,
    testing::Values(
        // Two wrapped lines, a blank line, a third line.
        ReflowCase{L"first line\r\nsecond line\r\n\r\nthird", L"first line second line\r\n\r\nthird"},
        ReflowCase{L"a\rb", L"a\r\n\r\nb"},                 // a lone CR is a paragraph break
        ReflowCase{L"word \r\nnext", L"word next"},          // no double space
        ReflowCase{L"word\r\n next", L"word next"},
        ReflowCase{L"plain", L"plain"},
        ReflowCase{L"", L""}));

TEST(MessageDlg, KindsGiveTitleAndIcon) {
  tk::Application().SetTitle(L"AppTitle");
  struct Row { uint8_t kind; const wchar_t* title; PCWSTR icon; };
  const Row rows[] = {
      {mtWarning, L"Warning", TD_WARNING_ICON},         {mtError, L"Error", TD_ERROR_ICON},
      {mtInformation, L"Information", TD_INFORMATION_ICON}, {mtConfirmation, L"Confirm", IDI_QUESTION},
      {mtCustom, L"AppTitle", nullptr},                 {9, L"AppTitle", nullptr},
  };
  for (const Row& r : rows) {
    const auto p = TaskDialogParamsFor(r.kind, Buttons({mbOK}));
    EXPECT_EQ(p.title, r.title) << int(r.kind);
    EXPECT_EQ(p.icon, r.icon) << int(r.kind);
  }
}

TEST(MessageDlg, ButtonSetsMapToCommonButtons) {
  struct Row { TMsgDlgButtons set; int flags; };
  const Row rows[] = {
      {Buttons({mbYes, mbNo, mbCancel}), TDCBF_YES_BUTTON | TDCBF_NO_BUTTON | TDCBF_CANCEL_BUTTON},
      {Buttons({mbOK}), TDCBF_OK_BUTTON},
      {Buttons({mbAbort, mbRetry}), TDCBF_CLOSE_BUTTON | TDCBF_RETRY_BUTTON},
      {Buttons({mbIgnore}), 0},
      {Buttons({mbAll, mbNoToAll, mbYesToAll, mbHelp, mbClose}), 0},
  };
  for (const Row& r : rows) EXPECT_EQ(TaskDialogParamsFor(mtWarning, r.set).commonButtons, r.flags);
}

TEST(MessageDlg, RealBoxReturnsTheButtonPressed) {
  tk::Application().Initialize();
  testsupport::CommandWhenShown closer(L"Confirm", IDNO);
  const int result = ShowMessageDialog(L"Shred it?", mtConfirmation, Buttons({mbYes, mbNo}), 0);
  EXPECT_TRUE(closer.Found());
  EXPECT_EQ(result, IDNO);
}

TEST(MessageDlg, InfoMessageGoesThroughTheInjectedFunction) {
  std::wstring seen;
  uint8_t seenKind = 0xFF;
  SetMessageDialogFunction([&](const std::wstring& text, uint8_t kind, TMsgDlgButtons buttons) {
    seen = text;
    seenKind = kind;
    EXPECT_EQ(buttons, Buttons({mbOK}));
    return IDOK;
  });
  EXPECT_EQ(ShowInfoMessage(L"Done"), IDOK);
  SetMessageDialogFunction(nullptr);
  EXPECT_EQ(seen, L"Done");
  EXPECT_EQ(seenKind, mtInformation);
}

}  // namespace
