// Files and folders: in-place overwrite, obscuring removal, tree walks, external hand-over.
#include "dialogs/VEKProgressDlg.h"
#include "engine/PassData.h"
#include "engine/ShredErrors.h"
#include "engine/ShredExternal.h"
#include "engine/ShredRandom.h"
#include "engine/Shredder.h"
#include "fsutil/VEKDirIterator_U.h"
#include "fsutil/VEKFileIterator_U.h"
#include "fsutil/VEKGeneral.h"
#include "toolkit/Application.h"
#include "toolkit/Handles.h"

#include <algorithm>
#include <memory>

using vek::TVEKProgressDialog;

namespace {

constexpr DWORD kAttrRoHiddenSystem =
    FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
// 1 January 1980, 00:00:00, as a DOS date-time.
constexpr uint32_t kDos1980 = 0x00210000;
constexpr int kShowMinimized = 6;

bool IsLink(DWORD attr) { return attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_REPARSE_POINT); }

bool FileExistsNotDir(const std::wstring& path) {
  DWORD attr = ::GetFileAttributesW(path.c_str());
  return attr != INVALID_FILE_ATTRIBUTES && !(attr & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring FolderPart(const std::wstring& path) {
  auto pos = path.find_last_of(L"\\:");
  return pos == std::wstring::npos ? std::wstring() : path.substr(0, pos + 1);
}

std::wstring NamePart(const std::wstring& path) {
  auto pos = path.find_last_of(L"\\:");
  return pos == std::wstring::npos ? path : path.substr(pos + 1);
}

// Opens a target for overwriting: exclusive, write-through, never through a link.
tk::UniqueKernelHandle OpenExclusive(const std::wstring& path, bool device) {
  tk::UniqueKernelHandle h(::CreateFileW(
      path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH | (device ? 0 : FILE_FLAG_OPEN_REPARSE_POINT),
      nullptr));
  if (h && !device) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (::GetFileInformationByHandle(h.Get(), &info) &&
        (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
      h.Reset();  // a link: its target is not ours to write
  }
  return h;
}

bool SeekTo(HANDLE h, uint64_t position) {
  LARGE_INTEGER pos;
  pos.QuadPart = static_cast<LONGLONG>(position);
  return ::SetFilePointerEx(h, pos, nullptr, FILE_BEGIN) != FALSE;
}

}  // namespace

// --- Shared pieces --------------------------------------------------------------------------

bool TShredder::EventCancelled() {
  if (!FOnCheckForUserCancel) return false;
  bool userCancelled = false;
  FOnCheckForUserCancel(this, userCancelled);
  return userCancelled;
}

void TShredder::CheckCancel(TVEKProgressDialog* own, TVEKProgressDialog* outer) {
  if ((own && own->Cancel) || (outer && outer->Cancel) || EventCancelled()) throw EShredCancelled();
}

uint32_t TShredder::QueryClusterSize(const std::wstring& path) {
  if (path.size() < 3 || path[1] != L':' || (path[2] != L'\\' && path[2] != L'/')) return 1;
  const std::wstring root = std::wstring(1, path[0]) + L":\\";
  DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, totalClusters = 0;
  if (!::GetDiskFreeSpaceW(root.c_str(), &sectorsPerCluster, &bytesPerSector, &freeClusters,
                           &totalClusters))
    return 1;
  const uint32_t cluster = sectorsPerCluster * bytesPerSector;
  return cluster ? cluster : 1;
}

bool TShredder::IsDevicePath(const std::wstring& path) { return path.find(L"\\\\.\\") != std::wstring::npos; }

wchar_t TShredder::DeviceDriveLetter(const std::wstring& devicePath) {
  return devicePath.size() >= 5 ? devicePath[4] : L'\0';
}

// --- DestroyFileOrDir -----------------------------------------------------------------------

TShredOutcome TShredder::DestroyFileOrDir(const std::wstring& path, bool segmentOnly, bool silent,
                                          bool keepFile) {
  const DWORD attr = ::GetFileAttributesW(path.c_str());
  if (IsLink(attr)) return RemoveLink(path, attr);
  if (attr != INVALID_FILE_ATTRIBUTES) ::SetFileAttributesW(path.c_str(), attr & ~kAttrRoHiddenSystem);
  // A path that does not exist takes the folder route too, and fails there.
  if (attr == INVALID_FILE_ATTRIBUTES || (attr & FILE_ATTRIBUTE_DIRECTORY)) return DestroyDirTree(path, silent);
  const std::wstring shortPath = vek::ShortPathOf(path);
  if (FFileDirUseInt) return OverwriteTarget(shortPath, segmentOnly, silent, nullptr, keepFile);
  LaunchExternal(FormatExternalCommand(FExtFileExe, shortPath), kShowMinimized);
  return soCompleted;
}

TShredOutcome TShredder::RemoveLink(const std::wstring& path, DWORD attr) {
  auto remove = [&] {
    return (attr & FILE_ATTRIBUTE_DIRECTORY) ? ::RemoveDirectoryW(path.c_str()) : ::DeleteFileW(path.c_str());
  };
  if (remove()) return soCompleted;
  // A read-only link: clear the flag on the link itself, never on its target.
  tk::UniqueKernelHandle h(::CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                         OPEN_EXISTING,
                                         FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (h) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (::GetFileInformationByHandle(h.Get(), &info) && (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
      FILE_BASIC_INFO basic{};
      basic.FileAttributes = (info.dwFileAttributes & ~kAttrRoHiddenSystem) | FILE_ATTRIBUTE_NORMAL;
      ::SetFileInformationByHandle(h.Get(), FileBasicInfo, &basic, sizeof(basic));
    }
  }
  h.Reset();
  return remove() ? soCompleted : soFailed;
}

// --- OverwriteTarget ------------------------------------------------------------------------

namespace {

// Size of a device from its partition record; false when unknown.
bool DeviceSize(const std::wstring& path, int64_t& size) {
  PARTITION_INFORMATION info{};
  const std::wstring volume = std::wstring(L"\\\\.\\") + TShredder::DeviceDriveLetter(path) + L":";
  if (!vek::GetPartitionInformation(volume, info)) return false;
  size = info.PartitionLength.QuadPart;
  return true;
}

}  // namespace

TShredOutcome TShredder::OverwriteTarget(const std::wstring& path, bool segmentOnly, bool silent,
                                         TVEKProgressDialog* outerProgress, bool keepFile) {
  bool failed = false;
  bool cancelled = false;
  const uint32_t cluster = QueryClusterSize(path);
  const int32_t totalPasses = TotalPasses();
  const bool device = IsDevicePath(path);
  {
    auto progress = TakeProgressDialog();
    progress->SetShowTimeRemaining(true);
    try {
      if (!silent) progress->Show();
      ::SetFileAttributesW(path.c_str(), 0);
      int64_t size = 0;
      bool sizeKnown = false;
      if (device) sizeKnown = DeviceSize(path, size);
      tk::UniqueKernelHandle h = OpenExclusive(path, device);
      if (!h) {
        failed = true;
      } else {
        if (!device) {
          LARGE_INTEGER fileSize{};
          sizeKnown = ::GetFileSizeEx(h.Get(), &fileSize) != FALSE;
          size = fileSize.QuadPart;
        }
        if (sizeKnown && size >= 0) {
          // Cover the whole last cluster: it may hold the tail of older data.
          if (size % cluster != 0) size += cluster - size % cluster;
          uint64_t start = 0;
          int64_t count = size;
          if (segmentOnly) {
            start = FIntSegmentOffset;
            count = std::min<int64_t>(size - static_cast<int64_t>(FIntSegmentOffset),
                                      static_cast<int64_t>(FIntSegmentLength));
          }
          progress->Seti64Min(0);
          progress->Seti64Max(count);
          const std::wstring title = FOnOverwriteDataReq ? vek::TranslateText(L"Custom") : MethodDisplayName(FIntMethod);
          TShredBlock block;
          for (int32_t pass = 1; pass <= totalPasses && !failed; ++pass) {
            progress->SetTitle(vek::SubstituteParams(vek::TranslateText(L"Tamberlock (%1 pass %2/%3) %4"),
                                                     {title, pass, totalPasses, path}));
            progress->Seti64Position(0);
            if (FOnStartingFileOverwritePass) FOnStartingFileOverwritePass(this, path, pass, totalPasses);
            tk::Application().ProcessMessages();
            CheckCancel(progress.get(), outerProgress);
            if (!SeekTo(h.Get(), start)) {
              failed = true;
              break;
            }
            int64_t remaining = count;
            block.resize(static_cast<size_t>(std::max(FIntFileBufferSize, 0)));
            if (!FOnOverwriteDataReq) failed = !FillPassBlock(pass, block);
            while (remaining > 0 && !failed) {
              progress->Seti64Position(progress->i64Max() - remaining);
              CheckCancel(progress.get(), outerProgress);
              if (FOnOverwriteDataReq) {
                block.resize(static_cast<size_t>(std::max(FIntFileBufferSize, 0)));
                failed = !FillPassBlock(pass, block);
              }
              const DWORD chunk = static_cast<DWORD>(std::min<int64_t>(remaining, FIntFileBufferSize));
              DWORD written = 0;
              // A write that reports success but moves nothing would never end the pass.
              if (!failed && (chunk == 0 || !::WriteFile(h.Get(), block.data(), chunk, &written, nullptr) || written == 0))
                failed = true;
              remaining -= written;
            }
            // Write-through is a request some platforms ignore: each pass reaches the disk
            // before the next one starts (and before the file is deleted).
            if (!failed && !::FlushFileBuffers(h.Get()) && !device) failed = true;
          }
        }
      }
    } catch (...) {
      cancelled = true;
    }
    KeepProgressDialog(std::move(progress));
  }
  if (!keepFile) ObscureAndDelete(path);
  const TShredOutcome outcome = failed ? soFailed : cancelled ? soCancelled : soCompleted;
  FLastIntShredResult = outcome;
  return outcome;
}

// --- ObscureAndDelete -----------------------------------------------------------------------

std::wstring TShredder::RandomizeFileName(const std::wstring& folder, const std::wstring& name) {
  std::wstring candidate = name;
  for (int attempt = 0; attempt < 5; ++attempt) {
    bool dotMet = false;
    for (size_t i = candidate.size(); i-- > 0;) {
      if (!dotMet && candidate[i] == L'.') {
        dotMet = true;
        continue;
      }
      candidate[i] = static_cast<wchar_t>(L'A' + shredrandom::Draw(26));
    }
    if (!FileExistsNotDir(folder + candidate)) return candidate;
  }
  return {};
}

std::wstring TShredder::LongObscureName(const std::wstring& folder) {
  std::wstring longName = folder + std::wstring(245, L'a') + L".aaa";
  if (longName.size() > 260) longName = longName.substr(0, 258) + longName.back();
  return longName;
}

TShredOutcome TShredder::ObscureAndDelete(const std::wstring& target) {
  try {
    const DWORD firstAttr = ::GetFileAttributesW(target.c_str());
    if (IsLink(firstAttr)) return RemoveLink(target, firstAttr);

    std::wstring path = target;
    const std::wstring folder = FolderPart(path);
    const std::wstring newName = RandomizeFileName(folder, NamePart(path));
    if (!newName.empty() && ::MoveFileW(path.c_str(), (folder + newName).c_str())) path = folder + newName;

    std::wstring shortTarget = path;
    for (wchar_t letter = L'a'; letter <= L'z'; ++letter) {
      const std::wstring candidate = folder + letter + L".";
      if (!FileExistsNotDir(candidate)) {
        shortTarget = candidate;
        break;
      }
    }
    const std::wstring longName = LongObscureName(folder);
    std::wstring finalName = path;
    if (::MoveFileW(path.c_str(), longName.c_str()))
      finalName = ::MoveFileW(longName.c_str(), shortTarget.c_str()) ? shortTarget : longName;

    const DWORD attr = ::GetFileAttributesW(finalName.c_str());
    if (attr == INVALID_FILE_ATTRIBUTES || (attr & FILE_ATTRIBUTE_DIRECTORY)) {
      TShredOutcome outcome = soCompleted;
      vek::TVEKFileIterator entries;
      entries.SetDirectory(finalName);
      entries.SetRecurseSubDirs(false);
      entries.SetIncludeDirNames(true);
      entries.SetOmitStartDirPrefix(false);
      entries.Reset();
      for (std::wstring entry = entries.Next(); !entry.empty(); entry = entries.Next()) {
        outcome = ObscureAndDelete(entry);
        if (outcome != soCompleted) break;
      }
      if (outcome == soCompleted) outcome = ::RemoveDirectoryW(finalName.c_str()) ? soCompleted : soFailed;
      return outcome;
    }
    if (tk::UniqueKernelHandle h = OpenExclusive(finalName, false)) {
      if (SeekTo(h.Get(), 0)) ::SetEndOfFile(h.Get());
      vek::SetFileTimesFromDosDateTime(h.Get(), kDos1980);
    }
    return ::DeleteFileW(finalName.c_str()) ? soCompleted : soFailed;
  } catch (...) {
    return soFailed;
  }
}

// --- DestroyDirTree -------------------------------------------------------------------------

TShredOutcome TShredder::DestroyDirTree(const std::wstring& path, bool silent) {
  TShredOutcome outcome = soCompleted;
  if (!FFileDirUseInt && !FExtShredFilesThenDir && !FExtDirExe.empty()) {
    LaunchExternal(FormatExternalCommand(FExtDirExe, vek::ShortPathOf(path)), kShowMinimized);
    return soCompleted;
  }
  {
    // Hidden and system folders belong to the tree too: their files are overwritten as well.
    vek::TVEKFileIterator files;
    files.SetIncludeHiddenDirs(true);
    files.SetDirectory(path);
    files.SetRecurseSubDirs(true);
    files.SetIncludeDirNames(false);
    files.SetOmitStartDirPrefix(false);
    files.Reset();
    for (std::wstring file = files.Next(); !file.empty(); file = files.Next()) {
      outcome = DestroyFileOrDir(file, false, silent, false);
      if (outcome != soCompleted) return outcome;
    }
  }
  vek::TVEKDirIterator dirs;
  dirs.SetIncludeHiddenDirs(true);
  dirs.SetDirectory(path);
  dirs.SetReverseFormat(true);
  dirs.SetIncludeStartDir(true);
  dirs.Reset();
  for (std::wstring dir = dirs.Next(); !dir.empty(); dir = dirs.Next()) {
    if (!FFileDirUseInt && !FExtDirExe.empty())
      LaunchExternal(FormatExternalCommand(FExtDirExe, vek::ShortPathOf(dir)), kShowMinimized);
    else
      outcome = ObscureAndDelete(dir);
  }
  return outcome;
}
