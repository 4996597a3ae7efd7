// Test helpers for real files.
#include "support/TestFiles.h"

#include "toolkit/Handles.h"

#include <stdexcept>

namespace testsupport {

namespace {

std::string Narrow(const std::wstring& s) { return std::string(s.begin(), s.end()); }

}  // namespace

TempDir::TempDir() {
  wchar_t base[MAX_PATH + 1] = {};
  ::GetTempPathW(MAX_PATH, base);
  static unsigned counter = 0;
  for (;;) {
    FPath = std::wstring(base) + L"tamb" + std::to_wstring(::GetCurrentProcessId()) + L"_" +
            std::to_wstring(++counter);
    if (::CreateDirectoryW(FPath.c_str(), nullptr)) break;
    if (::GetLastError() != ERROR_ALREADY_EXISTS)
      throw std::runtime_error("cannot create temp dir " + Narrow(FPath));
  }
}

TempDir::~TempDir() { RemoveTree(FPath); }

std::wstring TempDir::operator/(const std::wstring& relative) const {
  return FPath + L"\\" + relative;
}

void RemoveTree(const std::wstring& path) {
  DWORD attr = ::GetFileAttributesW(path.c_str());
  if (attr == INVALID_FILE_ATTRIBUTES) return;
  ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL | (attr & FILE_ATTRIBUTE_DIRECTORY));
  if (!(attr & FILE_ATTRIBUTE_DIRECTORY)) {
    ::DeleteFileW(path.c_str());
    return;
  }
  if (!(attr & FILE_ATTRIBUTE_REPARSE_POINT)) {
    WIN32_FIND_DATAW fd{};
    tk::UniqueFindHandle find(::FindFirstFileW((path + L"\\*").c_str(), &fd));
    if (find) {
      do {
        std::wstring name = fd.cFileName;
        if (name != L"." && name != L"..") RemoveTree(path + L"\\" + name);
      } while (::FindNextFileW(find.Get(), &fd));
    }
  }
  ::RemoveDirectoryW(path.c_str());
}

void MakeDir(const std::wstring& path) {
  if (!::CreateDirectoryW(path.c_str(), nullptr))
    throw std::runtime_error("cannot create dir " + Narrow(path));
}

void MakeFile(const std::wstring& path, const std::string& content) {
  tk::UniqueKernelHandle h(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                         FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!h) throw std::runtime_error("cannot create file " + Narrow(path));
  DWORD written = 0;
  if (!content.empty() &&
      !::WriteFile(h.Get(), content.data(), static_cast<DWORD>(content.size()), &written, nullptr))
    throw std::runtime_error("cannot write file " + Narrow(path));
}

std::string ReadFileBytes(const std::wstring& path) {
  tk::UniqueKernelHandle h(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                         OPEN_EXISTING, 0, nullptr));
  if (!h) throw std::runtime_error("cannot open file " + Narrow(path));
  LARGE_INTEGER size{};
  ::GetFileSizeEx(h.Get(), &size);
  std::string data(static_cast<size_t>(size.QuadPart), '\0');
  DWORD read = 0;
  if (!data.empty()) ::ReadFile(h.Get(), data.data(), static_cast<DWORD>(data.size()), &read, nullptr);
  data.resize(read);
  return data;
}

bool Exists(const std::wstring& path) {
  return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

DWORD Attributes(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()); }

}  // namespace testsupport
