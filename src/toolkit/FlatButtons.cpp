// TFlatSpeedButton: owner-drawn flat look with hover and pressed states.
#include "toolkit/FlatButtons.h"

namespace tk {

TFlatSpeedButton::TFlatSpeedButton(TComponent* AOwner, TWinControl* AParent, const std::wstring& caption)
    : TButton(AOwner, AParent, caption) {
  ::SetWindowLongW(Handle(), GWL_STYLE, (::GetWindowLongW(Handle(), GWL_STYLE) & ~0xF) | BS_OWNERDRAW);
}

void TFlatSpeedButton::SetIcon(HICON icon) {
  FIcon.Reset(icon ? ::CopyIcon(icon) : nullptr);
  ::InvalidateRect(Handle(), nullptr, TRUE);
}

bool TFlatSpeedButton::WndProc(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (msg == WM_MOUSEMOVE && !FHot) {
    FHot = true;
    TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, Handle(), 0};
    ::TrackMouseEvent(&tme);
    ::InvalidateRect(Handle(), nullptr, FALSE);
  } else if (msg == WM_MOUSELEAVE) {
    FHot = false;
    ::InvalidateRect(Handle(), nullptr, FALSE);
  }
  return TButton::WndProc(msg, wParam, lParam, result);
}

bool TFlatSpeedButton::CNDrawItem(DRAWITEMSTRUCT* item) {
  HDC dc = item->hDC;
  RECT r = item->rcItem;
  const bool pressed = item->itemState & ODS_SELECTED;
  const bool disabled = item->itemState & ODS_DISABLED;
  HBRUSH back = Parent() ? Parent()->BackgroundBrush() : ::GetSysColorBrush(COLOR_BTNFACE);
  ::FillRect(dc, &r, back);
  if (pressed || FHot) {
    UniqueGdiObject hot(::CreateSolidBrush(pressed ? RGB(90, 96, 110) : RGB(70, 76, 88)));
    RECT inner = r;
    ::InflateRect(&inner, -1, -1);
    ::FillRect(dc, &inner, static_cast<HBRUSH>(hot.Get()));
  }
  const int iconSize = Scale(32);
  if (FIcon) {
    ::DrawIconEx(dc, r.left + (r.right - r.left - iconSize) / 2, r.top + Scale(6), FIcon.Get(), iconSize, iconSize,
                 0, nullptr, DI_NORMAL);
  }
  RECT text = r;
  text.top += Scale(6) + iconSize + Scale(4);
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, disabled ? RGB(130, 130, 130) : RGB(235, 238, 242));
  HGDIOBJ old = ::SelectObject(dc, Font());
  const std::wstring caption = Caption();
  ::DrawTextW(dc, caption.c_str(), -1, &text, DT_CENTER | DT_TOP | DT_SINGLELINE);
  ::SelectObject(dc, old);
  if (item->itemState & ODS_FOCUS) {
    RECT focus = r;
    ::InflateRect(&focus, -3, -3);
    ::DrawFocusRect(dc, &focus);
  }
  return true;
}

}  // namespace tk
