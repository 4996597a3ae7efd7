// TShredder: the shredding engine component: its settings, events and pass data.
#pragma once

#include "engine/ShredTypes.h"
#include "toolkit/Component.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

class TShredder : public tk::TComponent {
 public:
  explicit TShredder(tk::TComponent* AOwner = nullptr);
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

  // Number of passes the current method writes; zero or less writes none.
  int32_t TotalPasses() const;
  // Fills the block (its length already set) with the data of one pass, from the hook when one
  // is set. False when the hook reports failure or leaves the block shorter than it was.
  bool FillPassBlock(int32_t passNumber, TShredBlock& block);

 private:
  std::wstring CurrentRcmpText() const;

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
  // Outcome of the most recent in-place overwrite; kept for inspection only.
  TShredOutcome FLastIntShredResult = static_cast<TShredOutcome>(0);
};
