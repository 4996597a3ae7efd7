// Measures the engine's in-place overwrite against a bare write-through loop writing the same
// bytes to the same file, alternating the two in one process, and prints the throughput ratio.
//   ShredBench.exe [megabytes=256] [rounds=3] [folder=%TEMP%]
#include "engine/Shredder.h"
#include "toolkit/Application.h"
#include "toolkit/Handles.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

double Seconds() {
  static LARGE_INTEGER freq = [] {
    LARGE_INTEGER f;
    ::QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER now;
  ::QueryPerformanceCounter(&now);
  return double(now.QuadPart) / double(freq.QuadPart);
}

bool MakeFile(const std::wstring& path, int64_t size) {
  tk::UniqueKernelHandle h(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  if (!h) return false;
  LARGE_INTEGER end;
  end.QuadPart = size;
  return ::SetFilePointerEx(h.Get(), end, nullptr, FILE_BEGIN) && ::SetEndOfFile(h.Get());
}

double BareLoop(const std::wstring& path, int64_t size) {
  std::vector<char> block(1048576, 0);
  const double t0 = Seconds();
  tk::UniqueKernelHandle h(::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                         FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr));
  for (int64_t left = size; left > 0;) {
    DWORD written = 0;
    const DWORD chunk = DWORD(std::min<int64_t>(left, int64_t(block.size())));
    if (!::WriteFile(h.Get(), block.data(), chunk, &written, nullptr) || written == 0) break;
    left -= written;
  }
  ::FlushFileBuffers(h.Get());  // as the engine does after each pass
  h.Reset();
  return Seconds() - t0;
}

double Engine(TShredder& engine, const std::wstring& path) {
  const double t0 = Seconds();
  engine.DestroyFileOrDir(path, false, true, true);
  return Seconds() - t0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int64_t megabytes = argc > 1 ? _wtoi64(argv[1]) : 256;
  const int rounds = argc > 2 ? _wtoi(argv[2]) : 3;
  wchar_t temp[MAX_PATH] = {};
  ::GetTempPathW(MAX_PATH, temp);
  const std::wstring folder = argc > 3 ? std::wstring(argv[3]) : std::wstring(temp);
  const std::wstring path = folder + (folder.back() == L'\\' ? L"" : L"\\") + L"tamberlock-bench.bin";
  const int64_t size = megabytes << 20;

  tk::Application().Initialize();
  TShredder engine;
  engine.SetIntMethod(smZeros);
  engine.SetIntPasses(1);
  if (!MakeFile(path, size)) {
    std::fwprintf(stderr, L"cannot create %ls\n", path.c_str());
    return 1;
  }
  std::vector<double> bare, shred;
  for (int r = 0; r < rounds; ++r) {
    bare.push_back(BareLoop(path, size));
    shred.push_back(Engine(engine, path));
  }
  ::DeleteFileW(path.c_str());
  std::sort(bare.begin(), bare.end());
  std::sort(shred.begin(), shred.end());
  const double bareMid = bare[bare.size() / 2], shredMid = shred[shred.size() / 2];
  const double mb = double(megabytes);
  std::printf("file %lld MiB, %d rounds each, alternating (median times)\n", (long long)megabytes, rounds);
  std::printf("bare write-through loop: %.3f s  %.1f MiB/s\n", bareMid, mb / bareMid);
  std::printf("engine (smZeros, 1 pass): %.3f s  %.1f MiB/s\n", shredMid, mb / shredMid);
  std::printf("ratio engine/bare throughput: %.3f\n", bareMid / shredMid);
  return 0;
}
