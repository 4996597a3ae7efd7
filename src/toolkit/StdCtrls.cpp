// Standard controls over the platform's BUTTON, STATIC, COMBOBOX, EDIT, LISTBOX and RichEdit.
#include "toolkit/StdCtrls.h"

#include "toolkit/Forms.h"

#include <commctrl.h>
#include <richedit.h>

namespace tk {

TForm* ParentFormOf(TWinControl* control) {
  for (TWinControl* c = control; c; c = c->Parent())
    if (auto* form = dynamic_cast<TForm*>(c)) return form;
  return nullptr;
}

// --- TPanel -------------------------------------------------------------------------------

TPanel::TPanel(TComponent* AOwner, TWinControl* AParent) : TWinControl(AOwner, AParent) {
  CreateHandle(nullptr, WS_CLIPCHILDREN | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT);
}

void TPanel::SetCaption(const std::wstring& value) {
  TWinControl::SetCaption(value);
  ::InvalidateRect(Handle(), nullptr, TRUE);
}

void TPanel::SetColor(COLORREF background, COLORREF text) {
  FColor = background;
  FTextColor = text;
  FBrush.Reset(background == CLR_INVALID ? nullptr : ::CreateSolidBrush(background));
  ::InvalidateRect(Handle(), nullptr, TRUE);
}

void TPanel::Paint() {
  PAINTSTRUCT ps;
  HDC dc = ::BeginPaint(Handle(), &ps);
  RECT r{};
  ::GetClientRect(Handle(), &r);
  ::FillRect(dc, &r, BackgroundBrush());
  auto edge = [&](TBevelCut cut, bool outer) {
    if (cut == bvNone) return;
    UINT kind = cut == bvRaised ? (outer ? BDR_RAISEDOUTER : BDR_RAISEDINNER)
                                : (outer ? BDR_SUNKENOUTER : BDR_SUNKENINNER);
    ::DrawEdge(dc, &r, kind, BF_RECT | BF_ADJUST);
  };
  edge(FBevelOuter, true);
  edge(FBevelInner, false);
  const std::wstring text = Caption();
  if (!text.empty()) {
    HGDIOBJ old = ::SelectObject(dc, Font());
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, FTextColor == CLR_INVALID ? ::GetSysColor(COLOR_BTNTEXT) : FTextColor);
    ::DrawTextW(dc, text.c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    ::SelectObject(dc, old);
  }
  ::EndPaint(Handle(), &ps);
}

bool TPanel::WndProc(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_PAINT:
      Paint();
      result = 0;
      return true;
    case WM_ERASEBKGND:
      result = 1;
      return true;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      if (TWinControl* child = FromHandle(reinterpret_cast<HWND>(lParam)); child && child != this)
        if (HBRUSH brush = child->CNCtlColor(reinterpret_cast<HDC>(wParam))) {
          result = reinterpret_cast<LRESULT>(brush);
          return true;
        }
      if (FBrush) {
        HDC dc = reinterpret_cast<HDC>(wParam);
        ::SetBkColor(dc, FColor);
        if (FTextColor != CLR_INVALID) ::SetTextColor(dc, FTextColor);
        result = reinterpret_cast<LRESULT>(FBrush.Get());
        return true;
      }
      break;
    default:
      break;
  }
  return TWinControl::WndProc(msg, wParam, lParam, result);
}

// --- TLabel -------------------------------------------------------------------------------

TLabel::TLabel(TComponent* AOwner, TWinControl* AParent) : TWinControl(AOwner, AParent) {
  CreateHandle(L"STATIC", SS_LEFT | SS_NOPREFIX | SS_NOTIFY, 0);
}

TLabel::~TLabel() = default;

bool TLabel::WndProc(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (msg == WM_SETCURSOR && FHandCursor) {
    ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
    result = TRUE;
    return true;
  }
  return TWinControl::WndProc(msg, wParam, lParam, result);
}

void TLabel::CNCommand(WORD code) {
  if (code == STN_CLICKED) Click();
}

void TLabel::SetTextColor(COLORREF color) {
  FTextColor = color;
  ::InvalidateRect(Handle(), nullptr, TRUE);
}

HBRUSH TLabel::CNCtlColor(HDC dc) {
  if (FTextColor == CLR_INVALID) return nullptr;
  ::SetTextColor(dc, FTextColor);
  ::SetBkMode(dc, TRANSPARENT);
  return Parent() ? Parent()->BackgroundBrush() : ::GetSysColorBrush(COLOR_BTNFACE);
}

void TLabel::SetFontStyle(bool bold, bool underline, int pointSize) {
  LOGFONTW lf{};
  ::GetObjectW(DefaultFont(), sizeof(lf), &lf);
  if (bold) lf.lfWeight = FW_BOLD;
  lf.lfUnderline = underline;
  if (pointSize > 0) lf.lfHeight = -::MulDiv(pointSize, ScreenDpi(), 72);
  UniqueGdiObject font(::CreateFontIndirectW(&lf));
  SetFont(static_cast<HFONT>(font.Get()));
  FOwnFont = std::move(font);
  if (FAutoSize) SetCaption(FCaption);
}

