// TApplication: message loop with peek-then-remove, error report, cursor.
#include "toolkit/Application.h"

#include "toolkit/Forms.h"
#include "toolkit/Thread.h"

#include <commctrl.h>
#include <objbase.h>

namespace tk {

TApplication& Application() {
  static TApplication app;
  return app;
}

std::wstring Widen(const std::string& text) {
  if (text.empty()) return {};
  int n = ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring out(n, L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
  return out;
}

std::string ToUtf8(const std::wstring& text) {
  if (text.empty()) return {};
  int n = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(n, '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
  return out;
}

TApplication::TApplication() {
  wchar_t path[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring name = path;
  name = name.substr(name.find_last_of(L"\\/") + 1);
  FTitle = name.substr(0, name.rfind(L'.'));
}

TApplication::~TApplication() {
  if (FComInitialized) ::CoUninitialize();
}

void TApplication::Initialize() {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES |
                                             ICC_PROGRESS_CLASS | ICC_LISTVIEW_CLASSES |
                                             ICC_TAB_CLASSES | ICC_BAR_CLASSES};
  ::InitCommonControlsEx(&icc);
  if (!FComInitialized)
    FComInitialized = SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
  TThread::InitMainThread();
}

bool TApplication::HandleOneMessage() {
  MSG msg{};
  // A per-thread message hook sees the message on this look and again when it is removed.
  if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) return false;
  if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return true;
  if (msg.message == WM_QUIT) {
    FTerminated = true;
    return true;
  }
  // Enter and Escape go to the default and cancel buttons of the active form.
  HWND active = ::GetActiveWindow();
  if (active && TForm::FromHandleIsForm(active) && ::IsDialogMessageW(active, &msg)) return true;
  ::TranslateMessage(&msg);
  ::DispatchMessageW(&msg);
  return true;
}

void TApplication::ProcessMessages() {
  while (HandleOneMessage()) {
  }
}

void TApplication::Run() {
  while (!FTerminated) {
    if (!HandleOneMessage() && !FTerminated) ::WaitMessage();
  }
}

void TApplication::Terminate() {
  FTerminated = true;
  ::PostQuitMessage(0);
}

void TApplication::CancelTerminate() {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
  FTerminated = false;
}

void TApplication::Minimize() {
  if (FMainForm && FMainForm->Handle()) ::ShowWindow(FMainForm->Handle(), SW_MINIMIZE);
}

void TApplication::Restore() {
  if (FMainForm && FMainForm->Handle() && ::IsIconic(FMainForm->Handle()))
    ::ShowWindow(FMainForm->Handle(), SW_RESTORE);
}

void TApplication::BringToFront() {
  if (FMainForm && FMainForm->Handle()) ::SetForegroundWindow(FMainForm->Handle());
}

void TApplication::HandleException(const std::exception& e) { HandleException(Widen(e.what())); }

void TApplication::HandleException(const std::wstring& message) {
  if (FErrorReporter) {
    FErrorReporter(message);
    return;
  }
  HWND owner = FMainForm ? FMainForm->Handle() : nullptr;
  ::MessageBoxW(owner, message.c_str(), FTitle.c_str(), MB_OK | MB_ICONERROR);
}

void TApplication::SetScreenCursor(TCursor cursor) {
  FCursor = cursor;
  LPCWSTR id = cursor == crHourGlass ? IDC_WAIT : cursor == crAppStart ? IDC_APPSTARTING : IDC_ARROW;
  ::SetCursor(::LoadCursorW(nullptr, id));
}

}  // namespace tk
