// TShredder: the shredding engine component: its settings, events and pass data.
#pragma once

#include "engine/ShredTypes.h"
#include "toolkit/Component.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vek {
class TVEKProgressDialog;
}

class TShredder : public tk::TComponent {
 public:
  explicit TShredder(tk::TComponent* AOwner = nullptr);
  ~TShredder() override;
  std::wstring ClassName() const override { return L"TShredder"; }

  // Files and folders are shredded by the engine itself; False hands them to ExtFileExe/ExtDirExe.
  bool FileDirUseInt() const { return FFileDirUseInt; }
  void SetFileDirUseInt(bool v) { FFileDirUseInt = v; }
  // Free space is overwritten by the engine itself; False hands it to ExtFreeSpaceExe.
  bool FreeUseInt() const { return FFreeUseInt; }
  void SetFreeUseInt(bool v) { FFreeUseInt = v; }
  // Command templates of external shredders (system code page).
  const std::string& ExtFileExe() const { return FExtFileExe; }
  void SetExtFileExe(const std::string& v) { FExtFileExe = v; }
  const std::string& ExtDirExe() const { return FExtDirExe; }
  void SetExtDirExe(const std::string& v) { FExtDirExe = v; }
  const std::string& ExtFreeSpaceExe() const { return FExtFreeSpaceExe; }
  void SetExtFreeSpaceExe(const std::string& v) { FExtFreeSpaceExe = v; }
  bool ExtShredFilesThenDir() const { return FExtShredFilesThenDir; }
  void SetExtShredFilesThenDir(bool v) { FExtShredFilesThenDir = v; }
  // The segment overwritten when a caller asks for segment-only overwriting.
  uint64_t IntSegmentOffset() const { return FIntSegmentOffset; }
  void SetIntSegmentOffset(uint64_t v) { FIntSegmentOffset = v; }
  uint64_t IntSegmentLength() const { return FIntSegmentLength; }
  void SetIntSegmentLength(uint64_t v) { FIntSegmentLength = v; }
  TShredMethod IntMethod() const { return FIntMethod; }
  void SetIntMethod(TShredMethod v) { FIntMethod = v; }
  // Pass count of the zeros, ones and pseudorandom methods.
  int32_t IntPasses() const { return FIntPasses; }
  void SetIntPasses(int32_t v) { FIntPasses = v; }
  int32_t IntFreeSpcFileSize() const { return FIntFreeSpcFileSize; }
  void SetIntFreeSpcFileSize(int32_t v) { FIntFreeSpcFileSize = v; }
  bool IntFreeSpcSmartFileSize() const { return FIntFreeSpcSmartFileSize; }
  void SetIntFreeSpcSmartFileSize(bool v) { FIntFreeSpcSmartFileSize = v; }
  int32_t IntFreeSpcFileCreationBlkSize() const { return FIntFreeSpcFileCreationBlkSize; }
  void SetIntFreeSpcFileCreationBlkSize(int32_t v) { FIntFreeSpcFileCreationBlkSize = v; }
  int32_t IntFileBufferSize() const { return FIntFileBufferSize; }
  void SetIntFileBufferSize(int32_t v) { FIntFileBufferSize = v; }

  const TGenerateOverwriteDataEvent& OnOverwriteDataReq() const { return FOnOverwriteDataReq; }
  void SetOnOverwriteDataReq(TGenerateOverwriteDataEvent h) { FOnOverwriteDataReq = std::move(h); }
  const TNotifyStartingFileOverwritePass& OnStartingFileOverwritePass() const {
    return FOnStartingFileOverwritePass;
  }
  void SetOnStartingFileOverwritePass(TNotifyStartingFileOverwritePass h) {
    FOnStartingFileOverwritePass = std::move(h);
  }
  const TCheckForUserCancel& OnCheckForUserCancel() const { return FOnCheckForUserCancel; }
  void SetOnCheckForUserCancel(TCheckForUserCancel h) { FOnCheckForUserCancel = std::move(h); }

  // The local time the RCMP date pass stamps into its data; the system clock by default.
  using TLocalTimeSource = std::function<SYSTEMTIME()>;
  void SetLocalTimeSource(TLocalTimeSource source) { FLocalTimeSource = std::move(source); }

  // --- Operations -------------------------------------------------------------------------

