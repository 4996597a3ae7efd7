// TWinControl: window creation, subclassing, layout, and the hand-back of notifications.
#include "toolkit/WinControl.h"

#include "toolkit/Application.h"
#include "toolkit/Handles.h"
#include "toolkit/Menus.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <stdexcept>

namespace tk {

namespace {

constexpr wchar_t kPropName[] = L"Tamberlock.Control";
constexpr wchar_t kContainerClass[] = L"TamberlockContainer";

ATOM RegisterContainerClass() {
  WNDCLASSEXW wc{sizeof(wc)};
  wc.lpfnWndProc = ::DefWindowProcW;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kContainerClass;
  return ::RegisterClassExW(&wc);
}

int NextControlId() {
  static int id = 1000;
  return ++id;
}

}  // namespace

int ScreenDpi() {
  static const int dpi = [] {
    HDC dc = ::GetDC(nullptr);
    int v = ::GetDeviceCaps(dc, LOGPIXELSY);
    ::ReleaseDC(nullptr, dc);
    return v > 0 ? v : 96;
  }();
  return dpi;
}

int Scale(int designPixels) { return ::MulDiv(designPixels, ScreenDpi(), 96); }

HFONT DefaultFont() {
  static UniqueGdiObject font = [] {
    NONCLIENTMETRICSW ncm{};
    ncm.cbSize = sizeof(ncm);
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0);
    return UniqueGdiObject(::CreateFontIndirectW(&ncm.lfMessageFont));
  }();
  return static_cast<HFONT>(font.Get());
}

TWinControl::TWinControl(TComponent* AOwner, TWinControl* AParent)
    : TComponent(AOwner), FParent(AParent), FId(NextControlId()) {
  if (FParent) FParent->AddChild(this);
}

TWinControl::~TWinControl() {
  // Children go first, whoever owns them.
  while (!FChildren.empty()) {
    TWinControl* child = FChildren.back();
    FChildren.pop_back();
    child->FParent = nullptr;
    if (child->FHandle) {
      ::RemoveWindowSubclass(child->FHandle, SubclassProc, 0);
      ::RemovePropW(child->FHandle, kPropName);
      child->FHandle = nullptr;
    }
  }
  if (FHandle) {
    ::RemoveWindowSubclass(FHandle, SubclassProc, 0);
    ::RemovePropW(FHandle, kPropName);
    ::DestroyWindow(FHandle);
  }
  if (FParent) FParent->RemoveChild(this);
}

void TWinControl::RemoveChild(TWinControl* child) {
  FChildren.erase(std::remove(FChildren.begin(), FChildren.end(), child), FChildren.end());
}

TWinControl* TWinControl::FromHandle(HWND wnd) {
  return wnd ? static_cast<TWinControl*>(::GetPropW(wnd, kPropName)) : nullptr;
}

HWND TWinControl::ParentHandleForCreate() const { return FParent ? FParent->FHandle : nullptr; }

void TWinControl::CreateHandle(const wchar_t* windowClass, DWORD style, DWORD exStyle,
                               const std::wstring& text) {
  static const ATOM containerAtom = RegisterContainerClass();
  (void)containerAtom;
  HWND parent = ParentHandleForCreate();
  if (parent) style |= WS_CHILD;
  if (FVisible && parent) style |= WS_VISIBLE;
  FHandle = ::CreateWindowExW(exStyle, windowClass ? windowClass : kContainerClass, text.c_str(),
                              style, FLeft, FTop, FWidth, FHeight, parent,
                              parent ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(FId)) : nullptr,
                              ::GetModuleHandleW(nullptr), nullptr);
  if (!FHandle) throw std::runtime_error("cannot create window");
  ::SetPropW(FHandle, kPropName, this);
  ::SetWindowSubclass(FHandle, SubclassProc, 0, reinterpret_cast<DWORD_PTR>(this));
  ::SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(DefaultFont()), FALSE);
}

LRESULT CALLBACK TWinControl::SubclassProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR, DWORD_PTR refData) {
  auto* self = reinterpret_cast<TWinControl*>(refData);
  LRESULT result = 0;
  bool handled = false;
  Application().Guard([&] { handled = self->WndProc(msg, wParam, lParam, result); });
  if (msg == WM_NCDESTROY) {
    ::RemoveWindowSubclass(wnd, SubclassProc, 0);
    ::RemovePropW(wnd, kPropName);
    if (self->FHandle == wnd) self->FHandle = nullptr;
  }
  return handled ? result : ::DefSubclassProc(wnd, msg, wParam, lParam);
}

