// Built-in pass data of the overwrite methods, their names and pass counts.
#pragma once

#include "engine/ShredTypes.h"

#include <windows.h>

#include <string>

std::wstring MethodDisplayName(TShredMethod method);

// The fixed pass count of a method, or -1 where the engine's IntPasses applies.
int MethodPassTableValue(TShredMethod method);

// "1.40" (with the given decimal separator) + yyyymmddhhnnss.
std::wstring RcmpDateText(const SYSTEMTIME& localTime, const std::wstring& decimalSeparator);
// The user's locale decimal separator ("." where it cannot be read).
std::wstring UserDecimalSeparator();

// Fills every byte of the block by the method's rule for that pass; rows without data leave
// the block unchanged. rcmpText is used by the RCMP date pass only.
void FillBuiltInPassData(TShredMethod method, int passNumber, TShredBlock& block,
                         const std::wstring& rcmpText);

// The pass that writes the RCMP date text (and so needs the clock).
inline bool NeedsRcmpText(TShredMethod method, int passNumber) {
  return method == smRCMP && passNumber == 3;
}
