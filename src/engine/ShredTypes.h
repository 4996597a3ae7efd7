// Engine data types: methods, pass-data blocks, outcomes and event signatures.
#pragma once

#include "toolkit/Component.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

enum TShredMethod : uint8_t {
  smZeros,
  smOnes,
  smPseudorandom,
  smRCMP,
  smUSDOD_E,
  smUSDOD_ECE,
  smGutmann,
};

// One block of pass data; its length is set by the operation that writes it.
using TShredBlock = std::vector<uint8_t>;

// The zero-filled block from which free-space filler files are created.
using TShredFreeSpaceBlock = std::vector<uint8_t>;

// Lives for one free-space run.
struct TShredFreeSpaceBlockObj {
  TShredFreeSpaceBlock BLANK_FREESPACE_BLOCK;
};

enum TShredOutcome : int8_t {
  soCompleted = 1,
  soFailed = -1,
  soCancelled = -2,
};

using TGenerateOverwriteDataEvent =
    std::function<void(tk::TComponent* Sender, int32_t passNumber, uint32_t bytesRequired,
                       bool& generatedOK, TShredBlock& outputBlock)>;
using TNotifyStartingFileOverwritePass = std::function<void(
    tk::TComponent* Sender, const std::wstring& itemName, int32_t passNumber, int32_t totalPasses)>;
using TCheckForUserCancel = std::function<void(tk::TComponent* Sender, bool& userCancelled)>;
