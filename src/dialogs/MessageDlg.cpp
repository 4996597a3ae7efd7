// The message box: task dialog with reflowed text, or the standard box as the fallback.
#include "dialogs/MessageDlg.h"

#include "fsutil/VEKGeneral.h"
#include "toolkit/Application.h"

#include <commctrl.h>

namespace vek {

namespace {

TMessageDialogFunction& DialogFunction() {
  static TMessageDialogFunction f;
  return f;
}

std::wstring ReplaceAll(std::wstring s, const std::wstring& from, const std::wstring& to) {
  for (size_t pos = s.find(from); pos != std::wstring::npos; pos = s.find(from, pos + to.size()))
    s.replace(pos, from.size(), to);
  return s;
}

using TaskDialogFn = HRESULT(WINAPI*)(HWND, HINSTANCE, PCWSTR, PCWSTR, PCWSTR,
                                      TASKDIALOG_COMMON_BUTTON_FLAGS, PCWSTR, int*);

// The standard box, with the kind's icon and the nearest button set.
int ShowStandardBox(const std::wstring& text, uint8_t kind, TMsgDlgButtons buttons) {
  auto has = [&](TMsgDlgBtn b) { return (buttons & (1u << b)) != 0; };
  UINT type = MB_OK;
  if (has(mbYes) && has(mbNo)) type = has(mbCancel) ? MB_YESNOCANCEL : MB_YESNO;
  else if (has(mbAbort) && has(mbRetry)) type = MB_ABORTRETRYIGNORE;
  else if (has(mbRetry) && has(mbCancel)) type = MB_RETRYCANCEL;
  else if (has(mbOK) && has(mbCancel)) type = MB_OKCANCEL;
  switch (kind) {
    case mtWarning: type |= MB_ICONWARNING; break;
    case mtError: type |= MB_ICONERROR; break;
    case mtInformation: type |= MB_ICONINFORMATION; break;
    case mtConfirmation: type |= MB_ICONQUESTION; break;
    default: break;
  }
  const TTaskDialogParams p = TaskDialogParamsFor(kind, buttons);
  return ::MessageBoxW(nullptr, text.c_str(), p.title.c_str(), type | MB_TASKMODAL);
}

}  // namespace

void SetMessageDialogFunction(TMessageDialogFunction f) { DialogFunction() = std::move(f); }

TTaskDialogParams TaskDialogParamsFor(uint8_t kind, TMsgDlgButtons buttons) {
  TTaskDialogParams p{L"", nullptr, 0};
  switch (kind) {
    case mtWarning: p.title = L"Warning"; p.icon = TD_WARNING_ICON; break;
    case mtError: p.title = L"Error"; p.icon = TD_ERROR_ICON; break;
    case mtInformation: p.title = L"Information"; p.icon = TD_INFORMATION_ICON; break;
    case mtConfirmation: p.title = L"Confirm"; p.icon = IDI_QUESTION; break;
    default: break;
  }
  if (p.title.empty()) p.title = tk::Application().Title();
  struct Map { TMsgDlgBtn button; int flag; };
  static constexpr Map kMap[] = {
      {mbYes, TDCBF_YES_BUTTON},       {mbNo, TDCBF_NO_BUTTON},
      {mbOK, TDCBF_OK_BUTTON},         {mbCancel, TDCBF_CANCEL_BUTTON},
      {mbAbort, TDCBF_CLOSE_BUTTON},   {mbRetry, TDCBF_RETRY_BUTTON},
  };
  for (const Map& m : kMap)
    if (buttons & (1u << m.button)) p.commonButtons |= m.flag;
  return p;
}

std::wstring ReflowForTaskDialog(const std::wstring& text) {
  if (!IsVistaOrLater()) return text;
  std::wstring s = ReplaceAll(text, L"\r\n\r\n", L"\r");
  s = ReplaceAll(s, L"\r\n ", L" ");
  s = ReplaceAll(s, L" \r\n", L" ");
  s = ReplaceAll(s, L"\r\n", L" ");
  return ReplaceAll(s, L"\r", L"\r\n\r\n");
}

int ShowMessageDialog(const std::wstring& text, uint8_t kind, TMsgDlgButtons buttons, int32_t) {
  if (DialogFunction()) return DialogFunction()(text, kind, buttons);
  const std::wstring flowing = ReflowForTaskDialog(text);
  HMODULE comctl = ::LoadLibraryW(L"COMCTL32.DLL");
  auto taskDialog = comctl ? reinterpret_cast<TaskDialogFn>(
                                 reinterpret_cast<void*>(::GetProcAddress(comctl, "TaskDialog")))
                           : nullptr;
  if (!taskDialog) {
    if (comctl) ::FreeLibrary(comctl);
    return ShowStandardBox(flowing, kind, buttons);
  }
  const TTaskDialogParams p = TaskDialogParamsFor(kind, buttons);
  int pressed = 0;
  if (FAILED(taskDialog(nullptr, nullptr, p.title.c_str(), nullptr, flowing.c_str(),
                        p.commonButtons, p.icon, &pressed)))
    pressed = 0;
  ::FreeLibrary(comctl);
  return pressed;
}

int ShowInfoMessage(const std::wstring& text) {
  return ShowMessageDialog(text, mtInformation, Buttons({mbOK}), 0);
}

}  // namespace vek
