// File-open and folder-picker dialogs over IFileOpenDialog.
#include "toolkit/Dialogs.h"

#include "toolkit/Handles.h"

#include <shobjidl.h>

namespace tk {

namespace {

std::wstring PathOf(IShellItem* item) {
  PWSTR path = nullptr;
  std::wstring result;
  if (SUCCEEDED(item->GetDisplayName(SIGDN_FILESYSPATH, &path)) && path) {
    result = path;
    ::CoTaskMemFree(path);
  }
  return result;
}

// Runs the dialog with the given options; the items chosen, or none.
std::vector<std::wstring> RunOpenDialog(HWND owner, const std::wstring& title, FILEOPENDIALOGOPTIONS extra) {
  std::vector<std::wstring> paths;
  ComPtr<IFileOpenDialog> dialog;
  if (FAILED(::CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IFileOpenDialog, reinterpret_cast<void**>(dialog.Put()))))
    return paths;
  FILEOPENDIALOGOPTIONS options = 0;
  dialog->GetOptions(&options);
  dialog->SetOptions(options | FOS_FORCEFILESYSTEM | FOS_NODEREFERENCELINKS | extra);
  if (!title.empty()) dialog->SetTitle(title.c_str());
  if (dialog->Show(owner) != S_OK) return paths;
  ComPtr<IShellItemArray> items;
  if (FAILED(dialog->GetResults(items.Put()))) return paths;
  DWORD count = 0;
  items->GetCount(&count);
  for (DWORD i = 0; i < count; ++i) {
    ComPtr<IShellItem> item;
    if (SUCCEEDED(items->GetItemAt(i, item.Put())))
      if (std::wstring p = PathOf(item.Get()); !p.empty()) paths.push_back(p);
  }
  return paths;
}

}  // namespace

bool TOpenDialog::Execute(HWND owner) {
  auto paths = RunOpenDialog(owner, FTitle, FOS_FILEMUSTEXIST | (FMultiSelect ? FOS_ALLOWMULTISELECT : 0));
  if (paths.empty()) return false;
  FFiles = std::move(paths);
  return true;
}

bool TFolderDialog::Execute(HWND owner) {
  auto paths = RunOpenDialog(owner, FTitle, FOS_PICKFOLDERS | FOS_PATHMUSTEXIST);
  if (paths.empty()) return false;
  FFolder = paths.front();
  return true;
}

}  // namespace tk
