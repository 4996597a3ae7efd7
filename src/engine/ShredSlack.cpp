// File slack: the unused tail of a file's last cluster, overwritten past the end of the file.
#include "dialogs/FileList_U.h"
#include "dialogs/VEKProgressDlg.h"
#include "engine/Shredder.h"
#include "fsutil/VEKFileIterator_U.h"
#include "fsutil/VEKGeneral.h"
#include "toolkit/Handles.h"

#include <memory>

using vek::TVEKProgressDialog;

namespace {

constexpr uint32_t kUnknownClusterSlack = 131072;

// Puts a file back as it was found, on every way out: length, last-write time, attributes.
class SlackRestore {
 public:
  SlackRestore(const std::wstring& name, DWORD attributes, HANDLE h)
      : FName(name), FAttributes(attributes), FHandle(h) {}
  ~SlackRestore() {
    if (FCutBack) {
      LARGE_INTEGER pos;
      pos.QuadPart = FLength;
      if (::SetFilePointerEx(FHandle.Get(), pos, nullptr, FILE_BEGIN)) ::SetEndOfFile(FHandle.Get());
    }
    if (FHaveTime) ::SetFileTime(FHandle.Get(), nullptr, nullptr, &FLastWrite);
    FHandle.Reset();
    ::SetFileAttributesW(FName.c_str(), FAttributes);
  }
  SlackRestore(const SlackRestore&) = delete;
  SlackRestore& operator=(const SlackRestore&) = delete;
  HANDLE Handle() const { return FHandle.Get(); }
  void RememberTime() {
    FILETIME utc{}, local{};
    WORD date = 0, time = 0;
    // Kept as a local DOS date-time, as the file system of old would have it.
    if (::GetFileTime(FHandle.Get(), nullptr, nullptr, &utc) && ::FileTimeToLocalFileTime(&utc, &local) &&
        ::FileTimeToDosDateTime(&local, &date, &time) && ::DosDateTimeToFileTime(date, time, &local) &&
        ::LocalFileTimeToFileTime(&local, &FLastWrite))
      FHaveTime = true;
  }
  void CutBackTo(int64_t length) {
    FLength = length;
    FCutBack = true;
  }

 private:
  std::wstring FName;
  DWORD FAttributes;
  tk::UniqueKernelHandle FHandle;
  FILETIME FLastWrite{};
  bool FHaveTime = false;
  int64_t FLength = 0;
  bool FCutBack = false;
};

}  // namespace

bool TShredder::OverwriteFileSlack(const std::wstring& filename) {
  const DWORD attributes = ::GetFileAttributesW(filename.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return false;
  // Slack belongs to this file only: a link's target is left alone.
  if (attributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)) return true;
  if (!::SetFileAttributesW(filename.c_str(), FILE_ATTRIBUTE_ARCHIVE)) return true;
  HANDLE raw = ::CreateFileW(filename.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH | FILE_FLAG_OPEN_REPARSE_POINT,
                             nullptr);
  if (raw == INVALID_HANDLE_VALUE) {
    ::SetFileAttributesW(filename.c_str(), attributes);
    return true;
  }
  SlackRestore file(filename, attributes, raw);
  file.RememberTime();
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file.Handle(), &size)) return true;
  uint32_t cluster = QueryClusterSize(filename);
  if (cluster == 1) cluster = kUnknownClusterSlack;
  const int64_t slack = size.QuadPart % cluster ? cluster - size.QuadPart % cluster : 0;
  file.CutBackTo(size.QuadPart);
  TShredBlock block(cluster);
  bool result = true;
  for (int32_t pass = 1; pass <= TotalPasses(); ++pass) {
    if (!FillPassBlock(pass, block)) {
      result = false;
      break;
    }
    DWORD written = 0;
    if (!::SetFilePointerEx(file.Handle(), size, nullptr, FILE_BEGIN) ||
        !::WriteFile(file.Handle(), block.data(), static_cast<DWORD>(slack), &written, nullptr) ||
        written < slack) {
      result = false;
      break;
    }
    ::FlushFileBuffers(file.Handle());
  }
  return result;
}

int TShredder::CountFilesUnder(const std::wstring& root) {
  vek::TVEKFileIterator it;
  it.SetDirectory(root);
  it.SetRecurseSubDirs(true);
  it.SetIncludeDirNames(false);
  return it.Count();
}

TShredOutcome TShredder::OverwriteSlacksInTree(const std::wstring& root, TVEKProgressDialog* progress,
                                               std::vector<std::wstring>& failures) {
  vek::TVEKFileIterator it;
  it.SetDirectory(root);
  it.SetRecurseSubDirs(true);
  it.SetIncludeDirNames(false);
  it.SetOmitStartDirPrefix(false);
  it.Reset();
  for (std::wstring file = it.Next(); !file.empty(); file = it.Next()) {
    const std::wstring shortPath = vek::ShortPathOf(file);
    if (!OverwriteFileSlack(shortPath)) failures.push_back(shortPath);
    progress->i64IncPosition();
    if (progress->Cancel || EventCancelled()) return soCancelled;
  }
  return soCompleted;
}

TShredOutcome TShredder::OverwriteAllFileSlacks(char driveLetter, bool silent) {
  const wchar_t letter = static_cast<wchar_t>(std::toupper(static_cast<unsigned char>(driveLetter)));
  const std::wstring root = std::wstring(1, letter) + L":\\";
  auto progress = std::make_unique<TVEKProgressDialog>();
  std::vector<std::wstring> failures;
  progress->SetShowTimeRemaining(true);
  progress->SetTitle(vek::SubstituteParams(vek::TranslateText(L"Shredding file slack on drive %1:"), {letter}));
  progress->Seti64Max(CountFilesUnder(root));
  progress->Seti64Min(0);
  progress->Seti64Position(0);
  if (!silent) progress->Show();
  const TShredOutcome outcome = OverwriteSlacksInTree(root, progress.get(), failures);
  if (!silent && !failures.empty()) {
    progress->Hide();
    vek::TFileList_F report;
    report.lbFiles->SetVisible(true);
    report.lblTitle->SetCaption(vek::TranslateText(L"The following files could not have their slack space shredded:"));
    for (const auto& f : failures) report.lbFiles->AddItem(f);
    report.ShowModal();
  }
  return outcome;
}
