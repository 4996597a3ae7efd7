// Standard controls: panel, label, button, check box, radio button, combo box, edit, list box,
// read-only rich edit.
#pragma once

#include "toolkit/Handles.h"
#include "toolkit/WinControl.h"

#include <string>
#include <vector>

namespace tk {

class TForm;
// The form a control sits on.
TForm* ParentFormOf(TWinControl* control);

enum TBevelCut { bvNone, bvLowered, bvRaised };

class TPanel : public TWinControl {
 public:
  TPanel(TComponent* AOwner, TWinControl* AParent);
  std::wstring ClassName() const override { return L"TPanel"; }
  TBevelCut BevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TBevelCut v) { FBevelOuter = v; ::InvalidateRect(Handle(), nullptr, TRUE); }
  TBevelCut BevelInner() const { return FBevelInner; }
  void SetBevelInner(TBevelCut v) { FBevelInner = v; ::InvalidateRect(Handle(), nullptr, TRUE); }
  // A colour for the panel's background and the text of its captionless children; CLR_INVALID
  // keeps the platform's face colour.
  void SetColor(COLORREF background, COLORREF text);
  void SetCaption(const std::wstring& value) override;
  HBRUSH BackgroundBrush() const override {
    return FBrush ? static_cast<HBRUSH>(FBrush.Get()) : TWinControl::BackgroundBrush();
  }

 protected:
  bool WndProc(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void Paint();
  TBevelCut FBevelOuter = bvRaised;
  TBevelCut FBevelInner = bvNone;
  COLORREF FColor = CLR_INVALID;
  COLORREF FTextColor = CLR_INVALID;
  UniqueGdiObject FBrush;
};

class TLabel : public TWinControl {
 public:
  TLabel(TComponent* AOwner, TWinControl* AParent);
  ~TLabel() override;
  std::wstring ClassName() const override { return L"TLabel"; }
  std::wstring Caption() const override { return FCaption; }
  void SetCaption(const std::wstring& value) override;
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool value);
  void SetBounds(int left, int top, int width, int height) override;
  // Width of text in this label's font.
  int TextWidth(const std::wstring& text) const;
  // CLR_INVALID keeps the platform's text colour.
  void SetTextColor(COLORREF color);
  void SetFontStyle(bool bold, bool underline, int pointSize = 0);
  // A link: the hand cursor over it.
  void SetHandCursor(bool value) { FHandCursor = value; }
  HBRUSH CNCtlColor(HDC dc) override;

 protected:
  void CNCommand(WORD code) override;
  bool WndProc(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  // The text drawn; the caption by default.
  virtual std::wstring GetLabelText() const { return FCaption; }
  void UpdateText();

 private:
  std::wstring FCaption;
  bool FAutoSize = true;
  COLORREF FTextColor = CLR_INVALID;
  UniqueGdiObject FOwnFont;
  bool FHandCursor = false;
};

class TButton : public TWinControl {
 public:
  TButton(TComponent* AOwner, TWinControl* AParent, const std::wstring& caption = std::wstring());
  std::wstring ClassName() const override { return L"TButton"; }
  bool Default() const { return FDefault; }
  void SetDefault(bool value);
  bool Cancel() const { return FCancel; }
  void SetCancel(bool value);
  int ModalResult() const { return FModalResult; }
  void SetModalResult(int value) { FModalResult = value; }
  // As if the user pressed it: OnClick, then the modal result goes to the form.
  void Press() { Click(); }

 protected:
  void CNCommand(WORD code) override;
  void Click() override;

 private:
  bool FDefault = false;
  bool FCancel = false;
  int FModalResult = 0;
};

// OnClick runs whenever Checked changes, whether the user or code changed it.
class TCheckBox : public TWinControl {
 public:
  TCheckBox(TComponent* AOwner, TWinControl* AParent, const std::wstring& caption = std::wstring());
  std::wstring ClassName() const override { return L"TCheckBox"; }
  bool Checked() const;
  virtual void SetChecked(bool value);

 protected:
  TCheckBox(TComponent* AOwner, TWinControl* AParent, const std::wstring& caption, DWORD style);
  void CNCommand(WORD code) override;
};

class TRadioButton : public TCheckBox {
 public:
  TRadioButton(TComponent* AOwner, TWinControl* AParent, const std::wstring& caption = std::wstring());
  std::wstring ClassName() const override { return L"TRadioButton"; }
  // Selecting one clears the other radio buttons of its parent, without their OnClick.
  void SetChecked(bool value) override;
};

enum TComboBoxStyle { csDropDown, csDropDownList };

// OnChange runs only on a user's change, never when code sets ItemIndex or Text.
class TComboBox : public TWinControl {
 public:
  TComboBox(TComponent* AOwner, TWinControl* AParent, TComboBoxStyle style = csDropDownList);
  std::wstring ClassName() const override { return L"TComboBox"; }
  TComboBoxStyle Style() const { return FStyle; }
  void AddItem(const std::wstring& item);
  void ClearItems();
  int ItemCount() const;
  std::wstring Item(int index) const;
  int ItemIndex() const;
  void SetItemIndex(int index);
  std::wstring Text() const { return Caption(); }
  void SetText(const std::wstring& value);
  TNotifyEvent OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent h) { FOnChange = std::move(h); }
  void SetBounds(int left, int top, int width, int height) override;

 protected:
  void CNCommand(WORD code) override;

 private:
  TComboBoxStyle FStyle;
  TNotifyEvent FOnChange;
  bool FSettingByCode = false;
};

class TEdit : public TWinControl {
 public:
  TEdit(TComponent* AOwner, TWinControl* AParent);
  std::wstring ClassName() const override { return L"TEdit"; }
  std::wstring Text() const { return Caption(); }
  void SetText(const std::wstring& value) { SetCaption(value); }
  wchar_t PasswordChar() const { return FPasswordChar; }
  void SetPasswordChar(wchar_t value);
  TNotifyEvent OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent h) { FOnChange = std::move(h); }

 protected:
  void CNCommand(WORD code) override;

 private:
  wchar_t FPasswordChar = 0;
  TNotifyEvent FOnChange;
};

class TListBox : public TWinControl {
 public:
  TListBox(TComponent* AOwner, TWinControl* AParent);
  std::wstring ClassName() const override { return L"TListBox"; }
  void AddItem(const std::wstring& item);
  void ClearItems();
  int ItemCount() const;
  std::wstring Item(int index) const;
  void SetItem(int index, const std::wstring& value);
  std::vector<std::wstring> Items() const;
  int ItemIndex() const;
  void SetItemIndex(int index);
};

// A read-only rich-text box with both scroll bars.
class TRichEdit : public TWinControl {
 public:
  TRichEdit(TComponent* AOwner, TWinControl* AParent);
  std::wstring ClassName() const override { return L"TRichEdit"; }
  std::wstring Text() const { return Caption(); }
  void SetText(const std::wstring& value) { SetCaption(value); }
};

}  // namespace tk
