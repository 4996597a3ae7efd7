// Progress bar, page control and status bar over the common controls.
#include "toolkit/ComCtrls.h"

#include <commctrl.h>

#include <algorithm>

namespace tk {

// --- TProgressBar -------------------------------------------------------------------------

TProgressBar::TProgressBar(TComponent* AOwner, TWinControl* AParent, DWORD extraStyle)
    : TWinControl(AOwner, AParent) {
  CreateHandle(PROGRESS_CLASSW, extraStyle, 0);
  ::SendMessageW(Handle(), PBM_SETRANGE32, FMin, FMax);
}

void TProgressBar::SetMin(int value) {
  if (value == FMin) return;
  FMin = value;
  ::SendMessageW(Handle(), PBM_SETRANGE32, FMin, FMax);
  FPosition = FSentPosition = static_cast<int>(::SendMessageW(Handle(), PBM_GETPOS, 0, 0));
}

void TProgressBar::SetMax(int value) {
  if (value == FMax) return;
  FMax = value;
  ::SendMessageW(Handle(), PBM_SETRANGE32, FMin, FMax);
  FPosition = FSentPosition = static_cast<int>(::SendMessageW(Handle(), PBM_GETPOS, 0, 0));
}

void TProgressBar::SetPosition(int value) {
  value = value < FMin ? FMin : value > FMax ? FMax : value;
  if (value == FPosition) return;
  FPosition = value;
  // A bar that is not on screen takes the position when it is next painted.
  if (::IsWindowVisible(Handle())) SyncPosition();
}

void TProgressBar::SyncPosition() {
  if (FSentPosition == FPosition) return;
  FSentPosition = FPosition;
  ::SendMessageW(Handle(), PBM_SETPOS, FPosition, 0);
}

bool TProgressBar::WndProc(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (msg == WM_PAINT) SyncPosition();
  return TWinControl::WndProc(msg, wParam, lParam, result);
}

// --- TTabSheet, TPageControl --------------------------------------------------------------

TTabSheet::TTabSheet(TComponent* AOwner, TPageControl* APageControl, const std::wstring& caption)
    : TWinControl(AOwner, APageControl), FPageControl(APageControl) {
  CreateHandle(nullptr, WS_CLIPCHILDREN | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT, caption);
  APageControl->AddPage(this);
}

int TTabSheet::PageIndex() const {
  const auto& pages = FPageControl->FPages;
  return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

TPageControl::TPageControl(TComponent* AOwner, TWinControl* AParent) : TWinControl(AOwner, AParent) {
  CreateHandle(WC_TABCONTROLW, WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_TABSTOP, WS_EX_CONTROLPARENT);
}

void TPageControl::AddPage(TTabSheet* page) {
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  std::wstring text = page->Caption();
  item.pszText = text.data();
  ::SendMessageW(Handle(), TCM_INSERTITEMW, FPages.size(), reinterpret_cast<LPARAM>(&item));
  FPages.push_back(page);
  LayoutPages();
  ShowActive(false);
}

TTabSheet* TPageControl::ActivePage() const {
  int i = ActivePageIndex();
  return i >= 0 && i < PageCount() ? FPages[i] : nullptr;
}

int TPageControl::ActivePageIndex() const {
  return static_cast<int>(::SendMessageW(Handle(), TCM_GETCURSEL, 0, 0));
}

void TPageControl::SetActivePage(TTabSheet* page) {
  auto it = std::find(FPages.begin(), FPages.end(), page);
  if (it != FPages.end()) SetActivePageIndex(static_cast<int>(it - FPages.begin()));
}

void TPageControl::SetActivePageIndex(int index) {
  if (index == ActivePageIndex()) return;
  ::SendMessageW(Handle(), TCM_SETCURSEL, index, 0);
  ShowActive(true);
}

void TPageControl::SetTabsVisible(bool value) {
  FTabsVisible = value;
  LayoutPages();
}

void TPageControl::ShowActive(bool fireEvents) {
  TTabSheet* active = ActivePage();
  for (TTabSheet* p : FPages)
    if (p != active) p->SetVisible(false);
  if (active) {
    active->SetVisible(true);
    ::BringWindowToTop(active->Handle());
    if (fireEvents) active->DoShow();
  }
  if (fireEvents && FOnChange) FOnChange(this);
}

void TPageControl::LayoutPages() {
  RECT r{};
  ::GetClientRect(Handle(), &r);
  if (FTabsVisible) ::SendMessageW(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
  for (TTabSheet* p : FPages) p->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

bool TPageControl::CNNotify(NMHDR* header, LRESULT& result) {
  if (header->code == TCN_SELCHANGE) {
    ShowActive(true);
    result = 0;
    return true;
  }
  return false;
}

bool TPageControl::WndProc(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (msg == WM_SIZE) {
    LayoutPages();
  } else if (msg == WM_PAINT && !FTabsVisible) {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(Handle(), &ps);
    ::FillRect(dc, &ps.rcPaint, ::GetSysColorBrush(COLOR_BTNFACE));
    ::EndPaint(Handle(), &ps);
    result = 0;
    return true;
  }
  return TWinControl::WndProc(msg, wParam, lParam, result);
}

// --- TStatusBar ---------------------------------------------------------------------------

TStatusBar::TStatusBar(TComponent* AOwner, TWinControl* AParent) : TWinControl(AOwner, AParent) {
  CreateHandle(STATUSCLASSNAMEW, CCS_NOPARENTALIGN | CCS_NORESIZE, 0);
  SetAlign(alBottom);
  SetHeight(Scale(22));
}

void TStatusBar::SetSimpleText(const std::wstring& value) {
  FSimpleText = value;
  ::SendMessageW(Handle(), SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(value.c_str()));
}

bool TStatusBar::WndProc(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  return TWinControl::WndProc(msg, wParam, lParam, result);
}

}  // namespace tk
