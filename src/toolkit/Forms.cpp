// TForm: top-level window behaviour and the modal loop.
#include "toolkit/Forms.h"

#include "toolkit/Application.h"
#include "toolkit/StdCtrls.h"

#include <vector>

namespace tk {

namespace {

HWND OwnerWindowOf(TComponent* owner) {
  for (TComponent* c = owner; c; c = c->Owner())
    if (auto* form = dynamic_cast<TForm*>(c)) return form->Handle();
  return nullptr;
}

}  // namespace

TForm::TForm(TComponent* AOwner, const TCreateParams& params) : TWinControl(AOwner, nullptr) {
  const wchar_t* cls = nullptr;
  if (!params.WinClassName.empty()) {
    WNDCLASSEXW wc{sizeof(wc)};
    if (!::GetClassInfoExW(::GetModuleHandleW(nullptr), params.WinClassName.c_str(), &wc)) {
      wc = WNDCLASSEXW{sizeof(wc)};
      wc.lpfnWndProc = ::DefWindowProcW;
      wc.hInstance = ::GetModuleHandleW(nullptr);
      wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
      wc.hIcon = ::LoadIconW(wc.hInstance, MAKEINTRESOURCEW(1));
      wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
      wc.lpszClassName = params.WinClassName.c_str();
      ::RegisterClassExW(&wc);
    }
    cls = params.WinClassName.c_str();
  }
  CreateHandle(cls, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
  if (HWND owner = OwnerWindowOf(AOwner))
    ::SetWindowLongPtrW(Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
  TWinControl::SetVisible(false);
}

TForm::~TForm() {
  if (Application().MainForm() == this) Application().SetMainForm(nullptr);
}

bool TForm::FromHandleIsForm(HWND wnd) { return dynamic_cast<TForm*>(FromHandle(wnd)) != nullptr; }

void TForm::SetClientSize(int width, int height) {
  RECT r{0, 0, width, height};
  ::AdjustWindowRectEx(&r, ::GetWindowLongW(Handle(), GWL_STYLE), FALSE,
                       ::GetWindowLongW(Handle(), GWL_EXSTYLE));
  SetBounds(Left(), Top(), r.right - r.left, r.bottom - r.top);
}

void TForm::SetDesignClientSize(int width, int height) { SetClientSize(Scale(width), Scale(height)); }

void TForm::SetBorderStyle(TBorderStyle value) {
  FBorderStyle = value;
  ApplyStyles();
}

void TForm::SetBorderIcons(unsigned value) {
  FBorderIcons = value;
  ApplyStyles();
}

void TForm::ApplyStyles() {
  const int cw = ClientWidth(), ch = ClientHeight();
  DWORD style = WS_CLIPCHILDREN | (::GetWindowLongW(Handle(), GWL_STYLE) & WS_VISIBLE);
  DWORD ex = WS_EX_CONTROLPARENT;
  switch (FBorderStyle) {
    case bsNone: style |= WS_POPUP; break;
    case bsSingle: style |= WS_CAPTION | WS_BORDER; break;
    case bsSizeable: style |= WS_CAPTION | WS_THICKFRAME; break;
    case bsDialog: style |= WS_CAPTION | WS_DLGFRAME; ex |= WS_EX_DLGMODALFRAME; break;
    case bsToolWindow: style |= WS_CAPTION; ex |= WS_EX_TOOLWINDOW; break;
    case bsSizeToolWin: style |= WS_CAPTION | WS_THICKFRAME; ex |= WS_EX_TOOLWINDOW; break;
  }
  if (FBorderStyle != bsNone && (FBorderIcons & biSystemMenu)) {
    style |= WS_SYSMENU;
    if (FBorderStyle == bsSingle || FBorderStyle == bsSizeable) {
      if (FBorderIcons & biMinimize) style |= WS_MINIMIZEBOX;
      if (FBorderIcons & biMaximize) style |= WS_MAXIMIZEBOX;
    }
  }
  if (FStayOnTop) ex |= WS_EX_TOPMOST;
  ::SetWindowLongW(Handle(), GWL_STYLE, style);
  ::SetWindowLongW(Handle(), GWL_EXSTYLE, ex);
  ::SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  SetClientSize(cw, ch);
}

void TForm::SetStayOnTop(bool value) {
  FStayOnTop = value;
  ::SetWindowPos(Handle(), value ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TForm::PlaceOnShow() {
  RECT area{};
  HWND owner = ::GetWindow(Handle(), GW_OWNER);
  if (FPosition == poOwnerFormCenter && owner && ::IsWindowVisible(owner))
    ::GetWindowRect(owner, &area);
  else if (FPosition != poDesigned)
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  else
    return;
  SetBounds(area.left + (area.right - area.left - Width()) / 2,
            area.top + (area.bottom - area.top - Height()) / 2, Width(), Height());
}

void TForm::Show() {
  SetVisible(true);
}

void TForm::SetVisible(bool value) {
  if (value == Visible() && value == (::IsWindowVisible(Handle()) != FALSE)) return;
  if (value) PlaceOnShow();
  TWinControl::SetVisible(value);
  if (value) {
    ::ShowWindow(Handle(), SW_SHOW);
    if (FStayOnTop) SetStayOnTop(true);
  }
}

bool TForm::CloseQuery() {
  bool canClose = true;
  if (FOnCloseQuery) FOnCloseQuery(this, canClose);
  return canClose;
}

void TForm::Close() {
  if (FModal) {
    if (CloseQuery()) FModalResult = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction action = Application().MainForm() == this ? caFree : caHide;
  if (FOnClose) FOnClose(this, action);
  if (action == caNone) return;
  if (action == caMinimize) {
    ::ShowWindow(Handle(), SW_MINIMIZE);
  } else if (Application().MainForm() == this && action == caFree) {
    Hide();
    Application().Terminate();
  } else {
    Hide();
  }
}

int TForm::ShowModal() {
  HWND owner = ::GetWindow(Handle(), GW_OWNER);
  const bool ownerWasEnabled = owner && ::IsWindowEnabled(owner);
  if (ownerWasEnabled) ::EnableWindow(owner, FALSE);
  FModal = true;
  FModalResult = mrNone;
  Show();
  TApplication& app = Application();
  while (FModalResult == mrNone && !app.Terminated()) {
    MSG probe{};
    if (!::PeekMessageW(&probe, nullptr, 0, 0, PM_NOREMOVE)) ::WaitMessage();
    app.ProcessMessages();
    if (!::IsWindowVisible(Handle()) && FModalResult == mrNone) FModalResult = mrCancel;
  }
  if (ownerWasEnabled) ::EnableWindow(owner, TRUE);
  Hide();
  FModal = false;
  if (owner) ::SetActiveWindow(owner);
  return FModalResult;
}

void TForm::DoCreate() {
  if (FOnCreate) FOnCreate(this);
}

bool TForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_CLOSE:
      Close();
      result = 0;
      return true;
    case WM_SHOWWINDOW:
      if (wParam) {
        if (FOnShow) FOnShow(this);
      } else if (FOnHide) {
        FOnHide(this);
      }
      return false;
    case DM_GETDEFID:
      if (FDefaultButton && FDefaultButton->Enabled()) {
        result = MAKELRESULT(FDefaultButton->ControlId(), DC_HASDEFID);
        return true;
      }
      return false;
    case WM_COMMAND:
      // From IsDialogMessage: Enter gives the default button's id, Escape gives IDCANCEL.
      if (LOWORD(wParam) == IDCANCEL && lParam == 0) {
        if (FCancelButton && FCancelButton->Enabled() && FCancelButton->Visible()) FCancelButton->Press();
        result = 0;
        return true;
      }
      if (LOWORD(wParam) == IDOK && lParam == 0) {
        if (FDefaultButton && FDefaultButton->Enabled()) FDefaultButton->Press();
        result = 0;
        return true;
      }
      break;
    case WM_SIZE:
      UpdateBoundsFromWindow();
      break;
    case WM_MOVE:
      UpdateBoundsFromWindow();
      break;
    default:
      break;
  }
  return TWinControl::WndProc(msg, wParam, lParam, result);
}

}  // namespace tk
