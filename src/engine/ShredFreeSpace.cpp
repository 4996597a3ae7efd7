// Free space: filler files that take all of a drive's free space, overwritten and removed.
#include "dialogs/MessageDlg.h"
#include "dialogs/VEKProgressDlg.h"
#include "engine/ShredErrors.h"
#include "engine/ShredExternal.h"
#include "engine/ShredRandom.h"
#include "engine/Shredder.h"
#include "fsutil/VEKGeneral.h"
#include "toolkit/Application.h"
#include "toolkit/Handles.h"

#include <algorithm>
#include <cwctype>
#include <memory>

using vek::TVEKProgressDialog;

namespace {

constexpr int kShowRestore = 9;
constexpr int64_t kSmartFloor = 5242880;

// Bytes available to the caller on the drive, or -1.
int64_t FreeBytes(wchar_t letter) {
  const std::wstring root = std::wstring(1, letter) + L":\\";
  ULARGE_INTEGER available{};
  if (!::GetDiskFreeSpaceExW(root.c_str(), &available, nullptr, nullptr)) return -1;
  return static_cast<int64_t>(available.QuadPart);
}

}  // namespace

std::wstring TShredder::FillerFileName(const std::wstring& folder, int k) {
  return folder + L"\\~Tamberlocktmp." + std::to_wstring(k);
}

int64_t TShredder::FillerFileSize(int64_t freeBytes) const {
  if (!FIntFreeSpcSmartFileSize) return FIntFreeSpcFileSize;
  const int64_t smart = freeBytes / 10 > kSmartFloor ? freeBytes / 10 : kSmartFloor;
  return std::min<int64_t>(smart, FIntFreeSpcFileSize);
}

TShredOutcome TShredder::WriteFillerFile(const std::wstring& fileName, const TShredFreeSpaceBlockObj& zeroBlock,
                                         int64_t size, TVEKProgressDialog* progress) {
  tk::UniqueKernelHandle h(::CreateFileW(fileName.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                         CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH,
                                         nullptr));
  if (!h) return soFailed;
  const auto& zeros = zeroBlock.BLANK_FREESPACE_BLOCK;
  int64_t written = 0;
  DWORD last = 1;
  while (written < size && last > 0) {
    const DWORD chunk = static_cast<DWORD>(std::min<int64_t>(size - written, static_cast<int64_t>(zeros.size())));
    last = 0;
    // A full volume ends the filler at the first write of nothing.
    ::WriteFile(h.Get(), zeros.data(), chunk, &last, nullptr);
    written += last;
    tk::Application().ProcessMessages();
    if (progress && progress->Cancel) throw EShredCancelled();
    if (EventCancelled()) throw EShredCancelled();
  }
  ::FlushFileBuffers(h.Get());  // the fillers must really take the space on the disk
  return soCompleted;
}

TShredOutcome TShredder::RunFreeSpaceFillers(const std::wstring& workFolder, int64_t free,
                                             const TShredFreeSpaceBlockObj& zero, TVEKProgressDialog* progress,
                                             bool& failed) {
  const int64_t fileSize = FillerFileSize(free);
  auto overwrite = [&](const std::wstring& name) {
    const TShredOutcome r = OverwriteTarget(name, false, true, progress, true);
    if (r == soCancelled) throw EShredCancelled();
    if (r == soFailed) failed = true;
  };
  int n = 0;
  while (free > fileSize) {
    const std::wstring name = FillerFileName(workFolder, ++n);
    if (WriteFillerFile(name, zero, fileSize, progress) == soFailed) {
      failed = true;
      break;
    }
    if (EventCancelled()) throw EShredCancelled();
    overwrite(name);
    if (failed) break;
    if (EventCancelled()) throw EShredCancelled();
    free = FreeBytes(workFolder[0]);
    progress->Seti64InversePosition(free);
    tk::Application().ProcessMessages();
    if (progress->Cancel) throw EShredCancelled();
    if (EventCancelled()) throw EShredCancelled();
  }
  if (!failed) {
    // The last filler takes all the space that is left: it grows until the volume refuses
    // more, since space the caller is not shown (reserved blocks, quotas) may hold old data too.
    const std::wstring name = FillerFileName(workFolder, n + 1);
    if (WriteFillerFile(name, zero, INT64_MAX, progress) == soFailed) failed = true;
    if (EventCancelled()) throw EShredCancelled();
    if (!failed) {
      overwrite(name);
      if (EventCancelled()) throw EShredCancelled();
    }
  }
  return failed ? soFailed : soCompleted;
}

TShredOutcome TShredder::OverwriteDriveFreeSpace(const std::wstring& drive, bool silent) {
  // No drive, no run: never guess at a volume.
  if (drive.empty() || !std::iswalpha(drive[0])) return soFailed;
  bool failed = false;
  bool cancelled = false;
  if (!FFreeUseInt) {
    if (LaunchExternal(FormatExternalCommand(FExtFreeSpaceExe, drive), kShowRestore) < 32) {
      failed = true;
      vek::ShowMessageDialog(vek::TranslateText(L"Error running external (3rd party) free space shredder"),
                             vek::mtError, vek::Buttons({vek::mbOK}), 0);
    }
  } else {
    auto progress = std::make_unique<TVEKProgressDialog>();
    progress->SetShowTimeRemaining(true);
    auto zero = std::make_unique<TShredFreeSpaceBlockObj>();
    zero->BLANK_FREESPACE_BLOCK.assign(static_cast<size_t>(std::max(FIntFreeSpcFileCreationBlkSize, 1)), 0);
    const wchar_t letter = static_cast<wchar_t>(std::towupper(drive[0]));
    const std::wstring workFolder =
        std::wstring(1, letter) + L":\\~Tamberlock" + std::to_wstring(shredrandom::Draw(10000)) + L".tmp";
    ::CreateDirectoryW(workFolder.c_str(), nullptr);
    const int64_t free = FreeBytes(letter);
    progress->SetTitle(vek::SubstituteParams(vek::TranslateText(L"Tamberlock free space on drive %1:"), {letter}));
    progress->Seti64Max(free);
    progress->Seti64Min(0);
    progress->Seti64Position(0);
    const tk::TCursor savedCursor = tk::Application().ScreenCursor();
    if (!silent) {
      tk::Application().SetScreenCursor(tk::crAppStart);
      progress->Show();
    }
    try {
      RunFreeSpaceFillers(workFolder, free, *zero, progress.get(), failed);
    } catch (...) {
      cancelled = true;
    }
    ObscureAndDelete(workFolder);
    if (!silent) tk::Application().SetScreenCursor(savedCursor);
  }
  return failed ? soFailed : cancelled ? soCancelled : soCompleted;
}
