// TVEKFileIterator: hands out the entries of a directory (and, if asked, of its whole tree).
#pragma once

#include "fsutil/VEKDirIterator_U.h"
#include "toolkit/Component.h"

#include <memory>
#include <string>
#include <vector>

namespace vek {

// Reads one directory's matching entries at a time. Subdirectories are walked in pre-order by
// a private directory iterator, so links and hidden or system folders are not entered.
class TVEKFileIterator : public tk::TComponent {
 public:
  explicit TVEKFileIterator(tk::TComponent* AOwner = nullptr);
  std::wstring ClassName() const override { return L"TVEKFileIterator"; }

  const std::wstring& Directory() const { return FRootDirectory; }
  void SetDirectory(const std::wstring& value);
  const std::wstring& FileMask() const { return FFileMask; }
  // A value with a path ("C:\Temp\*.txt") also sets Directory to the part up to the last
  // backslash or colon.
  void SetFileMask(const std::wstring& value);
  bool Sorted() const { return FSorted; }
  void SetSorted(bool value);
  bool RecurseSubDirs() const { return FRecurseSubDirs; }
  void SetRecurseSubDirs(bool value) { FRecurseSubDirs = value; }
  bool OmitStartDirPrefix() const { return FOmitStartDirPrefix; }
  void SetOmitStartDirPrefix(bool value) { FOmitStartDirPrefix = value; }
  bool IncludeDirNames() const { return FIncludeDirNames; }
  void SetIncludeDirNames(bool value) { FIncludeDirNames = value; }
  // Enters hidden and system subdirectories too (skipped by default).
  bool IncludeHiddenDirs() const { return dirIterator->IncludeHiddenDirs(); }
  void SetIncludeHiddenDirs(bool value) { dirIterator->SetIncludeHiddenDirs(value); }

  void Reset();
  std::wstring Next();
  int Count();

 private:
  void ReadDirectory(const std::wstring& dir);
  void AddName(const std::wstring& name);
  void SortNames();

  std::wstring currDir;
  std::vector<std::wstring> currDirsFiles;
  int currFileIdx = 0;
  std::unique_ptr<TVEKDirIterator> dirIterator;
  std::wstring FRootDirectory = L".";
  std::wstring FFileMask = L"*.*";
  bool FSorted = false;
  bool FRecurseSubDirs = false;
  bool FOmitStartDirPrefix = false;
  bool FIncludeDirNames = false;
};

}  // namespace vek
