// TTimer over thread timers; TTrayIcon over Shell_NotifyIcon with a hidden window of its own.
#include "toolkit/ExtCtrls.h"

#include "toolkit/Application.h"
#include "toolkit/Menus.h"

#include <shellapi.h>

#include <algorithm>
#include <map>

namespace tk {

namespace {

template <size_t N>
void CopyText(wchar_t (&dest)[N], const std::wstring& src) {
  const size_t n = std::min(N - 1, src.size());
  src.copy(dest, n);
  dest[n] = L'\0';
}

// Never destroyed: timers owned by objects that live until the process ends still leave it.
std::map<UINT_PTR, TTimer*>& Timers() {
  static auto* timers = new std::map<UINT_PTR, TTimer*>;
  return *timers;
}

constexpr UINT kTrayCallback = WM_APP + 0x3A1;
constexpr wchar_t kTrayClass[] = L"TamberlockTrayWindow";
constexpr UINT kTrayId = 1;

TTrayIcon::TNotifyFunction& NotifyFunction() {
  static auto* f = new TTrayIcon::TNotifyFunction;
  return *f;
}

UINT TaskbarCreatedMessage() {
  static const UINT msg = ::RegisterWindowMessageW(L"TaskbarCreated");
  return msg;
}

}  // namespace

// --- TTimer -------------------------------------------------------------------------------

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {}

TTimer::~TTimer() {
  FEnabled = false;
  Update();
}

void TTimer::SetEnabled(bool value) {
  FEnabled = value;
  Update();
}

void TTimer::SetInterval(UINT value) {
  FInterval = value;
  Update();
}

void TTimer::SetOnTimer(TNotifyEvent h) {
  FOnTimer = std::move(h);
  Update();
}

void TTimer::Update() {
  if (FTimerId) {
    ::KillTimer(nullptr, FTimerId);
    Timers().erase(FTimerId);
    FTimerId = 0;
  }
  if (FEnabled && FInterval > 0 && FOnTimer) {
    FTimerId = ::SetTimer(nullptr, 0, FInterval, TimerProc);
    if (FTimerId) Timers()[FTimerId] = this;
  }
}

void CALLBACK TTimer::TimerProc(HWND, UINT, UINT_PTR id, DWORD) {
  auto it = Timers().find(id);
  if (it == Timers().end()) return;
  TTimer* timer = it->second;
  Application().Guard([timer] {
    if (timer->FOnTimer) timer->FOnTimer(timer);
  });
}

// --- TTrayIcon ----------------------------------------------------------------------------

TTrayIcon::TTrayIcon(TComponent* AOwner) : TComponent(AOwner) {
  static const ATOM atom = [] {
    WNDCLASSEXW wc{sizeof(wc)};
    wc.lpfnWndProc = WndProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = kTrayClass;
    return ::RegisterClassExW(&wc);
  }();
  (void)atom;
  // A hidden top-level window: it receives the "TaskbarCreated" broadcast, which a
  // message-only window would not.
  FWindow = ::CreateWindowExW(0, kTrayClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              ::GetModuleHandleW(nullptr), nullptr);
  ::SetWindowLongPtrW(FWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  TaskbarCreatedMessage();
}

TTrayIcon::~TTrayIcon() {
  SetVisible(false);
  ::SetWindowLongPtrW(FWindow, GWLP_USERDATA, 0);
  ::DestroyWindow(FWindow);
}

void TTrayIcon::Notify(DWORD message, UINT flags) {
  NOTIFYICONDATAW nid{};
  nid.cbSize = sizeof(nid);
  nid.hWnd = FWindow;
  nid.uID = kTrayId;
  nid.uFlags = flags;
  nid.uCallbackMessage = kTrayCallback;
  nid.hIcon = FIcon.Get();
  CopyText(nid.szTip, FHint);
  if (flags & NIF_INFO) {
    CopyText(nid.szInfo, FBalloonHint);
    CopyText(nid.szInfoTitle, FBalloonTitle);
    nid.dwInfoFlags = FBalloonFlags;
  }
  const BOOL ok = NotifyFunction() ? NotifyFunction()(message, nid) : ::Shell_NotifyIconW(message, &nid);
  if (ok && message == NIM_ADD) FAdded = true;
  if (message == NIM_DELETE) FAdded = false;
}

void TTrayIcon::SetNotifyFunction(TNotifyFunction f) { NotifyFunction() = std::move(f); }

void TTrayIcon::Refresh() {
  if (FVisible) Notify(FAdded ? NIM_MODIFY : NIM_ADD, NIF_MESSAGE | NIF_ICON | NIF_TIP);
}

void TTrayIcon::SetIcon(HICON icon) {
  FIcon.Reset(icon ? ::CopyIcon(icon) : nullptr);
  Refresh();
}

void TTrayIcon::SetHint(const std::wstring& value) {
  FHint = value;
  Refresh();
}

void TTrayIcon::SetVisible(bool value) {
  if (value == FVisible) return;
  FVisible = value;
  if (value)
    Refresh();
  else if (FAdded)
    Notify(NIM_DELETE, 0);
}

void TTrayIcon::ShowBalloonHint() {
  if (FVisible) Notify(FAdded ? NIM_MODIFY : NIM_ADD, NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_INFO);
}

LRESULT CALLBACK TTrayIcon::WndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TTrayIcon*>(::GetWindowLongPtrW(wnd, GWLP_USERDATA));
  if (self && msg == kTrayCallback) {
    Application().Guard([&] {
      switch (LOWORD(lParam)) {
        case WM_LBUTTONUP:
          if (self->FOnClick) self->FOnClick(self);
          break;
        case WM_RBUTTONUP:
        case WM_CONTEXTMENU:
          if (self->FPopupMenu) {
            POINT pt{};
            ::GetCursorPos(&pt);
            self->FPopupMenu->Popup(pt.x, pt.y, wnd);
          }
          break;
        default:
          break;
      }
    });
    return 0;
  }
  if (self && msg == TaskbarCreatedMessage()) {
    // Explorer restarted: the icon is gone from the new taskbar; add it again.
    self->FAdded = false;
    Application().Guard([self] { self->Refresh(); });
    return 0;
  }
  return ::DefWindowProcW(wnd, msg, wParam, lParam);
}

}  // namespace tk
