// Icons from the shell's stock set, with the application icon where one is missing.
#include "app/Icons.h"

#include "toolkit/ImgList.h"

#include <shellapi.h>

namespace {

HICON StockIcon(SHSTOCKICONID id, bool large) {
  SHSTOCKICONINFO info{};
  info.cbSize = sizeof(info);
  if (SUCCEEDED(::SHGetStockIconInfo(id, SHGSI_ICON | (large ? SHGSI_LARGEICON : SHGSI_SMALLICON), &info)) && info.hIcon)
    return info.hIcon;
  HICON own = static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON,
                                              large ? 32 : 16, large ? 32 : 16, 0));
  return own ? own : ::CopyIcon(::LoadIconW(nullptr, IDI_APPLICATION));
}

}  // namespace

void LoadProgramIcons(tk::TImageList& list) {
  for (int i = 0; i <= iiShield; ++i) {
    SHSTOCKICONID id = SIID_DOCNOASSOC;
    if (i == iiFolder) id = SIID_FOLDER;
    if (i == iiHardDisk) id = SIID_DRIVEFIXED;
    if (i == iiShield) id = SIID_SHIELD;
    HICON icon = StockIcon(id, false);
    list.AddIcon(icon);
    ::DestroyIcon(icon);
  }
}

HICON LoadBigIcon(TBigIcon which) {
  switch (which) {
    case biAddFiles: return StockIcon(SIID_DOCNOASSOC, true);
    case biAddFolder: return StockIcon(SIID_FOLDER, true);
    case biStart: return StockIcon(SIID_DELETE, true);
    case biRefresh: return StockIcon(SIID_DRIVEFIXED, true);
    case biProgram: break;
  }
  HICON own = static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, 32, 32, 0));
  return own ? own : ::CopyIcon(::LoadIconW(nullptr, IDI_APPLICATION));
}
