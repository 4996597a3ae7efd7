// Menus: building platform menus from items, and dispatching their commands.
#include "toolkit/Menus.h"

#include "toolkit/Application.h"
#include "toolkit/Forms.h"
#include "toolkit/ImgList.h"

#include <map>

namespace tk {

namespace {

// Never destroyed: items owned by objects that live until the process ends still leave it.
std::map<UINT, TMenuItem*>& CommandMap() {
  static auto* map = new std::map<UINT, TMenuItem*>;
  return *map;
}

UINT NextCommandId() {
  static UINT id = 0x8000;
  do {
    id = id >= 0xEFFF ? 0x8000 : id + 1;
  } while (CommandMap().count(id));
  return id;
}

}  // namespace

TMenuItem::TMenuItem(TComponent* AOwner, const std::wstring& caption)
    : TComponent(AOwner), FCaption(caption), FCommandId(NextCommandId()) {
  CommandMap()[FCommandId] = this;
  if (auto* parent = dynamic_cast<TMenuItem*>(AOwner)) parent->FItems.push_back(this);
}

TMenuItem::~TMenuItem() {
  CommandMap().erase(FCommandId);
  FreeBitmaps();
  if (FBuiltMenu) ::DestroyMenu(FBuiltMenu);
  // Sub-items are owned components: the base destructor frees them. Leave the parent's list.
  if (auto* parent = dynamic_cast<TMenuItem*>(Owner())) {
    auto& items = parent->FItems;
    for (auto it = items.begin(); it != items.end(); ++it)
      if (*it == this) {
        items.erase(it);
        break;
      }
  }
}

void TMenuItem::FreeBitmaps() { FBitmaps.clear(); }

TMenuItem* TMenuItem::FromCommand(UINT id) {
  auto it = CommandMap().find(id);
  return it == CommandMap().end() ? nullptr : it->second;
}

void TMenuItem::SetCaption(const std::wstring& value) { FCaption = value; }

void TMenuItem::SetChecked(bool value) { FChecked = value; }

void TMenuItem::SetEnabled(bool value) { FEnabled = value; }

TMenuItem* TMenuItem::Add(const std::wstring& caption, TNotifyEvent onClick, int imageIndex) {
  auto* item = new TMenuItem(this, caption);
  item->SetOnClick(std::move(onClick));
  item->SetImageIndex(imageIndex);
  return item;
}

void TMenuItem::Click() {
  if (FOnClick) FOnClick(this);
}

HMENU TMenuItem::BuildMenu(bool popup, TImageList* images) {
  FreeBitmaps();
  HMENU menu = popup ? ::CreatePopupMenu() : ::CreateMenu();
  for (TMenuItem* item : FItems) {
    if (!item->FVisible) continue;
    MENUITEMINFOW mi{};
    mi.cbSize = sizeof(mi);
    if (item->IsSeparator()) {
      mi.fMask = MIIM_FTYPE;
      mi.fType = MFT_SEPARATOR;
    } else {
      mi.fMask = MIIM_STRING | MIIM_ID | MIIM_STATE;
      mi.dwTypeData = const_cast<wchar_t*>(item->FCaption.c_str());
      mi.wID = item->FCommandId;
      mi.fState = (item->FChecked ? MFS_CHECKED : 0) | (item->FEnabled ? 0 : MFS_DISABLED) |
                  (item->FDefault ? MFS_DEFAULT : 0);
      if (!item->FItems.empty()) {
        mi.fMask |= MIIM_SUBMENU;
        mi.hSubMenu = item->BuildMenu(true, images);
      }
      if (images && item->FImageIndex >= 0) {
        if (HBITMAP bmp = images->CreateBitmap(item->FImageIndex)) {
          FBitmaps.emplace_back(bmp);
          mi.fMask |= MIIM_BITMAP;
          mi.hbmpItem = bmp;
        }
      }
    }
    ::InsertMenuItemW(menu, ::GetMenuItemCount(menu), TRUE, &mi);
  }
  return menu;
}

// --- TMainMenu ----------------------------------------------------------------------------

TMainMenu::TMainMenu(TComponent* AOwner) : TComponent(AOwner), FItems(new TMenuItem(this)) {}

TMainMenu::~TMainMenu() {
  if (FMenu && !::IsMenu(FMenu)) FMenu = nullptr;
}

void TMainMenu::AttachTo(TForm* form) {
  HMENU old = ::GetMenu(form->Handle());
  FMenu = FItems->BuildMenu(false, FImages);
  ::SetMenu(form->Handle(), FMenu);
  if (old) ::DestroyMenu(old);
  ::DrawMenuBar(form->Handle());
}

// --- TPopupMenu ---------------------------------------------------------------------------

TPopupMenu::TPopupMenu(TComponent* AOwner) : TComponent(AOwner), FItems(new TMenuItem(this)) {}

TPopupMenu::~TPopupMenu() = default;

void TPopupMenu::Popup(int x, int y, HWND owner) {
  if (FOnPopup) FOnPopup(this);
  HMENU menu = FItems->BuildMenu(true, FImages);
  HWND wnd = owner;
  if (!wnd && Application().MainForm()) wnd = Application().MainForm()->Handle();
  // The owner must be foreground, or the menu does not close when the user clicks elsewhere.
  if (wnd) ::SetForegroundWindow(wnd);
  const UINT cmd = ::TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, x, y, 0, wnd, nullptr);
  ::DestroyMenu(menu);
  if (wnd) ::PostMessageW(wnd, WM_NULL, 0, 0);
  if (cmd)
    if (TMenuItem* item = TMenuItem::FromCommand(cmd)) item->Click();
}

}  // namespace tk
