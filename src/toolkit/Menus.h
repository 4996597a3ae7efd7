// Menus: items with captions, images, check marks and OnClick; the main menu bar of a form and
// pop-up menus.
#pragma once

#include "toolkit/Component.h"
#include "toolkit/Events.h"
#include "toolkit/Handles.h"

#include <windows.h>

#include <string>
#include <vector>

namespace tk {

class TImageList;
class TForm;

class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* AOwner, const std::wstring& caption = std::wstring());
  ~TMenuItem() override;
  std::wstring ClassName() const override { return L"TMenuItem"; }

  const std::wstring& Caption() const { return FCaption; }
  void SetCaption(const std::wstring& value);
  // "-" makes a separator.
  bool IsSeparator() const { return FCaption == L"-"; }
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int value) { FImageIndex = value; }
  bool Checked() const { return FChecked; }
  void SetChecked(bool value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool value) { FVisible = value; }
  bool Default() const { return FDefault; }
  void SetDefault(bool value) { FDefault = value; }
  TNotifyEvent OnClick() const { return FOnClick; }
  void SetOnClick(TNotifyEvent h) { FOnClick = std::move(h); }

  // Sub-items, in order.
  TMenuItem* Add(const std::wstring& caption, TNotifyEvent onClick = nullptr, int imageIndex = -1);
  int Count() const { return static_cast<int>(FItems.size()); }
  TMenuItem* Items(int index) const { return FItems.at(index); }

  void Click();
  UINT CommandId() const { return FCommandId; }
  // The item a menu command id belongs to, or nullptr.
  static TMenuItem* FromCommand(UINT id);

  // Builds the platform menu of the sub-items; bitmaps made for images are kept by the item.
  HMENU BuildMenu(bool popup, TImageList* images);

 private:
  void FreeBitmaps();
  std::wstring FCaption;
  int FImageIndex = -1;
  bool FChecked = false;
  bool FEnabled = true;
  bool FVisible = true;
  bool FDefault = false;
  TNotifyEvent FOnClick;
  std::vector<TMenuItem*> FItems;
  UINT FCommandId;
  std::vector<UniqueGdiObject> FBitmaps;
  HMENU FBuiltMenu = nullptr;
};

// The menu bar of a form.
class TMainMenu : public TComponent {
 public:
  explicit TMainMenu(TComponent* AOwner);
  ~TMainMenu() override;
  std::wstring ClassName() const override { return L"TMainMenu"; }
  TMenuItem* Items() const { return FItems; }
  void SetImages(TImageList* images) { FImages = images; }
  // Builds the bar and puts it on the form; call again after changing items.
  void AttachTo(TForm* form);

 private:
  TMenuItem* FItems;
  TImageList* FImages = nullptr;
  HMENU FMenu = nullptr;
};

class TPopupMenu : public TComponent {
 public:
  explicit TPopupMenu(TComponent* AOwner);
  ~TPopupMenu() override;
  std::wstring ClassName() const override { return L"TPopupMenu"; }
  TMenuItem* Items() const { return FItems; }
  void SetImages(TImageList* images) { FImages = images; }
  TNotifyEvent OnPopup() const { return FOnPopup; }
  void SetOnPopup(TNotifyEvent h) { FOnPopup = std::move(h); }
  // Shows the menu at screen coordinates and runs the chosen item's OnClick.
  void Popup(int x, int y, HWND owner = nullptr);

 private:
  TMenuItem* FItems;
  TImageList* FImages = nullptr;
  TNotifyEvent FOnPopup;
};

}  // namespace tk
