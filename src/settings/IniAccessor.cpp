// TIniAccessor over GetPrivateProfileStringW and WritePrivateProfileStringW.
#include "settings/IniAccessor.h"

#include "fsutil/VEKGeneral.h"
#include "toolkit/Application.h"

#include <windows.h>

#include <cerrno>
#include <cwchar>

namespace {

// Whole-text integer parse: decimal with an optional sign, or "0x" and hexadecimal digits.
bool ParseInteger(const std::wstring& text, int& value) {
  if (text.empty()) return false;
  const bool hex = text.size() > 2 && text[0] == L'0' && (text[1] == L'x' || text[1] == L'X');
  const wchar_t* begin = text.c_str() + (hex ? 2 : 0);
  if (*begin == L' ' || *begin == L'\0') return false;
  wchar_t* end = nullptr;
  errno = 0;
  const long long v = hex ? static_cast<long long>(std::wcstoull(begin, &end, 16)) : std::wcstoll(begin, &end, 10);
  if (errno != 0 || *end != L'\0') return false;
  if (hex ? (v < 0 || v > 0xFFFFFFFFLL) : (v < INT32_MIN || v > INT32_MAX)) return false;
  value = static_cast<int>(v);
  return true;
}

}  // namespace

std::wstring TIniAccessor::ReadString(const std::wstring& section, const std::wstring& key,
                                      const std::wstring& def) const {
  wchar_t buffer[2048];
  const DWORD n = ::GetPrivateProfileStringW(section.c_str(), key.c_str(), def.c_str(), buffer, 2048,
                                             FFileName.c_str());
  return std::wstring(buffer, n);
}

void TIniAccessor::WriteString(const std::wstring& section, const std::wstring& key,
                               const std::wstring& value) const {
  if (!::WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), FFileName.c_str()))
    throw EIniFileError(tk::ToUtf8(vek::SubstituteParams(vek::TranslateText(L"Unable to write to %1"), {FFileName})));
}

int TIniAccessor::ReadInteger(const std::wstring& section, const std::wstring& key, int def) const {
  int value = def;
  return ParseInteger(ReadString(section, key, L""), value) ? value : def;
}

void TIniAccessor::WriteInteger(const std::wstring& section, const std::wstring& key, int value) const {
  WriteString(section, key, std::to_wstring(value));
}

bool TIniAccessor::ReadBool(const std::wstring& section, const std::wstring& key, bool def) const {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void TIniAccessor::WriteBool(const std::wstring& section, const std::wstring& key, bool value) const {
  WriteString(section, key, value ? L"1" : L"0");
}
