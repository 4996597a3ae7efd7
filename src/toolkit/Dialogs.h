// Common dialogs: a multi-select file-open dialog and a folder picker.
#pragma once

#include "toolkit/Component.h"

#include <windows.h>

#include <string>
#include <vector>

namespace tk {

class TOpenDialog : public TComponent {
 public:
  explicit TOpenDialog(TComponent* AOwner = nullptr) : TComponent(AOwner) {}
  std::wstring ClassName() const override { return L"TOpenDialog"; }
  void SetTitle(const std::wstring& value) { FTitle = value; }
  void SetMultiSelect(bool value) { FMultiSelect = value; }
  // The paths chosen by the last Execute that returned true.
  const std::vector<std::wstring>& Files() const { return FFiles; }
  // True when the user chose something.
  bool Execute(HWND owner = nullptr);

 private:
  std::wstring FTitle;
  bool FMultiSelect = true;
  std::vector<std::wstring> FFiles;
};

class TFolderDialog : public TComponent {
 public:
  explicit TFolderDialog(TComponent* AOwner = nullptr) : TComponent(AOwner) {}
  std::wstring ClassName() const override { return L"TFolderDialog"; }
  void SetTitle(const std::wstring& value) { FTitle = value; }
  const std::wstring& Folder() const { return FFolder; }
  bool Execute(HWND owner = nullptr);

 private:
  std::wstring FTitle;
  std::wstring FFolder;
};

}  // namespace tk
