// Path, volume and OS helpers.
#include "fsutil/VEKGeneral.h"

#include "toolkit/Handles.h"
#include "toolkit/StdCtrls.h"

#include <cwctype>

namespace vek {

namespace {

bool IsLowerDriveLetter(const std::wstring& s) {
  return s.size() >= 2 && s[1] == L':' && s[0] >= L'a' && s[0] <= L'z';
}

void UpperDriveLetter(std::wstring& s) {
  if (IsLowerDriveLetter(s)) s[0] = static_cast<wchar_t>(s[0] - L'a' + L'A');
}

}  // namespace

bool PathExists(const std::wstring& path) {
  if (path.empty()) return false;
  DWORD attr = ::GetFileAttributesW(path.c_str());
  if (attr == INVALID_FILE_ATTRIBUTES) return false;
  if (!(attr & FILE_ATTRIBUTE_REPARSE_POINT)) return true;
  // A link exists as a target only when what it points to does.
  tk::UniqueKernelHandle h(::CreateFileW(path.c_str(), 0,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                         nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
                                         nullptr));
  return h.Valid();
}

bool IsDirectoryLink(const std::wstring& path) {
  // A trailing backslash would ask about the link's target instead of the link.
  std::wstring p = path;
  while (p.size() > 1 && p.back() == L'\\' && p[p.size() - 2] != L':' && p[p.size() - 2] != L'\\')
    p.pop_back();
  // A drive's root is the drive itself, whatever the platform says of how it is mounted.
  if (p.empty() || (p.size() <= 3 && p.size() >= 2 && p[1] == L':')) return false;
  DWORD attr = ::GetFileAttributesW(p.c_str());
  return attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY) &&
         (attr & FILE_ATTRIBUTE_REPARSE_POINT);
}

std::wstring ShortPathOf(const std::wstring& path) {
  if (!PathExists(path)) return {};
  std::wstring buf(MAX_PATH, L'\0');
  DWORD n = ::GetShortPathNameW(path.c_str(), buf.data(), static_cast<DWORD>(buf.size()));
  if (n > buf.size()) {
    buf.assign(n, L'\0');
    n = ::GetShortPathNameW(path.c_str(), buf.data(), static_cast<DWORD>(buf.size()));
    if (n >= buf.size()) return {};
  }
  if (n == 0) return {};
  buf.resize(n);
  UpperDriveLetter(buf);
  return buf;
}

std::wstring LongNameOfPathElement(const std::wstring& path) {
  WIN32_FIND_DATAW fd{};
  tk::UniqueFindHandle h(::FindFirstFileW(path.c_str(), &fd));
  if (!h) return {};
  fd.cFileName[MAX_PATH - 1] = L'\0';
  fd.cAlternateFileName[13] = L'\0';
  return fd.cFileName[0] ? std::wstring(fd.cFileName) : std::wstring(fd.cAlternateFileName);
}

std::wstring LongPathOf(const std::wstring& path) {
  std::wstring b = ShortPathOf(path);
  if (!PathExists(b)) return {};
  std::wstring result;
  for (auto pos = b.rfind(L'\\'); pos != std::wstring::npos; pos = b.rfind(L'\\')) {
    result = L'\\' + LongNameOfPathElement(b) + result;
    b.erase(pos);
    if (b.starts_with(L"\\\\") && CountChar(L'\\', b) == 3) break;
  }
  UpperDriveLetter(b);
  return b + result;
}

DWORD SetFileTimesFromDosDateTime(HANDLE file, uint32_t dosDateTime) {
  FILETIME local{}, utc{};
  if (!::DosDateTimeToFileTime(HIWORD(dosDateTime), LOWORD(dosDateTime), &local) ||
      !::LocalFileTimeToFileTime(&local, &utc) || !::SetFileTime(file, &utc, &utc, &utc))
    return ::GetLastError();
  return 0;
}

int CountChar(wchar_t ch, const std::wstring& text) {
  int n = 0;
  for (wchar_t c : text)
    if (c == ch) ++n;
  return n;
}

TOSVersionClass ClassifyOSVersion(DWORD platformId, DWORD major, DWORD minor, BYTE productType,
                                  int metric98) {
  if (platformId != VER_PLATFORM_WIN32_NT) {
    if (minor == 0) return ovWin95;
    if (minor == 10) return ovWin98;
    return ovWinMe;
  }
  if (major < 5) return ovWinNT;
  if (major == 5) {
    if (minor == 1) return ovWinXP;
    if (minor == 2) return metric98 == 1 ? ovWin52Metric : ovWin52;
    return ovWin2000;
  }
  if (major == 6) {
    if (minor == 0) return productType == VER_NT_WORKSTATION ? ovWinVista : ovWinServer2008;
    if (minor == 1) return productType == VER_NT_WORKSTATION ? ovWin7 : ovWinServer2008R2;
    return ovWinVista;
  }
  return ovWin7;
}

TOSVersionClass GetOSVersionClass() {
  static const TOSVersionClass cls = [] {
    OSVERSIONINFOEXA info{};
    info.dwOSVersionInfoSize = sizeof(info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    ::GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info));
#pragma GCC diagnostic pop
    return ClassifyOSVersion(info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion,
                             info.wProductType, ::GetSystemMetrics(98));
  }();
  return cls;
}

bool IsVistaOrLater() { return GetOSVersionClass() >= ovWinVista; }

bool GetPartitionInformation(const std::wstring& devicePath, PARTITION_INFORMATION& record) {
  tk::UniqueKernelHandle h(::CreateFileW(devicePath.c_str(), GENERIC_READ,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                         nullptr, OPEN_EXISTING, FILE_FLAG_RANDOM_ACCESS,
                                         nullptr));
  if (!h) return false;
  PARTITION_INFORMATION out{};
  DWORD returned = 0;
  if (!::DeviceIoControl(h.Get(), IOCTL_DISK_GET_PARTITION_INFO, nullptr, 0, &out, sizeof(out),
                         &returned, nullptr))
    return false;
  record = out;
  return true;
}

std::wstring SubstituteParams(const std::wstring& templ, const std::vector<TSubstArg>& args) {
  std::wstring result = templ;
  for (size_t i = args.size(); i-- > 0;) {
    const std::wstring key = L"%" + std::to_wstring(i + 1);
    const std::wstring& value = args[i].Text();
    for (size_t pos = result.find(key); pos != std::wstring::npos;
         pos = result.find(key, pos + value.size())) {
      result.replace(pos, key.size(), value);
    }
  }
  return result;
}

std::wstring TranslateText(const std::wstring& text) { return text; }

void TranslateForm(tk::TForm*) {}

void ClearPanel(tk::TPanel* panel) {
  panel->SetCaption(std::wstring());
  panel->SetBevelInner(tk::bvNone);
  panel->SetBevelOuter(tk::bvNone);
}

}  // namespace vek