bool TWinControl::WndProc(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_COMMAND:
      if (lParam == 0 && HIWORD(wParam) <= 1) {
        if (TMenuItem* item = TMenuItem::FromCommand(LOWORD(wParam))) {
          item->Click();
          result = 0;
          return true;
        }
        return false;
      }
      if (lParam) {
        if (TWinControl* child = FromHandle(reinterpret_cast<HWND>(lParam)); child && child != this) {
          child->CNCommand(HIWORD(wParam));
          result = 0;
          return true;
        }
      }
      return false;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (TWinControl* child = FromHandle(header->hwndFrom); child && child != this)
        return child->CNNotify(header, result);
      return false;
    }
    case WM_SIZE:
      Realign();
      return false;
    case WM_CONTEXTMENU:
      if (FPopupMenu && reinterpret_cast<HWND>(wParam) == FHandle) {
        int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
        if (x == -1 && y == -1) {  // from the keyboard: below the control's corner
          POINT pt{0, 0};
          ::ClientToScreen(FHandle, &pt);
          x = pt.x;
          y = pt.y;
        }
        FPopupMenu->Popup(x, y, FHandle);
        result = 0;
        return true;
      }
      return false;
    case WM_SETFOCUS:
      if (FOnEnter) FOnEnter(this);
      return false;
    case WM_DRAWITEM: {
      auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
      if (TWinControl* child = FromHandle(item->hwndItem); child && child != this && child->CNDrawItem(item)) {
        result = TRUE;
        return true;
      }
      return false;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      if (TWinControl* child = FromHandle(reinterpret_cast<HWND>(lParam)); child && child != this) {
        if (HBRUSH brush = child->CNCtlColor(reinterpret_cast<HDC>(wParam))) {
          result = reinterpret_cast<LRESULT>(brush);
          return true;
        }
      }
      return false;
    case WM_KEYDOWN:
      if (FOnKeyDown) {
        WORD key = static_cast<WORD>(wParam);
        FOnKeyDown(this, key);
        if (key == 0) {
          result = 0;
          return true;
        }
      }
      return false;
    default:
      return false;
  }
}

void TWinControl::Click() {
  if (FOnClick) FOnClick(this);
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  FLeft = left;
  FTop = top;
  FWidth = width;
  FHeight = height;
  if (FHandle) ::MoveWindow(FHandle, left, top, width, height, TRUE);
  if (!FParent || !FParent->FInRealign) RecordAnchorDistances();
}

void TWinControl::SetDesignBounds(int left, int top, int width, int height) {
  SetBounds(Scale(left), Scale(top), Scale(width), Scale(height));
}

void TWinControl::UpdateBoundsFromWindow() {
  RECT r{};
  ::GetWindowRect(FHandle, &r);
  if (HWND parent = ::GetParent(FHandle); parent && (::GetWindowLongW(FHandle, GWL_STYLE) & WS_CHILD))
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  FLeft = r.left;
  FTop = r.top;
  FWidth = r.right - r.left;
  FHeight = r.bottom - r.top;
}

int TWinControl::ClientWidth() const {
  RECT r{};
  ::GetClientRect(FHandle, &r);
  return r.right;
}

int TWinControl::ClientHeight() const {
  RECT r{};
  ::GetClientRect(FHandle, &r);
  return r.bottom;
}

void TWinControl::SetVisible(bool value) {
  FVisible = value;
  if (FHandle) ::ShowWindow(FHandle, value ? SW_SHOWNA : SW_HIDE);
  if (FParent && FAlign != alNone) FParent->Realign();
}

std::wstring TWinControl::Caption() const {
  int n = ::GetWindowTextLengthW(FHandle);
  std::wstring text(n + 1, L'\0');
  ::GetWindowTextW(FHandle, text.data(), n + 1);
  text.resize(n);
  return text;
}

void TWinControl::SetCaption(const std::wstring& value) { ::SetWindowTextW(FHandle, value.c_str()); }

HFONT TWinControl::Font() const {
  HFONT f = reinterpret_cast<HFONT>(::SendMessageW(FHandle, WM_GETFONT, 0, 0));
  return f ? f : DefaultFont();
}

void TWinControl::SetAlign(TAlign value) {
  FAlign = value;
  if (FParent) FParent->Realign();
}

void TWinControl::SetAnchors(unsigned value) {
  FAnchors = value;
  RecordAnchorDistances();
}

void TWinControl::RecordAnchorDistances() {
  if (!FParent || !FParent->FHandle) return;
  FAnchorRightGap = FParent->ClientWidth() - (FLeft + FWidth);
  FAnchorBottomGap = FParent->ClientHeight() - (FTop + FHeight);
}

void TWinControl::Realign() {
  if (!FHandle || FInRealign) return;
  FInRealign = true;
  RECT area{};
  ::GetClientRect(FHandle, &area);
  const int cw = area.right, ch = area.bottom;
  for (TWinControl* c : FChildren) {
    if (!c->FVisible) continue;
    switch (c->FAlign) {
      case alTop:
        c->SetBounds(area.left, area.top, area.right - area.left, c->FHeight);
        area.top += c->FHeight;
        break;
      case alBottom:
        c->SetBounds(area.left, area.bottom - c->FHeight, area.right - area.left, c->FHeight);
        area.bottom -= c->FHeight;
        break;
      case alLeft:
        c->SetBounds(area.left, area.top, c->FWidth, area.bottom - area.top);
        area.left += c->FWidth;
        break;
      case alRight:
        c->SetBounds(area.right - c->FWidth, area.top, c->FWidth, area.bottom - area.top);
        area.right -= c->FWidth;
        break;
      default:
        break;
    }
  }
  for (TWinControl* c : FChildren) {
    if (c->FAlign == alClient && c->FVisible) {
      c->SetBounds(area.left, area.top, std::max(0L, area.right - area.left),
                   std::max(0L, area.bottom - area.top));
    } else if (c->FAlign == alNone && (c->FAnchors & (akRight | akBottom))) {
      int l = c->FLeft, t = c->FTop, w = c->FWidth, h = c->FHeight;
      if (c->FAnchors & akRight) {
        if (c->FAnchors & akLeft) w = std::max(0, cw - c->FAnchorRightGap - l);
        else l = cw - c->FAnchorRightGap - w;
      }
      if (c->FAnchors & akBottom) {
        if (c->FAnchors & akTop) h = std::max(0, ch - c->FAnchorBottomGap - t);
        else t = ch - c->FAnchorBottomGap - h;
      }
      c->SetBounds(l, t, w, h);
    }
  }
  FInRealign = false;
}

}  // namespace tk
