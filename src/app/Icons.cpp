// The program's own icons from its resources, with the shell's stock icons where a module
// (a test program) carries none.
#include "app/Icons.h"

#include "app/res/resource.h"
#include "toolkit/Handles.h"
#include "toolkit/ImgList.h"
#include "toolkit/WinControl.h"

#include <shellapi.h>

namespace {

HICON StockIcon(SHSTOCKICONID id, bool large) {
  SHSTOCKICONINFO info{};
  info.cbSize = sizeof(info);
  if (SUCCEEDED(::SHGetStockIconInfo(id, SHGSI_ICON | (large ? SHGSI_LARGEICON : SHGSI_SMALLICON), &info)) && info.hIcon)
    return info.hIcon;
  return ::CopyIcon(::LoadIconW(nullptr, IDI_APPLICATION));
}

HICON OwnIcon(int id, int size) {
  return static_cast<HICON>(
      ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

HICON IconFor(int id, SHSTOCKICONID fallback, int size) {
  if (HICON own = OwnIcon(id, size)) return own;
  return StockIcon(fallback, size > 16);
}

}  // namespace

void LoadProgramIcons(tk::TImageList& list) {
  for (int i = 0; i <= iiShield; ++i) {
    int id = IDI_FILE;
    SHSTOCKICONID stock = SIID_DOCNOASSOC;
    if (i == iiFolder) id = IDI_FOLDER, stock = SIID_FOLDER;
    if (i == iiHardDisk) id = IDI_DISK, stock = SIID_DRIVEFIXED;
    if (i == iiShield) id = IDI_SHIELD, stock = SIID_SHIELD;
    tk::UniqueIcon icon(IconFor(id, stock, list.Size()));
    list.AddIcon(icon.Get());
  }
}

HICON LoadBigIcon(TBigIcon which) {
  const int size = tk::Scale(32);
  switch (which) {
    case biAddFiles: return IconFor(IDI_ADDFILES, SIID_DOCNOASSOC, size);
    case biAddFolder: return IconFor(IDI_ADDFOLDER, SIID_FOLDER, size);
    case biStart: return IconFor(IDI_START, SIID_DELETE, size);
    case biRefresh: return IconFor(IDI_REFRESH, SIID_DRIVEFIXED, size);
    case biProgram: break;
  }
  return IconFor(IDI_APP, SIID_APPLICATION, size);
}

HICON LoadSmallProgramIcon() { return IconFor(IDI_APP, SIID_APPLICATION, ::GetSystemMetrics(SM_CXSMICON)); }

HICON LoadProgramIcon(int size) { return IconFor(IDI_APP, SIID_APPLICATION, size); }