int TLabel::TextWidth(const std::wstring& text) const {
  HDC dc = ::GetDC(Handle());
  HGDIOBJ old = ::SelectObject(dc, Font());
  SIZE size{};
  ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  ::SelectObject(dc, old);
  ::ReleaseDC(Handle(), dc);
  return size.cx;
}

void TLabel::SetCaption(const std::wstring& value) {
  FCaption = value;
  if (FAutoSize) {
    HDC dc = ::GetDC(Handle());
    HGDIOBJ old = ::SelectObject(dc, Font());
    TEXTMETRICW tm{};
    ::GetTextMetricsW(dc, &tm);
    ::SelectObject(dc, old);
    ::ReleaseDC(Handle(), dc);
    TWinControl::SetBounds(Left(), Top(), TextWidth(value), tm.tmHeight);
  }
  UpdateText();
}

void TLabel::SetAutoSize(bool value) {
  FAutoSize = value;
  if (value) SetCaption(FCaption);
}

void TLabel::SetBounds(int left, int top, int width, int height) {
  TWinControl::SetBounds(left, top, width, height);
  UpdateText();
}

void TLabel::UpdateText() {
  if (Handle()) ::SetWindowTextW(Handle(), GetLabelText().c_str());
}

// --- TButton ------------------------------------------------------------------------------

TButton::TButton(TComponent* AOwner, TWinControl* AParent, const std::wstring& caption)
    : TWinControl(AOwner, AParent) {
  CreateHandle(L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, caption);
}

