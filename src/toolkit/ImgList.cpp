// TImageList over the common-controls image list.
#include "toolkit/ImgList.h"

namespace tk {

TImageList::TImageList(TComponent* AOwner, int size) : TComponent(AOwner), FSize(size) {
  FHandle = ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, 8, 8);
}

TImageList::~TImageList() {
  if (FHandle) ImageList_Destroy(FHandle);
}

int TImageList::AddIcon(HICON icon) { return icon ? ImageList_AddIcon(FHandle, icon) : -1; }

HBITMAP TImageList::CreateBitmap(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = FSize;
  bi.bmiHeader.biHeight = -FSize;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HDC screen = ::GetDC(nullptr);
  HBITMAP bmp = ::CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC dc = ::CreateCompatibleDC(screen);
  HGDIOBJ old = ::SelectObject(dc, bmp);
  ImageList_Draw(FHandle, index, dc, 0, 0, ILD_TRANSPARENT);
  ::SelectObject(dc, old);
  ::DeleteDC(dc);
  ::ReleaseDC(nullptr, screen);
  return bmp;
}

}  // namespace tk
