// Stands in for an external shredder: appends its own command line, as one line, to the file
// named by its first argument.
#include <windows.h>
#include <shellapi.h>

#include <string>

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  const std::wstring line = std::wstring(::GetCommandLineW()) + L"\n";
  const int n = ::WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string utf8(n - 1, '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, utf8.data(), n, nullptr, nullptr);
  // Several copies may start at once: retry until the file is ours.
  for (int attempt = 0; attempt < 200; ++attempt) {
    HANDLE h = ::CreateFileW(argv[1], FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
      DWORD written = 0;
      ::WriteFile(h, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
      ::CloseHandle(h);
      return 0;
    }
    ::Sleep(10);
  }
  return 1;
}
