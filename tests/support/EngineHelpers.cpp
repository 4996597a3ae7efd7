// Engine test helpers.
#include "support/EngineHelpers.h"

#include "support/TestFiles.h"

#include <algorithm>
#include <map>

namespace testsupport {

namespace {

std::string ToAcp(const std::wstring& s) {
  int n = ::WideCharToMultiByte(CP_ACP, 0, s.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string out(n - 1, '\0');
  ::WideCharToMultiByte(CP_ACP, 0, s.c_str(), -1, out.data(), n, nullptr, nullptr);
  return out;
}

}  // namespace

std::wstring ProgramBesideTest(const std::wstring& exeName) {
  wchar_t self[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring dir = self;
  // Without a drive for the build folder Wine names it "unix\...": the form "\\?\unix\..." opens.
  if (dir.rfind(L"unix\\", 0) == 0) dir = L"\\\\?\\" + dir;
  return dir.substr(0, dir.find_last_of(L'\\') + 1) + exeName;
}

std::wstring ProgramOnC(const std::wstring& exeName) {
  static std::map<std::wstring, std::wstring> copies;
  auto it = copies.find(exeName);
  if (it != copies.end()) return it->second;
  wchar_t temp[MAX_PATH] = {};
  ::GetTempPathW(MAX_PATH, temp);
  const std::wstring target = std::wstring(temp) + exeName;
  ::CopyFileW(ProgramBesideTest(exeName).c_str(), target.c_str(), FALSE);
  return copies[exeName] = target;
}

tk::UniqueKernelHandle StartProgram(const std::wstring& program, const std::wstring& args) {
  std::wstring cmd = L"\"" + program + L"\" " + args;
  STARTUPINFOW si{sizeof(si)};
  PROCESS_INFORMATION pi{};
  if (!::CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return {};
  ::CloseHandle(pi.hThread);
  return tk::UniqueKernelHandle(pi.hProcess);
}

std::string RecordTemplate(const std::wstring& outFile) {
  return "\"" + ToAcp(ProgramOnC(L"record_args.exe")) + "\" \"" + ToAcp(outFile) + "\" %s";
}

std::string WaitForLines(const std::wstring& outFile, int lines, int timeoutMs) {
  std::string text;
  for (int waited = 0; waited <= timeoutMs; waited += 20) {
    if (Exists(outFile)) {
      try {
        text = ReadFileBytes(outFile);
      } catch (...) {
        text.clear();
      }
      if (std::count(text.begin(), text.end(), '\n') >= lines) return text;
    }
    ::Sleep(20);
  }
  return text;
}

int64_t SizeOf(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return -1;
  return (int64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool HaveScratchDrive() { return ::GetDriveTypeW(L"T:\\") > DRIVE_NO_ROOT_DIR; }

bool RunningOnWine() {
  HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
  return ntdll && ::GetProcAddress(ntdll, "wine_get_version");
}

}  // namespace testsupport
