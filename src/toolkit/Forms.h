// TForm: a top-level window with creation, show, close-query and close events, modal showing,
// borders, position and topmost.
#pragma once

#include "toolkit/WinControl.h"

namespace tk {

class TButton;

// What a form's window is created with; a form may give its window a class name of its own
// (another instance finds it by that name).
struct TCreateParams {
  std::wstring WinClassName;
};

enum TBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcons : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4 };
enum TPosition { poDesigned, poScreenCenter, poOwnerFormCenter };
enum TCloseAction { caNone, caHide, caFree, caMinimize };
using TCloseEvent = std::function<void(TComponent* Sender, TCloseAction& Action)>;

class TForm : public TWinControl {
 public:
  explicit TForm(TComponent* AOwner = nullptr, const TCreateParams& params = TCreateParams());
  ~TForm() override;
  std::wstring ClassName() const override { return L"TForm"; }
  static bool FromHandleIsForm(HWND wnd);

  // Client size in 96-DPI design units.
  void SetDesignClientSize(int width, int height);
  void SetClientSize(int width, int height);

  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle value);
  unsigned BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(unsigned value);
  TPosition Position() const { return FPosition; }
  void SetPosition(TPosition value) { FPosition = value; }
  bool StayOnTop() const { return FStayOnTop; }
  void SetStayOnTop(bool value);

  void Show();
  void Hide() { SetVisible(false); }
  void SetVisible(bool value) override;
  // Asks OnCloseQuery, then OnClose; the main form ends the application, others hide.
  void Close();
  // Shows the form, disables its owner's windows and runs messages until ModalResult is set.
  int ShowModal();
  int ModalResult() const { return FModalResult; }
  void SetModalResult(int value) { FModalResult = value; }
  bool Modal() const { return FModal; }

  // Enter and Escape press these.
  TButton* DefaultButton() const { return FDefaultButton; }
  void SetDefaultButton(TButton* b) { FDefaultButton = b; }
  TButton* CancelButton() const { return FCancelButton; }
  void SetCancelButton(TButton* b) { FCancelButton = b; }

  TNotifyEvent OnCreate() const { return FOnCreate; }
  void SetOnCreate(TNotifyEvent h) { FOnCreate = std::move(h); }
  TNotifyEvent OnShow() const { return FOnShow; }
  void SetOnShow(TNotifyEvent h) { FOnShow = std::move(h); }
  TNotifyEvent OnHide() const { return FOnHide; }
  void SetOnHide(TNotifyEvent h) { FOnHide = std::move(h); }
  TCloseQueryEvent OnCloseQuery() const { return FOnCloseQuery; }
  void SetOnCloseQuery(TCloseQueryEvent h) { FOnCloseQuery = std::move(h); }
  TCloseEvent OnClose() const { return FOnClose; }
  void SetOnClose(TCloseEvent h) { FOnClose = std::move(h); }

 protected:
  // Fires OnCreate. Derived forms call it once their components exist.
  virtual void DoCreate();
  virtual bool CloseQuery();
  bool WndProc(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void ApplyStyles();
  void PlaceOnShow();

 private:
  TBorderStyle FBorderStyle = bsSizeable;
  unsigned FBorderIcons = biSystemMenu | biMinimize | biMaximize;
  TPosition FPosition = poDesigned;
  bool FStayOnTop = false;
  int FModalResult = mrNone;
  bool FModal = false;
  TButton* FDefaultButton = nullptr;
  TButton* FCancelButton = nullptr;
  TNotifyEvent FOnCreate, FOnShow, FOnHide;
  TCloseQueryEvent FOnCloseQuery;
  TCloseEvent FOnClose;
};

}  // namespace tk
