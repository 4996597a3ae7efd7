// Registry keys: overwrite every value, then delete the key with everything below it.
#include "engine/ShredRegistry.h"

#include "engine/Shredder.h"
#include "toolkit/Application.h"
#include "toolkit/Handles.h"

#include <stdexcept>
#include <vector>

std::optional<TRegKeyTarget> ResolveRegKey(const std::wstring& key) {
  struct Prefix { const wchar_t* text; HKEY root; };
  static const Prefix kPrefixes[] = {
      {L"HKCR\\", HKEY_CLASSES_ROOT}, {L"HKCU\\", HKEY_CURRENT_USER}, {L"HKLM\\", HKEY_LOCAL_MACHINE},
      {L"HKU \\", HKEY_USERS},        {L"HKU\\", HKEY_USERS},         {L"HKCC\\", HKEY_CURRENT_CONFIG},
      {L"HKDD\\", HKEY_DYN_DATA},
  };
  for (const Prefix& p : kPrefixes) {
    const std::wstring prefix = p.text;
    if (key.compare(0, prefix.size(), prefix) == 0) return TRegKeyTarget{p.root, prefix, key.substr(prefix.size())};
  }
  return std::nullopt;
}

namespace {

void SetValue(HKEY key, const std::wstring& name, DWORD type, const void* data, DWORD size) {
  if (::RegSetValueExW(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), size) != ERROR_SUCCESS)
    throw std::runtime_error("Failed to set data for '" + tk::ToUtf8(name) + "'");
}

}  // namespace

void OverwriteRegValues(HKEY key) {
  std::vector<std::wstring> names;
  for (DWORD i = 0;; ++i) {
    wchar_t name[16384];
    DWORD length = 16384;
    if (::RegEnumValueW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    names.emplace_back(name, length);
  }
  for (const auto& name : names) {
    DWORD type = 0, size = 0;
    if (::RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) continue;
    switch (type) {
      case REG_SZ:
      case REG_EXPAND_SZ: {
        // As many spaces as the stored bytes less one; an empty value stays empty.
        const std::wstring spaces(size > 0 ? size - 1 : 0, L' ');
        SetValue(key, name, type, spaces.c_str(), static_cast<DWORD>((spaces.size() + 1) * sizeof(wchar_t)));
        break;
      }
      case REG_DWORD: {
        const DWORD zero = 0;
        SetValue(key, name, REG_DWORD, &zero, sizeof(zero));
        break;
      }
      case REG_BINARY: {
        const std::vector<BYTE> ones(size, 0xFF);
        SetValue(key, name, REG_BINARY, ones.data(), size);
        break;
      }
      default:
        break;
    }
  }
}

void TShredder::DestroyRegKey(const std::wstring& key) {
  const auto target = ResolveRegKey(key);
  // An unknown root would address some unrelated key; an empty path, a whole hive.
  if (!target || target->path.empty()) return;
  std::vector<std::wstring> subKeys;
  {
    tk::UniqueRegKey opened;
    if (::RegOpenKeyExW(target->root, target->path.c_str(), 0, KEY_READ | KEY_WRITE, opened.Put()) ==
        ERROR_SUCCESS) {
      for (DWORD i = 0;; ++i) {
        wchar_t name[256];
        DWORD length = 256;
        if (::RegEnumKeyExW(opened.Get(), i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
          break;
        subKeys.emplace_back(name, length);
      }
      OverwriteRegValues(opened.Get());
      ::RegFlushKey(opened.Get());
    }
  }
  for (const auto& sub : subKeys) DestroyRegKey(target->prefix + target->path + L"\\" + sub);
  ::RegDeleteTreeW(target->root, target->path.c_str());
}
