// RAII owners for Win32 handles: kernel handles, find handles, registry keys, icons, GDI objects.
#pragma once

#include <windows.h>

#include <utility>

namespace tk {

// Traits give the invalid value(s) and the close call of one handle kind.
template <typename Traits>
class UniqueHandle {
 public:
  using Handle = typename Traits::Handle;

  UniqueHandle() noexcept = default;
  explicit UniqueHandle(Handle h) noexcept : FHandle(h) {}
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : FHandle(other.Release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  ~UniqueHandle() { Reset(); }

  Handle Get() const noexcept { return FHandle; }
  bool Valid() const noexcept { return Traits::IsValid(FHandle); }
  explicit operator bool() const noexcept { return Valid(); }

  Handle Release() noexcept { return std::exchange(FHandle, Traits::Invalid()); }
  void Reset(Handle h = Traits::Invalid()) noexcept {
    Handle old = std::exchange(FHandle, h);
    if (Traits::IsValid(old)) Traits::Close(old);
  }
  // For out-parameters of creating calls: closes what is held and returns the slot.
  Handle* Put() noexcept {
    Reset();
    return &FHandle;
  }

 private:
  Handle FHandle = Traits::Invalid();
};

struct KernelHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() noexcept { return nullptr; }
  static bool IsValid(Handle h) noexcept { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static void Close(Handle h) noexcept { ::CloseHandle(h); }
};

struct FindHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
  static bool IsValid(Handle h) noexcept { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static void Close(Handle h) noexcept { ::FindClose(h); }
};

struct RegKeyTraits {
  using Handle = HKEY;
  static Handle Invalid() noexcept { return nullptr; }
  static bool IsValid(Handle h) noexcept { return h != nullptr; }
  static void Close(Handle h) noexcept { ::RegCloseKey(h); }
};

struct IconTraits {
  using Handle = HICON;
  static Handle Invalid() noexcept { return nullptr; }
  static bool IsValid(Handle h) noexcept { return h != nullptr; }
  static void Close(Handle h) noexcept { ::DestroyIcon(h); }
};

struct GdiObjectTraits {
  using Handle = HGDIOBJ;
  static Handle Invalid() noexcept { return nullptr; }
  static bool IsValid(Handle h) noexcept { return h != nullptr; }
  static void Close(Handle h) noexcept { ::DeleteObject(h); }
};

using UniqueKernelHandle = UniqueHandle<KernelHandleTraits>;
using UniqueFindHandle = UniqueHandle<FindHandleTraits>;
using UniqueRegKey = UniqueHandle<RegKeyTraits>;
using UniqueIcon = UniqueHandle<IconTraits>;
using UniqueGdiObject = UniqueHandle<GdiObjectTraits>;

// COM interface pointer.
template <typename T>
class ComPtr {
 public:
  ComPtr() noexcept = default;
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ComPtr(ComPtr&& other) noexcept : FPtr(std::exchange(other.FPtr, nullptr)) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    if (this != &other) {
      Reset();
      FPtr = std::exchange(other.FPtr, nullptr);
    }
    return *this;
  }
  ~ComPtr() { Reset(); }

  T* Get() const noexcept { return FPtr; }
  T* operator->() const noexcept { return FPtr; }
  explicit operator bool() const noexcept { return FPtr != nullptr; }
  void Reset() noexcept {
    if (FPtr) std::exchange(FPtr, nullptr)->Release();
  }
  T** Put() noexcept {
    Reset();
    return &FPtr;
  }

 private:
  T* FPtr = nullptr;
};

}  // namespace tk
