// GUI test helpers.
#include "support/GuiHelpers.h"

#include <vector>

namespace testsupport {

namespace {

struct FindData {
  const std::wstring* title;
  HWND found;
};

BOOL CALLBACK FindProc(HWND wnd, LPARAM lParam) {
  auto* data = reinterpret_cast<FindData*>(lParam);
  DWORD pid = 0;
  ::GetWindowThreadProcessId(wnd, &pid);
  if (pid != ::GetCurrentProcessId() || !::IsWindowVisible(wnd)) return TRUE;
  wchar_t text[512] = {};
  ::GetWindowTextW(wnd, text, 512);
  if (*data->title == text) {
    data->found = wnd;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK CollectText(HWND wnd, LPARAM lParam) {
  wchar_t text[1024] = {};
  ::GetWindowTextW(wnd, text, 1024);
  if (text[0]) {
    auto* out = reinterpret_cast<std::wstring*>(lParam);
    *out += text;
    *out += L"\n";
  }
  return TRUE;
}

BOOL CALLBACK CollectListItems(HWND wnd, LPARAM lParam) {
  wchar_t cls[64] = {};
  ::GetClassNameW(wnd, cls, 64);
  if (_wcsicmp(cls, L"ListBox") == 0) {
    auto* out = reinterpret_cast<std::vector<std::wstring>*>(lParam);
    const LRESULT count = ::SendMessageW(wnd, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
      std::wstring item(::SendMessageW(wnd, LB_GETTEXTLEN, i, 0) + 1, L'\0');
      ::SendMessageW(wnd, LB_GETTEXT, i, reinterpret_cast<LPARAM>(item.data()));
      item.resize(item.size() - 1);
      out->push_back(item);
    }
  }
  return TRUE;
}

}  // namespace

HWND FindOwnWindow(const std::wstring& title) {
  FindData data{&title, nullptr};
  ::EnumWindows(FindProc, reinterpret_cast<LPARAM>(&data));
  return data.found;
}

CommandWhenShown::CommandWhenShown(std::wstring title, int commandId, int timeoutMs)
    : FThread([this, title = std::move(title), commandId, timeoutMs] {
        for (int waited = 0; waited < timeoutMs; waited += 20) {
          if (HWND wnd = FindOwnWindow(title)) {
            ::Sleep(50);  // let it finish showing
            ::EnumChildWindows(wnd, CollectText, reinterpret_cast<LPARAM>(&FSeenText));
            ::EnumChildWindows(wnd, CollectListItems, reinterpret_cast<LPARAM>(&FSeenItems));
            FFound = true;
            ::PostMessageW(wnd, WM_COMMAND, MAKEWPARAM(commandId, BN_CLICKED), 0);
            return;
          }
          ::Sleep(20);
        }
      }) {}

CommandWhenShown::~CommandWhenShown() {
  if (FThread.joinable()) FThread.join();
}

void PumpFor(int ms) {
  const DWORD end = ::GetTickCount() + ms;
  while (static_cast<int>(end - ::GetTickCount()) > 0) {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
    ::Sleep(5);
  }
}

}  // namespace testsupport
