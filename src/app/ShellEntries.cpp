// Registry entries of the shell integration.
#include "app/ShellEntries.h"

#include "dialogs/MessageDlg.h"
#include "fsutil/VEKGeneral.h"
#include "toolkit/Application.h"
#include "toolkit/Handles.h"

#include <stdexcept>

namespace {

LSTATUS SetString(HKEY key, const std::wstring& name, const std::wstring& value) {
  return ::RegSetValueExW(key, name.empty() ? nullptr : name.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

}  // namespace

std::wstring ProgramPath() {
  wchar_t path[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  return path;
}

std::wstring RunEntryData() { return L"\"" + ProgramPath() + L"\" /start"; }

std::wstring ContextMenuCommand() { return L"\"" + ProgramPath() + L"\" \"%1\""; }

void AddRunEntry(const std::wstring& name, const std::wstring& data) {
  tk::UniqueRegKey key;
  if (::RegCreateKeyExW(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.Put(), nullptr) !=
      ERROR_SUCCESS)
    throw std::runtime_error("Failed to create key " + tk::ToUtf8(kRunKey));
  if (SetString(key.Get(), name, data) != ERROR_SUCCESS)
    throw std::runtime_error("Failed to set data for '" + tk::ToUtf8(name) + "'");
}

void RemoveRunEntry(const std::wstring& name) {
  tk::UniqueRegKey key;
  if (::RegOpenKeyExW(HKEY_CURRENT_USER, kRunKey, 0, KEY_SET_VALUE, key.Put()) != ERROR_SUCCESS) {
    vek::ShowMessageDialog(vek::TranslateText(L"Key not found"), vek::mtCustom, vek::Buttons({vek::mbOK}), 0);
    return;
  }
  ::RegDeleteValueW(key.Get(), name.c_str());
}

bool WriteRegistryString(const std::wstring& keyPath, const std::wstring& valueName, const std::wstring& value,
                         HKEY root) {
  if (!root) root = HKEY_CURRENT_USER;
  tk::UniqueRegKey key;
  if (::RegCreateKeyExW(root, keyPath.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.Put(), nullptr) !=
      ERROR_SUCCESS)
    return false;
  return SetString(key.Get(), valueName, value) == ERROR_SUCCESS;
}

bool DeleteKeyAndEmptyParents(const std::wstring& keyPath, HKEY root) {
  if (!root) root = HKEY_CURRENT_USER;
  // An empty path would name the root itself.
  if (keyPath.empty() || keyPath == L"\\") return false;
  bool deleted = ::RegDeleteTreeW(root, keyPath.c_str()) == ERROR_SUCCESS;
  if (deleted) {
    ::RegDeleteKeyW(root, keyPath.c_str());  // where the tree call left the emptied key itself
    tk::UniqueRegKey gone;
    deleted = ::RegOpenKeyExW(root, keyPath.c_str(), 0, KEY_READ, gone.Put()) != ERROR_SUCCESS;
  }
  std::wstring path = keyPath;
  for (;;) {
    const auto cut = path.rfind(L'\\');
    if (cut == std::wstring::npos) break;
    path.erase(cut);
    if (path.empty()) break;
    tk::UniqueRegKey key;
    if (::RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, key.Put()) != ERROR_SUCCESS) break;
    DWORD subKeys = 0, values = 0;
    const bool empty = ::RegQueryInfoKeyW(key.Get(), nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, &values,
                                          nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS &&
                       subKeys == 0 && values == 0;
    key.Reset();
    if (!empty) break;
    ::RegDeleteKeyW(root, path.c_str());
  }
  return deleted;
}

bool AddContextMenuEntry(const std::wstring& className) {
  return WriteRegistryString(std::wstring(kUserClassesKey) + L"\\" + className + L"\\shell\\Tamberlock\\command",
                             L"", ContextMenuCommand(), HKEY_CURRENT_USER);
}

void RemoveContextMenuEntry(const std::wstring& verbKey) {
  // The walk runs inside the per-user classes: it never reaches Software\Classes itself.
  tk::UniqueRegKey classes;
  if (::RegOpenKeyExW(HKEY_CURRENT_USER, kUserClassesKey, 0, KEY_READ | KEY_WRITE | DELETE, classes.Put()) ==
      ERROR_SUCCESS)
    DeleteKeyAndEmptyParents(verbKey, classes.Get());
  // A machine-wide verb from an older install goes too, where the rights allow.
  DeleteKeyAndEmptyParents(verbKey, HKEY_CLASSES_ROOT);
}