  // Overwrites a file with every pass of the method, then renames, truncates, back-dates and
  // deletes it (unless keepFile); a folder is shredded file by file and removed deepest first.
  // A link (junction, symbolic link) is removed as a link; what it points to is never touched.
  TShredOutcome DestroyFileOrDir(const std::wstring& path, bool segmentOnly, bool silent, bool keepFile);
  // Fills the drive's free space with filler files, overwrites and removes them.
  TShredOutcome OverwriteDriveFreeSpace(const std::wstring& drive, bool silent);
  // Overwrites the unused tail of the file's last cluster; length, time and attributes stay.
  bool OverwriteFileSlack(const std::wstring& filename);
  TShredOutcome OverwriteAllFileSlacks(char driveLetter, bool silent);
  // Overwrites a raw device such as \\.\X:; nothing is deleted.
  TShredOutcome DestroyDevice(const std::wstring& devicePath, bool segmentOnly, bool silent);
  // Overwrites the values of a key and everything below it, then deletes it. Keys must start
  // with HKCR\, HKCU\, HKLM\, HKU\ (or "HKU \"), HKCC\ or HKDD\; others are refused.
  void DestroyRegKey(const std::wstring& key);

  // --- Building blocks, used by the operations above ----------------------------------------

  TShredOutcome OverwriteTarget(const std::wstring& path, bool segmentOnly, bool silent,
                                vek::TVEKProgressDialog* outerProgress, bool keepFile);
  TShredOutcome ObscureAndDelete(const std::wstring& path);
  TShredOutcome DestroyDirTree(const std::wstring& path, bool silent);
  // A random name of the same length (only the last dot survives), free in folder; empty when
  // five candidates in a row name existing files.
  std::wstring RandomizeFileName(const std::wstring& folder, const std::wstring& name);
  static uint32_t QueryClusterSize(const std::wstring& path);
  static bool IsDevicePath(const std::wstring& path);
  static std::wstring FillerFileName(const std::wstring& folder, int k);
  // Size of every filler but the last, for the free space measured at the start.
  int64_t FillerFileSize(int64_t freeBytes) const;
  // The 249-character name a file passes through before deletion, cut to 259 characters of path.
  static std::wstring LongObscureName(const std::wstring& folder);
  TShredOutcome WriteFillerFile(const std::wstring& fileName, const TShredFreeSpaceBlockObj& zeroBlock,
                                int64_t size, vek::TVEKProgressDialog* progress);
  TShredOutcome OverwriteSlacksInTree(const std::wstring& root, vek::TVEKProgressDialog* progress,
                                      std::vector<std::wstring>& failures);
  static int CountFilesUnder(const std::wstring& root);
  static wchar_t DeviceDriveLetter(const std::wstring& devicePath);

  TShredOutcome LastIntShredResult() const { return FLastIntShredResult; }

  // Number of passes the current method writes; zero or less writes none.
  int32_t TotalPasses() const;
  // Fills the block (its length already set) with the data of one pass, from the hook when one
  // is set. False when the hook reports failure or leaves the block shorter than it was.
  bool FillPassBlock(int32_t passNumber, TShredBlock& block);

 private:
  std::wstring CurrentRcmpText() const;
  // Raises the cancel exception when the dialog, the outer dialog or the event asks for it.
  void CheckCancel(vek::TVEKProgressDialog* own, vek::TVEKProgressDialog* outer);
  bool EventCancelled();
  TShredOutcome RemoveLink(const std::wstring& path, DWORD attributes);
  // The progress window of an overwrite: the one kept from the last overwrite when there is one.
  std::unique_ptr<vek::TVEKProgressDialog> TakeProgressDialog();
  void KeepProgressDialog(std::unique_ptr<vek::TVEKProgressDialog> dialog);
  TShredOutcome RunFreeSpaceFillers(const std::wstring& workFolder, int64_t free,
                                    const TShredFreeSpaceBlockObj& zero,
                                    vek::TVEKProgressDialog* progress, bool& failed);

  bool FFileDirUseInt = true;
  bool FFreeUseInt = true;
  std::string FExtFileExe;
  std::string FExtDirExe;
  std::string FExtFreeSpaceExe;
  bool FExtShredFilesThenDir = false;
  uint64_t FIntSegmentOffset = 0;
  uint64_t FIntSegmentLength = 1048576;
  TShredMethod FIntMethod = smPseudorandom;
  int32_t FIntPasses = 1;
  int32_t FIntFreeSpcFileSize = 52428800;
  bool FIntFreeSpcSmartFileSize = true;
  int32_t FIntFreeSpcFileCreationBlkSize = 1048576;
  int32_t FIntFileBufferSize = 1048576;
  TGenerateOverwriteDataEvent FOnOverwriteDataReq;
  TNotifyStartingFileOverwritePass FOnStartingFileOverwritePass;
  TCheckForUserCancel FOnCheckForUserCancel;
  TLocalTimeSource FLocalTimeSource;
  std::unique_ptr<vek::TVEKProgressDialog> FIdleProgress;
  // Outcome of the most recent in-place overwrite; kept for inspection only.
  TShredOutcome FLastIntShredResult = static_cast<TShredOutcome>(0);
};
