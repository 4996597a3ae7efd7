// Common controls: progress bar, page control with tab sheets, status bar.
#pragma once

#include "toolkit/WinControl.h"

#include <string>
#include <vector>

namespace tk {

class TProgressBar : public TWinControl {
 public:
  TProgressBar(TComponent* AOwner, TWinControl* AParent, DWORD extraStyle = 0);
  std::wstring ClassName() const override { return L"TProgressBar"; }
  // Kept here as well, so reading them and writing the same value again costs nothing.
  int Min() const { return FMin; }
  int Max() const { return FMax; }
  int Position() const { return FPosition; }
  void SetMin(int value);
  void SetMax(int value);
  void SetPosition(int value);

 protected:
  bool WndProc(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void SyncPosition();
  int FMin = 0, FMax = 100, FPosition = 0, FSentPosition = 0;
};

class TPageControl;

// One page: a container whose OnShow runs each time it becomes the active page.
class TTabSheet : public TWinControl {
 public:
  TTabSheet(TComponent* AOwner, TPageControl* APageControl, const std::wstring& caption);
  std::wstring ClassName() const override { return L"TTabSheet"; }
  TPageControl* PageControl() const { return FPageControl; }
  int PageIndex() const;
  TNotifyEvent OnShow() const { return FOnShow; }
  void SetOnShow(TNotifyEvent h) { FOnShow = std::move(h); }
  void DoShow() {
    if (FOnShow) FOnShow(this);
  }

 private:
  TPageControl* FPageControl;
  TNotifyEvent FOnShow;
};

class TPageControl : public TWinControl {
 public:
  TPageControl(TComponent* AOwner, TWinControl* AParent);
  std::wstring ClassName() const override { return L"TPageControl"; }
  int PageCount() const { return static_cast<int>(FPages.size()); }
  TTabSheet* Pages(int index) const { return FPages.at(index); }
  TTabSheet* ActivePage() const;
  void SetActivePage(TTabSheet* page);
  int ActivePageIndex() const;
  void SetActivePageIndex(int index);
  // Hides the tabs themselves; pages are switched by code (tool buttons, menus).
  void SetTabsVisible(bool value);
  TNotifyEvent OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent h) { FOnChange = std::move(h); }

 protected:
  friend class TTabSheet;
  void AddPage(TTabSheet* page);
  bool CNNotify(NMHDR* header, LRESULT& result) override;
  bool WndProc(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void LayoutPages();
  void ShowActive(bool fireEvents);
  std::vector<TTabSheet*> FPages;
  bool FTabsVisible = true;
  TNotifyEvent FOnChange;
};

class TStatusBar : public TWinControl {
 public:
  TStatusBar(TComponent* AOwner, TWinControl* AParent);
  std::wstring ClassName() const override { return L"TStatusBar"; }
  // The text of the bar (one simple panel).
  std::wstring SimpleText() const { return FSimpleText; }
  void SetSimpleText(const std::wstring& value);

 protected:
  bool WndProc(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  std::wstring FSimpleText;
};

}  // namespace tk
