// TTimer and TTrayIcon (the notification-area icon with balloons and a pop-up menu).
#pragma once

#include "toolkit/Component.h"
#include "toolkit/Events.h"
#include "toolkit/Handles.h"

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>

namespace tk {

class TPopupMenu;

class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* AOwner = nullptr);
  ~TTimer() override;
  std::wstring ClassName() const override { return L"TTimer"; }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value);
  UINT Interval() const { return FInterval; }
  void SetInterval(UINT value);
  TNotifyEvent OnTimer() const { return FOnTimer; }
  void SetOnTimer(TNotifyEvent h);

 private:
  static void CALLBACK TimerProc(HWND, UINT, UINT_PTR id, DWORD);
  void Update();
  bool FEnabled = true;
  UINT FInterval = 1000;
  UINT_PTR FTimerId = 0;
  TNotifyEvent FOnTimer;
};

enum TBalloonFlags { bfNone = NIIF_NONE, bfInfo = NIIF_INFO, bfWarning = NIIF_WARNING, bfError = NIIF_ERROR };

class TTrayIcon : public TComponent {
 public:
  explicit TTrayIcon(TComponent* AOwner = nullptr);
  ~TTrayIcon() override;
  std::wstring ClassName() const override { return L"TTrayIcon"; }

  // The icon is copied; the caller keeps its own.
  void SetIcon(HICON icon);
  const std::wstring& Hint() const { return FHint; }
  void SetHint(const std::wstring& value);
  const std::wstring& BalloonTitle() const { return FBalloonTitle; }
  void SetBalloonTitle(const std::wstring& value) { FBalloonTitle = value; }
  const std::wstring& BalloonHint() const { return FBalloonHint; }
  void SetBalloonHint(const std::wstring& value) { FBalloonHint = value; }
  TBalloonFlags BalloonFlags() const { return FBalloonFlags; }
  void SetBalloonFlags(TBalloonFlags value) { FBalloonFlags = value; }
  void ShowBalloonHint();
  bool Visible() const { return FVisible; }
  void SetVisible(bool value);
  TPopupMenu* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TPopupMenu* menu) { FPopupMenu = menu; }
  TNotifyEvent OnClick() const { return FOnClick; }
  void SetOnClick(TNotifyEvent h) { FOnClick = std::move(h); }
  HWND Handle() const { return FWindow; }

  // Replaces Shell_NotifyIconW for every tray icon (tests record the calls); nullptr restores it.
  using TNotifyFunction = std::function<BOOL(DWORD message, const NOTIFYICONDATAW& data)>;
  static void SetNotifyFunction(TNotifyFunction f);

 private:
  static LRESULT CALLBACK WndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void Notify(DWORD message, UINT flags);
  void Refresh();

  HWND FWindow = nullptr;
  UniqueIcon FIcon;
  std::wstring FHint;
  std::wstring FBalloonTitle;
  std::wstring FBalloonHint;
  TBalloonFlags FBalloonFlags = bfNone;
  bool FVisible = false;
  bool FAdded = false;
  TPopupMenu* FPopupMenu = nullptr;
  TNotifyEvent FOnClick;
};

}  // namespace tk
