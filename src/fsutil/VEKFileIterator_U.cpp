// TVEKFileIterator: entries of one directory or of a tree, optionally sorted and relative.
#include "fsutil/VEKFileIterator_U.h"

#include "fsutil/PathJoin.h"
#include "fsutil/VEKGeneral.h"
#include "toolkit/Handles.h"

#include <windows.h>

#include <algorithm>

namespace vek {

namespace {

// Case-insensitive comparison in the user's collation.
int CompareNames(const std::wstring& a, const std::wstring& b) {
  int r = ::CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(),
                           static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()));
  return r - CSTR_EQUAL;
}

}  // namespace

TVEKFileIterator::TVEKFileIterator(tk::TComponent* AOwner)
    : tk::TComponent(AOwner), dirIterator(std::make_unique<TVEKDirIterator>()) {}

void TVEKFileIterator::SetDirectory(const std::wstring& value) {
  FRootDirectory = value;
  Reset();
}

void TVEKFileIterator::SetFileMask(const std::wstring& value) {
  const auto split = value.find_last_of(L"\\:");
  if (split != std::wstring::npos) {
    SetDirectory(value.substr(0, split + 1));
    FFileMask = value.substr(split + 1);
  } else {
    FFileMask = value;
  }
  Reset();
}

void TVEKFileIterator::SetSorted(bool value) {
  FSorted = value;
  if (FSorted) SortNames();
}

void TVEKFileIterator::SortNames() {
  std::stable_sort(currDirsFiles.begin(), currDirsFiles.end(),
                   [](const std::wstring& a, const std::wstring& b) { return CompareNames(a, b) < 0; });
  currDirsFiles.erase(std::unique(currDirsFiles.begin(), currDirsFiles.end(),
                                  [](const std::wstring& a, const std::wstring& b) {
                                    return CompareNames(a, b) == 0;
                                  }),
                      currDirsFiles.end());
}

void TVEKFileIterator::AddName(const std::wstring& name) {
  if (!FSorted) {
    currDirsFiles.push_back(name);
    return;
  }
  auto it = std::lower_bound(currDirsFiles.begin(), currDirsFiles.end(), name,
                             [](const std::wstring& a, const std::wstring& b) {
                               return CompareNames(a, b) < 0;
                             });
  if (it != currDirsFiles.end() && CompareNames(*it, name) == 0) return;
  currDirsFiles.insert(it, name);
}

void TVEKFileIterator::ReadDirectory(const std::wstring& dir) {
  currDirsFiles.clear();
  // The contents of a linked directory lie outside the tree being walked.
  if (!dir.empty() && !IsDirectoryLink(dir)) {
    WIN32_FIND_DATAW fd{};
    tk::UniqueFindHandle find(::FindFirstFileW(JoinPath(dir, FFileMask).c_str(), &fd));
    if (find) {
      do {
        const std::wstring name = fd.cFileName;
        if (name == L"." || name == L"..") continue;
        if (FIncludeDirNames || !(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) AddName(name);
      } while (::FindNextFileW(find.Get(), &fd));
    }
  }
  currFileIdx = 0;
  currDir = dir;
}

void TVEKFileIterator::Reset() {
  dirIterator->SetDirectory(FRootDirectory);
  dirIterator->Reset();
  ReadDirectory(dirIterator->Next());
}

std::wstring TVEKFileIterator::Next() {
  for (;;) {
    if (currFileIdx < static_cast<int>(currDirsFiles.size())) {
      std::wstring s = JoinPath(currDir, currDirsFiles[currFileIdx++]);
      if (FOmitStartDirPrefix) {
        s.erase(0, std::min(s.size(), FRootDirectory.size()));
        if (!s.empty() && s.front() == L'\\') s.erase(0, 1);
        if (s.empty()) s = L"ZZZZ";  // never the end-of-walk marker
      }
      return s;
    }
    if (!FRecurseSubDirs) return {};
    std::wstring dir = dirIterator->Next();
    if (dir.empty()) return {};
    ReadDirectory(dir);
  }
}

int TVEKFileIterator::Count() {
  Reset();
  int n = 0;
  while (!Next().empty()) ++n;
  Reset();
  return n;
}

}  // namespace vek
