// The modal message box: the task dialog where the platform has it, the standard box otherwise.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

namespace vek {

enum TMsgDlgType : uint8_t { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

enum TMsgDlgBtn : uint8_t {
  mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp, mbClose
};
// Bit n stands for button n.
using TMsgDlgButtons = uint16_t;
constexpr TMsgDlgButtons Buttons(std::initializer_list<TMsgDlgBtn> list) {
  TMsgDlgButtons set = 0;
  for (TMsgDlgBtn b : list) set = static_cast<TMsgDlgButtons>(set | (1u << b));
  return set;
}

// What the task dialog is given for a kind and a button set.
struct TTaskDialogParams {
  std::wstring title;
  PCWSTR icon;  // TD_*_ICON, MAKEINTRESOURCE(IDI_QUESTION), or nullptr
  int commonButtons;
};
TTaskDialogParams TaskDialogParamsFor(uint8_t kind, TMsgDlgButtons buttons);

// Hand-wrapped lines become flowing paragraphs (Vista and later only).
std::wstring ReflowForTaskDialog(const std::wstring& text);

int ShowMessageDialog(const std::wstring& text, uint8_t kind, TMsgDlgButtons buttons, int32_t helpContext);
int ShowInfoMessage(const std::wstring& text);

// Tests replace the box with a recorder; the default (empty) shows the real box.
using TMessageDialogFunction =
    std::function<int(const std::wstring& text, uint8_t kind, TMsgDlgButtons buttons)>;
void SetMessageDialogFunction(TMessageDialogFunction f);

}  // namespace vek
