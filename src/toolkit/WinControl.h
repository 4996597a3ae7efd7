// TWinControl: a component that owns one real window: bounds, alignment, anchors, visibility,
// font, and the hand-back of WM_COMMAND and WM_NOTIFY to the child that sent them.
#pragma once

#include "toolkit/Component.h"
#include "toolkit/Events.h"

#include <windows.h>

#include <string>
#include <vector>

namespace tk {

class TPopupMenu;
// Key is the virtual-key code; a handler that sets it to 0 consumes the key.
using TKeyEvent = std::function<void(TComponent* Sender, WORD& Key)>;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TAnchors : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };

// Design sizes are given at 96 DPI and scaled to the screen's DPI.
int ScreenDpi();
int Scale(int designPixels);
// The font every control uses: the system's message font.
HFONT DefaultFont();

class TWinControl : public TComponent {
 public:
  TWinControl(TComponent* AOwner, TWinControl* AParent);
  ~TWinControl() override;
  std::wstring ClassName() const override { return L"TWinControl"; }

  HWND Handle() const { return FHandle; }
  TWinControl* Parent() const { return FParent; }
  static TWinControl* FromHandle(HWND wnd);

  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  // In pixels.
  virtual void SetBounds(int left, int top, int width, int height);
  // In 96-DPI design units.
  void SetDesignBounds(int left, int top, int width, int height);
  void SetWidth(int w) { SetBounds(FLeft, FTop, w, FHeight); }
  void SetHeight(int h) { SetBounds(FLeft, FTop, FWidth, h); }
  void SetLeft(int l) { SetBounds(l, FTop, FWidth, FHeight); }
  void SetTop(int t) { SetBounds(FLeft, t, FWidth, FHeight); }
  int ClientWidth() const;
  int ClientHeight() const;

  bool Visible() const { return FVisible; }
  virtual void SetVisible(bool value);
  bool Enabled() const { return ::IsWindowEnabled(FHandle) != FALSE; }
  void SetEnabled(bool value) { ::EnableWindow(FHandle, value); }
  virtual std::wstring Caption() const;
  virtual void SetCaption(const std::wstring& value);
  TAlign Align() const { return FAlign; }
  void SetAlign(TAlign value);
  unsigned Anchors() const { return FAnchors; }
  void SetAnchors(unsigned value);
  void SetFocus() { ::SetFocus(FHandle); }
  bool Focused() const { return ::GetFocus() == FHandle; }
  void SetFont(HFONT font) { ::SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE); }
  HFONT Font() const;
  int ControlId() const { return FId; }
  // Repaints at once.
  void Repaint() { ::RedrawWindow(FHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_ERASE); }

  const std::vector<TWinControl*>& Controls() const { return FChildren; }
  // What the control's own background is painted with; children that draw transparently use it.
  virtual HBRUSH BackgroundBrush() const { return ::GetSysColorBrush(COLOR_BTNFACE); }
  // WM_CTLCOLOR* for this control: set the colours on dc and return a brush, or nullptr to let
  // the parent decide.
  virtual HBRUSH CNCtlColor(HDC /*dc*/) { return nullptr; }
  // Lays children out by their alignment and anchors.
  void Realign();

  TNotifyEvent OnClick() const { return FOnClick; }
  void SetOnClick(TNotifyEvent h) { FOnClick = std::move(h); }
  // Runs when the control receives the keyboard focus.
  TNotifyEvent OnEnter() const { return FOnEnter; }
  void SetOnEnter(TNotifyEvent h) { FOnEnter = std::move(h); }
  TKeyEvent OnKeyDown() const { return FOnKeyDown; }
  void SetOnKeyDown(TKeyEvent h) { FOnKeyDown = std::move(h); }
  // Shown on a right click or the menu key.
  TPopupMenu* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TPopupMenu* menu) { FPopupMenu = menu; }

 protected:
  // Creates the window. Common controls are given their class name; containers of our own
  // pass nullptr.
  void CreateHandle(const wchar_t* windowClass, DWORD style, DWORD exStyle,
                    const std::wstring& text = std::wstring());
  // Called for each message of this window; return true when handled (result set).
  virtual bool WndProc(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // WM_COMMAND and WM_NOTIFY, handed back by the parent.
  virtual void CNCommand(WORD /*code*/) {}
  virtual bool CNNotify(NMHDR* /*header*/, LRESULT& /*result*/) { return false; }
  // WM_DRAWITEM of an owner-drawn control, handed back by the parent.
  virtual bool CNDrawItem(DRAWITEMSTRUCT* /*item*/) { return false; }

  // For windows without a parent control (forms).
  HWND ParentHandleForCreate() const;
  virtual void Click();
  // Remembers the distances to the parent's edges that the anchors keep.
  void RecordAnchorDistances();
  void UpdateBoundsFromWindow();

  TNotifyEvent FOnClick;
  TKeyEvent FOnKeyDown;
  TNotifyEvent FOnEnter;
  TPopupMenu* FPopupMenu = nullptr;

 private:
  static LRESULT CALLBACK SubclassProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR refData);
  void AddChild(TWinControl* child) { FChildren.push_back(child); }
  void RemoveChild(TWinControl* child);

  HWND FHandle = nullptr;
  TWinControl* FParent = nullptr;
  std::vector<TWinControl*> FChildren;
  int FId = 0;
  int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
  bool FVisible = true;
  TAlign FAlign = alNone;
  unsigned FAnchors = akLeft | akTop;
  int FAnchorRightGap = 0, FAnchorBottomGap = 0;
  bool FInRealign = false;
};

}  // namespace tk
