// TImageList: small icons for list views, menus and tool buttons.
#pragma once

#include "toolkit/Component.h"

#include <windows.h>
#include <commctrl.h>

namespace tk {

class TImageList : public TComponent {
 public:
  explicit TImageList(TComponent* AOwner = nullptr, int size = 16);
  ~TImageList() override;
  std::wstring ClassName() const override { return L"TImageList"; }
  HIMAGELIST Handle() const { return FHandle; }
  int Size() const { return FSize; }
  // Adds a copy of the icon; returns its index or -1.
  int AddIcon(HICON icon);
  int Count() const { return ImageList_GetImageCount(FHandle); }
  // A 32-bit top-down bitmap of one image, for menu items; the caller owns it.
  HBITMAP CreateBitmap(int index) const;

 private:
  HIMAGELIST FHandle = nullptr;
  int FSize;
};

}  // namespace tk