void TButton::SetDefault(bool value) {
  FDefault = value;
  ::SendMessageW(Handle(), BM_SETSTYLE, value ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
  if (TForm* form = ParentFormOf(this)) {
    if (value) form->SetDefaultButton(this);
    else if (form->DefaultButton() == this) form->SetDefaultButton(nullptr);
  }
}

void TButton::SetCancel(bool value) {
  FCancel = value;
  if (TForm* form = ParentFormOf(this)) {
    if (value) form->SetCancelButton(this);
    else if (form->CancelButton() == this) form->SetCancelButton(nullptr);
  }
}

void TButton::CNCommand(WORD code) {
  if (code == BN_CLICKED) Click();
}

void TButton::Click() {
  TWinControl::Click();
  if (FModalResult != 0)
    if (TForm* form = ParentFormOf(this)) form->SetModalResult(FModalResult);
}

// --- TCheckBox, TRadioButton --------------------------------------------------------------

TCheckBox::TCheckBox(TComponent* AOwner, TWinControl* AParent, const std::wstring& caption)
    : TCheckBox(AOwner, AParent, caption, BS_AUTOCHECKBOX) {}

TCheckBox::TCheckBox(TComponent* AOwner, TWinControl* AParent, const std::wstring& caption,
                     DWORD style)
    : TWinControl(AOwner, AParent) {
  CreateHandle(L"BUTTON", style | WS_TABSTOP, 0, caption);
}

bool TCheckBox::Checked() const {
  return ::SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TCheckBox::SetChecked(bool value) {
  if (value == Checked()) return;
  ::SendMessageW(Handle(), BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
  Click();
}

void TCheckBox::CNCommand(WORD code) {
  if (code == BN_CLICKED) Click();
}

TRadioButton::TRadioButton(TComponent* AOwner, TWinControl* AParent, const std::wstring& caption)
    : TCheckBox(AOwner, AParent, caption, BS_AUTORADIOBUTTON) {}

void TRadioButton::SetChecked(bool value) {
  if (value == Checked()) return;
  if (value && Parent()) {
    for (TWinControl* sibling : Parent()->Controls())
      if (sibling != this && dynamic_cast<TRadioButton*>(sibling))
        ::SendMessageW(sibling->Handle(), BM_SETCHECK, BST_UNCHECKED, 0);
  }
  TCheckBox::SetChecked(value);
}

// --- TComboBox ----------------------------------------------------------------------------

TComboBox::TComboBox(TComponent* AOwner, TWinControl* AParent, TComboBoxStyle style)
    : TWinControl(AOwner, AParent), FStyle(style) {
  CreateHandle(L"COMBOBOX",
               WS_TABSTOP | WS_VSCROLL | (style == csDropDownList ? CBS_DROPDOWNLIST : CBS_DROPDOWN | CBS_AUTOHSCROLL),
               0);
}

void TComboBox::SetBounds(int left, int top, int width, int height) {
  // The window's height includes the list that drops down.
  TWinControl::SetBounds(left, top, width, height);
  if (Handle()) ::MoveWindow(Handle(), left, top, width, height + Scale(200), TRUE);
}

void TComboBox::AddItem(const std::wstring& item) {
  ::SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

void TComboBox::ClearItems() { ::SendMessageW(Handle(), CB_RESETCONTENT, 0, 0); }

int TComboBox::ItemCount() const { return static_cast<int>(::SendMessageW(Handle(), CB_GETCOUNT, 0, 0)); }

std::wstring TComboBox::Item(int index) const {
  LRESULT n = ::SendMessageW(Handle(), CB_GETLBTEXTLEN, index, 0);
  if (n == CB_ERR) return {};
  std::wstring s(n + 1, L'\0');
  ::SendMessageW(Handle(), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(s.data()));
  s.resize(n);
  return s;
}

int TComboBox::ItemIndex() const { return static_cast<int>(::SendMessageW(Handle(), CB_GETCURSEL, 0, 0)); }

void TComboBox::SetItemIndex(int index) {
  if (index == ItemIndex()) return;  // leaves typed text alone
  FSettingByCode = true;
  ::SendMessageW(Handle(), CB_SETCURSEL, index, 0);
  FSettingByCode = false;
}

void TComboBox::SetText(const std::wstring& value) {
  FSettingByCode = true;
  if (FStyle == csDropDownList) {
    LRESULT i = ::SendMessageW(Handle(), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                               reinterpret_cast<LPARAM>(value.c_str()));
    ::SendMessageW(Handle(), CB_SETCURSEL, i == CB_ERR ? -1 : i, 0);
  } else {
    SetCaption(value);
  }
  FSettingByCode = false;
}

void TComboBox::CNCommand(WORD code) {
  if (FSettingByCode) return;
  if ((code == CBN_SELCHANGE || code == CBN_EDITCHANGE) && FOnChange) FOnChange(this);
}

// --- TEdit --------------------------------------------------------------------------------

TEdit::TEdit(TComponent* AOwner, TWinControl* AParent) : TWinControl(AOwner, AParent) {
  CreateHandle(L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE);
}

void TEdit::SetPasswordChar(wchar_t value) {
  FPasswordChar = value;
  ::SendMessageW(Handle(), EM_SETPASSWORDCHAR, value, 0);
  ::InvalidateRect(Handle(), nullptr, TRUE);
}

void TEdit::CNCommand(WORD code) {
  if (code == EN_CHANGE && FOnChange) FOnChange(this);
}

// --- TListBox -----------------------------------------------------------------------------

TListBox::TListBox(TComponent* AOwner, TWinControl* AParent) : TWinControl(AOwner, AParent) {
  CreateHandle(L"LISTBOX", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
               WS_EX_CLIENTEDGE);
}

void TListBox::AddItem(const std::wstring& item) {
  ::SendMessageW(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

void TListBox::ClearItems() { ::SendMessageW(Handle(), LB_RESETCONTENT, 0, 0); }

int TListBox::ItemCount() const { return static_cast<int>(::SendMessageW(Handle(), LB_GETCOUNT, 0, 0)); }

std::wstring TListBox::Item(int index) const {
  LRESULT n = ::SendMessageW(Handle(), LB_GETTEXTLEN, index, 0);
  if (n == LB_ERR) return {};
  std::wstring s(n + 1, L'\0');
  ::SendMessageW(Handle(), LB_GETTEXT, index, reinterpret_cast<LPARAM>(s.data()));
  s.resize(n);
  return s;
}

void TListBox::SetItem(int index, const std::wstring& value) {
  ::SendMessageW(Handle(), LB_DELETESTRING, index, 0);
  ::SendMessageW(Handle(), LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(value.c_str()));
}

std::vector<std::wstring> TListBox::Items() const {
  std::vector<std::wstring> items;
  for (int i = 0; i < ItemCount(); ++i) items.push_back(Item(i));
  return items;
}

int TListBox::ItemIndex() const { return static_cast<int>(::SendMessageW(Handle(), LB_GETCURSEL, 0, 0)); }
void TListBox::SetItemIndex(int index) { ::SendMessageW(Handle(), LB_SETCURSEL, index, 0); }

// --- TRichEdit ----------------------------------------------------------------------------

namespace {

const wchar_t* RichEditClass() {
  static const wchar_t* cls = [] {
    if (::LoadLibraryW(L"Msftedit.dll")) return MSFTEDIT_CLASS;
    ::LoadLibraryW(L"Riched20.dll");
    return RICHEDIT_CLASSW;
  }();
  return cls;
}

}  // namespace

TRichEdit::TRichEdit(TComponent* AOwner, TWinControl* AParent) : TWinControl(AOwner, AParent) {
  CreateHandle(RichEditClass(),
               WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL |
                   ES_AUTOHSCROLL,
               WS_EX_CLIENTEDGE);
  ::SendMessageW(Handle(), EM_SETBKGNDCOLOR, 0, ::GetSysColor(COLOR_BTNFACE));
}

}  // namespace tk
