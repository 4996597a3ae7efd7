// Small shared helpers: long and short path forms, file times, OS release, partitions,
// numbered placeholders and the translation hook.
#pragma once

#include <windows.h>
#include <winioctl.h>

#include <cstdint>
#include <string>
#include <vector>

namespace tk {
class TPanel;
class TForm;
}  // namespace tk

namespace vek {

enum TOSVersionClass : uint8_t {
  ovWin95,
  ovWin98,
  ovWinMe,
  ovWinNT,
  ovWin2000,
  ovWinXP,
  ovWin52Metric,
  ovWin52,
  ovWinVista,
  ovWinServer2008,
  ovWinServer2008R2,
  ovWin7,
};

// True when the path names an existing file or directory; links are followed.
bool PathExists(const std::wstring& path);
// True when the path is a directory that is a reparse point (junction, symbolic link, mount
// point). Walks never enter such a directory: its contents lie outside the tree.
bool IsDirectoryLink(const std::wstring& path);

std::wstring ShortPathOf(const std::wstring& path);
std::wstring LongPathOf(const std::wstring& path);
std::wstring LongNameOfPathElement(const std::wstring& path);

// Sets creation, last-access and last-write time from a packed MS-DOS local date-time.
// Returns 0 or the platform's error code.
DWORD SetFileTimesFromDosDateTime(HANDLE file, uint32_t dosDateTime);

int CountChar(wchar_t ch, const std::wstring& text);

// The classification rule on its own, for any reported version.
TOSVersionClass ClassifyOSVersion(DWORD platformId, DWORD major, DWORD minor, BYTE productType,
                                  int metric98);
TOSVersionClass GetOSVersionClass();
bool IsVistaOrLater();

bool GetPartitionInformation(const std::wstring& devicePath, PARTITION_INFORMATION& record);

// One value for a numbered placeholder: integers in decimal, strings and characters as they are.
class TSubstArg {
 public:
  TSubstArg(int v) : FText(std::to_wstring(v)) {}
  TSubstArg(unsigned v) : FText(std::to_wstring(v)) {}
  TSubstArg(long v) : FText(std::to_wstring(v)) {}
  TSubstArg(unsigned long v) : FText(std::to_wstring(v)) {}
  TSubstArg(long long v) : FText(std::to_wstring(v)) {}
  TSubstArg(unsigned long long v) : FText(std::to_wstring(v)) {}
  TSubstArg(wchar_t c) : FText(1, c) {}
  TSubstArg(const wchar_t* s) : FText(s ? s : L"") {}
  TSubstArg(std::wstring s) : FText(std::move(s)) {}
  const std::wstring& Text() const { return FText; }

 private:
  std::wstring FText;
};

// Replaces %N by args[N-1], highest number first, so %10 is filled before %1 can touch it.
std::wstring SubstituteParams(const std::wstring& templ, const std::vector<TSubstArg>& args);

// Every user-visible text passes through here; the hook for a translation layer.
std::wstring TranslateText(const std::wstring& text);
// Every form of the library passes through here right after its creation event.
void TranslateForm(tk::TForm* form);

// Turns a panel into an invisible container: no caption, no bevels.
void ClearPanel(tk::TPanel* panel);

}  // namespace vek
