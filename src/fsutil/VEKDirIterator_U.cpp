// TVEKDirIterator: directory tree walk in pre-order or post-order.
#include "fsutil/VEKDirIterator_U.h"

#include "fsutil/PathJoin.h"
#include "fsutil/VEKGeneral.h"
#include "toolkit/Handles.h"

#include <windows.h>

namespace vek {

TVEKDirIterator::TVEKDirIterator(tk::TComponent* AOwner) : tk::TComponent(AOwner) {}

void TVEKDirIterator::SetDirectory(const std::wstring& value) {
  FRootDirectory = value;
  Reset();
}

void TVEKDirIterator::SetDirMask(const std::wstring& value) {
  FDirMask = value;
  Reset();
}

void TVEKDirIterator::Reset() {
  ClearLevels();
  PushStartLevel(FRootDirectory);
}

void TVEKDirIterator::PushLevel(const std::wstring& dir) {
  auto level = std::make_unique<TVEKDirIteratorLevel>();
  level->parentDir = dir;
  // A junction or directory symlink is handed out, but what lies behind it is not ours.
  if (!IsDirectoryLink(dir)) {
    WIN32_FIND_DATAW fd{};
    tk::UniqueFindHandle find(::FindFirstFileW(JoinPath(dir, FDirMask).c_str(), &fd));
    if (find) {
      do {
        const DWORD attr = fd.dwFileAttributes;
        if (!FIncludeHiddenDirs && (attr & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM))) continue;
        if (!(attr & FILE_ATTRIBUTE_DIRECTORY)) continue;
        const std::wstring name = fd.cFileName;
        if (name == L"." || name == L"..") continue;
        level->items.push_back(name);
      } while (::FindNextFileW(find.Get(), &fd));
    }
  }
  searchLevel.push_back(std::move(level));
}

void TVEKDirIterator::PushStartLevel(const std::wstring& root) {
  if (root.empty()) return;
  auto level = std::make_unique<TVEKDirIteratorLevel>();
  level->parentDir = StripTrailingBackslash(root);
  level->items.push_back(std::wstring());
  searchLevel.push_back(std::move(level));
}

std::wstring TVEKDirIterator::Next() { return FReverseFormat ? NextReverse() : NextNormal(); }

std::wstring TVEKDirIterator::NextNormal() {
  while (!searchLevel.empty()) {
    TVEKDirIteratorLevel& top = *searchLevel.back();
    ++top.itemPos;
    if (top.itemPos >= static_cast<int>(top.items.size())) {
      PopLevel();
      continue;
    }
    std::wstring path = JoinPath(top.parentDir, top.items[top.itemPos]);
    PushLevel(path);
    return StripTrailingBackslash(path);
  }
  return {};
}

std::wstring TVEKDirIterator::NextReverse() {
  // Descend to the deepest unvisited directory; an exhausted level yields its own directory.
  while (!searchLevel.empty()) {
    TVEKDirIteratorLevel& top = *searchLevel.back();
    ++top.itemPos;
    if (top.itemPos >= static_cast<int>(top.items.size())) {
      PopLevel();
      if (searchLevel.empty()) return {};
      const TVEKDirIteratorLevel& parent = *searchLevel.back();
      return StripTrailingBackslash(JoinPath(parent.parentDir, parent.items[parent.itemPos]));
    }
    PushLevel(JoinPath(top.parentDir, top.items[top.itemPos]));
  }
  return {};
}

}  // namespace vek
