// Raw devices: overwritten in place, never deleted.
#include "engine/Shredder.h"

TShredOutcome TShredder::DestroyDevice(const std::wstring& devicePath, bool segmentOnly, bool silent) {
  if (!IsDevicePath(devicePath)) return soFailed;
  return OverwriteTarget(devicePath, segmentOnly, silent, nullptr, true);
}
