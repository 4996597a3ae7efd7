// Test helpers for real files: a temporary folder that removes itself, file creation and reading.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace testsupport {

// A fresh folder under the prefix's temp folder, removed with everything in it at the end.
// Links inside it are removed as links; their targets are left alone.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::wstring& Path() const { return FPath; }
  // Path + "\" + relative.
  std::wstring operator/(const std::wstring& relative) const;

 private:
  std::wstring FPath;
};

void RemoveTree(const std::wstring& path);
void MakeDir(const std::wstring& path);
void MakeFile(const std::wstring& path, const std::string& content = std::string());
std::string ReadFileBytes(const std::wstring& path);
bool Exists(const std::wstring& path);
DWORD Attributes(const std::wstring& path);

}  // namespace testsupport
