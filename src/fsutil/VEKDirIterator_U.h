// TVEKDirIterator: walks a directory tree, one directory per Next, before or after its children.
#pragma once

#include "toolkit/Component.h"

#include <memory>
#include <string>
#include <vector>

namespace vek {

// One directory whose subdirectories are being walked.
struct TVEKDirIteratorLevel {
  std::vector<std::wstring> items;  // subdirectory names, in listing order
  int itemPos = -1;                 // index of the entry handed out last
  std::wstring parentDir;           // as passed in; may end with a backslash
};

// Normal format: pre-order, the start directory first. Reverse format: post-order, the start
// directory last, so a caller may remove each directory it is given. Only names are held
// between calls; no handle stays open. Hidden and system subdirectories are skipped, and a
// directory that is a link is handed out but never entered.
class TVEKDirIterator : public tk::TComponent {
 public:
  explicit TVEKDirIterator(tk::TComponent* AOwner = nullptr);
  std::wstring ClassName() const override { return L"TVEKDirIterator"; }

  const std::wstring& Directory() const { return FRootDirectory; }
  void SetDirectory(const std::wstring& value);
  const std::wstring& DirMask() const { return FDirMask; }
  void SetDirMask(const std::wstring& value);
  bool ReverseFormat() const { return FReverseFormat; }
  void SetReverseFormat(bool value) { FReverseFormat = value; }
  bool IncludeStartDir() const { return FIncludeStartDir; }
  void SetIncludeStartDir(bool value) { FIncludeStartDir = value; }
  // Hidden and system subdirectories are skipped unless this is set.
  bool IncludeHiddenDirs() const { return FIncludeHiddenDirs; }
  void SetIncludeHiddenDirs(bool value) { FIncludeHiddenDirs = value; }

  void Reset();
  std::wstring Next();

 private:
  void PushLevel(const std::wstring& dir);
  void PushStartLevel(const std::wstring& root);
  void PopLevel() { searchLevel.pop_back(); }
  void ClearLevels() { searchLevel.clear(); }
  std::wstring NextNormal();
  std::wstring NextReverse();

  std::vector<std::unique_ptr<TVEKDirIteratorLevel>> searchLevel;
  std::wstring FRootDirectory;
  std::wstring FDirMask = L"*.*";
  bool FReverseFormat = false;
  bool FIncludeStartDir = false;
  bool FIncludeHiddenDirs = false;
};

}  // namespace vek
