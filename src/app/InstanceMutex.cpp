// The single-instance mutex, released and taken back around an elevated restart.
#include "app/InstanceMutex.h"

#include <windows.h>

tk::UniqueKernelHandle& InstanceMutex() {
  static auto* mutex = new tk::UniqueKernelHandle;
  return *mutex;
}

void ReleaseInstanceMutex() {
  if (InstanceMutex()) ::ReleaseMutex(InstanceMutex().Get());
  InstanceMutex().Reset();
}

void ReacquireInstanceMutex() {
  if (!InstanceMutex()) InstanceMutex().Reset(::CreateMutexW(nullptr, TRUE, L"My_Unique_Application_Mutex_Name"));
}
